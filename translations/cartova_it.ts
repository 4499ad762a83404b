<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>poker::Round</name>
    <message>
        <source>You must play at least 1 credit.</source>
        <translation>Occorre giocare almeno 1 credito.</translation>
    </message>
    <message>
        <source>Credits played out of range.</source>
        <translation>Crediti giocati fuori dai limiti.</translation>
    </message>
    <message>
        <source>You can play 1 credit.</source>
        <translation>Si può giocare 1 credito.</translation>
    </message>
    <message>
        <source>You can play from 1 to %L1 credits.</source>
        <translation>Si possono giocare da 1 a %L1 crediti.</translation>
    </message>
    <message>
        <source>Invalid value.</source>
        <translation>Valore non valido.</translation>
    </message>
</context>
<context>
    <name>poker::Session</name>
    <message>
        <source>Keep nothing: expect %1 times the bet.</source>
        <translation>Non tenere nulla: vincita attesa %1 volte la puntata.</translation>
    </message>
    <message>
        <source>Keep all five: expect %1 times the bet.</source>
        <translation>Tenere tutte e cinque: vincita attesa %1 volte la puntata.</translation>
    </message>
    <message>
        <source>Keep %1: expect %2 times the bet.</source>
        <extracomment>%1 is the ranks to keep as the cards&apos; corners show them (&quot;A K&quot;), %2 the expected multiple.</extracomment>
        <translation>Tenere %1: vincita attesa %2 volte la puntata.</translation>
    </message>
    <message>
        <source>Keep nothing</source>
        <translation>Non tenere nulla</translation>
    </message>
    <message>
        <source>Keep all five</source>
        <translation>Tenere tutte e cinque</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <extracomment>%1 is the ranks kept as the cards&apos; corners show them (&quot;A K&quot;).</extracomment>
        <translation>Tenere %1</translation>
    </message>
</context>
<context>
    <name>poker::TAboutBox1</name>
    <message>
        <source>Version 1.1</source>
        <translation>Versione 1.1</translation>
    </message>
    <message>
        <source>Last modify: 11-8-98</source>
        <translation>Ultima modifica: 11-8-98</translation>
    </message>
    <message>
        <source>Cartova icon, click to hear the cards</source>
        <translation>Icona di Cartova, fare clic per sentire le carte</translation>
    </message>
</context>
<context>
    <name>poker::TCard</name>
    <message>
        <source>face down</source>
        <translation>coperta</translation>
    </message>
    <message>
        <source>%1, kept</source>
        <translation>%1, carta tenuta</translation>
    </message>
</context>
<context>
    <name>poker::TMainForm</name>
    <message>
        <source>Keep card %1</source>
        <translation>Tenere la carta %1</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Shown under a card the player keeps for the second deal.</extracomment>
        <translation>Tieni</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Buona fortuna!</translation>
    </message>
    <message>
        <source>Credits won: 0</source>
        <translation>Crediti vinti: 0</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The button that plays all credits.</extracomment>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Play all credits</source>
        <translation>Gioca tutti i crediti</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Distribuisci</translation>
    </message>
    <message>
        <source>Always play all credits</source>
        <translation>Gioca sempre tutti i crediti</translation>
    </message>
    <message>
        <source>Total credits: 100</source>
        <translation>Crediti totali: 100</translation>
    </message>
    <message>
        <source>Credits played:</source>
        <translation>Crediti giocati:</translation>
    </message>
    <message>
        <source>Credits played</source>
        <translation>Crediti giocati</translation>
    </message>
    <message>
        <source>Total credits: %1</source>
        <translation>Crediti totali: %1</translation>
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
        <source>&amp;Deck</source>
        <translation>&amp;Mazzo</translation>
    </message>
    <message>
        <source>&amp;Beach</source>
        <translation>&amp;Spiaggia</translation>
    </message>
    <message>
        <source>&amp;Fishes</source>
        <translation>&amp;Pesci</translation>
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
        <translation>S&amp;fondo</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Blu</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rosso</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Grigio</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>&amp;Vincite</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regole</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>

The options of this game were not kept.</source>
        <translation>

Le opzioni di questo gioco non sono state conservate.</translation>
    </message>
    <message>
        <source>Deal first: a hint is given between the two deals.</source>
        <translation>Prima distribuire le carte: il suggerimento si dà tra le due distribuzioni.</translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation>Calcolo del suggerimento in corso...</translation>
    </message>
    <message>
        <source>Deal n. 2</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Deal n. 1</source>
        <translation>Distribuisci</translation>
    </message>
    <message>
        <source>You lost your bet.</source>
        <translation>Puntata persa.</translation>
    </message>
    <message>
        <source>Credits won: %1</source>
        <translation>Crediti vinti: %1</translation>
    </message>
    <message>
        <source>Sorry, end of game.<byte value="xd"/>Do you want to restart?</source>
        <translation>Spiacenti, partita finita.<byte value="xd"/>Ricominciare?</translation>
    </message>
</context>
<context>
    <name>poker::TPayoffsForm</name>
    <message>
        <source>Royal Flush</source>
        <translation>Scala reale</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Scala colore</translation>
    </message>
    <message>
        <source>Poker</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house.</extracomment>
        <translation>Full</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>Doppia coppia</translation>
    </message>
    <message>
        <source>Pair (Jacks or better)</source>
        <translation>Coppia (Jack o più)</translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation>Vincite</translation>
    </message>
    <message>
        <source>X %1</source>
        <extracomment>The multiplier of the bet a hand pays.</extracomment>
        <translation>X %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message numerus="yes">
        <source>%1 pays %n times the bet</source>
        <extracomment>%1 is a hand&apos;s name, %n the multiplier.</extracomment>
        <translation>
            <numerusform>%1 paga %n volta la puntata</numerusform>
            <numerusform>%1 paga %n volte la puntata</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>poker::card</name>
    <message>
        <source>Spades</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jack</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Asso</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;Ace&quot;, &quot;7&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%1 di %2</translation>
    </message>
</context>
<context>
    <name>poker::coach</name>
    <message numerus="yes">
        <source>%1 credits</source>
        <extracomment>A mean loss, always with decimals (&quot;0.25 credits&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 crediti</numerusform>
            <numerusform>%1 crediti</numerusform>
        </translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mani</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crediti</translation>
    </message>
    <message>
        <source>Your credits</source>
        <translation>Scelte fatte</translation>
    </message>
    <message>
        <source>With the best keeps</source>
        <translation>Scelte ottimali</translation>
    </message>
    <message numerus="yes">
        <source>%1 credits lost</source>
        <extracomment>The coach&apos;s loss, always with decimals (&quot;0.25 credits lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 crediti persi</numerusform>
            <numerusform>%1 crediti persi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>poker::hand</name>
    <message>
        <source>Royal Flush !!!</source>
        <translation>Scala reale!!!</translation>
    </message>
    <message>
        <source>Straight Flush !!!</source>
        <translation>Scala colore!!!</translation>
    </message>
    <message>
        <source>Poker !!</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>Poker!!</translation>
    </message>
    <message>
        <source>Full !</source>
        <extracomment>A full house.</extracomment>
        <translation>Full!</translation>
    </message>
    <message>
        <source>Flush !</source>
        <translation>Colore!</translation>
    </message>
    <message>
        <source>Straight !</source>
        <translation>Scala!</translation>
    </message>
    <message>
        <source>3 of a Kind.</source>
        <translation>Tris.</translation>
    </message>
    <message>
        <source>Two pair.</source>
        <translation>Doppia coppia.</translation>
    </message>
    <message>
        <source>Pair.</source>
        <translation>Coppia.</translation>
    </message>
    <message>
        <source>Nothing.</source>
        <translation>Niente.</translation>
    </message>
</context>
<context>
    <name>poker::settings</name>
    <message>
        <source>The game starts with its usual options and leaves that file as it is.</source>
        <translation>Il gioco si avvia con le opzioni consuete e lascia quel file così com&apos;è.</translation>
    </message>
    <message>
        <source>The game starts with its usual options.</source>
        <translation>Il gioco si avvia con le opzioni consuete.</translation>
    </message>
</context>
</TS>
