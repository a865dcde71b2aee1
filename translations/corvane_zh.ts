<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
    <name>CCorvane</name>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Sure to close software</source>
        <translation>确定关闭软件</translation>
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
</TS>
