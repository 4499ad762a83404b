<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
        <translation>Lanciare: totale previsto %1.</translation>
    </message>
    <message>
        <source>Hold nothing: expect %1 in the end.</source>
        <translation>Non tenere dadi: totale previsto %1.</translation>
    </message>
    <message>
        <source>Hold %1: expect %2 in the end.</source>
        <extracomment>Keep these dice (%1: their faces, &quot;3 3 5&quot;) and roll the others; %2 is the expected total.</extracomment>
        <translation>Tenere %1: totale previsto %2.</translation>
    </message>
    <message>
        <source>Choose %1: expect %2 in the end.</source>
        <extracomment>%1 is a category&apos;s name, %2 the expected total.</extracomment>
        <translation>Scegliere %1: totale previsto %2.</translation>
    </message>
</context>
<context>
    <name>kubolo::TAboutBox1</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version 3.3</source>
        <translation>Versione 3.3</translation>
    </message>
    <message>
        <source>Last modify: 30-6-97</source>
        <translation>Ultima modifica: 30-6-97</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>Click to roll</source>
        <translation>Fare clic per lanciare</translation>
    </message>
    <message>
        <source>Die, click or press Space to roll</source>
        <translation>Dado, fare clic o premere Spazio per lanciare</translation>
    </message>
</context>
<context>
    <name>kubolo::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation>Migliori giocatori</translation>
    </message>
    <message>
        <source>Row %1 marker</source>
        <translation>Indicatore della riga %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Words of Wisdom from %1:</source>
        <extracomment>%1 is the best player&apos;s name.</extracomment>
        <translation>Perle di saggezza di %1:</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Confermare?</translation>
    </message>
</context>
<context>
    <name>kubolo::TDice</name>
    <message>
        <source>Die</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>%1, blank</source>
        <extracomment>%2 is the face&apos;s name: &quot;one&quot;, &quot;two&quot;...</extracomment>
        <translation>%1, non lanciato</translation>
    </message>
    <message>
        <source>%1, showing %2</source>
        <translation>%1, mostra %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, tenuto</translation>
    </message>
    <message>
        <source>%1, not held</source>
        <translation>%1, non tenuto</translation>
    </message>
</context>
<context>
    <name>kubolo::TEndGame</name>
    <message>
        <source>End of game</source>
        <translation>Fine partita</translation>
    </message>
    <message>
        <source>Left-side total:</source>
        <translation>Parte sinistra:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Game total:</source>
        <translation>Totale partita:</translation>
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
        <translation>Dado %1</translation>
    </message>
    <message>
        <source>Hold die %1</source>
        <translation>Tenere il dado %1</translation>
    </message>
    <message>
        <source>Categories filled</source>
        <translation>Caselle riempite</translation>
    </message>
    <message>
        <source>Roll n: 0</source>
        <translation>Lancio: 0</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancia</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Totale partita</translation>
    </message>
    <message>
        <source>Roll n: %1</source>
        <translation>Lancio: %1</translation>
    </message>
    <message>
        <source>Left-side total: %1</source>
        <translation>Totale della parte sinistra: %1</translation>
    </message>
    <message>
        <source>Bonus points: %1</source>
        <translation>Punti bonus: %1</translation>
    </message>
    <message>
        <source>Game total: %1</source>
        <translation>Totale partita: %1</translation>
    </message>
    <message>
        <source>%1, no score yet</source>
        <translation>%1, ancora nessun punteggio</translation>
    </message>
    <message>
        <source>%1, filled</source>
        <translation>%1, riempita</translation>
    </message>
    <message>
        <source>%1, open</source>
        <translation>%1, aperta</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Su&amp;ggerimento</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiche</translation>
    </message>
    <message>
        <source>&amp;Best Players</source>
        <translation>&amp;Migliori giocatori</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Lancio animato</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regole</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Punteggio</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>

The best players, statistics and options of this run are not saved.</source>
        <translation>

I migliori giocatori, le statistiche e le opzioni di questa sessione non vengono salvati.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n punto</numerusform>
            <numerusform>%1, %n punti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kubolo::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Totale partite giocate</translation>
    </message>
    <message>
        <source>Points per game</source>
        <translation>Punti per partita</translation>
    </message>
    <message>
        <source>Kubolo per game</source>
        <extracomment>Five of a kind per game.</extracomment>
        <translation>Kubolo per partita</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Confermare?</translation>
    </message>
</context>
<context>
    <name>kubolo::TTopFive</name>
    <message>
        <source>Congratulation</source>
        <translation>Complimenti</translation>
    </message>
    <message>
        <source>Your score is one of the best five !</source>
        <translation>Il punteggio è tra i cinque migliori!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Inserire il proprio nome:</translation>
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
        <translation>Complimenti</translation>
    </message>
    <message>
        <source>Your score is the best one !</source>
        <translation>Il punteggio è il migliore!</translation>
    </message>
    <message>
        <source>Please enter your name...</source>
        <translation>Inserire il proprio nome...</translation>
    </message>
    <message>
        <source>...and your Words of Wisdom:</source>
        <translation>...e le proprie perle di saggezza:</translation>
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
        <translation>Assi</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house: three of one face and two of another.</extracomment>
        <translation>Full</translation>
    </message>
    <message>
        <source>Minimum Scale</source>
        <translation>Scala piccola</translation>
    </message>
    <message>
        <source>Maximum Scale</source>
        <translation>Scala grande</translation>
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
            <numerusform>%1 punti</numerusform>
            <numerusform>%1 punti</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>Expected final total</source>
        <translation>Totale finale previsto</translation>
    </message>
    <message>
        <source>Your play</source>
        <translation>Mosse giocate</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Mosse ottimali</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <extracomment>%1 is a category&apos;s name.</extracomment>
        <translation>Scegliere %1</translation>
    </message>
    <message>
        <source>Hold nothing</source>
        <translation>Non tenere dadi</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>%1 is the faces of the dice held, &quot;3 3 5&quot;.</extracomment>
        <translation>Tenere %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 points lost</source>
        <extracomment>The coach&apos;s loss, always with a decimal (&quot;4.5 points lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 punti persi</numerusform>
            <numerusform>%1 punti persi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kubolo::face</name>
    <message>
        <source>blank</source>
        <translation>non lanciato</translation>
    </message>
    <message>
        <source>one</source>
        <translation>uno</translation>
    </message>
    <message>
        <source>two</source>
        <translation>due</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sei</translation>
    </message>
</context>
<context>
    <name>kubolo::settings</name>
    <message>
        <source>Kubolo starts with the default best players, statistics and options, and will not write over that file.</source>
        <translation>Kubolo si avvia con i migliori giocatori, le statistiche e le opzioni predefiniti, e non sovrascriverà quel file.</translation>
    </message>
    <message>
        <source>The best players, statistics and options of this run may not be saved.</source>
        <translation>I migliori giocatori, le statistiche e le opzioni di questa sessione potrebbero non essere salvati.</translation>
    </message>
</context>
</TS>
