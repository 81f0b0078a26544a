<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>korvelt::HelpWindow</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type in the keyword to find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialDateEdit</name>
    <message>
        <source>%1, past</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (in the past)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is outside the years %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special date %1: %2 %3. It keeps %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
