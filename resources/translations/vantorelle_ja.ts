<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CameraFinder</name>
    <message>
        <source>Connect your camera</source>
        <translation>カメラを接続してください</translation>
    </message>
    <message>
        <source>Its settings open as soon as its card appears on this computer.</source>
        <translation>カードがこのコンピューターに表示されると、すぐに設定が開きます。</translation>
    </message>
    <message>
        <source>Choose a camera</source>
        <translation>カメラを選択</translation>
    </message>
    <message>
        <source>Connected cameras</source>
        <translation>接続中のカメラ</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>ファームウェア %1</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>空き容量 %1</translation>
    </message>
    <message>
        <source>open in a window</source>
        <translation>ウィンドウで開いています</translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Time of day</source>
        <translation>時刻</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>vantorelle: the window needs a graphical session; &quot;vantorelle --help&quot; lists the commands, which need none.
</source>
        <translation>vantorelle: ウィンドウの表示にはグラフィカルセッションが必要です。コマンドには不要です。コマンドの一覧は「vantorelle --help」で表示できます。
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
コマンド（画面表示を必要とせず、ウィンドウを開くこともありません）:
  list              接続中のカメラ1台につき1行で、フォルダー、ファームウェア、
                    空き容量をタブ区切りで表示します。--json では、folder、
                    label、firmware、bytesFree、bytesTotal、formatRequest を
                    持つオブジェクトの配列を出力します。
  get               カメラの設定を、1項目につき key=value の1行で表示します。
                    --json では、同じキーを持つ1つのオブジェクトを出力します。
  set KEY=VALUE...  ウィンドウのボタンと同じように設定を変更し（連写は5MPで
                    撮影します）、各カメラのファイルを1回だけ保存します。
  apply FILE        FILE の内容を、get の出力と同じ形式で設定します。- を
                    指定すると標準入力から読み込みます。時計とファームウェアの
                    行は読み飛ばすため、次のようにするとカメラ A の設定を
                    接続中のすべてのカメラにコピーできます:
                      vantorelle get --volume A | vantorelle apply - --all
  sync-clock        カメラの時計をコンピューターのローカル時刻に合わせます。
--volume も --all も指定しない場合、コマンドは接続中の1台のカメラに対して
動作します。

設定:
</translation>
    </message>
    <message>
        <source>  %1 (read only)
</source>
        <translation>  %1（読み取り専用）
</translation>
    </message>
    <message>
        <source>
Exit status: 0 done; 1 a camera could not be read or changed; 2 usage error,
and then nothing was written.
</source>
        <translation>
終了ステータス: 0 完了、1 カメラを読み取れなかったか変更できなかった、
2 使い方の誤り（この場合は何も書き込まれていません）。
</translation>
    </message>
    <message>
        <source>vantorelle: %1
Try &quot;vantorelle --help&quot; for more.
</source>
        <translation>vantorelle: %1
詳しくは「vantorelle --help」を実行してください。
</translation>
    </message>
    <message>
        <source>Edits the settings of a connected action camera.
Without a command it opens its window.</source>
        <translation>接続されたアクションカメラの設定を編集します。
コマンドを指定しないとウィンドウを開きます。</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>このヘルプを表示して終了する。</translation>
    </message>
    <message>
        <source>Use the camera whose card is mounted at &lt;path&gt;. set, apply and sync-clock take it more than once.</source>
        <translation>カードが &lt;パス&gt; にマウントされているカメラを使う。set、apply、sync-clock では複数回指定できる。</translation>
    </message>
    <message>
        <source>path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>With set, apply or sync-clock: every connected camera.</source>
        <translation>set、apply、sync-clock で、接続中のすべてのカメラを対象にする。</translation>
    </message>
    <message>
        <source>With list or get: print JSON, for scripts.</source>
        <translation>list、get で、スクリプト向けに JSON を出力する。</translation>
    </message>
    <message>
        <source>command</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>One of the commands below.</source>
        <translation>下記のコマンドのいずれか。</translation>
    </message>
    <message>
        <source>[command [arguments]]</source>
        <translation>[コマンド [引数]]</translation>
    </message>
    <message>
        <source>--%1 goes with a command.</source>
        <translation>--%1 はコマンドと一緒に指定してください。</translation>
    </message>
    <message>
        <source>The window shows one camera: give --volume once.</source>
        <translation>ウィンドウに表示できるカメラは1台です。--volume は1回だけ指定してください。</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>不明なコマンド: %1</translation>
    </message>
    <message>
        <source>Wrong number of arguments for %1.</source>
        <translation>%1 の引数の数が正しくありません。</translation>
    </message>
    <message>
        <source>list looks for the cameras itself.</source>
        <translation>list はカメラを自分で探します。</translation>
    </message>
    <message>
        <source>%1 takes one camera.</source>
        <translation>%1 はカメラを1台しか扱えません。</translation>
    </message>
    <message>
        <source>Give either --volume or --all.</source>
        <translation>--volume と --all のどちらか一方を指定してください。</translation>
    </message>
    <message>
        <source>--json goes with list or get.</source>
        <translation>--json は list または get と一緒に指定してください。</translation>
    </message>
    <message>
        <source>%1 is no camera: it holds no readable ActionConfig.</source>
        <translation>%1 はカメラではありません: 読み取れる ActionConfig がありません。</translation>
    </message>
    <message>
        <source>standard output could not be written: %1.</source>
        <translation>標準出力に書き込めませんでした: %1。</translation>
    </message>
    <message>
        <source>not of the form key=value</source>
        <translation>key=value の形式ではありません</translation>
    </message>
    <message>
        <source>no such setting</source>
        <translation>そのような設定はありません</translation>
    </message>
    <message>
        <source>the firmware version can only be read</source>
        <translation>ファームウェアのバージョンは読み取り専用です</translation>
    </message>
    <message>
        <source>the clock is written YYYY-MM-DD HH:MM:SS</source>
        <translation>時計は YYYY-MM-DD HH:MM:SS の形式で書きます</translation>
    </message>
    <message>
        <source>not text</source>
        <translation>テキストではありません</translation>
    </message>
    <message>
        <source>burst shoots at 5MP only (choose photo.mode=single or time-lapse with it)</source>
        <translation>連写は5MPでのみ撮影します（その解像度では photo.mode=single または time-lapse を選んでください）</translation>
    </message>
    <message>
        <source>no such date and time</source>
        <translation>存在しない日時です</translation>
    </message>
    <message>
        <source>the camera&apos;s clock runs from 2013-01-01 00:00:00 to 2037-12-31 23:59:59</source>
        <translation>カメラの時計は 2013-01-01 00:00:00 から 2037-12-31 23:59:59 までです</translation>
    </message>
    <message>
        <source>not a value this setting can take</source>
        <translation>この設定では使えない値です</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>%1 行目: </translation>
    </message>
    <message>
        <source>%1 is given twice.</source>
        <translation>%1 が2回指定されています。</translation>
    </message>
    <message>
        <source>the value is one of %1</source>
        <translation>値は %1 のいずれかです</translation>
    </message>
    <message>
        <source>photo</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>video</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>general</source>
        <translation>基本設定</translation>
    </message>
    <message>
        <source>its ActionConfig cannot be read.</source>
        <translation>ActionConfig を読み取れません。</translation>
    </message>
    <message>
        <source>its ActionConfig is being changed by another program; nothing was saved.</source>
        <translation>ActionConfig が別のプログラムによって変更中です。何も保存されていません。</translation>
    </message>
    <message>
        <source>its ActionConfig has no %1 line, so %2 cannot be set.</source>
        <translation>ActionConfig に%1の行がないため、%2 を設定できません。</translation>
    </message>
    <message>
        <source>its ActionConfig is write-protected.</source>
        <translation>ActionConfig が書き込み禁止になっています。</translation>
    </message>
    <message>
        <source>its ActionConfig could not be saved: %1.</source>
        <translation>ActionConfig を保存できませんでした: %1。</translation>
    </message>
    <message>
        <source>its ActionConfig could not be saved.</source>
        <translation>ActionConfig を保存できませんでした。</translation>
    </message>
    <message>
        <source>No camera is connected.</source>
        <translation>カメラが接続されていません。</translation>
    </message>
    <message>
        <source>%1: its ActionConfig cannot be read.</source>
        <translation>%1: ActionConfig を読み取れません。</translation>
    </message>
    <message>
        <source>%1 cameras are connected; name one with --volume:</source>
        <translation>カメラが %1 台接続されています。--volume で1台を指定してください:</translation>
    </message>
    <message>
        <source>%1 cameras are connected; name one with --volume, or use --all:</source>
        <translation>カメラが %1 台接続されています。--volume で1台を指定するか、--all を使ってください:</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>標準入力</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 を読み取れません: %2。</translation>
    </message>
    <message>
        <source>%1 is too long for settings.</source>
        <translation>%1 は設定としては長すぎます。</translation>
    </message>
    <message>
        <source>%1 holds no settings.</source>
        <translation>%1 に設定が含まれていません。</translation>
    </message>
    <message>
        <source>The computer&apos;s clock says %1, which the camera&apos;s clock cannot hold: it runs from 2013 to 2037.</source>
        <translation>コンピューターの時計は %1 ですが、カメラの時計ではこの日時を扱えません（2013年から2037年まで）。</translation>
    </message>
</context>
<context>
    <name>DateTimePage</name>
    <message>
        <source>Camera date and time</source>
        <translation>カメラの日付と時刻</translation>
    </message>
    <message>
        <source>Sync with computer</source>
        <translation>パソコンと同期</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
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
        <translation>カメラ設定</translation>
    </message>
    <message>
        <source>Set up a USB action camera: photo, video, clock and power settings</source>
        <translation>USB アクションカメラを設定します: 写真、動画、時計、電源の設定</translation>
    </message>
    <message>
        <source>camera;action camera;SD card;photo;video;time-lapse;</source>
        <translation>カメラ;アクションカメラ;SDカード;写真;動画;タイムラプス;</translation>
    </message>
    <message>
        <source>Set up a USB action camera from the computer</source>
        <translation>USB アクションカメラをコンピューターから設定します</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays version information.</source>
        <translation>バージョン情報を表示する。</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; は未知のオプションです。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>未知のオプション: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; の後の値が欠けています。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; の後が予期せぬ値です。</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[オプション]</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>引数:</translation>
    </message>
</context>
<context>
    <name>Tavik_CamAppDelegate</name>
    <message>
        <source>ON</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Open the maker&apos;s web site</source>
        <translation>メーカーのWebサイトを開く</translation>
    </message>
    <message>
        <source>Open the maker&apos;s Facebook page</source>
        <translation>メーカーのFacebookページを開く</translation>
    </message>
    <message>
        <source>Open the maker&apos;s Twitter page</source>
        <translation>メーカーのTwitterページを開く</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>すべてリセット</translation>
    </message>
    <message>
        <source>All camera settings will be reset</source>
        <translation>カメラのすべての設定がリセットされます。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>フォーマット</translation>
    </message>
    <message>
        <source>Do you want format you SD card?</source>
        <translation>カード内のすべての写真と動画は、次回カメラ起動時に消去されます。SDカードをフォーマットしますか？</translation>
    </message>
    <message>
        <source>Connection failed.  Please connect your camera.</source>
        <translation>接続できませんでした。カメラを接続してください。</translation>
    </message>
    <message>
        <source> 5 sec</source>
        <translation> 5秒</translation>
    </message>
    <message>
        <source> 10 sec</source>
        <translation> 10秒</translation>
    </message>
    <message>
        <source> 30 sec</source>
        <translation> 30秒</translation>
    </message>
    <message>
        <source> 60 sec</source>
        <translation> 60秒</translation>
    </message>
    <message>
        <source>The card is not responding.</source>
        <translation>カードが応答しません。</translation>
    </message>
    <message>
        <source>please disconnect your camera from PC immediately to ensure the date&amp;time is set correctly</source>
        <translation>日付と時刻を正しく設定するため、すぐにカメラをパソコンから取り外してください。</translation>
    </message>
    <message>
        <source>Photo resolution</source>
        <translation>写真の解像度</translation>
    </message>
    <message>
        <source>Capture mode</source>
        <translation>撮影モード</translation>
    </message>
    <message>
        <source>Full HD video</source>
        <translation>フルHD動画</translation>
    </message>
    <message>
        <source>HD video</source>
        <translation>HD動画</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>テレビ方式</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>電源周波数</translation>
    </message>
    <message>
        <source>Auto power-off</source>
        <translation>オートパワーオフ</translation>
    </message>
    <message>
        <source>Auto rotation</source>
        <translation>自動回転</translation>
    </message>
    <message>
        <source>Time-lapse interval</source>
        <translation>インターバル撮影の間隔</translation>
    </message>
    <message>
        <source>The card&apos;s settings file has no line for some of these settings, so they were not changed.</source>
        <translation>カードの設定ファイルにこれらの設定の一部の行がないため、それらは変更されませんでした。</translation>
    </message>
    <message>
        <source>The card&apos;s settings file has no line for this setting.</source>
        <translation>カードの設定ファイルにこの設定の行がありません。</translation>
    </message>
    <message>
        <source>Another program is changing the settings on the card.</source>
        <translation>別のプログラムがカードの設定を変更しています。</translation>
    </message>
    <message>
        <source>Burst shoots at 5MP</source>
        <translation>連写は5MPで撮影します</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>ファームウェア %1</translation>
    </message>
    <message>
        <source>%1 free on the card</source>
        <translation>カード空き容量 %1</translation>
    </message>
    <message>
        <source>The settings on the card could not be read.</source>
        <translation>カードの設定を読み取れませんでした。</translation>
    </message>
    <message>
        <source>The card is write-protected.</source>
        <translation>カードが書き込み禁止になっています。</translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation>カードがいっぱいです。</translation>
    </message>
    <message>
        <source>The card could not be written.</source>
        <translation>カードに書き込めませんでした。</translation>
    </message>
    <message>
        <source>The change was not saved.</source>
        <translation>変更は保存されていません。</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>保存に失敗しました</translation>
    </message>
    <message>
        <source>The card has no DCIM folder yet: the camera makes it with its first photo or video.</source>
        <translation>カードにはまだ DCIM フォルダーがありません。最初の写真か動画を撮るとカメラが作成します。</translation>
    </message>
    <message>
        <source>Nothing on this computer opens folders. The photos and videos are in %1.</source>
        <translation>このコンピューターにはフォルダーを開くプログラムがありません。写真と動画は %1 にあります。</translation>
    </message>
    <message>
        <source>No web browser on this computer opened %1.</source>
        <translation>このコンピューターの Web ブラウザーで %1 を開けませんでした。</translation>
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
        <translation>写真</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>General</source>
        <translation>基本設定</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>テレビ方式</translation>
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
        <translation>電源周波数</translation>
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
        <translation>オート</translation>
    </message>
    <message>
        <source>Auto power-off</source>
        <translation>オートパワーオフ</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1分</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3分</translation>
    </message>
    <message>
        <source>Auto rotation</source>
        <translation>自動回転</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Camera clock</source>
        <translation>カメラの時計</translation>
    </message>
    <message>
        <source>Date and time…</source>
        <translation>日付と時刻…</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Format SD</source>
        <translation>SDフォーマット</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
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
        <translation>撮影モード</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>1枚撮影</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>連写</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>インターバル</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>撮影間隔</translation>
    </message>
    <message>
        <source>Full HD</source>
        <translation>フルHD</translation>
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
        <translation>次回カメラ起動時にカードが消去されます</translation>
    </message>
    <message>
        <source>Cancel format request</source>
        <translation>フォーマットを取り消す</translation>
    </message>
</context>
</TS>
