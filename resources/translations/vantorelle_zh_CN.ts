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
    <message>
        <source>open in a window</source>
        <translation>已在窗口中打开</translation>
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
    <name>Commands</name>
    <message>
        <source>vantorelle: the window needs a graphical session; &quot;vantorelle --help&quot; lists the commands, which need none.
</source>
        <translation>vantorelle: 窗口需要图形会话；命令则不需要，“vantorelle --help”会列出这些命令。
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
命令（无需图形界面，也从不打开窗口）：
  list              每台已连接的相机一行：其文件夹、固件和剩余空间，以制表符分
                    隔。使用 --json 时输出对象数组，字段为 folder、label、
                    firmware、bytesFree、bytesTotal 和 formatRequest。
  get               相机的设置，每项一行 key=value。使用 --json 时输出一个具有
                    相同键的对象。
  set KEY=VALUE...  像窗口中的按钮一样更改设置（连拍以 5MP 拍摄），每台相机的
                    文件只保存一次。
  apply FILE        设置 FILE 中的内容，格式与 get 的输出相同；- 表示读取标准
                    输入。时钟和固件行会被跳过，因此以下命令可将相机 A 的设置
                    复制到每台已连接的相机：
                      vantorelle get --volume A | vantorelle apply - --all
  sync-clock        将相机时钟设为电脑的本地时间。
未指定 --volume 或 --all 时，命令作用于唯一已连接的相机。

设置：
</translation>
    </message>
    <message>
        <source>  %1 (read only)
</source>
        <translation>  %1（只读）
</translation>
    </message>
    <message>
        <source>
Exit status: 0 done; 1 a camera could not be read or changed; 2 usage error,
and then nothing was written.
</source>
        <translation>
退出状态：0 完成；1 无法读取或更改某台相机；2 用法错误，此时未写入任何内容。
</translation>
    </message>
    <message>
        <source>vantorelle: %1
Try &quot;vantorelle --help&quot; for more.
</source>
        <translation>vantorelle: %1
更多信息请运行“vantorelle --help”。
</translation>
    </message>
    <message>
        <source>Edits the settings of a connected action camera.
Without a command it opens its window.</source>
        <translation>编辑已连接的运动相机的设置。
不带命令时打开程序窗口。</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Use the camera whose card is mounted at &lt;path&gt;. set, apply and sync-clock take it more than once.</source>
        <translation>使用存储卡挂载在 &lt;路径&gt; 的相机。set、apply 和 sync-clock 可多次指定此选项。</translation>
    </message>
    <message>
        <source>path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>With set, apply or sync-clock: every connected camera.</source>
        <translation>用于 set、apply 或 sync-clock：所有已连接的相机。</translation>
    </message>
    <message>
        <source>With list or get: print JSON, for scripts.</source>
        <translation>用于 list 或 get：输出 JSON，供脚本使用。</translation>
    </message>
    <message>
        <source>command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>One of the commands below.</source>
        <translation>下列命令之一。</translation>
    </message>
    <message>
        <source>[command [arguments]]</source>
        <translation>[命令 [参数]]</translation>
    </message>
    <message>
        <source>--%1 goes with a command.</source>
        <translation>--%1 需与命令一起使用。</translation>
    </message>
    <message>
        <source>The window shows one camera: give --volume once.</source>
        <translation>窗口只显示一台相机：请只指定一次 --volume。</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>未知命令：%1</translation>
    </message>
    <message>
        <source>Wrong number of arguments for %1.</source>
        <translation>%1 的参数个数不正确。</translation>
    </message>
    <message>
        <source>list looks for the cameras itself.</source>
        <translation>list 会自行查找相机。</translation>
    </message>
    <message>
        <source>%1 takes one camera.</source>
        <translation>%1 只能用于一台相机。</translation>
    </message>
    <message>
        <source>Give either --volume or --all.</source>
        <translation>请指定 --volume 或 --all 其中之一。</translation>
    </message>
    <message>
        <source>--json goes with list or get.</source>
        <translation>--json 需与 list 或 get 一起使用。</translation>
    </message>
    <message>
        <source>%1 is no camera: it holds no readable ActionConfig.</source>
        <translation>%1 不是相机：其中没有可读的 ActionConfig。</translation>
    </message>
    <message>
        <source>standard output could not be written: %1.</source>
        <translation>无法写入标准输出：%1。</translation>
    </message>
    <message>
        <source>not of the form key=value</source>
        <translation>不是 key=value 格式</translation>
    </message>
    <message>
        <source>no such setting</source>
        <translation>没有此设置</translation>
    </message>
    <message>
        <source>the firmware version can only be read</source>
        <translation>固件版本只能读取</translation>
    </message>
    <message>
        <source>the clock is written YYYY-MM-DD HH:MM:SS</source>
        <translation>时钟格式为 YYYY-MM-DD HH:MM:SS</translation>
    </message>
    <message>
        <source>not text</source>
        <translation>不是文本</translation>
    </message>
    <message>
        <source>burst shoots at 5MP only (choose photo.mode=single or time-lapse with it)</source>
        <translation>连拍只能以 5MP 拍摄（此分辨率请选择 photo.mode=single 或 time-lapse）</translation>
    </message>
    <message>
        <source>no such date and time</source>
        <translation>不存在的日期和时间</translation>
    </message>
    <message>
        <source>the camera&apos;s clock runs from 2013-01-01 00:00:00 to 2037-12-31 23:59:59</source>
        <translation>相机时钟的范围为 2013-01-01 00:00:00 至 2037-12-31 23:59:59</translation>
    </message>
    <message>
        <source>not a value this setting can take</source>
        <translation>不是此设置可取的值</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>第 %1 行: </translation>
    </message>
    <message>
        <source>%1 is given twice.</source>
        <translation>%1 被指定了两次。</translation>
    </message>
    <message>
        <source>the value is one of %1</source>
        <translation>值必须是以下之一：%1</translation>
    </message>
    <message>
        <source>photo</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>video</source>
        <translation>录像</translation>
    </message>
    <message>
        <source>general</source>
        <translation>通用</translation>
    </message>
    <message>
        <source>its ActionConfig cannot be read.</source>
        <translation>无法读取其 ActionConfig。</translation>
    </message>
    <message>
        <source>its ActionConfig is being changed by another program; nothing was saved.</source>
        <translation>其 ActionConfig 正被另一个程序更改；未保存任何内容。</translation>
    </message>
    <message>
        <source>its ActionConfig has no %1 line, so %2 cannot be set.</source>
        <translation>其 ActionConfig 中没有%1设置行，因此无法设置 %2。</translation>
    </message>
    <message>
        <source>its ActionConfig is write-protected.</source>
        <translation>其 ActionConfig 处于写保护状态。</translation>
    </message>
    <message>
        <source>its ActionConfig could not be saved: %1.</source>
        <translation>无法保存其 ActionConfig：%1。</translation>
    </message>
    <message>
        <source>its ActionConfig could not be saved.</source>
        <translation>无法保存其 ActionConfig。</translation>
    </message>
    <message>
        <source>No camera is connected.</source>
        <translation>未连接相机。</translation>
    </message>
    <message>
        <source>%1: its ActionConfig cannot be read.</source>
        <translation>%1：无法读取其 ActionConfig。</translation>
    </message>
    <message>
        <source>%1 cameras are connected; name one with --volume:</source>
        <translation>已连接 %1 台相机；请用 --volume 指定其中一台：</translation>
    </message>
    <message>
        <source>%1 cameras are connected; name one with --volume, or use --all:</source>
        <translation>已连接 %1 台相机；请用 --volume 指定其中一台，或使用 --all：</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>标准输入</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>无法读取 %1：%2。</translation>
    </message>
    <message>
        <source>%1 is too long for settings.</source>
        <translation>%1 内容过长，不能作为设置。</translation>
    </message>
    <message>
        <source>%1 holds no settings.</source>
        <translation>%1 中没有任何设置。</translation>
    </message>
    <message>
        <source>The computer&apos;s clock says %1, which the camera&apos;s clock cannot hold: it runs from 2013 to 2037.</source>
        <translation>电脑时钟显示 %1，相机时钟无法保存该时间：其范围为 2013 年至 2037 年。</translation>
    </message>
</context>
<context>
    <name>DateTimePage</name>
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
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Camera Settings</source>
        <translation>相机设置</translation>
    </message>
    <message>
        <source>Set up a USB action camera: photo, video, clock and power settings</source>
        <translation>设置 USB 运动相机：拍照、录像、时钟和电源设置</translation>
    </message>
    <message>
        <source>camera;action camera;SD card;photo;video;time-lapse;</source>
        <translation>相机;运动相机;SD卡;照片;视频;延时摄影;</translation>
    </message>
    <message>
        <source>Set up a USB action camera from the computer</source>
        <translation>在电脑上设置 USB 运动相机</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays version information.</source>
        <translation>显示版本信息。</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>未知选项“%1”。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>未知选项：%1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1”之后缺少值。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1”之后的异常值。</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[选项]</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>用法：%1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>参数：</translation>
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
    <message>
        <source>The card has no DCIM folder yet: the camera makes it with its first photo or video.</source>
        <translation>存储卡上还没有 DCIM 文件夹：相机会在拍摄第一张照片或第一段视频时创建它。</translation>
    </message>
    <message>
        <source>Nothing on this computer opens folders. The photos and videos are in %1.</source>
        <translation>这台电脑上没有能打开文件夹的程序。照片和视频位于 %1。</translation>
    </message>
    <message>
        <source>No web browser on this computer opened %1.</source>
        <translation>这台电脑上没有网页浏览器打开 %1。</translation>
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
        <source>The card will be erased when the camera next starts</source>
        <translation>下次相机启动时将清除存储卡</translation>
    </message>
    <message>
        <source>Cancel format request</source>
        <translation>取消格式化请求</translation>
    </message>
</context>
</TS>
