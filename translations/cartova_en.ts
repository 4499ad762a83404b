<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
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
