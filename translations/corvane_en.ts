<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CBaseDialog</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBaseDialogClass</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCalculatorPage</name>
    <message>
        <source>Recorder model defined in this plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimate...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kbps, or estimate it from the camera&apos;s settings (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TB (%2 TiB)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCalendarWidget</name>
    <message>
        <source>Previous month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next year</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCatalogue</name>
    <message>
        <source>model %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>model %1 (&quot;%2&quot;) of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, field &quot;%2&quot;: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a catalogue: it is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a catalogue: its first line lacks the column &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large to be a catalogue (more than %1 KB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a catalogue: it is not valid JSON (%1 at byte %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a catalogue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue has a format version this program does not read (it reads version %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a catalogue: it has no &quot;models&quot; list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCorvane</name>
    <message>
        <source>Corvane Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sure to close software</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCorvaneClass</name>
    <message>
        <source>Corvane Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NVR Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPC Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDlgAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> v%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDlgAboutClass</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program comes with ABSOLUTELY NO WARRANTY. It is free software: you may redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or any later version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or later</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDlgCalIPCNum</name>
    <message>
        <source>+click this add one record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NVR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NVR Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Channel Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number(tai)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select NVR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Bit Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Bit Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need IPC equipment (tai)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPC Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth kept free (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each recorder takes cameras up to its bandwidth less this share, which is left for growth and bit-rate peaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth kept free (%)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDlgCalIPCNumClass</name>
    <message>
        <source>Select NVR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Bit Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Bit Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Bit Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Calculate Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>equipment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(tai)：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDlgCalNVRNum</name>
    <message>
        <source>+click this add one record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NVR Count(tai):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPC Type                                               IPC Count(tai)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit Rate(Kbps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Bit Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Bit Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number(tai)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select IPC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select NVR Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Channel Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NVR groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need NVR Equipment (tai)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NVR Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &quot;Caculator&quot; for the result of %1 cameras.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs %1 disks, the %2 holds %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 takes disks of at most %2 TB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, full: channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, full: bandwidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#c00000&quot;&gt;Result lines whose disks do not fit the %1: %2&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorder models: add your own, with their disk bays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorder Models</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth use: %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each NVR: %1 of %2 channels, %3 of %4 kbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name holds at most %1 characters and no control characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What you call this camera type, e.g. &quot;Dock 4K bullets&quot; (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each NVR: %1 disks of %2 TB hold %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each NVR: %1, disks: %2 of %3 TB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each NVR: %1, disks: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for ever, nothing is recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 % kept free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disks: %1 (%2 TB each), holding %3&lt;br/&gt;The shortest kept: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage: %1, disks: %2 (%3 TB each)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage: %1, disks: %2 (sizes per line)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDlgCalNVRNumClass</name>
    <message>
        <source>Select IPC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select NVR Type and Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select NVR Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Channel Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NVR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(tai)：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CEstimateDlg</name>
    <message>
        <source>Estimate Bit Rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimates follow published bit rates for these settings; a camera&apos;s own figure is better where known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset, or any width x height such as 2048x1536</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> fps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codec:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much moves in the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The share of the time at night with infrared, which costs more bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night with infrared:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No estimate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimate: %1 kbps (%2 to %3 kbps)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFileDialog</name>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPathComboBox</name>
    <message>
        <source>Select Directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPlanController</name>
    <message>
        <source>New Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Plan...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Plan As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Result...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Result...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New, open, save, export and print the plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan &quot;%1&quot; has unsaved changes.&lt;br/&gt;Save them before closing the software?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan &quot;%1&quot; has unsaved changes.&lt;br/&gt;Save them first?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan &quot;%1&quot; could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan &quot;%1&quot; could not be entered completely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program takes one plan file as its only argument.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan could not be saved to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result could not be exported to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plans (*.corvane)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.&lt;br/&gt;Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1[*] - Corvane Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorder Models...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NVR Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPC Calculate, record %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan Details...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPlanDetailsDlg</name>
    <message>
        <source>Plan Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit prices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the cameras are installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who the installation is for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who planned it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planner:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the customer reads with the plan: the currency of the prices, what is assumed, what is left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report and the export show these at their top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prices with at most two decimals, in the currency you count in (the notes can name it); an empty price is none. The bill of materials at the end of the report totals the priced lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit price of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TB disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera types of NVR Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>camera type %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page has no camera types yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPlanFile</name>
    <message>
        <source>The file is not a plan: it is nested too deeply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a plan: it holds too many values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan is damaged: %1 lacks a valid &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan names an unknown NVR type in %1: &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds an invalid disabled channel number in %1 (%2 allows 0 to %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds an invalid number in %1 (0 to 1000000).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the NVR Calculate page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the IPC Calculate page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds more than %1 camera records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds more than %1 recorder records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large to be a plan (more than %1 KB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a plan: it is not valid JSON (%1 at byte %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a plan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan was saved by a newer version of the program (plan format %1); this version reads plan format %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the storage inputs of the NVR Calculate page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds an invalid &quot;%1&quot; in %2 (%3 to %4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds an invalid &quot;%1&quot; in %2 (one of: %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>camera record %1 of the NVR Calculate page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recorder record %1 of the IPC Calculate page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first bit rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second bit rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds an invalid %1 in %2: &quot;%3&quot; (range 0 or 32k-16384k).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds a bit rate longer than %1 characters in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds more than 1000000 cameras on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan names the NVR type %1 a second time in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds more than 1000000 recorders on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds an invalid recorder model %1 (&quot;%2&quot;), field &quot;%3&quot;: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds an invalid name in %1 (at most %2 characters, no control characters).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds invalid settings in &quot;%1&quot; of %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number from 0 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds an invalid &quot;%1&quot; in the plan details: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the NVR type &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TB disks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds an invalid unit price for %1: %2. %3, written as text in quotes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds a unit price for disks of &quot;%1&quot; TB, a size not offered (one of: %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds a broken character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds a control character other than a line break or a tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds a line break, a tab or another control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds %1 characters; at most %2 are allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A unit price is a number from 0 to %1 with at most two decimals, such as 129.50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds a unit price for an unknown NVR type: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plan details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit prices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan holds an invalid &quot;%1&quot; in %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPlanPages</name>
    <message>
        <source>channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bandwidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>estimated: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPC Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPlanReport</name>
    <message>
        <source>Corvane Tool plan report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NVR Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NVR Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Channel Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Bit Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second Bit Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number(tai)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need NVR (tai)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NVR Count(tai)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPC Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPC Count(tai)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPC Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need IPC (tai)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage (TB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage per NVR (TB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disks per NVR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no result to export or print yet: calculate on &quot;NVR Calculate&quot; or add a recorder record on &quot;IPC Calculate&quot; first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result lines whose disks do not fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels used per NVR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels per NVR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth used per NVR (kbps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth per NVR (kbps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth use (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk size (TB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk bays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorder models of this plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth (kbps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May be disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest disk (TB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the bit rates come from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bill of materials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model, size or type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data disks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity or mirror disks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot spares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total of the priced lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines without a unit price are not in the total.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disks of each NVR hold (TB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All disks hold (TB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortest days kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage (TiB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth kept free (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage per NVR (TiB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1 TiB)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRecordTable</name>
    <message>
        <source>%1, record %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No record can be added until this is corrected: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRecorderModelEditDlg</name>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave it empty when it is unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Mbps is 1024 kbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels that may be disabled:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk bays:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest disk (TB):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRecorderModelsDlg</name>
    <message>
        <source>Recorder Models</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth (kbps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May be disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk bays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest disk (TB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels that may be disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorder models</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Define a new recorder model for the plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a new model of the plan&apos;s own from the selected one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the selected model (only the plan&apos;s own; Return)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected model (only the plan&apos;s own; Delete)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the models of a catalogue file (JSON or CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the plan&apos;s own models to a catalogue file (JSON or CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 copy %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built-in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Recorder Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Recorder Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Recorder Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be removed: the plan&apos;s pages use it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be removed: it is in use (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose another model there first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue &quot;%1&quot; could not be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds no recorder models.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recorder models could not be exported to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan has no models of its own to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogues (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.&lt;br/&gt;Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Recorder Models</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogues (*.json *.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Recorder Models</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built-in models cannot be changed or removed; Copy makes a model of the plan&apos;s own from one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSaveChangesDlg</name>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CStorageInputs</name>
    <message>
        <source>Retention (days):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording hours per day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The share of the recording hours actually recorded, e.g. for motion recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded share (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First stream only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both streams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Streams recorded:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirrored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One parity disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two parity disks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redundancy:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smallest that fits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per result line, the smallest disk size whose disks fit the recorder model&apos;s disk bays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each recorder takes cameras up to its bandwidth less this share, which is left for growth and bit-rate peaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandwidth kept free (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disks per NVR:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work out the disks each recorder needs for the retention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the disks of each recorder: the result says how many days they keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work out the disks for a retention, or the days given disks keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage worked out from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retention (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disks per NVR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idle disks in each recorder that stand in for a failed one, beside its set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot spares per NVR:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space left free on every disk: a disk of 8 TB with 10 % kept free holds 7.2 TB of video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk space kept free (%):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTesselApplication</name>
    <message>
        <source>Corvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The least resolution is %1*%2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWindowTitle</name>
    <message>
        <source>Corvane Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalMessages</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The NVR Type already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The NVR Type is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number can not be blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Channel number is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bit rate is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>range 0 or 32k-16384k.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bit rate is not valid(range 0 or 32k-16384k)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sum of NVR number can not be bigger than 1000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sum of IPC number can not be bigger than 1000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bit Rate of IPC Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is bigger than NVR Bandwidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The retention must be %1 to %2 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording hours must be %1 to %2 a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recorded share must be %1 to %2 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the streams, the disk size and the redundancy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only whole numbers can be typed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit rates are whole numbers of kbps (e.g. 4608 or 4608k, not 4.5M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPC type %1: %2 kbps is above the %3 bandwidth of %4 kbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 MP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 MP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 MP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The resolution must be WIDTHxHEIGHT or one of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The resolution must be from %1x%2 to %3x%3 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frame rate must be %1 to %2 frames per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The codec must be one of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quality must be one of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scene must be one of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The share of the time at night with infrared must be %1 to %2 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The estimated %1 kbps is above the %2 kbps that recorders accept for one stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The estimated %1 kbps is below the %2 kbps that recorders accept for one stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3 fps, %4, %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 % of the time at night with infrared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>low quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>normal quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quiet scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>normal scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>busy scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H.264 smart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H.265 smart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A model name is 1 to %1 characters, without control characters or spaces at either end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another recorder model is already called &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bandwidth must be %1 to %2 kbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channels must be %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channels that may be disabled must be 0 to the model&apos;s channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk bays must be %1 to %2, or unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The largest disk must be %1 to %2 TB, or unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A plan or catalogue holds at most %1 recorder models</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bandwidth kept free must be %1 to %2 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPC type %1: %2 kbps is above the %4 kbps one %3 may fill with %5 % of its bandwidth kept free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The space kept free on the disks must be %1 to %2 percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hot spares must be %1 to %2 disks per recorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disks per recorder must be %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the size of the disks each recorder holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too few disks: with %1 hot spares and this redundancy a recorder needs at least %2 disks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disks cannot be counted: the storage of a result line is not worked out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A unit price must be 0 to %1, in the smallest unit of the currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A total would be above %1, so the bill is given without prices</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
