<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
        <source>The NVR Type is not valid</source>
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
        <source>The number can not be blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sum of NVR number can not be bigger than 1000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The NVR Type already exists</source>
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
        <source>The NVR Type is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Bit rate is not valid(range 0 or 32k-16384k)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Channel number is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number can not be blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
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
        <source>delete</source>
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
    <name>CPathComboBox</name>
    <message>
        <source>Select Directory</source>
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
</context>
</TS>
