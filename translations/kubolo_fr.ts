<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Lancez&#xa0;: total final espéré de %1.</translation>
    </message>
    <message>
        <source>Hold nothing: expect %1 in the end.</source>
        <translation>Ne gardez rien&#xa0;: total final espéré de %1.</translation>
    </message>
    <message>
        <source>Hold %1: expect %2 in the end.</source>
        <extracomment>Keep these dice (%1: their faces, &quot;3 3 5&quot;) and roll the others; %2 is the expected total.</extracomment>
        <translation>Gardez %1&#xa0;: total final espéré de %2.</translation>
    </message>
    <message>
        <source>Choose %1: expect %2 in the end.</source>
        <extracomment>%1 is a category&apos;s name, %2 the expected total.</extracomment>
        <translation>Choisissez %1&#xa0;: total final espéré de %2.</translation>
    </message>
</context>
<context>
    <name>kubolo::TAboutBox1</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version 3.3</source>
        <translation>Version 3.3</translation>
    </message>
    <message>
        <source>Last modify: 30-6-97</source>
        <translation>Dernière modification&#xa0;: 30/6/97</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Dé</translation>
    </message>
    <message>
        <source>Click to roll</source>
        <translation>Cliquez pour le lancer</translation>
    </message>
    <message>
        <source>Die, click or press Space to roll</source>
        <translation>Dé, cliquez ou appuyez sur Espace pour le lancer</translation>
    </message>
</context>
<context>
    <name>kubolo::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation>Meilleurs joueurs</translation>
    </message>
    <message>
        <source>Row %1 marker</source>
        <translation>Marqueur de la rangée %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Words of Wisdom from %1:</source>
        <extracomment>%1 is the best player&apos;s name.</extracomment>
        <translation>Paroles de sagesse de %1&#xa0;:</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Êtes-vous sûr&#xa0;?</translation>
    </message>
</context>
<context>
    <name>kubolo::TDice</name>
    <message>
        <source>Die</source>
        <translation>Dé</translation>
    </message>
    <message>
        <source>%1, blank</source>
        <extracomment>%2 is the face&apos;s name: &quot;one&quot;, &quot;two&quot;...</extracomment>
        <translation>%1, vierge</translation>
    </message>
    <message>
        <source>%1, showing %2</source>
        <translation>%1, face %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, gardé</translation>
    </message>
    <message>
        <source>%1, not held</source>
        <translation>%1, non gardé</translation>
    </message>
</context>
<context>
    <name>kubolo::TEndGame</name>
    <message>
        <source>End of game</source>
        <translation>Fin de partie</translation>
    </message>
    <message>
        <source>Left-side total:</source>
        <translation>Total côté gauche&#xa0;:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus&#xa0;:</translation>
    </message>
    <message>
        <source>Game total:</source>
        <translation>Total général&#xa0;:</translation>
    </message>
    <message>
        <source>Kubolo:</source>
        <extracomment>The count of five of a kind in the game.</extracomment>
        <translation>Kubolo&#xa0;:</translation>
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
        <translation>Dé %1</translation>
    </message>
    <message>
        <source>Hold die %1</source>
        <translation>Garder le dé %1</translation>
    </message>
    <message>
        <source>Categories filled</source>
        <translation>Cases remplies</translation>
    </message>
    <message>
        <source>Roll n: 0</source>
        <translation>Lancers&#xa0;: 0</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Total général</translation>
    </message>
    <message>
        <source>Roll n: %1</source>
        <translation>Lancers&#xa0;: %1</translation>
    </message>
    <message>
        <source>Left-side total: %1</source>
        <translation>Total côté gauche&#xa0;: %1</translation>
    </message>
    <message>
        <source>Bonus points: %1</source>
        <translation>Points de bonus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Game total: %1</source>
        <translation>Total général&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1, no score yet</source>
        <translation>%1, pas encore de score</translation>
    </message>
    <message>
        <source>%1, filled</source>
        <translation>%1, case remplie</translation>
    </message>
    <message>
        <source>%1, open</source>
        <translation>%1, case libre</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>&amp;Best Players</source>
        <translation>&amp;Meilleurs joueurs</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>Dés &amp;roulants</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Règles</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Calcul des points</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>

The best players, statistics and options of this run are not saved.</source>
        <translation>

Les meilleurs joueurs, les statistiques et les options de cette session ne sont pas enregistrés.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n point</numerusform>
            <numerusform>%1, %n points</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kubolo::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Points per game</source>
        <translation>Points par partie</translation>
    </message>
    <message>
        <source>Kubolo per game</source>
        <extracomment>Five of a kind per game.</extracomment>
        <translation>Kubolo par partie</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Êtes-vous sûr&#xa0;?</translation>
    </message>
</context>
<context>
    <name>kubolo::TTopFive</name>
    <message>
        <source>Congratulation</source>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>Your score is one of the best five !</source>
        <translation>Vous êtes parmi les cinq meilleurs&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Veuillez saisir votre nom&#xa0;:</translation>
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
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>Your score is the best one !</source>
        <translation>Votre score est le meilleur&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter your name...</source>
        <translation>Veuillez saisir votre nom...</translation>
    </message>
    <message>
        <source>...and your Words of Wisdom:</source>
        <translation>...et vos paroles de sagesse&#xa0;:</translation>
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
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house: three of one face and two of another.</extracomment>
        <translation>Full</translation>
    </message>
    <message>
        <source>Minimum Scale</source>
        <translation>Petite suite</translation>
    </message>
    <message>
        <source>Maximum Scale</source>
        <translation>Grande suite</translation>
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
            <numerusform>%1 point</numerusform>
            <numerusform>%1 points</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Expected final total</source>
        <translation>Total final espéré</translation>
    </message>
    <message>
        <source>Your play</source>
        <translation>Votre jeu</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Jeu optimal</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <extracomment>%1 is a category&apos;s name.</extracomment>
        <translation>Choisissez %1</translation>
    </message>
    <message>
        <source>Hold nothing</source>
        <translation>Ne gardez rien</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>%1 is the faces of the dice held, &quot;3 3 5&quot;.</extracomment>
        <translation>Gardez %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 points lost</source>
        <extracomment>The coach&apos;s loss, always with a decimal (&quot;4.5 points lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 point perdu</numerusform>
            <numerusform>%1 points perdus</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kubolo::face</name>
    <message>
        <source>blank</source>
        <translation>vierge</translation>
    </message>
    <message>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
</context>
<context>
    <name>kubolo::settings</name>
    <message>
        <source>Kubolo starts with the default best players, statistics and options, and will not write over that file.</source>
        <translation>Kubolo démarre avec les meilleurs joueurs, les statistiques et les options par défaut, et n&apos;écrasera pas ce fichier.</translation>
    </message>
    <message>
        <source>The best players, statistics and options of this run may not be saved.</source>
        <translation>Les meilleurs joueurs, les statistiques et les options de cette session risquent de ne pas être enregistrés.</translation>
    </message>
</context>
</TS>
