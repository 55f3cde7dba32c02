<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CameraFinder</name>
    <message>
        <source>Connect your camera</source>
        <translation>Kamera anschließen</translation>
    </message>
    <message>
        <source>Its settings open as soon as its card appears on this computer.</source>
        <translation>Ihre Einstellungen öffnen sich, sobald ihre Karte an diesem Computer erscheint.</translation>
    </message>
    <message>
        <source>Choose a camera</source>
        <translation>Kamera auswählen</translation>
    </message>
    <message>
        <source>Connected cameras</source>
        <translation>Angeschlossene Kameras</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 frei</translation>
    </message>
    <message>
        <source>open in a window</source>
        <translation>in einem Fenster geöffnet</translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Time of day</source>
        <translation>Uhrzeit</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>vantorelle: the window needs a graphical session; &quot;vantorelle --help&quot; lists the commands, which need none.
</source>
        <translation>vantorelle: Das Fenster braucht eine grafische Sitzung; „vantorelle --help“ nennt die Befehle, die ohne auskommen.
</translation>
    </message>
    <message>
        <source>
Commands (they need no display and never open a window):
  list              One line per connected camera: its folder, firmware
                    and free space, separated by tabs. With --json, an
                    array of objects: folder, label, firmware, bytesFree,
                    bytesTotal and formatRequest.
  get               The camera&apos;s settings, one key=value line each. With
                    --json, one object with the same keys.
  set KEY=VALUE...  Changes settings as the window&apos;s buttons do (burst
                    shoots at 5MP) and saves each camera&apos;s file once.
  apply FILE        Sets what FILE holds, in the form get prints; - reads
                    standard input. The clock and firmware lines are
                    passed over, so this copies camera A&apos;s settings to
                    every connected camera:
                      vantorelle get --volume A | vantorelle apply - --all
  sync-clock        Sets the camera&apos;s clock to the computer&apos;s local time.
Without --volume or --all a command works on the one connected camera.

Settings:
</source>
        <translation>
Befehle (sie brauchen keine grafische Oberfläche und öffnen nie ein Fenster):
  list              Eine Zeile je angeschlossener Kamera: ihr Ordner, ihre
                    Firmware und ihr freier Speicher, durch Tabulatoren
                    getrennt. Mit --json ein Array von Objekten: folder,
                    label, firmware, bytesFree, bytesTotal und formatRequest.
  get               Die Einstellungen der Kamera, je eine Zeile key=value. Mit
                    --json ein Objekt mit denselben Schlüsseln.
  set KEY=VALUE...  Ändert Einstellungen wie die Schaltflächen des Fensters
                    (Serienbilder entstehen mit 5MP) und speichert die Datei
                    jeder Kamera einmal.
  apply FILE        Setzt die Einstellungen aus FILE, in der Form, die get
                    ausgibt; bei - aus der Standardeingabe. Die Zeilen für Uhr
                    und Firmware werden übergangen, so kopiert dies die
                    Einstellungen von Kamera A auf jede angeschlossene Kamera:
                      vantorelle get --volume A | vantorelle apply - --all
  sync-clock        Stellt die Uhr der Kamera auf die Ortszeit des Computers.
Ohne --volume oder --all wirkt ein Befehl auf die eine angeschlossene Kamera.

Einstellungen:
</translation>
    </message>
    <message>
        <source>  %1 (read only)
</source>
        <translation>  %1 (nur lesbar)
</translation>
    </message>
    <message>
        <source>
Exit status: 0 done; 1 a camera could not be read or changed; 2 usage error,
and then nothing was written.
</source>
        <translation>
Exit-Status: 0 erledigt; 1 eine Kamera konnte nicht gelesen oder geändert
werden; 2 Aufruffehler, dann wurde nichts geschrieben.
</translation>
    </message>
    <message>
        <source>vantorelle: %1
Try &quot;vantorelle --help&quot; for more.
</source>
        <translation>vantorelle: %1
Mehr dazu mit „vantorelle --help“.
</translation>
    </message>
    <message>
        <source>Edits the settings of a connected action camera.
Without a command it opens its window.</source>
        <translation>Bearbeitet die Einstellungen einer angeschlossenen Actionkamera.
Ohne Befehl öffnet sich das Fenster.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Use the camera whose card is mounted at &lt;path&gt;. set, apply and sync-clock take it more than once.</source>
        <translation>Verwendet die Kamera, deren Karte unter &lt;Pfad&gt; eingebunden ist. set, apply und sync-clock nehmen die Option auch mehrfach an.</translation>
    </message>
    <message>
        <source>path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>With set, apply or sync-clock: every connected camera.</source>
        <translation>Mit set, apply oder sync-clock: jede angeschlossene Kamera.</translation>
    </message>
    <message>
        <source>With list or get: print JSON, for scripts.</source>
        <translation>Mit list oder get: JSON ausgeben, für Skripte.</translation>
    </message>
    <message>
        <source>command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>One of the commands below.</source>
        <translation>Einer der unten genannten Befehle.</translation>
    </message>
    <message>
        <source>[command [arguments]]</source>
        <translation>[Befehl [Argumente]]</translation>
    </message>
    <message>
        <source>--%1 goes with a command.</source>
        <translation>--%1 gehört zu einem Befehl.</translation>
    </message>
    <message>
        <source>The window shows one camera: give --volume once.</source>
        <translation>Das Fenster zeigt eine Kamera: Geben Sie --volume nur einmal an.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>Wrong number of arguments for %1.</source>
        <translation>Falsche Anzahl von Argumenten für %1.</translation>
    </message>
    <message>
        <source>list looks for the cameras itself.</source>
        <translation>list sucht die Kameras selbst.</translation>
    </message>
    <message>
        <source>%1 takes one camera.</source>
        <translation>%1 arbeitet nur mit einer Kamera.</translation>
    </message>
    <message>
        <source>Give either --volume or --all.</source>
        <translation>Geben Sie entweder --volume oder --all an.</translation>
    </message>
    <message>
        <source>--json goes with list or get.</source>
        <translation>--json gehört zu list oder get.</translation>
    </message>
    <message>
        <source>%1 is no camera: it holds no readable ActionConfig.</source>
        <translation>%1 ist keine Kamera: Dort liegt keine lesbare ActionConfig.</translation>
    </message>
    <message>
        <source>standard output could not be written: %1.</source>
        <translation>Standardausgabe konnte nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>not of the form key=value</source>
        <translation>nicht in der Form key=value</translation>
    </message>
    <message>
        <source>no such setting</source>
        <translation>unbekannte Einstellung</translation>
    </message>
    <message>
        <source>the firmware version can only be read</source>
        <translation>die Firmware-Version kann nur gelesen werden</translation>
    </message>
    <message>
        <source>the clock is written YYYY-MM-DD HH:MM:SS</source>
        <translation>die Uhrzeit wird als YYYY-MM-DD HH:MM:SS geschrieben</translation>
    </message>
    <message>
        <source>not text</source>
        <translation>kein Text</translation>
    </message>
    <message>
        <source>burst shoots at 5MP only (choose photo.mode=single or time-lapse with it)</source>
        <translation>Serienbilder entstehen nur mit 5MP (wählen Sie dazu photo.mode=single oder time-lapse)</translation>
    </message>
    <message>
        <source>no such date and time</source>
        <translation>dieses Datum mit dieser Uhrzeit gibt es nicht</translation>
    </message>
    <message>
        <source>the camera&apos;s clock runs from 2013-01-01 00:00:00 to 2037-12-31 23:59:59</source>
        <translation>die Uhr der Kamera reicht von 2013-01-01 00:00:00 bis 2037-12-31 23:59:59</translation>
    </message>
    <message>
        <source>not a value this setting can take</source>
        <translation>kein Wert, den diese Einstellung annehmen kann</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>%1 is given twice.</source>
        <translation>%1 ist doppelt angegeben.</translation>
    </message>
    <message>
        <source>the value is one of %1</source>
        <translation>der Wert muss einer von %1 sein</translation>
    </message>
    <message>
        <source>photo</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>video</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>general</source>
        <translation>allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>its ActionConfig cannot be read.</source>
        <translation>ihre ActionConfig kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>its ActionConfig is being changed by another program; nothing was saved.</source>
        <translation>ihre ActionConfig wird gerade von einem anderen Programm geändert; nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>its ActionConfig has no %1 line, so %2 cannot be set.</source>
        <translation>ihre ActionConfig hat keine Zeile für %1, daher kann %2 nicht gesetzt werden.</translation>
    </message>
    <message>
        <source>its ActionConfig is write-protected.</source>
        <translation>ihre ActionConfig ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>its ActionConfig could not be saved: %1.</source>
        <translation>ihre ActionConfig konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>its ActionConfig could not be saved.</source>
        <translation>ihre ActionConfig konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>No camera is connected.</source>
        <translation>Keine Kamera angeschlossen.</translation>
    </message>
    <message>
        <source>%1: its ActionConfig cannot be read.</source>
        <translation>%1: ihre ActionConfig kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 cameras are connected; name one with --volume:</source>
        <translation>%1 Kameras sind angeschlossen; wählen Sie eine mit --volume:</translation>
    </message>
    <message>
        <source>%1 cameras are connected; name one with --volume, or use --all:</source>
        <translation>%1 Kameras sind angeschlossen; wählen Sie eine mit --volume oder nehmen Sie --all:</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is too long for settings.</source>
        <translation>%1 ist zu lang für Einstellungen.</translation>
    </message>
    <message>
        <source>%1 holds no settings.</source>
        <translation>%1 enthält keine Einstellungen.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock says %1, which the camera&apos;s clock cannot hold: it runs from 2013 to 2037.</source>
        <translation>Die Uhr des Computers zeigt %1, was die Uhr der Kamera nicht darstellen kann: sie reicht von 2013 bis 2037.</translation>
    </message>
</context>
<context>
    <name>DateTimePage</name>
    <message>
        <source>Camera date and time</source>
        <translation>Datum und Uhrzeit der Kamera</translation>
    </message>
    <message>
        <source>Sync with computer</source>
        <translation>PC-Zeit übernehmen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Camera Settings</source>
        <translation>Kameraeinstellungen</translation>
    </message>
    <message>
        <source>Set up a USB action camera: photo, video, clock and power settings</source>
        <translation>USB-Actionkamera einrichten: Foto-, Video-, Uhr- und Energieeinstellungen</translation>
    </message>
    <message>
        <source>camera;action camera;SD card;photo;video;time-lapse;</source>
        <translation>Kamera;Actionkamera;SD-Karte;Foto;Video;Zeitraffer;</translation>
    </message>
    <message>
        <source>Set up a USB action camera from the computer</source>
        <translation>Eine USB-Actionkamera vom Computer aus einrichten</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformation an.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach &apos;%1&apos; fehlt der Wert.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Wert unerwartet nach &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
</context>
<context>
    <name>Tavik_CamAppDelegate</name>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Open the maker&apos;s web site</source>
        <translation>Website des Herstellers öffnen</translation>
    </message>
    <message>
        <source>Open the maker&apos;s Facebook page</source>
        <translation>Facebook-Seite des Herstellers öffnen</translation>
    </message>
    <message>
        <source>Open the maker&apos;s Twitter page</source>
        <translation>Twitter-Seite des Herstellers öffnen</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Alles zurücksetzen</translation>
    </message>
    <message>
        <source>All camera settings will be reset</source>
        <translation>Alle Kameraeinstellungen werden zurückgesetzt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatieren</translation>
    </message>
    <message>
        <source>Do you want format you SD card?</source>
        <translation>Alle Fotos und Videos auf der Karte werden beim nächsten Start der Kamera gelöscht. Möchten Sie die SD-Karte formatieren?</translation>
    </message>
    <message>
        <source>Connection failed.  Please connect your camera.</source>
        <translation>Verbindung fehlgeschlagen. Bitte schließen Sie die Kamera an.</translation>
    </message>
    <message>
        <source> 5 sec</source>
        <translation> 5 s</translation>
    </message>
    <message>
        <source> 10 sec</source>
        <translation> 10 s</translation>
    </message>
    <message>
        <source> 30 sec</source>
        <translation> 30 s</translation>
    </message>
    <message>
        <source> 60 sec</source>
        <translation> 60 s</translation>
    </message>
    <message>
        <source>The card is not responding.</source>
        <translation>Die Karte antwortet nicht.</translation>
    </message>
    <message>
        <source>please disconnect your camera from PC immediately to ensure the date&amp;time is set correctly</source>
        <translation>Bitte trennen Sie die Kamera jetzt sofort vom Computer, damit Datum und Uhrzeit korrekt übernommen werden.</translation>
    </message>
    <message>
        <source>Photo resolution</source>
        <translation>Fotoauflösung</translation>
    </message>
    <message>
        <source>Capture mode</source>
        <translation>Aufnahmemodus</translation>
    </message>
    <message>
        <source>Full HD video</source>
        <translation>Full-HD-Video</translation>
    </message>
    <message>
        <source>HD video</source>
        <translation>HD-Video</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>TV-Norm</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>Netzfrequenz</translation>
    </message>
    <message>
        <source>Auto power-off</source>
        <translation>Automatische Abschaltung</translation>
    </message>
    <message>
        <source>Auto rotation</source>
        <translation>Automatische Drehung</translation>
    </message>
    <message>
        <source>Time-lapse interval</source>
        <translation>Zeitraffer-Intervall</translation>
    </message>
    <message>
        <source>The card&apos;s settings file has no line for some of these settings, so they were not changed.</source>
        <translation>Die Einstellungsdatei der Karte hat für einige dieser Einstellungen keine Zeile, daher wurden sie nicht geändert.</translation>
    </message>
    <message>
        <source>The card&apos;s settings file has no line for this setting.</source>
        <translation>Die Einstellungsdatei der Karte hat für diese Einstellung keine Zeile.</translation>
    </message>
    <message>
        <source>Another program is changing the settings on the card.</source>
        <translation>Ein anderes Programm ändert gerade die Einstellungen auf der Karte.</translation>
    </message>
    <message>
        <source>Burst shoots at 5MP</source>
        <translation>Serienbilder entstehen mit 5MP</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>%1 free on the card</source>
        <translation>Karte: %1 frei</translation>
    </message>
    <message>
        <source>The settings on the card could not be read.</source>
        <translation>Die Einstellungen auf der Karte konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The card is write-protected.</source>
        <translation>Die Karte ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation>Die Karte ist voll.</translation>
    </message>
    <message>
        <source>The card could not be written.</source>
        <translation>Die Karte konnte nicht beschrieben werden.</translation>
    </message>
    <message>
        <source>The change was not saved.</source>
        <translation>Die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The card has no DCIM folder yet: the camera makes it with its first photo or video.</source>
        <translation>Die Karte hat noch keinen DCIM-Ordner: Die Kamera legt ihn mit dem ersten Foto oder Video an.</translation>
    </message>
    <message>
        <source>Nothing on this computer opens folders. The photos and videos are in %1.</source>
        <translation>Auf diesem Computer öffnet nichts Ordner. Die Fotos und Videos liegen in %1.</translation>
    </message>
    <message>
        <source>No web browser on this computer opened %1.</source>
        <translation>Kein Webbrowser auf diesem Computer hat %1 geöffnet.</translation>
    </message>
</context>
<context>
    <name>VantorelleWindow</name>
    <message>
        <source>vantorelle</source>
        <translation>vantorelle</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>TV-Norm</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>Netzfrequenz</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>50 Hz</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Auto power-off</source>
        <translation>Auto-Abschaltung</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 Min.</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 Min.</translation>
    </message>
    <message>
        <source>Auto rotation</source>
        <translation>Auto-Drehung</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>Camera clock</source>
        <translation>Kamerauhr</translation>
    </message>
    <message>
        <source>Date and time…</source>
        <translation>Datum und Uhrzeit…</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Rücksetzen</translation>
    </message>
    <message>
        <source>Format SD</source>
        <translation>SD formatieren</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>16MP</source>
        <translation>16MP</translation>
    </message>
    <message>
        <source>5MP</source>
        <translation>5MP</translation>
    </message>
    <message>
        <source>3MP</source>
        <translation>3MP</translation>
    </message>
    <message>
        <source>VGA</source>
        <translation>VGA</translation>
    </message>
    <message>
        <source>Capture mode</source>
        <translation>Aufnahmemodus</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Einzelbild</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Serienbild</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Zeitraffer</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Full HD</source>
        <translation>Full HD</translation>
    </message>
    <message>
        <source>1080p</source>
        <translation>1080p</translation>
    </message>
    <message>
        <source>960p</source>
        <translation>960p</translation>
    </message>
    <message>
        <source>HD</source>
        <translation>HD</translation>
    </message>
    <message>
        <source>720p 60</source>
        <translation>720p 60</translation>
    </message>
    <message>
        <source>720p 30</source>
        <translation>720p 30</translation>
    </message>
    <message>
        <source>The card will be erased when the camera next starts</source>
        <translation>Die Karte wird beim nächsten Start der Kamera gelöscht</translation>
    </message>
    <message>
        <source>Cancel format request</source>
        <translation>Formatieren abbrechen</translation>
    </message>
</context>
</TS>
