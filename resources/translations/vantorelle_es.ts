<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CameraFinder</name>
    <message>
        <source>Connect your camera</source>
        <translation>Conecte su cámara</translation>
    </message>
    <message>
        <source>Its settings open as soon as its card appears on this computer.</source>
        <translation>Sus ajustes se abren en cuanto su tarjeta aparece en este ordenador.</translation>
    </message>
    <message>
        <source>Choose a camera</source>
        <translation>Elija una cámara</translation>
    </message>
    <message>
        <source>Connected cameras</source>
        <translation>Cámaras conectadas</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 libres</translation>
    </message>
    <message>
        <source>open in a window</source>
        <translation>abierta en una ventana</translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Time of day</source>
        <translation>Hora</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>vantorelle: the window needs a graphical session; &quot;vantorelle --help&quot; lists the commands, which need none.
</source>
        <translation>vantorelle: la ventana necesita una sesión gráfica; «vantorelle --help» muestra los comandos, que no la necesitan.
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
Comandos (no necesitan entorno gráfico y nunca abren una ventana):
  list              Una línea por cada cámara conectada: su carpeta, su
                    firmware y su espacio libre, separados por tabuladores.
                    Con --json, un array de objetos: folder, label, firmware,
                    bytesFree, bytesTotal y formatRequest.
  get               Los ajustes de la cámara, una línea key=value por ajuste.
                    Con --json, un objeto con las mismas claves.
  set KEY=VALUE...  Cambia ajustes como lo hacen los botones de la ventana (la
                    ráfaga dispara a 5MP) y guarda el archivo de cada cámara
                    una sola vez.
  apply FILE        Establece lo que contiene FILE, con la forma que imprime
                    get; con - lee la entrada estándar. Las líneas del reloj y
                    del firmware se omiten, así que esto copia los ajustes de
                    la cámara A a todas las cámaras conectadas:
                      vantorelle get --volume A | vantorelle apply - --all
  sync-clock        Pone el reloj de la cámara en la hora local del ordenador.
Sin --volume ni --all, un comando actúa sobre la única cámara conectada.

Ajustes:
</translation>
    </message>
    <message>
        <source>  %1 (read only)
</source>
        <translation>  %1 (solo lectura)
</translation>
    </message>
    <message>
        <source>
Exit status: 0 done; 1 a camera could not be read or changed; 2 usage error,
and then nothing was written.
</source>
        <translation>
Estado de salida: 0 hecho; 1 no se pudo leer o cambiar una cámara; 2 error de
uso, y entonces no se escribió nada.
</translation>
    </message>
    <message>
        <source>vantorelle: %1
Try &quot;vantorelle --help&quot; for more.
</source>
        <translation>vantorelle: %1
Pruebe «vantorelle --help» para más información.
</translation>
    </message>
    <message>
        <source>Edits the settings of a connected action camera.
Without a command it opens its window.</source>
        <translation>Edita los ajustes de una cámara de acción conectada.
Sin un comando, abre su ventana.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Use the camera whose card is mounted at &lt;path&gt;. set, apply and sync-clock take it more than once.</source>
        <translation>Usa la cámara cuya tarjeta está montada en &lt;ruta&gt;. set, apply y sync-clock la admiten más de una vez.</translation>
    </message>
    <message>
        <source>path</source>
        <translation>ruta</translation>
    </message>
    <message>
        <source>With set, apply or sync-clock: every connected camera.</source>
        <translation>Con set, apply o sync-clock: todas las cámaras conectadas.</translation>
    </message>
    <message>
        <source>With list or get: print JSON, for scripts.</source>
        <translation>Con list o get: imprime JSON, para scripts.</translation>
    </message>
    <message>
        <source>command</source>
        <translation>comando</translation>
    </message>
    <message>
        <source>One of the commands below.</source>
        <translation>Uno de los comandos que siguen.</translation>
    </message>
    <message>
        <source>[command [arguments]]</source>
        <translation>[comando [argumentos]]</translation>
    </message>
    <message>
        <source>--%1 goes with a command.</source>
        <translation>--%1 solo se usa con un comando.</translation>
    </message>
    <message>
        <source>The window shows one camera: give --volume once.</source>
        <translation>La ventana muestra una sola cámara: indique --volume una sola vez.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Comando desconocido: %1</translation>
    </message>
    <message>
        <source>Wrong number of arguments for %1.</source>
        <translation>Número de argumentos incorrecto para %1.</translation>
    </message>
    <message>
        <source>list looks for the cameras itself.</source>
        <translation>list busca las cámaras por sí mismo.</translation>
    </message>
    <message>
        <source>%1 takes one camera.</source>
        <translation>%1 admite una sola cámara.</translation>
    </message>
    <message>
        <source>Give either --volume or --all.</source>
        <translation>Indique --volume o --all, no ambos.</translation>
    </message>
    <message>
        <source>--json goes with list or get.</source>
        <translation>--json solo se usa con list o get.</translation>
    </message>
    <message>
        <source>%1 is no camera: it holds no readable ActionConfig.</source>
        <translation>%1 no es una cámara: no contiene un ActionConfig legible.</translation>
    </message>
    <message>
        <source>standard output could not be written: %1.</source>
        <translation>no se pudo escribir en la salida estándar: %1.</translation>
    </message>
    <message>
        <source>not of the form key=value</source>
        <translation>no tiene la forma key=value</translation>
    </message>
    <message>
        <source>no such setting</source>
        <translation>no existe ese ajuste</translation>
    </message>
    <message>
        <source>the firmware version can only be read</source>
        <translation>la versión del firmware solo se puede leer</translation>
    </message>
    <message>
        <source>the clock is written YYYY-MM-DD HH:MM:SS</source>
        <translation>el reloj se escribe YYYY-MM-DD HH:MM:SS</translation>
    </message>
    <message>
        <source>not text</source>
        <translation>no es texto</translation>
    </message>
    <message>
        <source>burst shoots at 5MP only (choose photo.mode=single or time-lapse with it)</source>
        <translation>la ráfaga dispara solo a 5MP (con esa resolución, elija photo.mode=single o time-lapse)</translation>
    </message>
    <message>
        <source>no such date and time</source>
        <translation>no existe esa fecha y hora</translation>
    </message>
    <message>
        <source>the camera&apos;s clock runs from 2013-01-01 00:00:00 to 2037-12-31 23:59:59</source>
        <translation>el reloj de la cámara va de 2013-01-01 00:00:00 a 2037-12-31 23:59:59</translation>
    </message>
    <message>
        <source>not a value this setting can take</source>
        <translation>no es un valor que admita este ajuste</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>línea %1: </translation>
    </message>
    <message>
        <source>%1 is given twice.</source>
        <translation>%1 aparece dos veces.</translation>
    </message>
    <message>
        <source>the value is one of %1</source>
        <translation>el valor debe ser uno de %1</translation>
    </message>
    <message>
        <source>photo</source>
        <translation>foto</translation>
    </message>
    <message>
        <source>video</source>
        <translation>vídeo</translation>
    </message>
    <message>
        <source>general</source>
        <translation>ajustes generales</translation>
    </message>
    <message>
        <source>its ActionConfig cannot be read.</source>
        <translation>su ActionConfig no se puede leer.</translation>
    </message>
    <message>
        <source>its ActionConfig is being changed by another program; nothing was saved.</source>
        <translation>otro programa está cambiando su ActionConfig; no se guardó nada.</translation>
    </message>
    <message>
        <source>its ActionConfig has no %1 line, so %2 cannot be set.</source>
        <translation>su ActionConfig no tiene línea de %1, así que no se puede establecer %2.</translation>
    </message>
    <message>
        <source>its ActionConfig is write-protected.</source>
        <translation>su ActionConfig está protegido contra escritura.</translation>
    </message>
    <message>
        <source>its ActionConfig could not be saved: %1.</source>
        <translation>no se pudo guardar su ActionConfig: %1.</translation>
    </message>
    <message>
        <source>its ActionConfig could not be saved.</source>
        <translation>no se pudo guardar su ActionConfig.</translation>
    </message>
    <message>
        <source>No camera is connected.</source>
        <translation>No hay ninguna cámara conectada.</translation>
    </message>
    <message>
        <source>%1: its ActionConfig cannot be read.</source>
        <translation>%1: su ActionConfig no se puede leer.</translation>
    </message>
    <message>
        <source>%1 cameras are connected; name one with --volume:</source>
        <translation>Hay %1 cámaras conectadas; indique una con --volume:</translation>
    </message>
    <message>
        <source>%1 cameras are connected; name one with --volume, or use --all:</source>
        <translation>Hay %1 cámaras conectadas; indique una con --volume o use --all:</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>la entrada estándar</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 is too long for settings.</source>
        <translation>El contenido de %1 es demasiado largo para ser un archivo de ajustes.</translation>
    </message>
    <message>
        <source>%1 holds no settings.</source>
        <translation>%1 no contiene ajustes.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock says %1, which the camera&apos;s clock cannot hold: it runs from 2013 to 2037.</source>
        <translation>El reloj del ordenador marca %1, que el reloj de la cámara no puede guardar: va de 2013 a 2037.</translation>
    </message>
</context>
<context>
    <name>DateTimePage</name>
    <message>
        <source>Camera date and time</source>
        <translation>Fecha y hora de la cámara</translation>
    </message>
    <message>
        <source>Sync with computer</source>
        <translation>Sincronizar con el PC</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Camera Settings</source>
        <translation>Ajustes de la cámara</translation>
    </message>
    <message>
        <source>Set up a USB action camera: photo, video, clock and power settings</source>
        <translation>Configura una cámara de acción USB: ajustes de foto, vídeo, reloj y energía</translation>
    </message>
    <message>
        <source>camera;action camera;SD card;photo;video;time-lapse;</source>
        <translation>cámara;cámara de acción;tarjeta SD;foto;vídeo;time-lapse;</translation>
    </message>
    <message>
        <source>Set up a USB action camera from the computer</source>
        <translation>Configura una cámara de acción USB desde el ordenador</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de versión.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta valor tras «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado tras «%1».</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opciones]</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
</context>
<context>
    <name>Tavik_CamAppDelegate</name>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Open the maker&apos;s web site</source>
        <translation>Abrir el sitio web del fabricante</translation>
    </message>
    <message>
        <source>Open the maker&apos;s Facebook page</source>
        <translation>Abrir la página de Facebook del fabricante</translation>
    </message>
    <message>
        <source>Open the maker&apos;s Twitter page</source>
        <translation>Abrir la página de Twitter del fabricante</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Restablecer todo</translation>
    </message>
    <message>
        <source>All camera settings will be reset</source>
        <translation>Se restablecerán todos los ajustes de la cámara.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatear</translation>
    </message>
    <message>
        <source>Do you want format you SD card?</source>
        <translation>Todas las fotos y vídeos de la tarjeta se borrarán la próxima vez que se encienda la cámara. ¿Desea formatear la tarjeta SD?</translation>
    </message>
    <message>
        <source>Connection failed.  Please connect your camera.</source>
        <translation>Error de conexión. Conecte la cámara.</translation>
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
        <translation>La tarjeta no responde.</translation>
    </message>
    <message>
        <source>please disconnect your camera from PC immediately to ensure the date&amp;time is set correctly</source>
        <translation>Desconecte la cámara del ordenador inmediatamente para que la fecha y la hora se guarden correctamente.</translation>
    </message>
    <message>
        <source>Photo resolution</source>
        <translation>Resolución de foto</translation>
    </message>
    <message>
        <source>Capture mode</source>
        <translation>Modo de disparo</translation>
    </message>
    <message>
        <source>Full HD video</source>
        <translation>Vídeo Full HD</translation>
    </message>
    <message>
        <source>HD video</source>
        <translation>Vídeo HD</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Sistema de TV</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>Frecuencia de red</translation>
    </message>
    <message>
        <source>Auto power-off</source>
        <translation>Apagado automático</translation>
    </message>
    <message>
        <source>Auto rotation</source>
        <translation>Rotación automática</translation>
    </message>
    <message>
        <source>Time-lapse interval</source>
        <translation>Intervalo del time-lapse</translation>
    </message>
    <message>
        <source>The card&apos;s settings file has no line for some of these settings, so they were not changed.</source>
        <translation>El archivo de ajustes de la tarjeta no tiene línea para algunos de estos ajustes, así que no se cambiaron.</translation>
    </message>
    <message>
        <source>The card&apos;s settings file has no line for this setting.</source>
        <translation>El archivo de ajustes de la tarjeta no tiene línea para este ajuste.</translation>
    </message>
    <message>
        <source>Another program is changing the settings on the card.</source>
        <translation>Otro programa está cambiando los ajustes de la tarjeta.</translation>
    </message>
    <message>
        <source>Burst shoots at 5MP</source>
        <translation>La ráfaga dispara a 5MP</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>%1 free on the card</source>
        <translation>Tarjeta: %1 libres</translation>
    </message>
    <message>
        <source>The settings on the card could not be read.</source>
        <translation>No se pudieron leer los ajustes de la tarjeta.</translation>
    </message>
    <message>
        <source>The card is write-protected.</source>
        <translation>La tarjeta está protegida contra escritura.</translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation>La tarjeta está llena.</translation>
    </message>
    <message>
        <source>The card could not be written.</source>
        <translation>No se pudo escribir en la tarjeta.</translation>
    </message>
    <message>
        <source>The change was not saved.</source>
        <translation>El cambio no se ha guardado.</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>The card has no DCIM folder yet: the camera makes it with its first photo or video.</source>
        <translation>La tarjeta aún no tiene carpeta DCIM: la cámara la crea con la primera foto o el primer vídeo.</translation>
    </message>
    <message>
        <source>Nothing on this computer opens folders. The photos and videos are in %1.</source>
        <translation>En este ordenador no hay nada que abra carpetas. Las fotos y los vídeos están en %1.</translation>
    </message>
    <message>
        <source>No web browser on this computer opened %1.</source>
        <translation>Ningún navegador de este ordenador ha abierto %1.</translation>
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
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Sistema de TV</translation>
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
        <translation>Frecuencia de red</translation>
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
        <translation>Apagado auto.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
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
        <translation>Rotación auto.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>Camera clock</source>
        <translation>Reloj de la cámara</translation>
    </message>
    <message>
        <source>Date and time…</source>
        <translation>Fecha y hora…</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Format SD</source>
        <translation>Formatear SD</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Explorar</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
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
        <translation>Modo de disparo</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Individual</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Ráfaga</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
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
        <translation>La tarjeta se borrará la próxima vez que se encienda la cámara</translation>
    </message>
    <message>
        <source>Cancel format request</source>
        <translation>Cancelar formateo</translation>
    </message>
</context>
</TS>
