<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pendra</source>
        <translation>關於 Pendra</translation>
    </message>
    <message>
        <source>Measuring machine jog panel</source>
        <translation>量測機寸動面板</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>AdministratorMark</name>
    <message>
        <source>%1 (set by your administrator)</source>
        <extracomment>A menu item whose value IT enforces; %1 is the item&apos;s own text.</extracomment>
        <translation>%1（由系統管理員設定）</translation>
    </message>
    <message>
        <source>Set by your administrator</source>
        <translation>由系統管理員設定</translation>
    </message>
</context>
<context>
    <name>CommandNames</name>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Move Pt.</source>
        <translation>移動點</translation>
    </message>
    <message>
        <source>STOP EXECUTION</source>
        <translation>停止執行</translation>
    </message>
    <message>
        <source>CONTINUE EXECUTION</source>
        <translation>繼續執行</translation>
    </message>
    <message>
        <source>F%1 %2</source>
        <extracomment>A function button&apos;s name: its key, then its words (&quot;F4 STOP EXECUTION&quot;).</extracomment>
        <translation>F%1 %2</translation>
    </message>
    <message>
        <source>The greeting</source>
        <translation>連線問候訊息</translation>
    </message>
    <message>
        <source>An acknowledgement</source>
        <translation>確認回應</translation>
    </message>
</context>
<context>
    <name>ConnectionSettings</name>
    <message>
        <source>%1 is a folder, not a settings file</source>
        <translation>%1 是資料夾，不是設定檔</translation>
    </message>
    <message>
        <source>%1 is not a settings file</source>
        <translation>%1 不是設定檔</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>無法讀取 %1</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be written</source>
        <translation>無法寫入登錄機碼 %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>無法寫入資料夾 %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>無法寫入 %1</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be read</source>
        <translation>無法讀取登錄機碼 %1</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Couldn&apos;t bind to %1</source>
        <translation>無法繫結至 %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to %1</source>
        <translation>無法連線至 %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t initialize WSA</source>
        <translation>無法初始化 WSA</translation>
    </message>
    <message>
        <source>Couldn&apos;t create socket</source>
        <translation>無法建立通訊端</translation>
    </message>
    <message>
        <source>Couldn&apos;t create events</source>
        <translation>無法建立事件</translation>
    </message>
    <message>
        <source>Couldn&apos;t start receive thread</source>
        <translation>無法啟動接收執行緒</translation>
    </message>
    <message>
        <source>Couldn&apos;t watch the socket</source>
        <translation>無法監看通訊端</translation>
    </message>
    <message>
        <source>Couldn&apos;t close socket</source>
        <translation>無法關閉通訊端</translation>
    </message>
    <message>
        <source>no host address is set</source>
        <translation>未設定主機位址</translation>
    </message>
    <message>
        <source>the panel is not ready</source>
        <translation>面板尚未就緒</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The step of opening that failed, then the system&apos;s description and its code.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>正在連線至 %1…</translation>
    </message>
    <message>
        <source>Not connected: %1; trying again every %2 s</source>
        <translation>未連線：%1；每 %2 秒重試一次</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>未連線：%1</translation>
    </message>
    <message>
        <source>Waiting for the host at %1</source>
        <translation>正在等候 %1 上的主機</translation>
    </message>
    <message>
        <source>Connected to %1, host version %2</source>
        <translation>已連線至 %1，主機版本 %2</translation>
    </message>
    <message>
        <source>No answer from %1: nothing listens on that port</source>
        <translation>無回應：%1，該連接埠上沒有程式在接聽</translation>
    </message>
    <message>
        <source>Not sent: %1: %2</source>
        <translation>未送出：%1：%2</translation>
    </message>
    <message>
        <source>%1 sent at %2</source>
        <translation>%1 已於 %2 送出</translation>
    </message>
    <message>
        <source>last host message %1</source>
        <translation>主機最後訊息 %1</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>選項(&amp;O)</translation>
    </message>
    <message>
        <source>Restart
(Wake up)</source>
        <translation>重新啟動
（喚醒）</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>全螢幕(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Lock for cleaning</source>
        <translation>清潔鎖定(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Restart (Wake up)</source>
        <translation>重新啟動（喚醒）</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Local</source>
        <translation>本機</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP 位址：</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>連接埠：</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>遠端</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>資料</translation>
    </message>
    <message>
        <source>Display error of last measured feature</source>
        <translation>顯示上一個量測元素的誤差</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Local IP address</source>
        <translation>本機 IP 位址</translation>
    </message>
    <message>
        <source>Local port</source>
        <translation>本機連接埠</translation>
    </message>
    <message>
        <source>Remote IP address</source>
        <translation>遠端 IP 位址</translation>
    </message>
    <message>
        <source>Remote port</source>
        <translation>遠端連接埠</translation>
    </message>
    <message>
        <source>Values on grey are set by your administrator and cannot be changed here.</source>
        <translation>灰色背景的值由系統管理員設定，無法在此變更。</translation>
    </message>
</context>
<context>
    <name>SystemMenuAbout</name>
    <message>
        <source>&amp;About Pendra...</source>
        <translation>關於 Pendra(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>pendra::LanguageMenu</name>
    <message>
        <source>La&amp;nguage</source>
        <translation>語言(&amp;L)</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The system&apos;s language, whichever it is.</extracomment>
        <translation>跟隨系統</translation>
    </message>
</context>
<context>
    <name>pendra::PanelConnector</name>
    <message>
        <source>No host address is set: open Options, Setup.</source>
        <translation>未設定主機位址：請開啟「選項」→「設定」。</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.
The connection works with them, but they will not be there at the next start.</source>
        <translation>無法儲存設定：%1。
目前的連線會使用這些設定，但下次啟動時將不會保留。</translation>
    </message>
</context>
<context>
    <name>pendra::PanelWindow</name>
    <message>
        <source>The settings could not be read: %1.
The built-in defaults are used until Setup stores new ones.</source>
        <translation>無法讀取設定：%1。
在透過「設定」儲存新設定之前，將使用內建預設值。</translation>
    </message>
    <message>
        <source>locked for cleaning, %1 s left: only %2 takes a touch</source>
        <translation>清潔鎖定中，剩餘 %1 秒：僅 %2 可觸控</translation>
    </message>
</context>
</TS>
