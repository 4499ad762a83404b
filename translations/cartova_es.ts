<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>poker::Round</name>
    <message>
        <source>You must play at least 1 credit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits played out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can play 1 credit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can play from 1 to %L1 credits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid value.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>poker::Session</name>
    <message>
        <source>Keep nothing: expect %1 times the bet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep all five: expect %1 times the bet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep %1: expect %2 times the bet.</source>
        <extracomment>%1 is the ranks to keep as the cards&apos; corners show them (&quot;A K&quot;), %2 the expected multiple.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>poker::TAboutBox1</name>
    <message>
        <source>Version 1.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last modify: 11-8-98</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cartova icon, click to hear the cards</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>poker::TCard</name>
    <message>
        <source>face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, kept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>poker::TMainForm</name>
    <message>
        <source>Keep card %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Shown under a card the player keeps for the second deal.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits won: 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The button that plays all credits.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play all credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always play all credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total credits: 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits played:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total credits: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fishes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The options of this game were not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal first: a hint is given between the two deals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal n. 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deal n. 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You lost your bet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits won: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, end of game.<byte value="xd"/>Do you want to restart?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>poker::TPayoffsForm</name>
    <message>
        <source>Royal Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poker</source>
        <extracomment>Four of a kind.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair (Jacks or better)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X %1</source>
        <extracomment>The multiplier of the bet a hand pays.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pays %2 times the bet</source>
        <extracomment>%1 is a hand&apos;s name, %2 the multiplier.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>poker::card</name>
    <message>
        <source>Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;Ace&quot;, &quot;7&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>poker::hand</name>
    <message>
        <source>Royal Flush !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight Flush !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poker !!</source>
        <extracomment>Four of a kind.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full !</source>
        <extracomment>A full house.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flush !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 of a Kind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two pair.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>poker::settings</name>
    <message>
        <source>The game starts with its usual options and leaves that file as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game starts with its usual options.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
