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
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Time of day</source>
        <translation>Uhrzeit</translation>
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
