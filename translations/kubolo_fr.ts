<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>kubolo::ScoreSheet</name>
    <message>
        <source>Bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus (-%1)</source>
        <extracomment>%1 is the points still missing for the bonus.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kubolo::Session</name>
    <message>
        <source>Roll: expect %1 in the end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold nothing: expect %1 in the end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold %1: expect %2 in the end.</source>
        <extracomment>Keep these dice (%1: their faces, &quot;3 3 5&quot;) and roll the others; %2 is the expected total.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose %1: expect %2 in the end.</source>
        <extracomment>%1 is a category&apos;s name, %2 the expected total.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kubolo::TAboutBox1</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 3.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last modify: 30-6-97</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die, click or press Space to roll</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kubolo::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words of Wisdom from %1:</source>
        <extracomment>%1 is the best player&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kubolo::TDice</name>
    <message>
        <source>Die</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, blank</source>
        <extracomment>%2 is the face&apos;s name: &quot;one&quot;, &quot;two&quot;...</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, showing %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, not held</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kubolo::TEndGame</name>
    <message>
        <source>End of game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left-side total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kubolo:</source>
        <extracomment>The count of five of a kind in the game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kubolo::TMainForm</name>
    <message>
        <source>Die %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold die %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories filled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll n: 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll n: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left-side total: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus points: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game total: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, no score yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, 1 point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, filled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, open</source>
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
        <source>&amp;Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Best Players</source>
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
        <source>&amp;Roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The best players, statistics and options of this run are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working out the hints...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you ask for a hint the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Show the hint ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kubolo::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points per game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kubolo per game</source>
        <extracomment>Five of a kind per game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kubolo::TTopFive</name>
    <message>
        <source>Congratulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your score is one of the best five !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kubolo::TTopScore</name>
    <message>
        <source>Congratulations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your score is the best one !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...and your Words of Wisdom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kubolo::category</name>
    <message>
        <source>Aces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house: three of one face and two of another.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kubolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kubolo::face</name>
    <message>
        <source>blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kubolo::settings</name>
    <message>
        <source>Kubolo starts with the default best players, statistics and options, and will not write over that file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The best players, statistics and options of this run may not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
