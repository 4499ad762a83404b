<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>poker::Round</name>
    <message>
        <source>You must play at least 1 credit.</source>
        <translation>Sie müssen mindestens 1 Credit setzen.</translation>
    </message>
    <message>
        <source>Credits played out of range.</source>
        <translation>Einsatz außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>You can play 1 credit.</source>
        <translation>Sie können 1 Credit setzen.</translation>
    </message>
    <message>
        <source>You can play from 1 to %L1 credits.</source>
        <translation>Sie können 1 bis %L1 Credits setzen.</translation>
    </message>
    <message>
        <source>Invalid value.</source>
        <translation>Ungültiger Wert.</translation>
    </message>
</context>
<context>
    <name>poker::Session</name>
    <message>
        <source>Keep nothing: expect %1 times the bet.</source>
        <translation>Nichts halten: das %1-Fache des Einsatzes zu erwarten.</translation>
    </message>
    <message>
        <source>Keep all five: expect %1 times the bet.</source>
        <translation>Alle fünf halten: das %1-Fache des Einsatzes zu erwarten.</translation>
    </message>
    <message>
        <source>Keep %1: expect %2 times the bet.</source>
        <extracomment>%1 is the ranks to keep as the cards&apos; corners show them (&quot;A K&quot;), %2 the expected multiple.</extracomment>
        <translation>%1 halten: das %2-Fache des Einsatzes zu erwarten.</translation>
    </message>
    <message>
        <source>Keep nothing</source>
        <translation>Nichts halten</translation>
    </message>
    <message>
        <source>Keep all five</source>
        <translation>Alle fünf halten</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <extracomment>%1 is the ranks kept as the cards&apos; corners show them (&quot;A K&quot;).</extracomment>
        <translation>%1 halten</translation>
    </message>
</context>
<context>
    <name>poker::TAboutBox1</name>
    <message>
        <source>Version 1.1</source>
        <translation>Version 1.1</translation>
    </message>
    <message>
        <source>Last modify: 11-8-98</source>
        <translation>Letzte Änderung: 11.8.98</translation>
    </message>
    <message>
        <source>Cartova icon, click to hear the cards</source>
        <translation>Cartova-Symbol, klicken, um die Karten zu hören</translation>
    </message>
</context>
<context>
    <name>poker::TCard</name>
    <message>
        <source>face down</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>%1, kept</source>
        <translation>%1, gehalten</translation>
    </message>
</context>
<context>
    <name>poker::TMainForm</name>
    <message>
        <source>Keep card %1</source>
        <translation>Karte %1 halten</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Shown under a card the player keeps for the second deal.</extracomment>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Viel Glück!</translation>
    </message>
    <message>
        <source>Credits won: 0</source>
        <translation>Gewinn: 0</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The button that plays all credits.</extracomment>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Play all credits</source>
        <translation>Alle Credits setzen</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>Always play all credits</source>
        <translation>Immer alle Credits setzen</translation>
    </message>
    <message>
        <source>Total credits: 100</source>
        <translation>Credits gesamt: 100</translation>
    </message>
    <message>
        <source>Credits played:</source>
        <translation>Einsatz:</translation>
    </message>
    <message>
        <source>Credits played</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Total credits: %1</source>
        <translation>Credits gesamt: %1</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Hinweis</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Deck</source>
        <translation>&amp;Kartendeck</translation>
    </message>
    <message>
        <source>&amp;Beach</source>
        <translation>&amp;Strand</translation>
    </message>
    <message>
        <source>&amp;Fishes</source>
        <translation>&amp;Fische</translation>
    </message>
    <message>
        <source>Standard &amp;1</source>
        <translation>Standard &amp;1</translation>
    </message>
    <message>
        <source>Standard &amp;2</source>
        <translation>Standard &amp;2</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Grün</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Blau</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rot</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>Gr&amp;au</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>&amp;Gewinntabelle</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regeln</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>

The options of this game were not kept.</source>
        <translation>

Die Optionen dieses Spiels wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Deal first: a hint is given between the two deals.</source>
        <translation>Erst geben: Einen Hinweis gibt es vor dem Tauschen.</translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation>Hinweis wird berechnet...</translation>
    </message>
    <message>
        <source>Deal n. 2</source>
        <translation>Tauschen</translation>
    </message>
    <message>
        <source>Deal n. 1</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>You lost your bet.</source>
        <translation>Einsatz verloren.</translation>
    </message>
    <message>
        <source>Credits won: %1</source>
        <translation>Gewinn: %1</translation>
    </message>
    <message>
        <source>Sorry, end of game.<byte value="xd"/>Do you want to restart?</source>
        <translation>Leider ist das Spiel zu Ende.<byte value="xd"/>Möchten Sie neu beginnen?</translation>
    </message>
</context>
<context>
    <name>poker::TPayoffsForm</name>
    <message>
        <source>Royal Flush</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Poker</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house.</extracomment>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>Pair (Jacks or better)</source>
        <translation>Paar (ab Buben)</translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>X %1</source>
        <extracomment>The multiplier of the bet a hand pays.</extracomment>
        <translation>X %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message numerus="yes">
        <source>%1 pays %n times the bet</source>
        <extracomment>%1 is a hand&apos;s name, %n the multiplier.</extracomment>
        <translation>
            <numerusform>%1: %n-facher Einsatz</numerusform>
            <numerusform>%1: %n-facher Einsatz</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>poker::card</name>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;Ace&quot;, &quot;7&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%2-%1</translation>
    </message>
</context>
<context>
    <name>poker::coach</name>
    <message numerus="yes">
        <source>%1 credits</source>
        <extracomment>A mean loss, always with decimals (&quot;0.25 credits&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 Credits</numerusform>
            <numerusform>%1 Credits</numerusform>
        </translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Hände</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Your credits</source>
        <translation>Ihre Credits</translation>
    </message>
    <message>
        <source>With the best keeps</source>
        <translation>Bei optimalem Halten</translation>
    </message>
    <message numerus="yes">
        <source>%1 credits lost</source>
        <extracomment>The coach&apos;s loss, always with decimals (&quot;0.25 credits lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 Credits verloren</numerusform>
            <numerusform>%1 Credits verloren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>poker::hand</name>
    <message>
        <source>Royal Flush !!!</source>
        <translation>Royal Flush!!!</translation>
    </message>
    <message>
        <source>Straight Flush !!!</source>
        <translation>Straight Flush!!!</translation>
    </message>
    <message>
        <source>Poker !!</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>Vierling!!</translation>
    </message>
    <message>
        <source>Full !</source>
        <extracomment>A full house.</extracomment>
        <translation>Full House!</translation>
    </message>
    <message>
        <source>Flush !</source>
        <translation>Flush!</translation>
    </message>
    <message>
        <source>Straight !</source>
        <translation>Straße!</translation>
    </message>
    <message>
        <source>3 of a Kind.</source>
        <translation>Drilling.</translation>
    </message>
    <message>
        <source>Two pair.</source>
        <translation>Zwei Paare.</translation>
    </message>
    <message>
        <source>Pair.</source>
        <translation>Paar.</translation>
    </message>
    <message>
        <source>Nothing.</source>
        <translation>Nichts.</translation>
    </message>
</context>
<context>
    <name>poker::settings</name>
    <message>
        <source>The game starts with its usual options and leaves that file as it is.</source>
        <translation>Das Spiel startet mit den üblichen Optionen und lässt diese Datei unverändert.</translation>
    </message>
    <message>
        <source>The game starts with its usual options.</source>
        <translation>Das Spiel startet mit den üblichen Optionen.</translation>
    </message>
</context>
</TS>
