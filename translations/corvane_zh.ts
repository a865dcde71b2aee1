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
        <source> v%1</source>
        <translation> v%1</translation>
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
    <message>
        <source>License:</source>
        <translation>许可证：</translation>
    </message>
    <message>
        <source>This program comes with ABSOLUTELY NO WARRANTY. It is free software: you may redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or any later version.</source>
        <translation>本程序不提供任何担保。它是自由软件：您可以依照 GNU 通用公共许可证第 3 版或（您选择的）任何更新版本的条款再发布和/或修改它。</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or later</source>
        <translation>GNU 通用公共许可证第 3 版或更新版本</translation>
    </message>
</context>
<context>
    <name>CDlgCalIPCNum</name>
    <message>
        <source>+click this add one record</source>
        <translation>+点击此处添加一条记录</translation>
    </message>
    <message>
        <source>NVR</source>
        <translation>NVR</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>NVR Type</source>
        <translation>NVR 型号</translation>
    </message>
    <message>
        <source>Disable Channel Number</source>
        <translation>禁用通道数</translation>
    </message>
    <message>
        <source>Number(tai)</source>
        <translation>数量(台)</translation>
    </message>
    <message>
        <source>The NVR Type is not valid</source>
        <translation>NVR 型号无效</translation>
    </message>
    <message>
        <source>The Bit rate is not valid.</source>
        <translation>码率无效。</translation>
    </message>
    <message>
        <source>range 0 or 32k-16384k.</source>
        <translation>范围 0 或 32k-16384k。</translation>
    </message>
    <message>
        <source>The number can not be blank</source>
        <translation>数量不能为空</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The sum of NVR number can not be bigger than 1000000</source>
        <translation>NVR 总数不能超过 1000000</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>The NVR Type already exists</source>
        <translation>NVR 型号已存在</translation>
    </message>
</context>
<context>
    <name>CDlgCalIPCNumClass</name>
    <message>
        <source>Select NVR</source>
        <translation>选择 NVR</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Select Bit Rate</source>
        <translation>选择码率</translation>
    </message>
    <message>
        <source>First Bit Rate:</source>
        <translation>主码流码率：</translation>
    </message>
    <message>
        <source>Second Bit Rate:</source>
        <translation>子码流码率：</translation>
    </message>
    <message>
        <source>Auto Calculate Result</source>
        <translation>自动计算结果</translation>
    </message>
    <message>
        <source>Need</source>
        <translation>需要</translation>
    </message>
    <message>
        <source>IPC</source>
        <translation>IPC</translation>
    </message>
    <message>
        <source>equipment</source>
        <translation>台设备</translation>
    </message>
    <message>
        <source>(tai)：</source>
        <translation>(台)：</translation>
    </message>
</context>
<context>
    <name>CDlgCalNVRNum</name>
    <message>
        <source>+click this add one record</source>
        <translation>+点击此处添加一条记录</translation>
    </message>
    <message>
        <source>The NVR Type is not valid</source>
        <translation>NVR 型号无效</translation>
    </message>
    <message>
        <source>The Bit rate is not valid(range 0 or 32k-16384k)</source>
        <translation>码率无效(范围 0 或 32k-16384k)</translation>
    </message>
    <message>
        <source>The Channel number is not valid</source>
        <translation>通道数无效</translation>
    </message>
    <message>
        <source>The number can not be blank</source>
        <translation>数量不能为空</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The sum of IPC number can not be bigger than 1000000</source>
        <translation>IPC 总数不能超过 1000000</translation>
    </message>
    <message>
        <source>The Bit Rate of IPC Type</source>
        <translation>IPC 类型</translation>
    </message>
    <message>
        <source>is bigger than NVR Bandwidth</source>
        <translation>的码率超过 NVR 带宽</translation>
    </message>
    <message>
        <source>Calculation...</source>
        <translation>正在计算...</translation>
    </message>
    <message>
        <source>NVR Count(tai):</source>
        <translation>NVR 数量(台)：</translation>
    </message>
    <message>
        <source>IPC Type                                               IPC Count(tai)</source>
        <translation>IPC 类型                                                 IPC 数量(台)</translation>
    </message>
    <message>
        <source>IPC</source>
        <translation>IPC</translation>
    </message>
    <message>
        <source>Bit Rate(Kbps)</source>
        <translation>码率(Kbps)</translation>
    </message>
    <message>
        <source>First Bit Rate</source>
        <translation>主码流码率</translation>
    </message>
    <message>
        <source>Second Bit Rate</source>
        <translation>子码流码率</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Number(tai)</source>
        <translation>数量(台)</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>CDlgCalNVRNumClass</name>
    <message>
        <source>Select IPC</source>
        <translation>选择 IPC</translation>
    </message>
    <message>
        <source>Select NVR Type and Channel</source>
        <translation>选择 NVR 型号和通道</translation>
    </message>
    <message>
        <source>Select NVR Type:</source>
        <translation>选择 NVR 型号：</translation>
    </message>
    <message>
        <source>Disable Channel Number:</source>
        <translation>禁用通道数：</translation>
    </message>
    <message>
        <source>Caculator</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Need</source>
        <translation>需要</translation>
    </message>
    <message>
        <source>NVR</source>
        <translation>NVR</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>台设备</translation>
    </message>
    <message>
        <source>(tai)：</source>
        <translation>(台)：</translation>
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
        <source>The least resolution is %1*%2.</source>
        <translation>最低分辨率为 %1*%2。</translation>
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
