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
        <source>%1 credits lost</source>
        <extracomment>The coach&apos;s loss, always with decimals (&quot;0.25 credits lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 credits lost</numerusform>
            <numerusform>%1 credits lost</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 credits</source>
        <extracomment>A mean loss, always with decimals (&quot;0.25 credits&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 credits</numerusform>
            <numerusform>%1 credits</numerusform>
        </translation>
    </message>
</context>
</TS>
