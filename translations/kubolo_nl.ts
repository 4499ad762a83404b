<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>kubolo::ScoreSheet</name>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Bonus (-%1)</source>
        <extracomment>%1 is the points still missing for the bonus.</extracomment>
        <translation>Bonus (-%1)</translation>
    </message>
</context>
<context>
    <name>kubolo::Session</name>
    <message>
        <source>Roll: expect %1 in the end.</source>
        <translation>Gooien: verwacht totaal %1.</translation>
    </message>
    <message>
        <source>Hold nothing: expect %1 in the end.</source>
        <translation>Niets vasthouden: verwacht totaal %1.</translation>
    </message>
    <message>
        <source>Hold %1: expect %2 in the end.</source>
        <extracomment>Keep these dice (%1: their faces, &quot;3 3 5&quot;) and roll the others; %2 is the expected total.</extracomment>
        <translation>%1 vasthouden: verwacht totaal %2.</translation>
    </message>
    <message>
        <source>Choose %1: expect %2 in the end.</source>
        <extracomment>%1 is a category&apos;s name, %2 the expected total.</extracomment>
        <translation>%1 kiezen: verwacht totaal %2.</translation>
    </message>
</context>
<context>
    <name>kubolo::TAboutBox1</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version 3.3</source>
        <translation>Versie 3.3</translation>
    </message>
    <message>
        <source>Last modify: 30-6-97</source>
        <translation>Laatst gewijzigd: 30-6-97</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Dobbelsteen</translation>
    </message>
    <message>
        <source>Click to roll</source>
        <translation>Klik om te gooien</translation>
    </message>
    <message>
        <source>Die, click or press Space to roll</source>
        <translation>Dobbelsteen, klik of druk op de spatiebalk om te gooien</translation>
    </message>
</context>
<context>
    <name>kubolo::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation>Beste spelers</translation>
    </message>
    <message>
        <source>Words of Wisdom from %1:</source>
        <extracomment>%1 is the best player&apos;s name.</extracomment>
        <translation>Wijze woorden van %1:</translation>
    </message>
    <message>
        <source>Row %1 marker</source>
        <translation>Markering rij %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Weet je het zeker?</translation>
    </message>
</context>
<context>
    <name>kubolo::TDice</name>
    <message>
        <source>Die</source>
        <translation>Dobbelsteen</translation>
    </message>
    <message>
        <source>%1, blank</source>
        <extracomment>%2 is the face&apos;s name: &quot;one&quot;, &quot;two&quot;...</extracomment>
        <translation>%1, leeg</translation>
    </message>
    <message>
        <source>%1, showing %2</source>
        <translation>%1, toont %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, vastgehouden</translation>
    </message>
    <message>
        <source>%1, not held</source>
        <translation>%1, niet vastgehouden</translation>
    </message>
</context>
<context>
    <name>kubolo::TEndGame</name>
    <message>
        <source>End of game</source>
        <translation>Einde spel</translation>
    </message>
    <message>
        <source>Left-side total:</source>
        <translation>Totaal links:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Game total:</source>
        <translation>Eindtotaal:</translation>
    </message>
    <message>
        <source>Kubolo:</source>
        <extracomment>The count of five of a kind in the game.</extracomment>
        <translation>Kubolo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kubolo::TMainForm</name>
    <message>
        <source>Die %1</source>
        <translation>Dobbelsteen %1</translation>
    </message>
    <message>
        <source>Hold die %1</source>
        <translation>Dobbelsteen %1 vasthouden</translation>
    </message>
    <message>
        <source>Categories filled</source>
        <translation>Ingevulde vakken</translation>
    </message>
    <message>
        <source>Roll n: 0</source>
        <translation>Worp: 0</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Gooien</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Eindtotaal</translation>
    </message>
    <message>
        <source>Roll n: %1</source>
        <translation>Worp: %1</translation>
    </message>
    <message>
        <source>Left-side total: %1</source>
        <translation>Totaal links: %1</translation>
    </message>
    <message>
        <source>Bonus points: %1</source>
        <translation>Bonuspunten: %1</translation>
    </message>
    <message>
        <source>Game total: %1</source>
        <translation>Eindtotaal: %1</translation>
    </message>
    <message>
        <source>%1, no score yet</source>
        <translation>%1, nog geen score</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n punt</numerusform>
            <numerusform>%1, %n punten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, filled</source>
        <translation>%1, ingevuld</translation>
    </message>
    <message>
        <source>%1, open</source>
        <translation>%1, open</translation>
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
        <source>&amp;Statistics</source>
        <translation>&amp;Statistieken</translation>
    </message>
    <message>
        <source>&amp;Best Players</source>
        <translation>&amp;Beste spelers</translation>
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
        <source>&amp;Roll</source>
        <translation>&amp;Rollende dobbelstenen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regels</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Puntentelling</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>

The best players, statistics and options of this run are not saved.</source>
        <translation>

De beste spelers, statistieken en opties van deze sessie worden niet bewaard.</translation>
    </message>
</context>
<context>
    <name>kubolo::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Gespeelde spellen</translation>
    </message>
    <message>
        <source>Points per game</source>
        <translation>Punten per spel</translation>
    </message>
    <message>
        <source>Kubolo per game</source>
        <extracomment>Five of a kind per game.</extracomment>
        <translation>Kubolo&apos;s per spel</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Weet je het zeker?</translation>
    </message>
</context>
<context>
    <name>kubolo::TTopFive</name>
    <message>
        <source>Congratulation</source>
        <translation>Gefeliciteerd</translation>
    </message>
    <message>
        <source>Your score is one of the best five !</source>
        <translation>Je score hoort bij de beste vijf!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Vul je naam in:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kubolo::TTopScore</name>
    <message>
        <source>Congratulations</source>
        <translation>Gefeliciteerd</translation>
    </message>
    <message>
        <source>Your score is the best one !</source>
        <translation>Je score is de beste!</translation>
    </message>
    <message>
        <source>Please enter your name...</source>
        <translation>Vul je naam in...</translation>
    </message>
    <message>
        <source>...and your Words of Wisdom:</source>
        <translation>...en je wijze woorden:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kubolo::category</name>
    <message>
        <source>Aces</source>
        <translation>Enen</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Tweeën</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drieën</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Vijven</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Zessen</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Drie gelijke</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Vier gelijke</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house: three of one face and two of another.</extracomment>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Minimum Scale</source>
        <translation>Kleine straat</translation>
    </message>
    <message>
        <source>Maximum Scale</source>
        <translation>Grote straat</translation>
    </message>
    <message>
        <source>Kubolo</source>
        <translation>Kubolo</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Kans</translation>
    </message>
</context>
<context>
    <name>kubolo::coach</name>
    <message numerus="yes">
        <source>%1 points lost</source>
        <extracomment>The coach&apos;s loss, always with a decimal (&quot;4.5 points lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 punten verloren</numerusform>
            <numerusform>%1 punten verloren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 points</source>
        <extracomment>A mean loss, always with a decimal (&quot;0.8 points&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 punten</numerusform>
            <numerusform>%1 punten</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>Expected final total</source>
        <translation>Verwacht eindtotaal</translation>
    </message>
    <message>
        <source>Your play</source>
        <translation>Jouw spel</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Beste spel</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <extracomment>%1 is a category&apos;s name.</extracomment>
        <translation>%1 kiezen</translation>
    </message>
    <message>
        <source>Hold nothing</source>
        <translation>Niets vasthouden</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>%1 is the faces of the dice held, &quot;3 3 5&quot;.</extracomment>
        <translation>%1 vasthouden</translation>
    </message>
</context>
<context>
    <name>kubolo::face</name>
    <message>
        <source>blank</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>one</source>
        <translation>één</translation>
    </message>
    <message>
        <source>two</source>
        <translation>twee</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drie</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>vijf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>zes</translation>
    </message>
</context>
<context>
    <name>kubolo::settings</name>
    <message>
        <source>Kubolo starts with the default best players, statistics and options, and will not write over that file.</source>
        <translation>Kubolo start met de standaardwaarden voor beste spelers, statistieken en opties, en overschrijft dat bestand niet.</translation>
    </message>
    <message>
        <source>The best players, statistics and options of this run may not be saved.</source>
        <translation>De beste spelers, statistieken en opties van deze sessie worden misschien niet bewaard.</translation>
    </message>
</context>
</TS>
