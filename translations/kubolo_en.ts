<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>kubolo::TMainForm</name>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n point</numerusform>
            <numerusform>%1, %n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kubolo::coach</name>
    <message numerus="yes">
        <source>%n moves, %1 best, %2 points lost.</source>
        <translation>
            <numerusform>%n move, %1 best, %2 points lost.</numerusform>
            <numerusform>%n moves, %1 best, %2 points lost.</numerusform>
        </translation>
    </message>
</context>
</TS>
