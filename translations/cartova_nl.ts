<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>poker::Round</name>
    <message>
        <source>You must play at least 1 credit.</source>
        <translation>Je moet minstens 1 credit inzetten.</translation>
    </message>
    <message>
        <source>Credits played out of range.</source>
        <translation>Inzet buiten het toegestane bereik.</translation>
    </message>
    <message>
        <source>You can play 1 credit.</source>
        <translation>Je kunt 1 credit inzetten.</translation>
    </message>
    <message>
        <source>You can play from 1 to %L1 credits.</source>
        <translation>Je kunt 1 tot en met %L1 credits inzetten.</translation>
    </message>
    <message>
        <source>Invalid value.</source>
        <translation>Ongeldige waarde.</translation>
    </message>
</context>
<context>
    <name>poker::Session</name>
    <message>
        <source>Keep nothing: expect %1 times the bet.</source>
        <translation>Niets houden: verwacht %1 keer de inzet.</translation>
    </message>
    <message>
        <source>Keep all five: expect %1 times the bet.</source>
        <translation>Alle vijf houden: verwacht %1 keer de inzet.</translation>
    </message>
    <message>
        <source>Keep %1: expect %2 times the bet.</source>
        <extracomment>%1 is the ranks to keep as the cards&apos; corners show them (&quot;A K&quot;), %2 the expected multiple.</extracomment>
        <translation>%1 houden: verwacht %2 keer de inzet.</translation>
    </message>
    <message>
        <source>Keep nothing</source>
        <translation>Niets houden</translation>
    </message>
    <message>
        <source>Keep all five</source>
        <translation>Alle vijf houden</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <extracomment>%1 is the ranks kept as the cards&apos; corners show them (&quot;A K&quot;).</extracomment>
        <translation>%1 houden</translation>
    </message>
</context>
<context>
    <name>poker::TAboutBox1</name>
    <message>
        <source>Version 1.1</source>
        <translation>Versie 1.1</translation>
    </message>
    <message>
        <source>Last modify: 11-8-98</source>
        <translation>Laatst gewijzigd: 11-8-98</translation>
    </message>
    <message>
        <source>Cartova icon, click to hear the cards</source>
        <translation>Cartova-pictogram, klik om de kaarten te horen</translation>
    </message>
</context>
<context>
    <name>poker::TCard</name>
    <message>
        <source>face down</source>
        <translation>dichte kaart</translation>
    </message>
    <message>
        <source>%1, kept</source>
        <translation>%1, gehouden</translation>
    </message>
</context>
<context>
    <name>poker::TMainForm</name>
    <message>
        <source>Keep card %1</source>
        <translation>Kaart %1 houden</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Shown under a card the player keeps for the second deal.</extracomment>
        <translation>Houden</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Veel geluk!</translation>
    </message>
    <message>
        <source>Credits won: 0</source>
        <translation>Gewonnen: 0</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The button that plays all credits.</extracomment>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Play all credits</source>
        <translation>Alle credits inzetten</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Always play all credits</source>
        <translation>Altijd alle credits inzetten</translation>
    </message>
    <message>
        <source>Total credits: 100</source>
        <translation>Credits: 100</translation>
    </message>
    <message>
        <source>Credits played:</source>
        <translation>Inzet:</translation>
    </message>
    <message>
        <source>Credits played</source>
        <translation>Inzet</translation>
    </message>
    <message>
        <source>Total credits: %1</source>
        <translation>Credits: %1</translation>
    </message>
    <message>
        <source>Deal first: a hint is given between the two deals.</source>
        <translation>Eerst delen: een tip krijg je tussen delen en ruilen.</translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation>Tip wordt berekend...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>&amp;Deck</source>
        <translation>&amp;Kaartspel</translation>
    </message>
    <message>
        <source>&amp;Beach</source>
        <translation>&amp;Strand</translation>
    </message>
    <message>
        <source>&amp;Fishes</source>
        <translation>&amp;Vissen</translation>
    </message>
    <message>
        <source>Standard &amp;1</source>
        <translation>Standaard &amp;1</translation>
    </message>
    <message>
        <source>Standard &amp;2</source>
        <translation>Standaard &amp;2</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Achtergrond</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Groen</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Blauw</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rood</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>Gr&amp;ijs</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>&amp;Uitbetalingen</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regels</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>

The options of this game were not kept.</source>
        <translation>

De opties van dit spel zijn niet bewaard.</translation>
    </message>
    <message>
        <source>Deal n. 2</source>
        <translation>Ruilen</translation>
    </message>
    <message>
        <source>Deal n. 1</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>You lost your bet.</source>
        <translation>Inzet verloren.</translation>
    </message>
    <message>
        <source>Credits won: %1</source>
        <translation>Gewonnen: %1</translation>
    </message>
    <message>
        <source>Sorry, end of game.<byte value="xd"/>Do you want to restart?</source>
        <translation>Helaas, het spel is afgelopen.<byte value="xd"/>Wil je opnieuw beginnen?</translation>
    </message>
</context>
<context>
    <name>poker::TPayoffsForm</name>
    <message>
        <source>Royal Flush</source>
        <translation>Royal flush</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight flush</translation>
    </message>
    <message>
        <source>Poker</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house.</extracomment>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straat</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Drie gelijke</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>Twee paar</translation>
    </message>
    <message>
        <source>Pair (Jacks or better)</source>
        <translation>Paar (vanaf boeren)</translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation>Uitbetalingen</translation>
    </message>
    <message>
        <source>X %1</source>
        <extracomment>The multiplier of the bet a hand pays.</extracomment>
        <translation>X %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 pays %n times the bet</source>
        <extracomment>%1 is a hand&apos;s name, %n the multiplier.</extracomment>
        <translation>
            <numerusform>%1 betaalt %n keer de inzet</numerusform>
            <numerusform>%1 betaalt %n keer de inzet</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>poker::card</name>
    <message>
        <source>Spades</source>
        <translation>Schoppen</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Ruiten</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Klaveren</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Harten</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>boer</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>vrouw</translation>
    </message>
    <message>
        <source>King</source>
        <translation>koning</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>aas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;Ace&quot;, &quot;7&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%2 %1</translation>
    </message>
</context>
<context>
    <name>poker::coach</name>
    <message numerus="yes">
        <source>%1 credits lost</source>
        <extracomment>The coach&apos;s loss, always with decimals (&quot;0.25 credits lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 credits verloren</numerusform>
            <numerusform>%1 credits verloren</numerusform>
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
    <message>
        <source>Hands</source>
        <translation>Handen</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Your credits</source>
        <translation>Jouw credits</translation>
    </message>
    <message>
        <source>With the best keeps</source>
        <translation>Met de beste keuzes</translation>
    </message>
</context>
<context>
    <name>poker::hand</name>
    <message>
        <source>Royal Flush !!!</source>
        <translation>Royal flush!!!</translation>
    </message>
    <message>
        <source>Straight Flush !!!</source>
        <translation>Straight flush!!!</translation>
    </message>
    <message>
        <source>Poker !!</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>Carré!!</translation>
    </message>
    <message>
        <source>Full !</source>
        <extracomment>A full house.</extracomment>
        <translation>Full house!</translation>
    </message>
    <message>
        <source>Flush !</source>
        <translation>Flush!</translation>
    </message>
    <message>
        <source>Straight !</source>
        <translation>Straat!</translation>
    </message>
    <message>
        <source>3 of a Kind.</source>
        <translation>Drie gelijke.</translation>
    </message>
    <message>
        <source>Two pair.</source>
        <translation>Twee paar.</translation>
    </message>
    <message>
        <source>Pair.</source>
        <translation>Paar.</translation>
    </message>
    <message>
        <source>Nothing.</source>
        <translation>Niets.</translation>
    </message>
</context>
<context>
    <name>poker::settings</name>
    <message>
        <source>The game starts with its usual options and leaves that file as it is.</source>
        <translation>Het spel start met de gewone opties en laat dat bestand ongewijzigd.</translation>
    </message>
    <message>
        <source>The game starts with its usual options.</source>
        <translation>Het spel start met de gewone opties.</translation>
    </message>
</context>
</TS>
