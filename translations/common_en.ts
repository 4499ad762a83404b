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
</context>
</TS>
