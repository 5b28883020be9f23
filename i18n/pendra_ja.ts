<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pendra</source>
        <translation>Pendra について</translation>
    </message>
    <message>
        <source>Measuring machine jog panel</source>
        <translation>測定機用ジョグパネル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AdministratorMark</name>
    <message>
        <source>%1 (set by your administrator)</source>
        <extracomment>A menu item whose value IT enforces; %1 is the item&apos;s own text.</extracomment>
        <translation>%1（管理者が設定）</translation>
    </message>
    <message>
        <source>Set by your administrator</source>
        <translation>管理者が設定</translation>
    </message>
</context>
<context>
    <name>CommandNames</name>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Move Pt.</source>
        <translation>点移動</translation>
    </message>
    <message>
        <source>STOP EXECUTION</source>
        <translation>実行停止</translation>
    </message>
    <message>
        <source>CONTINUE EXECUTION</source>
        <translation>実行再開</translation>
    </message>
    <message>
        <source>F%1 %2</source>
        <extracomment>A function button&apos;s name: its key, then its words (&quot;F4 STOP EXECUTION&quot;).</extracomment>
        <translation>F%1 %2</translation>
    </message>
    <message>
        <source>The greeting</source>
        <translation>接続あいさつ</translation>
    </message>
    <message>
        <source>An acknowledgement</source>
        <translation>受信確認</translation>
    </message>
</context>
<context>
    <name>ConnectionSettings</name>
    <message>
        <source>%1 is a folder, not a settings file</source>
        <translation>%1 はフォルダーであり、設定ファイルではありません</translation>
    </message>
    <message>
        <source>%1 is not a settings file</source>
        <translation>%1 は設定ファイルではありません</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 を読み込めません</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be written</source>
        <translation>レジストリキー %1 に書き込めません</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>フォルダー %1 に書き込めません</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be read</source>
        <translation>レジストリキー %1 を読み込めません</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Couldn&apos;t bind to %1</source>
        <translation>%1 にバインドできません</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to %1</source>
        <translation>%1 に接続できません</translation>
    </message>
    <message>
        <source>Couldn&apos;t initialize WSA</source>
        <translation>WSA を初期化できません</translation>
    </message>
    <message>
        <source>Couldn&apos;t create socket</source>
        <translation>ソケットを作成できません</translation>
    </message>
    <message>
        <source>Couldn&apos;t create events</source>
        <translation>イベントを作成できません</translation>
    </message>
    <message>
        <source>Couldn&apos;t start receive thread</source>
        <translation>受信スレッドを開始できません</translation>
    </message>
    <message>
        <source>Couldn&apos;t watch the socket</source>
        <translation>ソケットを監視できません</translation>
    </message>
    <message>
        <source>Couldn&apos;t close socket</source>
        <translation>ソケットを閉じられません</translation>
    </message>
    <message>
        <source>no host address is set</source>
        <translation>ホストアドレスが未設定です</translation>
    </message>
    <message>
        <source>the panel is not ready</source>
        <translation>パネルの準備ができていません</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The step of opening that failed, then the system&apos;s description and its code.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>接続中：%1…</translation>
    </message>
    <message>
        <source>Not connected: %1; trying again every %2 s</source>
        <translation>未接続：%1、%2 秒ごとに再試行中</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>未接続：%1</translation>
    </message>
    <message>
        <source>Waiting for the host at %1</source>
        <translation>ホスト待機中：%1</translation>
    </message>
    <message>
        <source>Connected to %1, host version %2</source>
        <translation>接続済み：%1、ホストバージョン %2</translation>
    </message>
    <message>
        <source>No answer from %1: nothing listens on that port</source>
        <translation>応答なし：%1、このポートで待ち受けているプログラムがありません</translation>
    </message>
    <message>
        <source>Not sent: %1: %2</source>
        <translation>送信失敗：%1：%2</translation>
    </message>
    <message>
        <source>%1 sent at %2</source>
        <translation>%1 を %2 に送信</translation>
    </message>
    <message>
        <source>last host message %1</source>
        <translation>ホストからの最終メッセージ %1</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Restart
(Wake up)</source>
        <translation>再起動
（復帰）</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>全画面表示(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Lock for cleaning</source>
        <translation>清掃用ロック(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Restart (Wake up)</source>
        <translation>再起動（復帰）</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Local</source>
        <translation>ローカル</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP アドレス：</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート：</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>リモート</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>データ</translation>
    </message>
    <message>
        <source>Display error of last measured feature</source>
        <translation>最後に測定した要素の誤差を表示</translation>
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
        <source>Local IP address</source>
        <translation>ローカル IP アドレス</translation>
    </message>
    <message>
        <source>Local port</source>
        <translation>ローカル ポート</translation>
    </message>
    <message>
        <source>Remote IP address</source>
        <translation>リモート IP アドレス</translation>
    </message>
    <message>
        <source>Remote port</source>
        <translation>リモート ポート</translation>
    </message>
    <message>
        <source>Values on grey are set by your administrator and cannot be changed here.</source>
        <translation>灰色の値は管理者が設定したもので、ここでは変更できません。</translation>
    </message>
</context>
<context>
    <name>SystemMenuAbout</name>
    <message>
        <source>&amp;About Pendra...</source>
        <translation>Pendra について(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>pendra::LanguageMenu</name>
    <message>
        <source>La&amp;nguage</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The system&apos;s language, whichever it is.</extracomment>
        <translation>システムの言語</translation>
    </message>
</context>
<context>
    <name>pendra::PanelConnector</name>
    <message>
        <source>No host address is set: open Options, Setup.</source>
        <translation>ホストアドレスが設定されていません。「オプション」→「設定」を開いてください。</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.
The connection works with them, but they will not be there at the next start.</source>
        <translation>設定を保存できませんでした：%1。
現在の接続ではこの設定が使われますが、次回の起動時には残りません。</translation>
    </message>
</context>
<context>
    <name>pendra::PanelWindow</name>
    <message>
        <source>The settings could not be read: %1.
The built-in defaults are used until Setup stores new ones.</source>
        <translation>設定を読み込めませんでした：%1。
「設定」で新しい設定を保存するまで、内蔵の既定値を使用します。</translation>
    </message>
    <message>
        <source>locked for cleaning, %1 s left: only %2 takes a touch</source>
        <translation>清掃用にロック中、残り %1 秒：%2 のみタッチ操作できます</translation>
    </message>
</context>
</TS>
