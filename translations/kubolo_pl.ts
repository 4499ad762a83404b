<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>kubolo::ScoreSheet</name>
    <message>
        <source>Bonus</source>
        <translation>Premia</translation>
    </message>
    <message>
        <source>Bonus (-%1)</source>
        <extracomment>%1 is the points still missing for the bonus.</extracomment>
        <translation>Premia (-%1)</translation>
    </message>
</context>
<context>
    <name>kubolo::Session</name>
    <message>
        <source>Roll: expect %1 in the end.</source>
        <translation>Rzuć: oczekiwany wynik %1.</translation>
    </message>
    <message>
        <source>Hold nothing: expect %1 in the end.</source>
        <translation>Nic nie zatrzymuj: oczekiwany wynik %1.</translation>
    </message>
    <message>
        <source>Hold %1: expect %2 in the end.</source>
        <extracomment>Keep these dice (%1: their faces, &quot;3 3 5&quot;) and roll the others; %2 is the expected total.</extracomment>
        <translation>Zatrzymaj %1: oczekiwany wynik %2.</translation>
    </message>
    <message>
        <source>Choose %1: expect %2 in the end.</source>
        <extracomment>%1 is a category&apos;s name, %2 the expected total.</extracomment>
        <translation>Wybierz „%1”: oczekiwany wynik %2.</translation>
    </message>
</context>
<context>
    <name>kubolo::TAboutBox1</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation>O grze %1</translation>
    </message>
    <message>
        <source>Version 3.3</source>
        <translation>Wersja 3.3</translation>
    </message>
    <message>
        <source>Last modify: 30-6-97</source>
        <translation>Ostatnia zmiana: 30.06.97</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Kość</translation>
    </message>
    <message>
        <source>Click to roll</source>
        <translation>Kliknij, aby rzucić</translation>
    </message>
    <message>
        <source>Die, click or press Space to roll</source>
        <translation>Kość – kliknij lub naciśnij spację, aby rzucić</translation>
    </message>
</context>
<context>
    <name>kubolo::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation>Najlepsi gracze</translation>
    </message>
    <message>
        <source>Words of Wisdom from %1:</source>
        <extracomment>%1 is the best player&apos;s name.</extracomment>
        <translation>Złote myśli – %1:</translation>
    </message>
    <message>
        <source>Row %1 marker</source>
        <translation>Znacznik wiersza %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Czy na pewno?</translation>
    </message>
</context>
<context>
    <name>kubolo::TDice</name>
    <message>
        <source>Die</source>
        <translation>Kość</translation>
    </message>
    <message>
        <source>%1, blank</source>
        <extracomment>%2 is the face&apos;s name: &quot;one&quot;, &quot;two&quot;...</extracomment>
        <translation>%1, pusta</translation>
    </message>
    <message>
        <source>%1, showing %2</source>
        <translation>%1, wypadła %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, zatrzymana</translation>
    </message>
    <message>
        <source>%1, not held</source>
        <translation>%1, niezatrzymana</translation>
    </message>
</context>
<context>
    <name>kubolo::TEndGame</name>
    <message>
        <source>End of game</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Left-side total:</source>
        <translation>Suma z lewej:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Premia:</translation>
    </message>
    <message>
        <source>Game total:</source>
        <translation>Wynik:</translation>
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
        <translation>Kość %1</translation>
    </message>
    <message>
        <source>Hold die %1</source>
        <translation>Zatrzymaj kość %1</translation>
    </message>
    <message>
        <source>Categories filled</source>
        <translation>Wypełnione rubryki</translation>
    </message>
    <message>
        <source>Roll n: 0</source>
        <translation>Rzut: 0</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Rzuć</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Premia</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Roll n: %1</source>
        <translation>Rzut: %1</translation>
    </message>
    <message>
        <source>Left-side total: %1</source>
        <translation>Suma z lewej: %1</translation>
    </message>
    <message>
        <source>Bonus points: %1</source>
        <translation>Punkty premii: %1</translation>
    </message>
    <message>
        <source>Game total: %1</source>
        <translation>Wynik: %1</translation>
    </message>
    <message>
        <source>%1, no score yet</source>
        <translation>%1, jeszcze bez punktów</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n punkt</numerusform>
            <numerusform>%1, %n punkty</numerusform>
            <numerusform>%1, %n punktów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, filled</source>
        <translation>%1, rubryka wypełniona</translation>
    </message>
    <message>
        <source>%1, open</source>
        <translation>%1, rubryka otwarta</translation>
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
        <source>&amp;Statistics</source>
        <translation>&amp;Statystyki</translation>
    </message>
    <message>
        <source>&amp;Best Players</source>
        <translation>Najlepsi &amp;gracze</translation>
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
        <source>&amp;Roll</source>
        <translation>&amp;Animacja rzutu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Zasady</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Punktacja</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>

The best players, statistics and options of this run are not saved.</source>
        <translation>

Najlepsi gracze, statystyki i opcje z tej sesji nie zostaną zapisane.</translation>
    </message>
</context>
<context>
    <name>kubolo::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Rozegrane gry</translation>
    </message>
    <message>
        <source>Points per game</source>
        <translation>Punkty na grę</translation>
    </message>
    <message>
        <source>Kubolo per game</source>
        <extracomment>Five of a kind per game.</extracomment>
        <translation>Kubolo na grę</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Czy na pewno?</translation>
    </message>
</context>
<context>
    <name>kubolo::TTopFive</name>
    <message>
        <source>Congratulation</source>
        <translation>Gratulacje</translation>
    </message>
    <message>
        <source>Your score is one of the best five !</source>
        <translation>Jesteś w pierwszej piątce!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Wpisz swoje imię:</translation>
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
        <translation>Gratulacje</translation>
    </message>
    <message>
        <source>Your score is the best one !</source>
        <translation>Masz najlepszy wynik!</translation>
    </message>
    <message>
        <source>Please enter your name...</source>
        <translation>Wpisz swoje imię...</translation>
    </message>
    <message>
        <source>...and your Words of Wisdom:</source>
        <translation>...i swoje złote myśli:</translation>
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
        <translation>Jedynki</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dwójki</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trójki</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Czwórki</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Piątki</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Szóstki</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>3 jednakowe</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>4 jednakowe</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house: three of one face and two of another.</extracomment>
        <translation>Full</translation>
    </message>
    <message>
        <source>Minimum Scale</source>
        <translation>Mały strit</translation>
    </message>
    <message>
        <source>Maximum Scale</source>
        <translation>Duży strit</translation>
    </message>
    <message>
        <source>Kubolo</source>
        <translation>Kubolo</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Szansa</translation>
    </message>
</context>
<context>
    <name>kubolo::coach</name>
    <message numerus="yes">
        <source>%1 points lost</source>
        <extracomment>The coach&apos;s loss, always with a decimal (&quot;4.5 points lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>strata %1 punktu</numerusform>
            <numerusform>strata %1 punktu</numerusform>
            <numerusform>strata %1 punktu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 points</source>
        <extracomment>A mean loss, always with a decimal (&quot;0.8 points&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 punktu</numerusform>
            <numerusform>%1 punktu</numerusform>
            <numerusform>%1 punktu</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>Expected final total</source>
        <translation>Oczekiwany wynik</translation>
    </message>
    <message>
        <source>Your play</source>
        <translation>Twoja gra</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Najlepsza gra</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <extracomment>%1 is a category&apos;s name.</extracomment>
        <translation>Wybierz „%1”</translation>
    </message>
    <message>
        <source>Hold nothing</source>
        <translation>Nic nie zatrzymuj</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>%1 is the faces of the dice held, &quot;3 3 5&quot;.</extracomment>
        <translation>Zatrzymaj %1</translation>
    </message>
</context>
<context>
    <name>kubolo::face</name>
    <message>
        <source>blank</source>
        <translation>pusta</translation>
    </message>
    <message>
        <source>one</source>
        <translation>jedynka</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dwójka</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trójka</translation>
    </message>
    <message>
        <source>four</source>
        <translation>czwórka</translation>
    </message>
    <message>
        <source>five</source>
        <translation>piątka</translation>
    </message>
    <message>
        <source>six</source>
        <translation>szóstka</translation>
    </message>
</context>
<context>
    <name>kubolo::settings</name>
    <message>
        <source>Kubolo starts with the default best players, statistics and options, and will not write over that file.</source>
        <translation>Kubolo uruchamia się z domyślną listą najlepszych graczy, statystykami i opcjami i nie nadpisze tego pliku.</translation>
    </message>
    <message>
        <source>The best players, statistics and options of this run may not be saved.</source>
        <translation>Najlepsi gracze, statystyki i opcje z tej sesji mogą nie zostać zapisane.</translation>
    </message>
</context>
</TS>
