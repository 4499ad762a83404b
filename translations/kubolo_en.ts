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
        <source>%1 points lost</source>
        <extracomment>The coach&apos;s loss, always with a decimal (&quot;4.5 points lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 points lost</numerusform>
            <numerusform>%1 points lost</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 points</source>
        <extracomment>A mean loss, always with a decimal (&quot;0.8 points&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 points</numerusform>
            <numerusform>%1 points</numerusform>
        </translation>
    </message>
</context>
</TS>
