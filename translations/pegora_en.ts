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
        <source>%1 codes lost</source>
        <extracomment>The coach&apos;s loss in codes (&quot;3 codes lost&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>%1 code lost</numerusform>
            <numerusform>%1 codes lost</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 codes</source>
        <extracomment>A mean loss in codes (&quot;2 codes&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>%1 code</numerusform>
            <numerusform>%1 codes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at most %n codes left; yours up to %1</source>
        <extracomment>The best guess&apos;s and this guess&apos;s codes left at most, %n and %1.</extracomment>
        <translation>
            <numerusform>at most %n code left; yours up to %1</numerusform>
            <numerusform>at most %n codes left; yours up to %1</numerusform>
        </translation>
    </message>
</context>
</TS>
