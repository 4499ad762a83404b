<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>TReviewDialog</name>
    <message numerus="yes">
        <source>Your average with the coach: %1 lost a move, over %n moves.</source>
        <translation>
            <numerusform>Your average with the coach: %1 lost a move, over %n move.</numerusform>
            <numerusform>Your average with the coach: %1 lost a move, over %n moves.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n move</numerusform>
            <numerusform>%n moves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n best</source>
        <translation>
            <numerusform>%n best</numerusform>
            <numerusform>%n best</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n small errors</source>
        <translation>
            <numerusform>%n small error</numerusform>
            <numerusform>%n small errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blunders</source>
        <translation>
            <numerusform>%n blunder</numerusform>
            <numerusform>%n blunders</numerusform>
        </translation>
    </message>
</context>
</TS>
