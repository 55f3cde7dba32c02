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
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Time of day</source>
        <translation>Hora</translation>
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
