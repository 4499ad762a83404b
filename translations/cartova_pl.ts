<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>poker::Round</name>
    <message>
        <source>You must play at least 1 credit.</source>
        <translation>Musisz postawić co najmniej 1 kredyt.</translation>
    </message>
    <message>
        <source>Credits played out of range.</source>
        <translation>Stawka poza dozwolonym zakresem.</translation>
    </message>
    <message>
        <source>You can play 1 credit.</source>
        <translation>Możesz postawić 1 kredyt.</translation>
    </message>
    <message>
        <source>You can play from 1 to %L1 credits.</source>
        <translation>Możesz postawić od 1 do %L1 kredytów.</translation>
    </message>
    <message>
        <source>Invalid value.</source>
        <translation>Nieprawidłowa wartość.</translation>
    </message>
</context>
<context>
    <name>poker::Session</name>
    <message>
        <source>Keep nothing: expect %1 times the bet.</source>
        <translation>Nic nie zatrzymuj: oczekiwana wygrana %1 stawki.</translation>
    </message>
    <message>
        <source>Keep all five: expect %1 times the bet.</source>
        <translation>Zatrzymaj wszystkie: oczekiwana wygrana %1 stawki.</translation>
    </message>
    <message>
        <source>Keep %1: expect %2 times the bet.</source>
        <extracomment>%1 is the ranks to keep as the cards&apos; corners show them (&quot;A K&quot;), %2 the expected multiple.</extracomment>
        <translation>Zatrzymaj %1: oczekiwana wygrana %2 stawki.</translation>
    </message>
    <message>
        <source>Keep nothing</source>
        <translation>Nic nie zatrzymuj</translation>
    </message>
    <message>
        <source>Keep all five</source>
        <translation>Zatrzymaj wszystkie</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <extracomment>%1 is the ranks kept as the cards&apos; corners show them (&quot;A K&quot;).</extracomment>
        <translation>Zatrzymaj %1</translation>
    </message>
</context>
<context>
    <name>poker::TAboutBox1</name>
    <message>
        <source>Version 1.1</source>
        <translation>Wersja 1.1</translation>
    </message>
    <message>
        <source>Last modify: 11-8-98</source>
        <translation>Ostatnia zmiana: 11.08.98</translation>
    </message>
    <message>
        <source>Cartova icon, click to hear the cards</source>
        <translation>Ikona Cartovy – kliknij, aby usłyszeć karty</translation>
    </message>
</context>
<context>
    <name>poker::TCard</name>
    <message>
        <source>face down</source>
        <translation>zakryta</translation>
    </message>
    <message>
        <source>%1, kept</source>
        <translation>%1, do zatrzymania</translation>
    </message>
</context>
<context>
    <name>poker::TMainForm</name>
    <message>
        <source>Keep card %1</source>
        <translation>Zatrzymaj kartę %1</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Shown under a card the player keeps for the second deal.</extracomment>
        <translation>Trzymaj</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>Powodzenia!</translation>
    </message>
    <message>
        <source>Credits won: 0</source>
        <translation>Wygrana: 0</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The button that plays all credits.</extracomment>
        <translation>Maks.</translation>
    </message>
    <message>
        <source>Play all credits</source>
        <translation>Postaw wszystkie kredyty</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Rozdaj</translation>
    </message>
    <message>
        <source>Always play all credits</source>
        <translation>Zawsze stawiaj wszystko</translation>
    </message>
    <message>
        <source>Total credits: 100</source>
        <translation>Kredyty: 100</translation>
    </message>
    <message>
        <source>Credits played:</source>
        <translation>Stawka:</translation>
    </message>
    <message>
        <source>Credits played</source>
        <translation>Stawka</translation>
    </message>
    <message>
        <source>Total credits: %1</source>
        <translation>Kredyty: %1</translation>
    </message>
    <message>
        <source>Deal first: a hint is given between the two deals.</source>
        <translation>Najpierw rozdaj: podpowiedź jest dostępna przed wymianą.</translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation>Obliczanie podpowiedzi...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>&amp;Deck</source>
        <translation>Ta&amp;lia</translation>
    </message>
    <message>
        <source>&amp;Beach</source>
        <translation>&amp;Plaża</translation>
    </message>
    <message>
        <source>&amp;Fishes</source>
        <translation>&amp;Ryby</translation>
    </message>
    <message>
        <source>Standard &amp;1</source>
        <translation>Standardowa &amp;1</translation>
    </message>
    <message>
        <source>Standard &amp;2</source>
        <translation>Standardowa &amp;2</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Kolor stołu</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Zielony</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Niebieski</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Czerwony</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Szary</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>&amp;Tabela wypłat</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Zasady</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>

The options of this game were not kept.</source>
        <translation>

Opcje tej gry nie zostały zapisane.</translation>
    </message>
    <message>
        <source>Deal n. 2</source>
        <translation>Wymień</translation>
    </message>
    <message>
        <source>Deal n. 1</source>
        <translation>Rozdaj</translation>
    </message>
    <message>
        <source>You lost your bet.</source>
        <translation>Stawka przegrana.</translation>
    </message>
    <message>
        <source>Credits won: %1</source>
        <translation>Wygrana: %1</translation>
    </message>
    <message>
        <source>Sorry, end of game.<byte value="xd"/>Do you want to restart?</source>
        <translation>Niestety, koniec gry.<byte value="xd"/>Zagrać jeszcze raz?</translation>
    </message>
</context>
<context>
    <name>poker::TPayoffsForm</name>
    <message>
        <source>Royal Flush</source>
        <translation>Poker królewski</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Poker</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>Kareta</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house.</extracomment>
        <translation>Full</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Strit</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Trójka</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>Dwie pary</translation>
    </message>
    <message>
        <source>Pair (Jacks or better)</source>
        <translation>Para (od waletów)</translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation>Tabela wypłat</translation>
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
            <numerusform>%1: stawka × %n</numerusform>
            <numerusform>%1: stawka × %n</numerusform>
            <numerusform>%1: stawka × %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>poker::card</name>
    <message>
        <source>Spades</source>
        <translation>pik</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>karo</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>trefl</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>kier</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Walet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Król</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;Ace&quot;, &quot;7&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>poker::coach</name>
    <message numerus="yes">
        <source>%1 credits lost</source>
        <extracomment>The coach&apos;s loss, always with decimals (&quot;0.25 credits lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>strata %1 kredytu</numerusform>
            <numerusform>strata %1 kredytu</numerusform>
            <numerusform>strata %1 kredytu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 credits</source>
        <extracomment>A mean loss, always with decimals (&quot;0.25 credits&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 kredytu</numerusform>
            <numerusform>%1 kredytu</numerusform>
            <numerusform>%1 kredytu</numerusform>
        </translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Rozdania</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Kredyty</translation>
    </message>
    <message>
        <source>Your credits</source>
        <translation>Twoje kredyty</translation>
    </message>
    <message>
        <source>With the best keeps</source>
        <translation>Przy najlepszych wyborach</translation>
    </message>
</context>
<context>
    <name>poker::hand</name>
    <message>
        <source>Royal Flush !!!</source>
        <translation>Poker królewski!!!</translation>
    </message>
    <message>
        <source>Straight Flush !!!</source>
        <translation>Poker!!!</translation>
    </message>
    <message>
        <source>Poker !!</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>Kareta!!</translation>
    </message>
    <message>
        <source>Full !</source>
        <extracomment>A full house.</extracomment>
        <translation>Full!</translation>
    </message>
    <message>
        <source>Flush !</source>
        <translation>Kolor!</translation>
    </message>
    <message>
        <source>Straight !</source>
        <translation>Strit!</translation>
    </message>
    <message>
        <source>3 of a Kind.</source>
        <translation>Trójka.</translation>
    </message>
    <message>
        <source>Two pair.</source>
        <translation>Dwie pary.</translation>
    </message>
    <message>
        <source>Pair.</source>
        <translation>Para.</translation>
    </message>
    <message>
        <source>Nothing.</source>
        <translation>Nic.</translation>
    </message>
</context>
<context>
    <name>poker::settings</name>
    <message>
        <source>The game starts with its usual options and leaves that file as it is.</source>
        <translation>Gra uruchamia się z domyślnymi opcjami i nie zmienia tego pliku.</translation>
    </message>
    <message>
        <source>The game starts with its usual options.</source>
        <translation>Gra uruchamia się z domyślnymi opcjami.</translation>
    </message>
</context>
</TS>
