<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>TAboutBox</name>
    <message>
        <source>this computer</source>
        <translation>tego komputera</translation>
    </message>
    <message>
        <source>for %1 / %2</source>
        <extracomment>The About box&apos;s line of the system the game runs on: &quot;for Linux / X11&quot; (%1 the system, %2 the window system) or &quot;for Linux&quot;.</extracomment>
        <translation>dla systemu %1 / %2</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>dla systemu %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>App Name</source>
        <translation>Nazwa programu</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Wersja 1.0</translation>
    </message>
    <message>
        <source>Last modify: 1-1-98</source>
        <translation>Ostatnia zmiana: 1.01.98</translation>
    </message>
    <message>
        <source>© 2026 the Table Games team</source>
        <translation>© 2026 zespół Table Games</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TAnimated</name>
    <message>
        <source>animation</source>
        <translation>animacja</translation>
    </message>
</context>
<context>
    <name>TArrowButton</name>
    <message>
        <source>%1 arrow</source>
        <extracomment>%1 is a colour&apos;s name (&quot;red arrow&quot;).</extracomment>
        <translation>strzałka, kolor %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TCoach</name>
    <message>
        <source>Best was: %1 (%2).</source>
        <extracomment>%1 the best move (&quot;Hold 5 5&quot;), %2 what the move made cost (&quot;4.5 points lost&quot;).</extracomment>
        <translation>Najlepszy ruch: %1 (%2).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid number.</source>
        <translation>„%1” nie jest poprawną liczbą.</translation>
    </message>
    <message>
        <source>Best move.</source>
        <translation>Najlepszy ruch.</translation>
    </message>
</context>
<context>
    <name>TCoachChart</name>
    <message>
        <source>No move rated yet.</source>
        <translation>Brak ocenionych ruchów.</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>If you ask for a hint the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Show the hint ?</source>
        <translation>Gra z podpowiedzią jest traktowana jako trening<byte value="xd"/>i nie trafia na listę najlepszych graczy ani do statystyk.<byte value="xd"/>Pokazać podpowiedź?</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Trener</translation>
    </message>
    <message>
        <source>&amp;Review...</source>
        <translation>&amp;Analiza...</translation>
    </message>
    <message>
        <source>%1 &gt; %2 shows how the game went.</source>
        <extracomment>%1 is the Game menu, %2 its Review item, as the menu shows them.</extracomment>
        <translation>%1 &gt; %2 pokazuje przebieg gry.</translation>
    </message>
</context>
<context>
    <name>TReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>Analiza</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Ruch</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Najlepszy ruch</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Strata</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Ocena</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Decyzje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Najlepszy</translation>
    </message>
    <message>
        <source>Small error</source>
        <translation>Drobny błąd</translation>
    </message>
    <message>
        <source>Blunder</source>
        <translation>Poważny błąd</translation>
    </message>
    <message>
        <source>No move rated yet.</source>
        <translation>Brak ocenionych ruchów.</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <extracomment>&quot;3 moves, 1 best, 4.5 points lost.&quot;: the counts, then the game&apos;s loss.</extracomment>
        <translation>%1, w tym %2; %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n ruch</numerusform>
            <numerusform>%n ruchy</numerusform>
            <numerusform>%n ruchów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n best</source>
        <translation>
            <numerusform>%n najlepszy</numerusform>
            <numerusform>%n najlepsze</numerusform>
            <numerusform>%n najlepszych</numerusform>
        </translation>
    </message>
    <message>
        <source>This game: %1 lost a move on average; %2, %3.</source>
        <extracomment>%1 is an amount lost, as &quot;0.8 points&quot;; %2 and %3 the counts of small errors and blunders.</extracomment>
        <translation>Ta gra: średnio %1 straty na ruch; %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n small errors</source>
        <translation>
            <numerusform>%n drobny błąd</numerusform>
            <numerusform>%n drobne błędy</numerusform>
            <numerusform>%n drobnych błędów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blunders</source>
        <translation>
            <numerusform>%n poważny błąd</numerusform>
            <numerusform>%n poważne błędy</numerusform>
            <numerusform>%n poważnych błędów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your average with the coach: %1 lost a move, over %n moves.</source>
        <translation>
            <numerusform>Twoja średnia z trenerem: %1 straty na ruch, z %n ruchu.</numerusform>
            <numerusform>Twoja średnia z trenerem: %1 straty na ruch, z %n ruchów.</numerusform>
            <numerusform>Twoja średnia z trenerem: %1 straty na ruch, z %n ruchów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your average builds up as the coach rates your moves.</source>
        <translation>Średnia powstaje w miarę, jak trener ocenia twoje ruchy.</translation>
    </message>
    <message>
        <source>Turn the coach on (Options) to keep your average over the games.</source>
        <translation>Włącz trenera (Opcje), aby śledzić swoją średnią z wielu gier.</translation>
    </message>
</context>
<context>
    <name>TURLLabel</name>
    <message>
        <source>web link</source>
        <translation>odnośnik do strony</translation>
    </message>
    <message>
        <source>mail link</source>
        <translation>odnośnik e-mail</translation>
    </message>
    <message>
        <source>file transfer link</source>
        <translation>odnośnik do pobrania pliku</translation>
    </message>
    <message>
        <source>link</source>
        <translation>odnośnik</translation>
    </message>
</context>
<context>
    <name>colour</name>
    <message>
        <source>black</source>
        <translation>czarny</translation>
    </message>
    <message>
        <source>maroon</source>
        <translation>bordowy</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>oliwkowy</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>granatowy</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>fioletowy</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>morski</translation>
    </message>
    <message>
        <source>gray</source>
        <translation>szary</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>srebrny</translation>
    </message>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>limonkowy</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <translation>różowy</translation>
    </message>
    <message>
        <source>aqua</source>
        <translation>błękitny</translation>
    </message>
    <message>
        <source>white</source>
        <translation>biały</translation>
    </message>
    <message>
        <source>button face</source>
        <translation>kolor przycisku</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>There is no folder to keep the settings in: neither XDG_CONFIG_HOME nor HOME is set to a full path. The settings of this run will not be kept.</source>
        <translation>Nie ma folderu na ustawienia: ani XDG_CONFIG_HOME, ani HOME nie wskazuje pełnej ścieżki. Ustawienia z tej sesji nie zostaną zachowane.</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>%1 – pomoc</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be found.</source>
        <translation>Nie znaleziono pliku pomocy „%1”.</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <extracomment>%1 is a topic&apos;s keyword, %2 the help file&apos;s name.</extracomment>
        <translation>Tematu „%1” nie ma w pliku pomocy „%2”.</translation>
    </message>
</context>
<context>
    <name>platform::Messages</name>
    <message>
        <source>Confirm</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>platform::TIniFile</name>
    <message>
        <source>&quot;%1&quot; is a folder, not a settings file.</source>
        <translation>„%1” jest folderem, a nie plikiem ustawień.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file.</source>
        <translation>„%1” nie jest plikiem ustawień.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: its owner may not read it.</source>
        <translation>Nie można odczytać „%1”: jego właściciel nie ma prawa odczytu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>Nie można odczytać „%1”: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>to jest folder.</translation>
    </message>
    <message>
        <source>it is not a plain file.</source>
        <translation>to nie jest zwykły plik.</translation>
    </message>
    <message>
        <source>it is read-only.</source>
        <translation>plik jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is read-only.</source>
        <translation>jego folder „%1” jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be written: %2</source>
        <translation>Nie można zapisać pliku ustawień „%1”: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be saved: %2</source>
        <translation>Nie udało się zapisać pliku ustawień „%1”: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be created: %2</source>
        <translation>Nie udało się utworzyć pliku ustawień „%1”: %2</translation>
    </message>
</context>
<context>
    <name>platform::best</name>
    <message>
        <source>The statistics total %1 in &quot;%2&quot; counts from 0.</source>
        <extracomment>%1 is the key of a total in the settings file, %2 the file&apos;s path.</extracomment>
        <translation>Licznik statystyk %1 w „%2” liczy od 0.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <translation>„%1” nie jest poprawną liczbą całkowitą.</translation>
    </message>
</context>
</TS>
