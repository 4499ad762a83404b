<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>codebreaking::TBestPlayers</name>
    <message numerus="yes">
        <source>%n guesses</source>
        <translation>
            <numerusform>%n guess</numerusform>
            <numerusform>%n guesses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TMainForm</name>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TResult</name>
    <message numerus="yes">
        <source>Total time: %n seconds</source>
        <translation>
            <numerusform>Total time: %n second</numerusform>
            <numerusform>Total time: %n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::coach</name>
    <message numerus="yes">
        <source>%n moves, %1 best, %2 codes lost.</source>
        <translation>
            <numerusform>%n move, %1 best, %2 codes lost.</numerusform>
            <numerusform>%n moves, %1 best, %2 codes lost.</numerusform>
        </translation>
    </message>
</context>
</TS>
