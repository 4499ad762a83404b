<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>poker::Round</name>
    <message>
        <source>You must play at least 1 credit.</source>
        <translation>Vous devez miser au moins 1 crédit.</translation>
    </message>
    <message>
        <source>Credits played out of range.</source>
        <translation>Crédits misés hors limites.</translation>
    </message>
    <message>
        <source>You can play 1 credit.</source>
        <translation>Vous pouvez miser 1 crédit.</translation>
    </message>
    <message>
        <source>You can play from 1 to %L1 credits.</source>
        <translation>Vous pouvez miser de 1 à %L1 crédits.</translation>
    </message>
    <message>
        <source>Invalid value.</source>
        <translation>Valeur non valide.</translation>
    </message>
</context>
<context>
    <name>poker::Session</name>
    <message>
        <source>Keep nothing: expect %1 times the bet.</source>
        <translation>Ne gardez rien&#xa0;: gain espéré de %1 fois la mise.</translation>
    </message>
    <message>
        <source>Keep all five: expect %1 times the bet.</source>
        <translation>Gardez les cinq&#xa0;: gain espéré de %1 fois la mise.</translation>
    </message>
    <message>
        <source>Keep %1: expect %2 times the bet.</source>
        <extracomment>%1 is the ranks to keep as the cards&apos; corners show them (&quot;A K&quot;), %2 the expected multiple.</extracomment>
        <translation>Gardez %1&#xa0;: gain espéré de %2 fois la mise.</translation>
    </message>
    <message>
        <source>Keep nothing</source>
        <translation>Ne gardez rien</translation>
    </message>
    <message>
        <source>Keep all five</source>
        <translation>Gardez les cinq</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <extracomment>%1 is the ranks kept as the cards&apos; corners show them (&quot;A K&quot;).</extracomment>
        <translation>Gardez %1</translation>
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
        <translation>Dernière modification&#xa0;: 11/8/98</translation>
    </message>
    <message>
        <source>Cartova icon, click to hear the cards</source>
        <translation>Icône de Cartova, cliquez pour entendre les cartes</translation>
    </message>
</context>
<context>
    <name>poker::TCard</name>
    <message>
        <source>face down</source>
        <translation>face cachée</translation>
    </message>
    <message>
        <source>%1, kept</source>
        <translation>%1, carte gardée</translation>
    </message>
</context>
<context>
    <name>poker::TMainForm</name>
    <message>
        <source>Keep card %1</source>
        <translation>Garder la carte %1</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Shown under a card the player keeps for the second deal.</extracomment>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Bonne chance&#xa0;!</translation>
    </message>
    <message>
        <source>Credits won: 0</source>
        <translation>Crédits gagnés&#xa0;: 0</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The button that plays all credits.</extracomment>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Play all credits</source>
        <translation>Miser tous les crédits</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Distribuer</translation>
    </message>
    <message>
        <source>Always play all credits</source>
        <translation>Toujours tout miser</translation>
    </message>
    <message>
        <source>Total credits: 100</source>
        <translation>Total des crédits&#xa0;: 100</translation>
    </message>
    <message>
        <source>Credits played:</source>
        <translation>Crédits misés&#xa0;:</translation>
    </message>
    <message>
        <source>Credits played</source>
        <translation>Crédits misés</translation>
    </message>
    <message>
        <source>Total credits: %1</source>
        <translation>Total des crédits&#xa0;: %1</translation>
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
        <source>&amp;Deck</source>
        <translation>Jeu de &amp;cartes</translation>
    </message>
    <message>
        <source>&amp;Beach</source>
        <translation>&amp;Plage</translation>
    </message>
    <message>
        <source>&amp;Fishes</source>
        <translation>P&amp;oissons</translation>
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
        <translation>&amp;Fond</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Vert</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Bleu</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rouge</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Gris</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>&amp;Gains</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Règles</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>

The options of this game were not kept.</source>
        <translation>

Les options de ce jeu n&apos;ont pas été conservées.</translation>
    </message>
    <message>
        <source>Deal first: a hint is given between the two deals.</source>
        <translation>Distribuez d&apos;abord&#xa0;: un indice est proposé entre les deux donnes.</translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation>Calcul de l&apos;indice...</translation>
    </message>
    <message>
        <source>Deal n. 2</source>
        <translation>Échanger</translation>
    </message>
    <message>
        <source>Deal n. 1</source>
        <translation>Distribuer</translation>
    </message>
    <message>
        <source>You lost your bet.</source>
        <translation>Mise perdue.</translation>
    </message>
    <message>
        <source>Credits won: %1</source>
        <translation>Crédits gagnés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sorry, end of game.<byte value="xd"/>Do you want to restart?</source>
        <translation>Désolé, partie terminée.<byte value="xd"/>Voulez-vous recommencer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>poker::TPayoffsForm</name>
    <message>
        <source>Royal Flush</source>
        <translation>Quinte royale</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Poker</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house.</extracomment>
        <translation>Full</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>Double paire</translation>
    </message>
    <message>
        <source>Pair (Jacks or better)</source>
        <translation>Paire (valets ou +)</translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>X %1</source>
        <extracomment>The multiplier of the bet a hand pays.</extracomment>
        <translation>X %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message numerus="yes">
        <source>%1 pays %n times the bet</source>
        <extracomment>%1 is a hand&apos;s name, %n the multiplier.</extracomment>
        <translation>
            <numerusform>%1 paie %n fois la mise</numerusform>
            <numerusform>%1 paie %n fois la mise</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>poker::card</name>
    <message>
        <source>Spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;Ace&quot;, &quot;7&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>poker::coach</name>
    <message numerus="yes">
        <source>%1 credits</source>
        <extracomment>A mean loss, always with decimals (&quot;0.25 credits&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 crédit</numerusform>
            <numerusform>%1 crédits</numerusform>
        </translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Your credits</source>
        <translation>Vos crédits</translation>
    </message>
    <message>
        <source>With the best keeps</source>
        <translation>En gardant au mieux</translation>
    </message>
    <message numerus="yes">
        <source>%1 credits lost</source>
        <extracomment>The coach&apos;s loss, always with decimals (&quot;0.25 credits lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 crédit perdu</numerusform>
            <numerusform>%1 crédits perdus</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>poker::hand</name>
    <message>
        <source>Royal Flush !!!</source>
        <translation>Quinte royale&#xa0;!!!</translation>
    </message>
    <message>
        <source>Straight Flush !!!</source>
        <translation>Quinte flush&#xa0;!!!</translation>
    </message>
    <message>
        <source>Poker !!</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>Carré&#xa0;!!</translation>
    </message>
    <message>
        <source>Full !</source>
        <extracomment>A full house.</extracomment>
        <translation>Full&#xa0;!</translation>
    </message>
    <message>
        <source>Flush !</source>
        <translation>Couleur&#xa0;!</translation>
    </message>
    <message>
        <source>Straight !</source>
        <translation>Quinte&#xa0;!</translation>
    </message>
    <message>
        <source>3 of a Kind.</source>
        <translation>Brelan.</translation>
    </message>
    <message>
        <source>Two pair.</source>
        <translation>Double paire.</translation>
    </message>
    <message>
        <source>Pair.</source>
        <translation>Paire.</translation>
    </message>
    <message>
        <source>Nothing.</source>
        <translation>Rien.</translation>
    </message>
</context>
<context>
    <name>poker::settings</name>
    <message>
        <source>The game starts with its usual options and leaves that file as it is.</source>
        <translation>Le jeu démarre avec ses options habituelles et laisse ce fichier tel quel.</translation>
    </message>
    <message>
        <source>The game starts with its usual options.</source>
        <translation>Le jeu démarre avec ses options habituelles.</translation>
    </message>
</context>
</TS>
