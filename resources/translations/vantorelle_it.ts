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
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Time of day</source>
        <translation>Ora</translation>
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
