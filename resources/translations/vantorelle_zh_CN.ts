<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CameraFinder</name>
    <message>
        <source>Connect your camera</source>
        <translation>请连接相机</translation>
    </message>
    <message>
        <source>Its settings open as soon as its card appears on this computer.</source>
        <translation>相机的存储卡出现在这台电脑上时，设置会立即打开。</translation>
    </message>
    <message>
        <source>Choose a camera</source>
        <translation>选择相机</translation>
    </message>
    <message>
        <source>Connected cameras</source>
        <translation>已连接的相机</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>固件 %1</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>剩余 %1</translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Time of day</source>
        <translation>时间</translation>
    </message>
</context>
<context>
    <name>Tavik_CamAppDelegate</name>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Open the maker&apos;s web site</source>
        <translation>打开制造商网站</translation>
    </message>
    <message>
        <source>Open the maker&apos;s Facebook page</source>
        <translation>打开制造商的 Facebook 页面</translation>
    </message>
    <message>
        <source>Open the maker&apos;s Twitter page</source>
        <translation>打开制造商的 Twitter 页面</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <source>All camera settings will be reset</source>
        <translation>相机的所有设置都将被重置。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式化</translation>
    </message>
    <message>
        <source>Do you want format you SD card?</source>
        <translation>下次相机启动时，存储卡上的所有照片和视频都将被清除。确定要格式化 SD 卡吗？</translation>
    </message>
    <message>
        <source>Connection failed.  Please connect your camera.</source>
        <translation>连接失败。请连接相机。</translation>
    </message>
    <message>
        <source> 5 sec</source>
        <translation> 5 秒</translation>
    </message>
    <message>
        <source> 10 sec</source>
        <translation> 10 秒</translation>
    </message>
    <message>
        <source> 30 sec</source>
        <translation> 30 秒</translation>
    </message>
    <message>
        <source> 60 sec</source>
        <translation> 60 秒</translation>
    </message>
    <message>
        <source>The card is not responding.</source>
        <translation>卡没有响应。</translation>
    </message>
    <message>
        <source>please disconnect your camera from PC immediately to ensure the date&amp;time is set correctly</source>
        <translation>请立即断开相机与电脑的连接，以确保日期和时间设置正确。</translation>
    </message>
    <message>
        <source>Photo resolution</source>
        <translation>照片分辨率</translation>
    </message>
    <message>
        <source>Capture mode</source>
        <translation>拍摄模式</translation>
    </message>
    <message>
        <source>Full HD video</source>
        <translation>全高清视频</translation>
    </message>
    <message>
        <source>HD video</source>
        <translation>高清视频</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>电视制式</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>光源频率</translation>
    </message>
    <message>
        <source>Auto power-off</source>
        <translation>自动关机</translation>
    </message>
    <message>
        <source>Auto rotation</source>
        <translation>自动旋转</translation>
    </message>
    <message>
        <source>Time-lapse interval</source>
        <translation>延时拍照间隔</translation>
    </message>
    <message>
        <source>The card&apos;s settings file has no line for some of these settings, so they were not changed.</source>
        <translation>卡上的设置文件缺少其中部分设置的行，因此这些设置未更改。</translation>
    </message>
    <message>
        <source>The card&apos;s settings file has no line for this setting.</source>
        <translation>卡上的设置文件没有此设置的行。</translation>
    </message>
    <message>
        <source>Another program is changing the settings on the card.</source>
        <translation>另一个程序正在更改卡上的设置。</translation>
    </message>
    <message>
        <source>Burst shoots at 5MP</source>
        <translation>连拍以 5MP 拍摄</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>固件 %1</translation>
    </message>
    <message>
        <source>%1 free on the card</source>
        <translation>存储卡剩余 %1</translation>
    </message>
    <message>
        <source>The settings on the card could not be read.</source>
        <translation>无法读取存储卡上的设置。</translation>
    </message>
    <message>
        <source>The card is write-protected.</source>
        <translation>存储卡处于写保护状态。</translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation>存储卡已满。</translation>
    </message>
    <message>
        <source>The card could not be written.</source>
        <translation>无法写入存储卡。</translation>
    </message>
    <message>
        <source>The change was not saved.</source>
        <translation>更改未保存。</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>保存失败</translation>
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
        <translation>官网</translation>
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
        <translation>拍照</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>录像</translation>
    </message>
    <message>
        <source>General</source>
        <translation>通用</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>电视制式</translation>
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
        <translation>光源频率</translation>
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
        <translation>自动</translation>
    </message>
    <message>
        <source>Auto power-off</source>
        <translation>自动关机</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 分钟</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 分钟</translation>
    </message>
    <message>
        <source>Auto rotation</source>
        <translation>自动旋转</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Camera clock</source>
        <translation>相机时钟</translation>
    </message>
    <message>
        <source>Date and time…</source>
        <translation>日期和时间…</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>相机</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <source>Format SD</source>
        <translation>格式化 SD 卡</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
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
        <translation>拍摄模式</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>单拍</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>连拍</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>延时拍照</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>Full HD</source>
        <translation>全高清</translation>
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
        <translation>高清</translation>
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
        <translation>相机日期和时间</translation>
    </message>
    <message>
        <source>Sync with computer</source>
        <translation>与电脑同步</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The card will be erased when the camera next starts</source>
        <translation>下次相机启动时将清除存储卡</translation>
    </message>
    <message>
        <source>Cancel format request</source>
        <translation>取消格式化请求</translation>
    </message>
</context>
</TS>
