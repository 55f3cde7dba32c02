<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CameraFinder</name>
    <message>
        <source>Connect your camera</source>
        <translation>Collega la fotocamera</translation>
    </message>
    <message>
        <source>Its settings open as soon as its card appears on this computer.</source>
        <translation>Le impostazioni si aprono appena la scheda compare sul computer.</translation>
    </message>
    <message>
        <source>Choose a camera</source>
        <translation>Scegli una fotocamera</translation>
    </message>
    <message>
        <source>Connected cameras</source>
        <translation>Fotocamere collegate</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 liberi</translation>
    </message>
    <message>
        <source>open in a window</source>
        <translation>aperta in una finestra</translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Time of day</source>
        <translation>Ora</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>vantorelle: the window needs a graphical session; &quot;vantorelle --help&quot; lists the commands, which need none.
</source>
        <translation>vantorelle: la finestra richiede una sessione grafica; &quot;vantorelle --help&quot; elenca i comandi, che non ne hanno bisogno.
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
Comandi (non richiedono un ambiente grafico e non aprono mai una finestra):
  list              Una riga per ogni videocamera collegata: la sua cartella,
                    il firmware e lo spazio libero, separati da tabulazioni.
                    Con --json, un array di oggetti: folder, label, firmware,
                    bytesFree, bytesTotal e formatRequest.
  get               Le impostazioni della videocamera, una riga key=value
                    ciascuna. Con --json, un oggetto con le stesse chiavi.
  set KEY=VALUE...  Modifica le impostazioni come i pulsanti della finestra
                    (la raffica scatta a 5MP) e salva una sola volta il file
                    di ogni videocamera.
  apply FILE        Imposta ciò che contiene FILE, nella forma stampata da
                    get; con - legge lo standard input. Le righe dell&apos;orologio
                    e del firmware vengono saltate, quindi questo copia le
                    impostazioni della videocamera A su tutte le videocamere
                    collegate:
                      vantorelle get --volume A | vantorelle apply - --all
  sync-clock        Imposta l&apos;orologio della videocamera sull&apos;ora locale del
                    computer.
Senza --volume o --all un comando agisce sull&apos;unica videocamera collegata.

Impostazioni:
</translation>
    </message>
    <message>
        <source>  %1 (read only)
</source>
        <translation>  %1 (sola lettura)
</translation>
    </message>
    <message>
        <source>
Exit status: 0 done; 1 a camera could not be read or changed; 2 usage error,
and then nothing was written.
</source>
        <translation>
Stato di uscita: 0 fatto; 1 non è stato possibile leggere o modificare una
videocamera; 2 errore di utilizzo, e in tal caso non è stato scritto nulla.
</translation>
    </message>
    <message>
        <source>vantorelle: %1
Try &quot;vantorelle --help&quot; for more.
</source>
        <translation>vantorelle: %1
Prova &quot;vantorelle --help&quot; per saperne di più.
</translation>
    </message>
    <message>
        <source>Edits the settings of a connected action camera.
Without a command it opens its window.</source>
        <translation>Modifica le impostazioni di una action cam collegata.
Senza un comando apre la sua finestra.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Mostra questa guida ed esce.</translation>
    </message>
    <message>
        <source>Use the camera whose card is mounted at &lt;path&gt;. set, apply and sync-clock take it more than once.</source>
        <translation>Usa la videocamera la cui scheda è montata in &lt;percorso&gt;. set, apply e sync-clock la accettano più volte.</translation>
    </message>
    <message>
        <source>path</source>
        <translation>percorso</translation>
    </message>
    <message>
        <source>With set, apply or sync-clock: every connected camera.</source>
        <translation>Con set, apply o sync-clock: tutte le videocamere collegate.</translation>
    </message>
    <message>
        <source>With list or get: print JSON, for scripts.</source>
        <translation>Con list o get: stampa JSON, per gli script.</translation>
    </message>
    <message>
        <source>command</source>
        <translation>comando</translation>
    </message>
    <message>
        <source>One of the commands below.</source>
        <translation>Uno dei comandi elencati sotto.</translation>
    </message>
    <message>
        <source>[command [arguments]]</source>
        <translation>[comando [parametri]]</translation>
    </message>
    <message>
        <source>--%1 goes with a command.</source>
        <translation>--%1 va usato con un comando.</translation>
    </message>
    <message>
        <source>The window shows one camera: give --volume once.</source>
        <translation>La finestra mostra una sola videocamera: indica --volume una sola volta.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Comando sconosciuto: %1</translation>
    </message>
    <message>
        <source>Wrong number of arguments for %1.</source>
        <translation>Numero di parametri errato per %1.</translation>
    </message>
    <message>
        <source>list looks for the cameras itself.</source>
        <translation>list cerca da sé le videocamere.</translation>
    </message>
    <message>
        <source>%1 takes one camera.</source>
        <translation>%1 accetta una sola videocamera.</translation>
    </message>
    <message>
        <source>Give either --volume or --all.</source>
        <translation>Indica --volume oppure --all, non entrambi.</translation>
    </message>
    <message>
        <source>--json goes with list or get.</source>
        <translation>--json va usato con list o get.</translation>
    </message>
    <message>
        <source>%1 is no camera: it holds no readable ActionConfig.</source>
        <translation>%1 non è una videocamera: non contiene un ActionConfig leggibile.</translation>
    </message>
    <message>
        <source>standard output could not be written: %1.</source>
        <translation>impossibile scrivere sullo standard output: %1.</translation>
    </message>
    <message>
        <source>not of the form key=value</source>
        <translation>non nella forma key=value</translation>
    </message>
    <message>
        <source>no such setting</source>
        <translation>impostazione inesistente</translation>
    </message>
    <message>
        <source>the firmware version can only be read</source>
        <translation>la versione del firmware si può solo leggere</translation>
    </message>
    <message>
        <source>the clock is written YYYY-MM-DD HH:MM:SS</source>
        <translation>l&apos;orologio si scrive YYYY-MM-DD HH:MM:SS</translation>
    </message>
    <message>
        <source>not text</source>
        <translation>non è testo</translation>
    </message>
    <message>
        <source>burst shoots at 5MP only (choose photo.mode=single or time-lapse with it)</source>
        <translation>la raffica scatta solo a 5MP (con questa risoluzione scegli photo.mode=single o time-lapse)</translation>
    </message>
    <message>
        <source>no such date and time</source>
        <translation>data e ora inesistenti</translation>
    </message>
    <message>
        <source>the camera&apos;s clock runs from 2013-01-01 00:00:00 to 2037-12-31 23:59:59</source>
        <translation>l&apos;orologio della videocamera va dal 2013-01-01 00:00:00 al 2037-12-31 23:59:59</translation>
    </message>
    <message>
        <source>not a value this setting can take</source>
        <translation>valore non ammesso per questa impostazione</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>riga %1: </translation>
    </message>
    <message>
        <source>%1 is given twice.</source>
        <translation>%1 è indicato due volte.</translation>
    </message>
    <message>
        <source>the value is one of %1</source>
        <translation>il valore deve essere uno tra %1</translation>
    </message>
    <message>
        <source>photo</source>
        <translation>foto</translation>
    </message>
    <message>
        <source>video</source>
        <translation>video</translation>
    </message>
    <message>
        <source>general</source>
        <translation>generale</translation>
    </message>
    <message>
        <source>its ActionConfig cannot be read.</source>
        <translation>il suo ActionConfig non può essere letto.</translation>
    </message>
    <message>
        <source>its ActionConfig is being changed by another program; nothing was saved.</source>
        <translation>il suo ActionConfig è in corso di modifica da parte di un altro programma; non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>its ActionConfig has no %1 line, so %2 cannot be set.</source>
        <translation>il suo ActionConfig non ha la riga %1, quindi %2 non può essere impostato.</translation>
    </message>
    <message>
        <source>its ActionConfig is write-protected.</source>
        <translation>il suo ActionConfig è protetto da scrittura.</translation>
    </message>
    <message>
        <source>its ActionConfig could not be saved: %1.</source>
        <translation>impossibile salvare il suo ActionConfig: %1.</translation>
    </message>
    <message>
        <source>its ActionConfig could not be saved.</source>
        <translation>impossibile salvare il suo ActionConfig.</translation>
    </message>
    <message>
        <source>No camera is connected.</source>
        <translation>Nessuna videocamera collegata.</translation>
    </message>
    <message>
        <source>%1: its ActionConfig cannot be read.</source>
        <translation>%1: il suo ActionConfig non può essere letto.</translation>
    </message>
    <message>
        <source>%1 cameras are connected; name one with --volume:</source>
        <translation>Sono collegate %1 videocamere; indicane una con --volume:</translation>
    </message>
    <message>
        <source>%1 cameras are connected; name one with --volume, or use --all:</source>
        <translation>Sono collegate %1 videocamere; indicane una con --volume oppure usa --all:</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossibile leggere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is too long for settings.</source>
        <translation>%1: contenuto troppo lungo per delle impostazioni.</translation>
    </message>
    <message>
        <source>%1 holds no settings.</source>
        <translation>%1 non contiene impostazioni.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock says %1, which the camera&apos;s clock cannot hold: it runs from 2013 to 2037.</source>
        <translation>L&apos;orologio del computer segna %1, che l&apos;orologio della videocamera non può memorizzare: va dal 2013 al 2037.</translation>
    </message>
</context>
<context>
    <name>DateTimePage</name>
    <message>
        <source>Camera date and time</source>
        <translation>Data e ora della videocamera</translation>
    </message>
    <message>
        <source>Sync with computer</source>
        <translation>Sincronizza con il PC</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
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
        <translation>Impostazioni della videocamera</translation>
    </message>
    <message>
        <source>Set up a USB action camera: photo, video, clock and power settings</source>
        <translation>Configura una videocamera d’azione USB: impostazioni di foto, video, orologio e alimentazione</translation>
    </message>
    <message>
        <source>camera;action camera;SD card;photo;video;time-lapse;</source>
        <translation>videocamera;action cam;scheda SD;foto;video;time-lapse;</translation>
    </message>
    <message>
        <source>Set up a USB action camera from the computer</source>
        <translation>Configura una videocamera d’azione USB dal computer</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra le informazioni sulla versione.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opzione sconosciuta &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opzioni sconosciute: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valore mancante dopo &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valore non previsto dopo &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opzioni]</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilizzo: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Parametri:</translation>
    </message>
</context>
<context>
    <name>Tavik_CamAppDelegate</name>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Open the maker&apos;s web site</source>
        <translation>Apri il sito web del produttore</translation>
    </message>
    <message>
        <source>Open the maker&apos;s Facebook page</source>
        <translation>Apri la pagina Facebook del produttore</translation>
    </message>
    <message>
        <source>Open the maker&apos;s Twitter page</source>
        <translation>Apri la pagina Twitter del produttore</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Ripristina tutto</translation>
    </message>
    <message>
        <source>All camera settings will be reset</source>
        <translation>Tutte le impostazioni della videocamera verranno ripristinate.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatta</translation>
    </message>
    <message>
        <source>Do you want format you SD card?</source>
        <translation>Tutte le foto e i video sulla scheda verranno cancellati al prossimo avvio della videocamera. Vuoi formattare la scheda SD?</translation>
    </message>
    <message>
        <source>Connection failed.  Please connect your camera.</source>
        <translation>Connessione non riuscita. Collega la videocamera.</translation>
    </message>
    <message>
        <source> 5 sec</source>
        <translation> 5 sec</translation>
    </message>
    <message>
        <source> 10 sec</source>
        <translation> 10 sec</translation>
    </message>
    <message>
        <source> 30 sec</source>
        <translation> 30 sec</translation>
    </message>
    <message>
        <source> 60 sec</source>
        <translation> 60 sec</translation>
    </message>
    <message>
        <source>The card is not responding.</source>
        <translation>La scheda non risponde.</translation>
    </message>
    <message>
        <source>please disconnect your camera from PC immediately to ensure the date&amp;time is set correctly</source>
        <translation>Scollega subito la videocamera dal computer per assicurarti che data e ora vengano impostate correttamente.</translation>
    </message>
    <message>
        <source>Photo resolution</source>
        <translation>Risoluzione foto</translation>
    </message>
    <message>
        <source>Capture mode</source>
        <translation>Modalità di scatto</translation>
    </message>
    <message>
        <source>Full HD video</source>
        <translation>Video Full HD</translation>
    </message>
    <message>
        <source>HD video</source>
        <translation>Video HD</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Sistema TV</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>Frequenza di rete</translation>
    </message>
    <message>
        <source>Auto power-off</source>
        <translation>Spegnimento automatico</translation>
    </message>
    <message>
        <source>Auto rotation</source>
        <translation>Rotazione automatica</translation>
    </message>
    <message>
        <source>Time-lapse interval</source>
        <translation>Intervallo time-lapse</translation>
    </message>
    <message>
        <source>The card&apos;s settings file has no line for some of these settings, so they were not changed.</source>
        <translation>Il file delle impostazioni della scheda non ha una riga per alcune di queste impostazioni, quindi non sono state modificate.</translation>
    </message>
    <message>
        <source>The card&apos;s settings file has no line for this setting.</source>
        <translation>Il file delle impostazioni della scheda non ha una riga per questa impostazione.</translation>
    </message>
    <message>
        <source>Another program is changing the settings on the card.</source>
        <translation>Un altro programma sta modificando le impostazioni sulla scheda.</translation>
    </message>
    <message>
        <source>Burst shoots at 5MP</source>
        <translation>La raffica scatta a 5MP</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>%1 free on the card</source>
        <translation>Scheda: %1 liberi</translation>
    </message>
    <message>
        <source>The settings on the card could not be read.</source>
        <translation>Impossibile leggere le impostazioni sulla scheda.</translation>
    </message>
    <message>
        <source>The card is write-protected.</source>
        <translation>La scheda è protetta da scrittura.</translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation>La scheda è piena.</translation>
    </message>
    <message>
        <source>The card could not be written.</source>
        <translation>Impossibile scrivere sulla scheda.</translation>
    </message>
    <message>
        <source>The change was not saved.</source>
        <translation>La modifica non è stata salvata.</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>The card has no DCIM folder yet: the camera makes it with its first photo or video.</source>
        <translation>La scheda non ha ancora una cartella DCIM: la videocamera la crea con la prima foto o il primo video.</translation>
    </message>
    <message>
        <source>Nothing on this computer opens folders. The photos and videos are in %1.</source>
        <translation>Su questo computer nulla apre le cartelle. Le foto e i video sono in %1.</translation>
    </message>
    <message>
        <source>No web browser on this computer opened %1.</source>
        <translation>Nessun browser di questo computer ha aperto %1.</translation>
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
        <translation>Generale</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Sistema TV</translation>
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
        <translation>Frequenza di rete</translation>
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
        <translation>Spegnimento auto</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>Auto rotation</source>
        <translation>Rotazione auto</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>Camera clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Date and time…</source>
        <translation>Data e ora…</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Videocamera</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Format SD</source>
        <translation>Formatta SD</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
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
        <translation>Modalità di scatto</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Singolo</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Raffica</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervallo</translation>
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
        <translation>La scheda verrà cancellata al prossimo avvio della videocamera</translation>
    </message>
    <message>
        <source>Cancel format request</source>
        <translation>Annulla formattazione</translation>
    </message>
</context>
</TS>
