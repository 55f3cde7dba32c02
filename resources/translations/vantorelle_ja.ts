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
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Time of day</source>
        <translation>時刻</translation>
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
