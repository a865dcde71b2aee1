<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CBaseDialog</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
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
    <name>CCalculatorPage</name>
    <message>
        <source>Recorder model defined in this plan</source>
        <translation>本方案定义的录像机型号</translation>
    </message>
    <message>
        <source>Estimate...</source>
        <translation>估算...</translation>
    </message>
    <message>
        <source>%1 kbps, or estimate it from the camera&apos;s settings (%2)</source>
        <translation>%1（kbps），或根据摄像机设置估算（%2）</translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation>码率</translation>
    </message>
    <message>
        <source>%1 TB (%2 TiB)</source>
        <translation>%1 TB（%2 TiB）</translation>
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
    <name>CCatalogue</name>
    <message>
        <source>model %1 of %2</source>
        <translation>%2的第 %1 个型号</translation>
    </message>
    <message>
        <source>model %1 (&quot;%2&quot;) of %3</source>
        <translation>%3的第 %1 个型号（“%2”）</translation>
    </message>
    <message>
        <source>%1, field &quot;%2&quot;: %3.</source>
        <translation>%1，字段“%2”：%3。</translation>
    </message>
    <message>
        <source>the catalogue</source>
        <translation>型号目录</translation>
    </message>
    <message>
        <source>The file is not a catalogue: it is empty.</source>
        <translation>该文件不是型号目录：文件为空。</translation>
    </message>
    <message>
        <source>The file is not a catalogue: its first line lacks the column &quot;%1&quot;.</source>
        <translation>该文件不是型号目录：第一行缺少“%1”列。</translation>
    </message>
    <message>
        <source>The file is too large to be a catalogue (more than %1 KB).</source>
        <translation>文件过大，不是型号目录（超过 %1 KB）。</translation>
    </message>
    <message>
        <source>The file is not a catalogue: it is not valid JSON (%1 at byte %2).</source>
        <translation>该文件不是型号目录：不是有效的 JSON（第 %2 字节处：%1）。</translation>
    </message>
    <message>
        <source>The file is not a catalogue.</source>
        <translation>该文件不是型号目录。</translation>
    </message>
    <message>
        <source>The catalogue has a format version this program does not read (it reads version %1).</source>
        <translation>型号目录的格式版本本程序无法读取（本程序读取版本 %1）。</translation>
    </message>
    <message>
        <source>The file is not a catalogue: it has no &quot;models&quot; list.</source>
        <translation>该文件不是型号目录：没有“models”列表。</translation>
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
        <source>Select NVR</source>
        <translation>选择 NVR</translation>
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
        <source>Need IPC equipment (tai)</source>
        <translation>需要 IPC 设备(台)</translation>
    </message>
    <message>
        <source>IPC Calculate</source>
        <translation>IPC 计算</translation>
    </message>
    <message>
        <source>Bandwidth kept free (%):</source>
        <translation>预留带宽（%）：</translation>
    </message>
    <message>
        <source>Each recorder takes cameras up to its bandwidth less this share, which is left for growth and bit-rate peaks</source>
        <translation>每台录像机只接入到其带宽减去此比例为止，余量留给扩容和码率峰值</translation>
    </message>
    <message>
        <source>Bandwidth kept free (%)</source>
        <translation>预留带宽（%）</translation>
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
        <source>Select IPC</source>
        <translation>选择 IPC</translation>
    </message>
    <message>
        <source>Select NVR Type</source>
        <translation>选择 NVR 型号</translation>
    </message>
    <message>
        <source>Disable Channel Number</source>
        <translation>禁用通道数</translation>
    </message>
    <message>
        <source>NVR groups</source>
        <translation>NVR 分组</translation>
    </message>
    <message>
        <source>Need NVR Equipment (tai)</source>
        <translation>需要 NVR 设备(台)</translation>
    </message>
    <message>
        <source>NVR Calculate</source>
        <translation>NVR 计算</translation>
    </message>
    <message>
        <source>Press &quot;Caculator&quot; for the result of %1 cameras.</source>
        <translation>请按“计算”得出 %1 台摄像机的结果。</translation>
    </message>
    <message>
        <source>needs %1 disks, the %2 holds %3</source>
        <translation>需要 %1 块硬盘，%2 只能装 %3 块</translation>
    </message>
    <message>
        <source>the %1 takes disks of at most %2 TB</source>
        <translation>%1 支持的单块硬盘最大为 %2 TB</translation>
    </message>
    <message>
        <source>, full: channels</source>
        <translation>，已满：通道</translation>
    </message>
    <message>
        <source>, full: bandwidth</source>
        <translation>，已满：带宽</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#c00000&quot;&gt;Result lines whose disks do not fit the %1: %2&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#c00000&quot;&gt;硬盘装不进 %1 的结果行：%2&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Recorder models: add your own, with their disk bays</source>
        <translation>录像机型号：添加自己的型号及其硬盘盘位</translation>
    </message>
    <message>
        <source>Recorder Models</source>
        <translation>NVR 型号管理</translation>
    </message>
    <message>
        <source>Bandwidth use: %1 %</source>
        <translation>带宽占用：%1%</translation>
    </message>
    <message>
        <source>Each NVR: %1 of %2 channels, %3 of %4 kbps</source>
        <translation>每台NVR：通道 %1/%2，带宽 %3/%4 kbps</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>A name holds at most %1 characters and no control characters.</source>
        <translation>名称最多 %1 个字符，且不能包含控制字符。</translation>
    </message>
    <message>
        <source>What you call this camera type, e.g. &quot;Dock 4K bullets&quot; (optional)</source>
        <translation>此摄像机类型的名称，例如“码头 4K 枪机”（可选）</translation>
    </message>
    <message>
        <source>Each NVR: %1 disks of %2 TB hold %3</source>
        <translation>每台NVR：%1 块 %2 TB 硬盘可存 %3</translation>
    </message>
    <message>
        <source>Keeps: %1</source>
        <translation>可保存：%1</translation>
    </message>
    <message>
        <source>Each NVR: %1, disks: %2 of %3 TB</source>
        <translation>每台NVR：%1，硬盘：%2 块 %3 TB</translation>
    </message>
    <message>
        <source>Each NVR: %1, disks: %2</source>
        <translation>每台NVR：%1，硬盘：%2 块</translation>
    </message>
    <message>
        <source>for ever, nothing is recorded</source>
        <translation>无限期，没有录像</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 天</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 天</translation>
    </message>
    <message>
        <source>, %1 % kept free</source>
        <translation>，预留 %1%</translation>
    </message>
    <message>
        <source>Disks: %1 (%2 TB each), holding %3&lt;br/&gt;The shortest kept: %4</source>
        <translation>硬盘：%1 块（每块 %2 TB），可存 %3&lt;br/&gt;最短保存：%4</translation>
    </message>
    <message>
        <source>Storage: %1, disks: %2 (%3 TB each)</source>
        <translation>存储：%1，硬盘：%2 块（每块 %3 TB）</translation>
    </message>
    <message>
        <source>Storage: %1, disks: %2 (sizes per line)</source>
        <translation>存储：%1，硬盘：%2 块（各行容量不同）</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>正在计算...</translation>
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
    <name>CEstimateDlg</name>
    <message>
        <source>Estimate Bit Rates</source>
        <translation>估算码率</translation>
    </message>
    <message>
        <source>Estimates follow published bit rates for these settings; a camera&apos;s own figure is better where known.</source>
        <translation>估算值依据这些设置的公开码率数据；如已知摄像机自身的数值，以其为准。</translation>
    </message>
    <message>
        <source>First stream</source>
        <translation>主码流</translation>
    </message>
    <message>
        <source>Second stream</source>
        <translation>子码流</translation>
    </message>
    <message>
        <source>A preset, or any width x height such as 2048x1536</source>
        <translation>预设值，或任意 宽x高，例如 2048x1536</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source> fps</source>
        <translation> fps</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation>编码：</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Picture quality:</source>
        <translation>画质：</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>安静</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>繁忙</translation>
    </message>
    <message>
        <source>How much moves in the picture</source>
        <translation>画面中运动的多少</translation>
    </message>
    <message>
        <source>Scene:</source>
        <translation>场景：</translation>
    </message>
    <message>
        <source>The share of the time at night with infrared, which costs more bits</source>
        <translation>夜间红外时间所占比例，红外画面需要更多码率</translation>
    </message>
    <message>
        <source>Night with infrared:</source>
        <translation>夜间红外：</translation>
    </message>
    <message>
        <source>No estimate</source>
        <translation>无估算值</translation>
    </message>
    <message>
        <source>Estimate: %1 kbps (%2 to %3 kbps)</source>
        <translation>估算：%1 kbps（%2 到 %3 kbps）</translation>
    </message>
</context>
<context>
    <name>CFileDialog</name>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>驱动器</translation>
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
    <name>CPlanController</name>
    <message>
        <source>New Plan</source>
        <translation>新建方案</translation>
    </message>
    <message>
        <source>Open Plan...</source>
        <translation>打开方案...</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>保存方案</translation>
    </message>
    <message>
        <source>Save Plan As...</source>
        <translation>方案另存为...</translation>
    </message>
    <message>
        <source>Export Result...</source>
        <translation>导出结果...</translation>
    </message>
    <message>
        <source>Print Result...</source>
        <translation>打印结果...</translation>
    </message>
    <message>
        <source>Copy Result</source>
        <translation>复制结果</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>方案</translation>
    </message>
    <message>
        <source>New, open, save, export and print the plan</source>
        <translation>新建、打开、保存、导出和打印方案</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation>Corvane 工具</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The plan &quot;%1&quot; has unsaved changes.&lt;br/&gt;Save them before closing the software?</source>
        <translation>方案“%1”有未保存的修改。&lt;br/&gt;关闭软件前是否保存？</translation>
    </message>
    <message>
        <source>The plan &quot;%1&quot; has unsaved changes.&lt;br/&gt;Save them first?</source>
        <translation>方案“%1”有未保存的修改。&lt;br/&gt;是否先保存？</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>The plan &quot;%1&quot; could not be opened.</source>
        <translation>无法打开方案“%1”。</translation>
    </message>
    <message>
        <source>The plan &quot;%1&quot; could not be entered completely.</source>
        <translation>方案“%1”未能完整录入。</translation>
    </message>
    <message>
        <source>The program takes one plan file as its only argument.</source>
        <translation>程序只接受一个方案文件作为参数。</translation>
    </message>
    <message>
        <source>The plan could not be saved to &quot;%1&quot;.</source>
        <translation>无法将方案保存到“%1”。</translation>
    </message>
    <message>
        <source>The result could not be exported to &quot;%1&quot;.</source>
        <translation>无法将结果导出到“%1”。</translation>
    </message>
    <message>
        <source>Plans (*.corvane)</source>
        <translation>方案 (*.corvane)</translation>
    </message>
    <message>
        <source>Export Result</source>
        <translation>导出结果</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF 报告 (*.pdf)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>电子表格 CSV (*.csv)</translation>
    </message>
    <message>
        <source>Print Result</source>
        <translation>打印结果</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>打开方案</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.&lt;br/&gt;Replace it?</source>
        <translation>“%1”已存在。&lt;br/&gt;是否替换？</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>%1[*] - Corvane Tool</source>
        <translation>%1[*] - Corvane 工具</translation>
    </message>
    <message>
        <source>Recorder Models...</source>
        <translation>录像机型号...</translation>
    </message>
    <message>
        <source>NVR Calculate</source>
        <translation>NVR 计算</translation>
    </message>
    <message>
        <source>IPC Calculate, record %1</source>
        <translation>IPC 计算，第 %1 条记录</translation>
    </message>
    <message>
        <source>Plan Details...</source>
        <translation>方案详情...</translation>
    </message>
</context>
<context>
    <name>CPlanDetailsDlg</name>
    <message>
        <source>Plan Details</source>
        <translation>方案详情</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>Unit prices</source>
        <translation>单价</translation>
    </message>
    <message>
        <source>Where the cameras are installed</source>
        <translation>摄像机的安装地点</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>项目地点：</translation>
    </message>
    <message>
        <source>Who the installation is for</source>
        <translation>系统的客户</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>客户：</translation>
    </message>
    <message>
        <source>Who planned it</source>
        <translation>方案的规划人</translation>
    </message>
    <message>
        <source>Planner:</source>
        <translation>规划人：</translation>
    </message>
    <message>
        <source>What the customer reads with the plan: the currency of the prices, what is assumed, what is left out</source>
        <translation>客户随方案一起阅读的内容：价格的币种、前提假设、未包含的项目</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>The report and the export show these at their top.</source>
        <translation>报告和导出文件会在开头显示这些内容。</translation>
    </message>
    <message>
        <source>Prices with at most two decimals, in the currency you count in (the notes can name it); an empty price is none. The bill of materials at the end of the report totals the priced lines.</source>
        <translation>价格最多两位小数，币种由您决定（可在备注中注明）；留空表示没有价格。报告末尾的物料清单会合计有价格的各行。</translation>
    </message>
    <message>
        <source>no price</source>
        <translation>无价格</translation>
    </message>
    <message>
        <source>Unit price of %1</source>
        <translation>%1的单价</translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation>录像机</translation>
    </message>
    <message>
        <source>Disks</source>
        <translation>硬盘</translation>
    </message>
    <message>
        <source>%1 TB disk</source>
        <translation>%1 TB 硬盘</translation>
    </message>
    <message>
        <source>Camera types of NVR Calculate</source>
        <translation>“NVR 计算”页的摄像机类型</translation>
    </message>
    <message>
        <source>camera type %1</source>
        <translation>摄像机类型 %1</translation>
    </message>
    <message>
        <source>The page has no camera types yet.</source>
        <translation>该页尚无摄像机类型。</translation>
    </message>
</context>
<context>
    <name>CPlanFile</name>
    <message>
        <source>The file is not a plan: it is nested too deeply.</source>
        <translation>该文件不是方案：嵌套层次过深。</translation>
    </message>
    <message>
        <source>The file is not a plan: it holds too many values.</source>
        <translation>该文件不是方案：包含的值过多。</translation>
    </message>
    <message>
        <source>The plan is damaged: %1 lacks a valid &quot;%2&quot;.</source>
        <translation>方案已损坏：%1缺少有效的“%2”。</translation>
    </message>
    <message>
        <source>The plan names an unknown NVR type in %1: &quot;%2&quot;.</source>
        <translation>方案中%1的 NVR 型号未知：“%2”。</translation>
    </message>
    <message>
        <source>The plan holds an invalid disabled channel number in %1 (%2 allows 0 to %3).</source>
        <translation>方案中%1的禁用通道数无效（%2 允许 0 到 %3）。</translation>
    </message>
    <message>
        <source>The plan holds an invalid number in %1 (0 to 1000000).</source>
        <translation>方案中%1的数量无效（0 到 1000000）。</translation>
    </message>
    <message>
        <source>the NVR Calculate page</source>
        <translation>“NVR 计算”页</translation>
    </message>
    <message>
        <source>the IPC Calculate page</source>
        <translation>“IPC 计算”页</translation>
    </message>
    <message>
        <source>The plan holds more than %1 camera records.</source>
        <translation>方案中的 IPC 记录超过 %1 条。</translation>
    </message>
    <message>
        <source>The plan holds more than %1 recorder records.</source>
        <translation>方案中的 NVR 记录超过 %1 条。</translation>
    </message>
    <message>
        <source>The file is too large to be a plan (more than %1 KB).</source>
        <translation>文件过大，不是方案（超过 %1 KB）。</translation>
    </message>
    <message>
        <source>The file is not a plan: it is not valid JSON (%1 at byte %2).</source>
        <translation>该文件不是方案：不是有效的 JSON（第 %2 字节处：%1）。</translation>
    </message>
    <message>
        <source>The file is not a plan.</source>
        <translation>该文件不是方案。</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>The plan was saved by a newer version of the program (plan format %1); this version reads plan format %2.</source>
        <translation>该方案由较新版本的程序保存（方案格式 %1）；本版本只能读取方案格式 %2。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>它不是普通文件。</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>无法读取文件。</translation>
    </message>
    <message>
        <source>the storage inputs of the NVR Calculate page</source>
        <translation>“NVR 计算”页的存储参数</translation>
    </message>
    <message>
        <source>The plan holds an invalid &quot;%1&quot; in %2 (%3 to %4).</source>
        <translation>方案中%2的“%1”无效（%3 到 %4）。</translation>
    </message>
    <message>
        <source>The plan holds an invalid &quot;%1&quot; in %2 (one of: %3).</source>
        <translation>方案中%2的“%1”无效（可选值：%3）。</translation>
    </message>
    <message>
        <source>camera record %1 of the NVR Calculate page</source>
        <translation>“NVR 计算”页的第 %1 条摄像机记录</translation>
    </message>
    <message>
        <source>recorder record %1 of the IPC Calculate page</source>
        <translation>“IPC 计算”页的第 %1 条 NVR 记录</translation>
    </message>
    <message>
        <source>first bit rate</source>
        <translation>主码流码率</translation>
    </message>
    <message>
        <source>second bit rate</source>
        <translation>子码流码率</translation>
    </message>
    <message>
        <source>The plan holds an invalid %1 in %2: &quot;%3&quot; (range 0 or 32k-16384k).</source>
        <translation>方案中%2的%1无效：“%3”（范围为 0 或 32k-16384k）。</translation>
    </message>
    <message>
        <source>The plan holds a bit rate longer than %1 characters in %2.</source>
        <translation>方案中%2的码率超过 %1 个字符。</translation>
    </message>
    <message>
        <source>The plan holds more than 1000000 cameras on %1.</source>
        <translation>方案中%1的摄像机超过 1000000 台。</translation>
    </message>
    <message>
        <source>The plan names the NVR type %1 a second time in %2.</source>
        <translation>方案在%2中再次使用了 NVR 型号 %1。</translation>
    </message>
    <message>
        <source>The plan holds more than 1000000 recorders on %1.</source>
        <translation>方案中%1的 NVR 超过 1000000 台。</translation>
    </message>
    <message>
        <source>The plan holds an invalid recorder model %1 (&quot;%2&quot;), field &quot;%3&quot;: %4.</source>
        <translation>方案中的第 %1 个录像机型号（“%2”）字段“%3”无效：%4。</translation>
    </message>
    <message>
        <source>the plan</source>
        <translation>方案</translation>
    </message>
    <message>
        <source>The plan holds an invalid name in %1 (at most %2 characters, no control characters).</source>
        <translation>方案中%1的名称无效（最多 %2 个字符，不能包含控制字符）。</translation>
    </message>
    <message>
        <source>The plan holds invalid settings in &quot;%1&quot; of %2: %3.</source>
        <translation>方案中%2的“%1”设置无效：%3。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from 0 to %2</source>
        <translation>“%1”不是 0 到 %2 的整数</translation>
    </message>
    <message>
        <source>The plan holds an invalid &quot;%1&quot; in the plan details: %2.</source>
        <translation>方案详情中的“%1”无效：%2。</translation>
    </message>
    <message>
        <source>the NVR type &quot;%1&quot;</source>
        <translation>NVR 型号“%1”</translation>
    </message>
    <message>
        <source>%1 TB disks</source>
        <translation>%1 TB 硬盘</translation>
    </message>
    <message>
        <source>The plan holds an invalid unit price for %1: %2. %3, written as text in quotes.</source>
        <translation>方案中%1的单价无效：%2。%3，并须写成带引号的文本。</translation>
    </message>
    <message>
        <source>The plan holds a unit price for disks of &quot;%1&quot; TB, a size not offered (one of: %2).</source>
        <translation>方案中含有“%1” TB 硬盘的单价，但没有此容量（可选值：%2）。</translation>
    </message>
    <message>
        <source>It holds a broken character</source>
        <translation>其中含有损坏的字符</translation>
    </message>
    <message>
        <source>It holds a control character other than a line break or a tab</source>
        <translation>其中含有除换行和制表符以外的控制字符</translation>
    </message>
    <message>
        <source>It holds a line break, a tab or another control character</source>
        <translation>其中含有换行、制表符或其他控制字符</translation>
    </message>
    <message>
        <source>It holds %1 characters; at most %2 are allowed</source>
        <translation>共有 %1 个字符，最多允许 %2 个</translation>
    </message>
    <message>
        <source>A unit price is a number from 0 to %1 with at most two decimals, such as 129.50</source>
        <translation>单价是 0 到 %1 之间、最多两位小数的数字，例如 129.50</translation>
    </message>
    <message>
        <source>The plan holds a unit price for an unknown NVR type: &quot;%1&quot;.</source>
        <translation>方案中含有未知 NVR 型号的单价：“%1”。</translation>
    </message>
    <message>
        <source>the plan details</source>
        <translation>方案详情</translation>
    </message>
    <message>
        <source>the unit prices</source>
        <translation>单价</translation>
    </message>
    <message>
        <source>The plan holds an invalid &quot;%1&quot; in %2: %3.</source>
        <translation>方案中%2的“%1”无效：%3。</translation>
    </message>
</context>
<context>
    <name>CPlanPages</name>
    <message>
        <source>channels</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>estimated: %1</source>
        <translation>估算：%1</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>手动输入</translation>
    </message>
    <message>
        <source>IPC Calculate</source>
        <translation>IPC 计算</translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation>无限期</translation>
    </message>
</context>
<context>
    <name>CPlanReport</name>
    <message>
        <source>Corvane Tool plan report</source>
        <translation>Corvane 工具方案报告</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>方案</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Program version</source>
        <translation>程序版本</translation>
    </message>
    <message>
        <source>NVR Calculate</source>
        <translation>NVR 计算</translation>
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
        <source>ID</source>
        <translation>序号</translation>
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
        <source>Number(tai)</source>
        <translation>数量(台)</translation>
    </message>
    <message>
        <source>Need NVR (tai)</source>
        <translation>需要 NVR (台)</translation>
    </message>
    <message>
        <source>NVR Count(tai)</source>
        <translation>NVR 数量(台)</translation>
    </message>
    <message>
        <source>IPC Type</source>
        <translation>IPC 类型</translation>
    </message>
    <message>
        <source>IPC Count(tai)</source>
        <translation>IPC 数量(台)</translation>
    </message>
    <message>
        <source>IPC Calculate</source>
        <translation>IPC 计算</translation>
    </message>
    <message>
        <source>Need IPC (tai)</source>
        <translation>需要 IPC (台)</translation>
    </message>
    <message>
        <source>Storage (TB)</source>
        <translation>存储（TB）</translation>
    </message>
    <message>
        <source>Disks</source>
        <translation>硬盘（块）</translation>
    </message>
    <message>
        <source>Storage per NVR (TB)</source>
        <translation>每台NVR存储（TB）</translation>
    </message>
    <message>
        <source>Disks per NVR</source>
        <translation>每台NVR硬盘（块）</translation>
    </message>
    <message>
        <source>There is no result to export or print yet: calculate on &quot;NVR Calculate&quot; or add a recorder record on &quot;IPC Calculate&quot; first.</source>
        <translation>尚无可导出或打印的结果：请先在“NVR 计算”页计算，或在“IPC 计算”页添加 NVR 记录。</translation>
    </message>
    <message>
        <source>Result lines whose disks do not fit</source>
        <translation>硬盘装不下的结果行</translation>
    </message>
    <message>
        <source>Channels used per NVR</source>
        <translation>每台NVR已用通道</translation>
    </message>
    <message>
        <source>Channels per NVR</source>
        <translation>每台NVR通道数</translation>
    </message>
    <message>
        <source>Bandwidth used per NVR (kbps)</source>
        <translation>每台NVR已用带宽（kbps）</translation>
    </message>
    <message>
        <source>Bandwidth per NVR (kbps)</source>
        <translation>每台NVR带宽（kbps）</translation>
    </message>
    <message>
        <source>Bandwidth use (%)</source>
        <translation>带宽占用（%）</translation>
    </message>
    <message>
        <source>Full by</source>
        <translation>已满原因</translation>
    </message>
    <message>
        <source>Disk size (TB)</source>
        <translation>硬盘容量（TB）</translation>
    </message>
    <message>
        <source>Disk bays</source>
        <translation>硬盘盘位</translation>
    </message>
    <message>
        <source>Recorder models of this plan</source>
        <translation>本方案的录像机型号</translation>
    </message>
    <message>
        <source>Bandwidth (kbps)</source>
        <translation>带宽 (kbps)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>通道数</translation>
    </message>
    <message>
        <source>May be disabled</source>
        <translation>可禁用通道</translation>
    </message>
    <message>
        <source>Largest disk (TB)</source>
        <translation>最大单盘 (TB)</translation>
    </message>
    <message>
        <source>Where the bit rates come from</source>
        <translation>码率来源</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Bill of materials</source>
        <translation>物料清单</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>项目地点</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>规划人</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Model, size or type</source>
        <translation>型号、容量或类型</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Data disks</source>
        <translation>数据盘</translation>
    </message>
    <message>
        <source>Parity or mirror disks</source>
        <translation>校验盘或镜像盘</translation>
    </message>
    <message>
        <source>Hot spares</source>
        <translation>热备盘</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>单价</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合计</translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation>录像机</translation>
    </message>
    <message>
        <source>Disk</source>
        <translation>硬盘</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>摄像机</translation>
    </message>
    <message>
        <source>Total of the priced lines</source>
        <translation>有价格各行的合计</translation>
    </message>
    <message>
        <source>Lines without a unit price are not in the total.</source>
        <translation>没有单价的行不计入合计。</translation>
    </message>
    <message>
        <source>Disks of each NVR hold (TB)</source>
        <translation>每台NVR硬盘可存（TB）</translation>
    </message>
    <message>
        <source>All disks hold (TB)</source>
        <translation>全部硬盘可存（TB）</translation>
    </message>
    <message>
        <source>Shortest days kept</source>
        <translation>最短保存天数</translation>
    </message>
    <message>
        <source>Storage (TiB)</source>
        <translation>存储（TiB）</translation>
    </message>
    <message>
        <source>Bandwidth kept free (%)</source>
        <translation>预留带宽（%）</translation>
    </message>
    <message>
        <source>Storage per NVR (TiB)</source>
        <translation>每台NVR存储（TiB）</translation>
    </message>
    <message>
        <source>Days kept</source>
        <translation>保存天数</translation>
    </message>
    <message>
        <source> (%1 TiB)</source>
        <translation>（%1 TiB）</translation>
    </message>
</context>
<context>
    <name>CRecordTable</name>
    <message>
        <source>%1, record %2</source>
        <translation>%1，第 %2 条记录</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>No record can be added until this is corrected: %1</source>
        <translation>请先更正此项，才能添加记录：%1</translation>
    </message>
</context>
<context>
    <name>CRecorderModelEditDlg</name>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Leave it empty when it is unknown</source>
        <translation>未知时请留空</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>kbps</source>
        <translation>kbps</translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation>Mbps</translation>
    </message>
    <message>
        <source>Bandwidth unit</source>
        <translation>带宽单位</translation>
    </message>
    <message>
        <source>1 Mbps is 1024 kbps</source>
        <translation>1 Mbps 即 1024 kbps</translation>
    </message>
    <message>
        <source>Bandwidth:</source>
        <translation>带宽：</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>通道数：</translation>
    </message>
    <message>
        <source>Channels that may be disabled:</source>
        <translation>可禁用通道数：</translation>
    </message>
    <message>
        <source>Disk bays:</source>
        <translation>盘位数：</translation>
    </message>
    <message>
        <source>Largest disk (TB):</source>
        <translation>最大单盘容量 (TB)：</translation>
    </message>
</context>
<context>
    <name>CRecorderModelsDlg</name>
    <message>
        <source>Recorder Models</source>
        <translation>NVR 型号管理</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Bandwidth (kbps)</source>
        <translation>带宽 (kbps)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>通道数</translation>
    </message>
    <message>
        <source>May be disabled</source>
        <translation>可禁用通道</translation>
    </message>
    <message>
        <source>Disk bays</source>
        <translation>硬盘盘位</translation>
    </message>
    <message>
        <source>Largest disk (TB)</source>
        <translation>最大单盘 (TB)</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Channels that may be disabled</source>
        <translation>可禁用的通道数</translation>
    </message>
    <message>
        <source>Recorder models</source>
        <translation>NVR 型号</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>添加...</translation>
    </message>
    <message>
        <source>Define a new recorder model for the plan</source>
        <translation>为方案定义新的 NVR 型号</translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation>复制...</translation>
    </message>
    <message>
        <source>Make a new model of the plan&apos;s own from the selected one</source>
        <translation>以所选型号为基础新建方案自有型号</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>编辑...</translation>
    </message>
    <message>
        <source>Change the selected model (only the plan&apos;s own; Return)</source>
        <translation>修改所选型号（仅限方案自有型号；回车键）</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Remove the selected model (only the plan&apos;s own; Delete)</source>
        <translation>删除所选型号（仅限方案自有型号；Delete 键）</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>导入...</translation>
    </message>
    <message>
        <source>Add the models of a catalogue file (JSON or CSV)</source>
        <translation>添加型号目录文件（JSON 或 CSV）中的型号</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>导出...</translation>
    </message>
    <message>
        <source>Save the plan&apos;s own models to a catalogue file (JSON or CSV)</source>
        <translation>将方案自有型号保存为型号目录文件（JSON 或 CSV）</translation>
    </message>
    <message>
        <source>%1 copy</source>
        <translation>%1 副本</translation>
    </message>
    <message>
        <source>%1 copy %2</source>
        <translation>%1 副本 %2</translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation>内置</translation>
    </message>
    <message>
        <source>This plan</source>
        <translation>本方案</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Add Recorder Model</source>
        <translation>添加 NVR 型号</translation>
    </message>
    <message>
        <source>Copy Recorder Model</source>
        <translation>复制 NVR 型号</translation>
    </message>
    <message>
        <source>Edit Recorder Model</source>
        <translation>编辑 NVR 型号</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be removed: the plan&apos;s pages use it.</source>
        <translation>无法删除“%1”：方案的页面正在使用它。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be removed: it is in use (%2).</source>
        <translation>无法删除“%1”：它正在使用中（%2）。</translation>
    </message>
    <message>
        <source>Choose another model there first.</source>
        <translation>请先在那里选择其他型号。</translation>
    </message>
    <message>
        <source>The catalogue &quot;%1&quot; could not be imported.</source>
        <translation>无法导入型号目录“%1”。</translation>
    </message>
    <message>
        <source>It holds no recorder models.</source>
        <translation>其中没有 NVR 型号。</translation>
    </message>
    <message>
        <source>The recorder models could not be exported to &quot;%1&quot;.</source>
        <translation>无法将 NVR 型号导出到“%1”。</translation>
    </message>
    <message>
        <source>The plan has no models of its own to export.</source>
        <translation>方案没有可导出的自有型号。</translation>
    </message>
    <message>
        <source>Catalogues (*.json)</source>
        <translation>型号目录 (*.json)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>电子表格 CSV (*.csv)</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.&lt;br/&gt;Replace it?</source>
        <translation>“%1”已存在。&lt;br/&gt;是否替换？</translation>
    </message>
    <message>
        <source>Import Recorder Models</source>
        <translation>导入 NVR 型号</translation>
    </message>
    <message>
        <source>Catalogues (*.json *.csv)</source>
        <translation>型号目录 (*.json *.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Export Recorder Models</source>
        <translation>导出 NVR 型号</translation>
    </message>
    <message>
        <source>Built-in models cannot be changed or removed; Copy makes a model of the plan&apos;s own from one.</source>
        <translation>内置型号不能修改或删除；用“复制”可由其新建方案自有型号。</translation>
    </message>
</context>
<context>
    <name>CSaveChangesDlg</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>不保存</translation>
    </message>
</context>
<context>
    <name>CStorageInputs</name>
    <message>
        <source>Retention (days):</source>
        <translation>保存天数：</translation>
    </message>
    <message>
        <source>Recording hours per day:</source>
        <translation>每天录像小时数：</translation>
    </message>
    <message>
        <source>The share of the recording hours actually recorded, e.g. for motion recording</source>
        <translation>录像时段中实际录像的比例，例如移动侦测录像</translation>
    </message>
    <message>
        <source>Recorded share (%):</source>
        <translation>录像比例（%）：</translation>
    </message>
    <message>
        <source>First stream only</source>
        <translation>仅主码流</translation>
    </message>
    <message>
        <source>Both streams</source>
        <translation>主码流和子码流</translation>
    </message>
    <message>
        <source>Streams recorded:</source>
        <translation>录像码流：</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>Disk size:</source>
        <translation>硬盘容量：</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Mirrored</source>
        <translation>镜像</translation>
    </message>
    <message>
        <source>One parity disk</source>
        <translation>一块校验盘</translation>
    </message>
    <message>
        <source>Two parity disks</source>
        <translation>两块校验盘</translation>
    </message>
    <message>
        <source>Redundancy:</source>
        <translation>冗余方式：</translation>
    </message>
    <message>
        <source>Smallest that fits</source>
        <translation>能装下的最小容量</translation>
    </message>
    <message>
        <source>Per result line, the smallest disk size whose disks fit the recorder model&apos;s disk bays</source>
        <translation>每个结果行选用硬盘数量能装进该录像机型号盘位的最小硬盘容量</translation>
    </message>
    <message>
        <source>Each recorder takes cameras up to its bandwidth less this share, which is left for growth and bit-rate peaks</source>
        <translation>每台录像机只接入到其带宽减去此比例为止，余量留给扩容和码率峰值</translation>
    </message>
    <message>
        <source>Bandwidth kept free (%):</source>
        <translation>预留带宽（%）：</translation>
    </message>
    <message>
        <source>Disks per NVR:</source>
        <translation>每台NVR硬盘（块）：</translation>
    </message>
    <message>
        <source>Work out the disks each recorder needs for the retention</source>
        <translation>按保存天数计算每台录像机所需硬盘</translation>
    </message>
    <message>
        <source>Give the disks of each recorder: the result says how many days they keep</source>
        <translation>给定每台录像机的硬盘：结果显示可保存多少天</translation>
    </message>
    <message>
        <source>Work out the disks for a retention, or the days given disks keep</source>
        <translation>按保存天数计算硬盘，或按给定硬盘计算保存天数</translation>
    </message>
    <message>
        <source>Storage worked out from</source>
        <translation>存储计算依据</translation>
    </message>
    <message>
        <source>Retention (days)</source>
        <translation>保存天数</translation>
    </message>
    <message>
        <source>Disks per NVR</source>
        <translation>每台NVR硬盘（块）</translation>
    </message>
    <message>
        <source>Idle disks in each recorder that stand in for a failed one, beside its set</source>
        <translation>每台录像机中在阵列之外待命、替换故障硬盘的空闲硬盘</translation>
    </message>
    <message>
        <source>Hot spares per NVR:</source>
        <translation>每台NVR热备盘（块）：</translation>
    </message>
    <message>
        <source>Space left free on every disk: a disk of 8 TB with 10 % kept free holds 7.2 TB of video</source>
        <translation>每块硬盘预留的空间：8 TB 硬盘预留 10% 时可存 7.2 TB 录像</translation>
    </message>
    <message>
        <source>Disk space kept free (%):</source>
        <translation>硬盘预留空间（%）：</translation>
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
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
</context>
<context>
    <name>CalMessages</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The NVR Type already exists</source>
        <translation>NVR 型号已存在</translation>
    </message>
    <message>
        <source>The NVR Type is not valid</source>
        <translation>NVR 型号无效</translation>
    </message>
    <message>
        <source>The number can not be blank</source>
        <translation>数量不能为空</translation>
    </message>
    <message>
        <source>The Channel number is not valid</source>
        <translation>通道数无效</translation>
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
        <source>The Bit rate is not valid(range 0 or 32k-16384k)</source>
        <translation>码率无效(范围 0 或 32k-16384k)</translation>
    </message>
    <message>
        <source>The sum of NVR number can not be bigger than 1000000</source>
        <translation>NVR 总数不能超过 1000000</translation>
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
        <source>The retention must be %1 to %2 days</source>
        <translation>保存天数必须为 %1 到 %2 天</translation>
    </message>
    <message>
        <source>The recording hours must be %1 to %2 a day</source>
        <translation>每天录像小时数必须为 %1 到 %2</translation>
    </message>
    <message>
        <source>The recorded share must be %1 to %2 percent</source>
        <translation>录像比例必须为百分之 %1 到 %2</translation>
    </message>
    <message>
        <source>Choose the streams, the disk size and the redundancy</source>
        <translation>请选择录像码流、硬盘容量和冗余方式</translation>
    </message>
    <message>
        <source>Only whole numbers can be typed here.</source>
        <translation>此处只能输入整数。</translation>
    </message>
    <message>
        <source>Bit rates are whole numbers of kbps (e.g. 4608 or 4608k, not 4.5M)</source>
        <translation>码率须为整数 kbps（例如 4608 或 4608k，而不是 4.5M）</translation>
    </message>
    <message>
        <source>IPC type %1: %2 kbps is above the %3 bandwidth of %4 kbps</source>
        <translation>IPC 类型 %1：%2 kbps 超过 %3 的带宽 %4 kbps</translation>
    </message>
    <message>
        <source>4 MP</source>
        <translation>400万像素</translation>
    </message>
    <message>
        <source>5 MP</source>
        <translation>500万像素</translation>
    </message>
    <message>
        <source>12 MP</source>
        <translation>1200万像素</translation>
    </message>
    <message>
        <source>The resolution must be WIDTHxHEIGHT or one of %1</source>
        <translation>分辨率必须为 宽x高 或以下之一：%1</translation>
    </message>
    <message>
        <source>The resolution must be from %1x%2 to %3x%3 pixels</source>
        <translation>分辨率必须在 %1x%2 到 %3x%3 像素之间</translation>
    </message>
    <message>
        <source>The frame rate must be %1 to %2 frames per second</source>
        <translation>帧率必须为每秒 %1 到 %2 帧</translation>
    </message>
    <message>
        <source>The codec must be one of %1</source>
        <translation>编码必须为以下之一：%1</translation>
    </message>
    <message>
        <source>The quality must be one of %1</source>
        <translation>画质必须为以下之一：%1</translation>
    </message>
    <message>
        <source>The scene must be one of %1</source>
        <translation>场景必须为以下之一：%1</translation>
    </message>
    <message>
        <source>The share of the time at night with infrared must be %1 to %2 percent</source>
        <translation>夜间红外时间比例必须为百分之 %1 到 %2</translation>
    </message>
    <message>
        <source>The estimated %1 kbps is above the %2 kbps that recorders accept for one stream</source>
        <translation>估算码率 %1 kbps 超过录像机单路码流可接受的 %2 kbps</translation>
    </message>
    <message>
        <source>The estimated %1 kbps is below the %2 kbps that recorders accept for one stream</source>
        <translation>估算码率 %1 kbps 低于录像机单路码流可接受的 %2 kbps</translation>
    </message>
    <message>
        <source>%1, %2, %3 fps, %4, %5</source>
        <translation>%1，%2，%3 fps，%4，%5</translation>
    </message>
    <message>
        <source>%1, %2 % of the time at night with infrared</source>
        <translation>%1，%2% 的时间为夜间红外</translation>
    </message>
    <message>
        <source>low quality</source>
        <translation>低画质</translation>
    </message>
    <message>
        <source>normal quality</source>
        <translation>普通画质</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>高画质</translation>
    </message>
    <message>
        <source>quiet scene</source>
        <translation>静态场景</translation>
    </message>
    <message>
        <source>normal scene</source>
        <translation>普通场景</translation>
    </message>
    <message>
        <source>busy scene</source>
        <translation>繁忙场景</translation>
    </message>
    <message>
        <source>H.264 smart</source>
        <translation>H.264 智能编码</translation>
    </message>
    <message>
        <source>H.265 smart</source>
        <translation>H.265 智能编码</translation>
    </message>
    <message>
        <source>A model name is 1 to %1 characters, without control characters or spaces at either end</source>
        <translation>型号名称须为 1 到 %1 个字符，不含控制字符，首尾不能有空格</translation>
    </message>
    <message>
        <source>Another recorder model is already called &quot;%1&quot;</source>
        <translation>已有录像机型号名为“%1”</translation>
    </message>
    <message>
        <source>The bandwidth must be %1 to %2 kbps</source>
        <translation>带宽必须为 %1 到 %2 kbps</translation>
    </message>
    <message>
        <source>The channels must be %1 to %2</source>
        <translation>通道数必须为 %1 到 %2</translation>
    </message>
    <message>
        <source>The channels that may be disabled must be 0 to the model&apos;s channels</source>
        <translation>可禁用通道数必须为 0 到该型号的通道数</translation>
    </message>
    <message>
        <source>The disk bays must be %1 to %2, or unknown</source>
        <translation>硬盘盘位必须为 %1 到 %2，或未知</translation>
    </message>
    <message>
        <source>The largest disk must be %1 to %2 TB, or unknown</source>
        <translation>最大硬盘容量必须为 %1 到 %2 TB，或未知</translation>
    </message>
    <message>
        <source>A plan or catalogue holds at most %1 recorder models</source>
        <translation>方案或型号目录最多包含 %1 个录像机型号</translation>
    </message>
    <message>
        <source>The bandwidth kept free must be %1 to %2 percent</source>
        <translation>预留带宽必须为百分之 %1 到 %2</translation>
    </message>
    <message>
        <source>IPC type %1: %2 kbps is above the %4 kbps one %3 may fill with %5 % of its bandwidth kept free</source>
        <translation>IPC 类型 %1：%2 kbps 超过 %3 预留 %5% 带宽后可用的 %4 kbps</translation>
    </message>
    <message>
        <source>The space kept free on the disks must be %1 to %2 percent</source>
        <translation>硬盘预留空间必须为百分之 %1 到 %2</translation>
    </message>
    <message>
        <source>The hot spares must be %1 to %2 disks per recorder</source>
        <translation>热备盘必须为每台录像机 %1 到 %2 块</translation>
    </message>
    <message>
        <source>The disks per recorder must be %1 to %2</source>
        <translation>每台录像机的硬盘数必须为 %1 到 %2</translation>
    </message>
    <message>
        <source>Choose the size of the disks each recorder holds</source>
        <translation>请选择每台录像机所装硬盘的容量</translation>
    </message>
    <message>
        <source>Too few disks: with %1 hot spares and this redundancy a recorder needs at least %2 disks</source>
        <translation>硬盘太少：有 %1 块热备盘并采用此冗余方式时，每台录像机至少需要 %2 块硬盘</translation>
    </message>
    <message>
        <source>The disks cannot be counted: the storage of a result line is not worked out</source>
        <translation>无法统计硬盘：有结果行的存储尚未算出</translation>
    </message>
    <message>
        <source>A unit price must be 0 to %1, in the smallest unit of the currency</source>
        <translation>单价必须为 0 到 %1，以货币的最小单位计</translation>
    </message>
    <message>
        <source>A total would be above %1, so the bill is given without prices</source>
        <translation>总价将超过 %1，因此物料清单不含价格</translation>
    </message>
</context>
</TS>
