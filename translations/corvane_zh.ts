<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CBaseDialogClass</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CCalendarWidget</name>
    <message>
        <source>Previous month</source>
        <translation>上个月</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>下个月</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>上一年</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>下一年</translation>
    </message>
</context>
<context>
    <name>CCorvane</name>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Sure to close software</source>
        <translation>确定关闭软件</translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane 工具</translation>
    </message>
</context>
<context>
    <name>CCorvaneClass</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane 工具</translation>
    </message>
    <message>
        <source>NVR Calculate</source>
        <translation>NVR 计算</translation>
    </message>
    <message>
        <source>IPC Calculate</source>
        <translation>IPC 计算</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
</context>
<context>
    <name>CDlgAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source> v1.00.00.01</source>
        <translation> v1.00.00.01</translation>
    </message>
</context>
<context>
    <name>CDlgAboutClass</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CPathComboBox</name>
    <message>
        <source>Select Directory</source>
        <translation>选择文件夹</translation>
    </message>
</context>
<context>
    <name>CTesselApplication</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Software is already running.</source>
        <translation>软件已在运行。</translation>
    </message>
    <message>
        <source>The least resolution is 1024*768.</source>
        <translation>最低分辨率为 1024*768。</translation>
    </message>
</context>
<context>
    <name>CWindowTitle</name>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane 工具</translation>
    </message>
</context>
</TS>
