<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BlackScroller</name>
    <message>
        <source>%1, selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Time of day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PM</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tavik_CamAppDelegate</name>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the maker&apos;s web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the maker&apos;s Facebook page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the maker&apos;s Twitter page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All camera settings will be reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want format you SD card?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection failed.  Please connect your camera.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 5 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 10 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 30 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 60 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>please disconnect your camera from PC immediately to ensure the date&amp;time is set correctly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full HD video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto power-off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-lapse interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 free on the card</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VantorelleWindow</name>
    <message>
        <source>vantorelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto power-off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and time…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16MP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5MP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3MP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full HD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1080p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>960p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>720p 60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>720p 30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync with computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
