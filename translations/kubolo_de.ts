<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Würfeln: am Ende %1 zu erwarten.</translation>
    </message>
    <message>
        <source>Hold nothing: expect %1 in the end.</source>
        <translation>Nichts halten: am Ende %1 zu erwarten.</translation>
    </message>
    <message>
        <source>Hold %1: expect %2 in the end.</source>
        <extracomment>Keep these dice (%1: their faces, &quot;3 3 5&quot;) and roll the others; %2 is the expected total.</extracomment>
        <translation>%1 halten: am Ende %2 zu erwarten.</translation>
    </message>
    <message>
        <source>Choose %1: expect %2 in the end.</source>
        <extracomment>%1 is a category&apos;s name, %2 the expected total.</extracomment>
        <translation>%1 wählen: am Ende %2 zu erwarten.</translation>
    </message>
</context>
<context>
    <name>kubolo::TAboutBox1</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version 3.3</source>
        <translation>Version 3.3</translation>
    </message>
    <message>
        <source>Last modify: 30-6-97</source>
        <translation>Letzte Änderung: 30.6.97</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Click to roll</source>
        <translation>Zum Würfeln klicken</translation>
    </message>
    <message>
        <source>Die, click or press Space to roll</source>
        <translation>Würfel, zum Würfeln klicken oder die Leertaste drücken</translation>
    </message>
</context>
<context>
    <name>kubolo::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Row %1 marker</source>
        <translation>Markierung von Zeile %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Words of Wisdom from %1:</source>
        <extracomment>%1 is the best player&apos;s name.</extracomment>
        <translation>Weise Worte von %1:</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>kubolo::TDice</name>
    <message>
        <source>Die</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>%1, blank</source>
        <extracomment>%2 is the face&apos;s name: &quot;one&quot;, &quot;two&quot;...</extracomment>
        <translation>%1, leer</translation>
    </message>
    <message>
        <source>%1, showing %2</source>
        <translation>%1, zeigt %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, gehalten</translation>
    </message>
    <message>
        <source>%1, not held</source>
        <translation>%1, nicht gehalten</translation>
    </message>
</context>
<context>
    <name>kubolo::TEndGame</name>
    <message>
        <source>End of game</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Left-side total:</source>
        <translation>Summe links:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Game total:</source>
        <translation>Gesamt:</translation>
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
        <translation>Würfel %1</translation>
    </message>
    <message>
        <source>Hold die %1</source>
        <translation>Würfel %1 halten</translation>
    </message>
    <message>
        <source>Categories filled</source>
        <translation>Belegte Felder</translation>
    </message>
    <message>
        <source>Roll n: 0</source>
        <translation>Wurf: 0</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Gesamtsumme</translation>
    </message>
    <message>
        <source>Roll n: %1</source>
        <translation>Wurf: %1</translation>
    </message>
    <message>
        <source>Left-side total: %1</source>
        <translation>Summe links: %1</translation>
    </message>
    <message>
        <source>Bonus points: %1</source>
        <translation>Bonuspunkte: %1</translation>
    </message>
    <message>
        <source>Game total: %1</source>
        <translation>Gesamtsumme: %1</translation>
    </message>
    <message>
        <source>%1, no score yet</source>
        <translation>%1, noch keine Punkte</translation>
    </message>
    <message>
        <source>%1, filled</source>
        <translation>%1, belegt</translation>
    </message>
    <message>
        <source>%1, open</source>
        <translation>%1, offen</translation>
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
        <source>&amp;Statistics</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>&amp;Best Players</source>
        <translation>&amp;Bestenliste</translation>
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
        <source>&amp;Roll</source>
        <translation>Rollende &amp;Würfel</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regeln</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Punktwertung</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>

The best players, statistics and options of this run are not saved.</source>
        <translation>

Bestenliste, Statistik und Optionen dieser Sitzung werden nicht gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n Punkt</numerusform>
            <numerusform>%1, %n Punkte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kubolo::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Spiele gesamt</translation>
    </message>
    <message>
        <source>Points per game</source>
        <translation>Punkte pro Spiel</translation>
    </message>
    <message>
        <source>Kubolo per game</source>
        <extracomment>Five of a kind per game.</extracomment>
        <translation>Kubolo pro Spiel</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>kubolo::TTopFive</name>
    <message>
        <source>Congratulation</source>
        <translation>Glückwunsch</translation>
    </message>
    <message>
        <source>Your score is one of the best five !</source>
        <translation>Sie sind unter den fünf Besten!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Bitte geben Sie Ihren Namen ein:</translation>
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
        <translation>Glückwunsch</translation>
    </message>
    <message>
        <source>Your score is the best one !</source>
        <translation>Ihr Ergebnis ist das beste!</translation>
    </message>
    <message>
        <source>Please enter your name...</source>
        <translation>Bitte geben Sie Ihren Namen ein...</translation>
    </message>
    <message>
        <source>...and your Words of Wisdom:</source>
        <translation>...und Ihre weisen Worte:</translation>
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
        <translation>Einser</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vierer</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünfer</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechser</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Dreierpasch</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Viererpasch</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house: three of one face and two of another.</extracomment>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Minimum Scale</source>
        <translation>Kleine Straße</translation>
    </message>
    <message>
        <source>Maximum Scale</source>
        <translation>Große Straße</translation>
    </message>
    <message>
        <source>Kubolo</source>
        <translation>Kubolo</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
</context>
<context>
    <name>kubolo::coach</name>
    <message numerus="yes">
        <source>%1 points</source>
        <extracomment>A mean loss, always with a decimal (&quot;0.8 points&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 Punkte</numerusform>
            <numerusform>%1 Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Expected final total</source>
        <translation>Erwartete Gesamtsumme</translation>
    </message>
    <message>
        <source>Your play</source>
        <translation>Ihr Spiel</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Optimales Spiel</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <extracomment>%1 is a category&apos;s name.</extracomment>
        <translation>%1 wählen</translation>
    </message>
    <message>
        <source>Hold nothing</source>
        <translation>Nichts halten</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>%1 is the faces of the dice held, &quot;3 3 5&quot;.</extracomment>
        <translation>%1 halten</translation>
    </message>
    <message numerus="yes">
        <source>%1 points lost</source>
        <extracomment>The coach&apos;s loss, always with a decimal (&quot;4.5 points lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 Punkte verloren</numerusform>
            <numerusform>%1 Punkte verloren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kubolo::face</name>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>one</source>
        <translation>eins</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
</context>
<context>
    <name>kubolo::settings</name>
    <message>
        <source>Kubolo starts with the default best players, statistics and options, and will not write over that file.</source>
        <translation>Kubolo startet mit den Standardwerten für Bestenliste, Statistik und Optionen und überschreibt diese Datei nicht.</translation>
    </message>
    <message>
        <source>The best players, statistics and options of this run may not be saved.</source>
        <translation>Bestenliste, Statistik und Optionen dieser Sitzung werden möglicherweise nicht gespeichert.</translation>
    </message>
</context>
</TS>
