<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pendra</source>
        <translation>关于 Pendra</translation>
    </message>
    <message>
        <source>Measuring machine jog panel</source>
        <translation>测量机点动面板</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>AdministratorMark</name>
    <message>
        <source>%1 (set by your administrator)</source>
        <extracomment>A menu item whose value IT enforces; %1 is the item&apos;s own text.</extracomment>
        <translation>%1（由管理员设置）</translation>
    </message>
    <message>
        <source>Set by your administrator</source>
        <translation>由管理员设置</translation>
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
        <translation>删除</translation>
    </message>
    <message>
        <source>Move Pt.</source>
        <translation>移动点</translation>
    </message>
    <message>
        <source>STOP EXECUTION</source>
        <translation>停止执行</translation>
    </message>
    <message>
        <source>CONTINUE EXECUTION</source>
        <translation>继续执行</translation>
    </message>
    <message>
        <source>F%1 %2</source>
        <extracomment>A function button&apos;s name: its key, then its words (&quot;F4 STOP EXECUTION&quot;).</extracomment>
        <translation>F%1 %2</translation>
    </message>
    <message>
        <source>The greeting</source>
        <translation>连接问候消息</translation>
    </message>
    <message>
        <source>An acknowledgement</source>
        <translation>确认应答</translation>
    </message>
</context>
<context>
    <name>ConnectionSettings</name>
    <message>
        <source>%1 is a folder, not a settings file</source>
        <translation>%1 是文件夹，不是设置文件</translation>
    </message>
    <message>
        <source>%1 is not a settings file</source>
        <translation>%1 不是设置文件</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be written</source>
        <translation>无法写入注册表项 %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>无法写入文件夹 %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be read</source>
        <translation>无法读取注册表项 %1</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Couldn&apos;t bind to %1</source>
        <translation>无法绑定到 %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to %1</source>
        <translation>无法连接到 %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t initialize WSA</source>
        <translation>无法初始化 WSA</translation>
    </message>
    <message>
        <source>Couldn&apos;t create socket</source>
        <translation>无法创建套接字</translation>
    </message>
    <message>
        <source>Couldn&apos;t create events</source>
        <translation>无法创建事件</translation>
    </message>
    <message>
        <source>Couldn&apos;t start receive thread</source>
        <translation>无法启动接收线程</translation>
    </message>
    <message>
        <source>Couldn&apos;t watch the socket</source>
        <translation>无法监视套接字</translation>
    </message>
    <message>
        <source>Couldn&apos;t close socket</source>
        <translation>无法关闭套接字</translation>
    </message>
    <message>
        <source>no host address is set</source>
        <translation>未设置主机地址</translation>
    </message>
    <message>
        <source>the panel is not ready</source>
        <translation>面板未就绪</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The step of opening that failed, then the system&apos;s description and its code.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>正在连接 %1…</translation>
    </message>
    <message>
        <source>Not connected: %1; trying again every %2 s</source>
        <translation>未连接：%1；每 %2 秒重试一次</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>未连接：%1</translation>
    </message>
    <message>
        <source>Waiting for the host at %1</source>
        <translation>正在等待 %1 上的主机</translation>
    </message>
    <message>
        <source>Connected to %1, host version %2</source>
        <translation>已连接到 %1，主机版本 %2</translation>
    </message>
    <message>
        <source>No answer from %1: nothing listens on that port</source>
        <translation>无应答：%1，该端口上没有程序在监听</translation>
    </message>
    <message>
        <source>Not sent: %1: %2</source>
        <translation>未发送：%1：%2</translation>
    </message>
    <message>
        <source>%1 sent at %2</source>
        <translation>%1 已于 %2 发送</translation>
    </message>
    <message>
        <source>last host message %1</source>
        <translation>主机最后消息 %1</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Restart
(Wake up)</source>
        <translation>重新启动
（唤醒）</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>全屏(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Lock for cleaning</source>
        <translation>清洁锁定(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Restart (Wake up)</source>
        <translation>重新启动（唤醒）</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Local</source>
        <translation>本地</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP 地址：</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>远程</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>Display error of last measured feature</source>
        <translation>显示上一个测量元素的误差</translation>
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
        <source>Local IP address</source>
        <translation>本地 IP 地址</translation>
    </message>
    <message>
        <source>Local port</source>
        <translation>本地端口</translation>
    </message>
    <message>
        <source>Remote IP address</source>
        <translation>远程 IP 地址</translation>
    </message>
    <message>
        <source>Remote port</source>
        <translation>远程端口</translation>
    </message>
    <message>
        <source>Values on grey are set by your administrator and cannot be changed here.</source>
        <translation>灰色背景的值由管理员设置，无法在此更改。</translation>
    </message>
</context>
<context>
    <name>SystemMenuAbout</name>
    <message>
        <source>&amp;About Pendra...</source>
        <translation>关于 Pendra(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>pendra::LanguageMenu</name>
    <message>
        <source>La&amp;nguage</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The system&apos;s language, whichever it is.</extracomment>
        <translation>跟随系统</translation>
    </message>
</context>
<context>
    <name>pendra::PanelConnector</name>
    <message>
        <source>No host address is set: open Options, Setup.</source>
        <translation>未设置主机地址：请打开“选项”→“设置”。</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.
The connection works with them, but they will not be there at the next start.</source>
        <translation>无法保存设置：%1。
当前连接会使用这些设置，但下次启动时它们将不再保留。</translation>
    </message>
</context>
<context>
    <name>pendra::PanelWindow</name>
    <message>
        <source>The settings could not be read: %1.
The built-in defaults are used until Setup stores new ones.</source>
        <translation>无法读取设置：%1。
在通过“设置”保存新设置之前，将使用内置默认值。</translation>
    </message>
    <message>
        <source>locked for cleaning, %1 s left: only %2 takes a touch</source>
        <translation>清洁锁定中，剩余 %1 秒：仅 %2 可触控</translation>
    </message>
</context>
</TS>
