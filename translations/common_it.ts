<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <extracomment>%1 is a topic&apos;s keyword, %2 the help file&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
