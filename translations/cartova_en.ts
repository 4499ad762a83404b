<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>poker::TPayoffsForm</name>
    <message numerus="yes">
        <source>%1 pays %n times the bet</source>
        <extracomment>%1 is a hand&apos;s name, %n the multiplier.</extracomment>
        <translation>
            <numerusform>%1 pays %n time the bet</numerusform>
            <numerusform>%1 pays %n times the bet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>poker::coach</name>
    <message numerus="yes">
        <source>%n moves, %1 best, %2 credits lost.</source>
        <translation>
            <numerusform>%n move, %1 best, %2 credits lost.</numerusform>
            <numerusform>%n moves, %1 best, %2 credits lost.</numerusform>
        </translation>
    </message>
</context>
</TS>
