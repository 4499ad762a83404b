<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>codebreaking::TAboutBox1</name>
    <message>
        <source>Version 2.3</source>
        <translation>Wersja 2.3</translation>
    </message>
    <message>
        <source>Last modify: 3-7-96</source>
        <translation>Ostatnia zmiana: 3.07.96</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Kołek wpadający do otworu</translation>
    </message>
</context>
<context>
    <name>codebreaking::TBestPlayers</name>
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
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>Próby</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Place %1 marker</source>
        <translation>Znacznik miejsca %1</translation>
    </message>
    <message>
        <source>Place %1: %2, %3, %4</source>
        <extracomment>%1 is the place, %2 the player&apos;s name, %3 the guesses and %4 the time, each with its unit.</extracomment>
        <translation>Miejsce %1: %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n guesses</source>
        <translation>
            <numerusform>%n próba</numerusform>
            <numerusform>%n próby</numerusform>
            <numerusform>%n prób</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Czy na pewno?</translation>
    </message>
</context>
<context>
    <name>codebreaking::TCongratulations</name>
    <message>
        <source>Congratulations</source>
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
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>codebreaking::TMainForm</name>
    <message>
        <source>Line %1 marker</source>
        <translation>Znacznik rzędu %1</translation>
    </message>
    <message>
        <source>Line %1, column %2</source>
        <translation>Rząd %1, kolumna %2</translation>
    </message>
    <message>
        <source>Correctly placed colors</source>
        <translation>Kolory na właściwym miejscu</translation>
    </message>
    <message>
        <source>Uncorrectly placed colors</source>
        <translation>Kolory na niewłaściwym miejscu</translation>
    </message>
    <message>
        <source>Palette peg %1</source>
        <translation>Kołek z palety %1</translation>
    </message>
    <message>
        <source>Secret code peg %1</source>
        <translation>Kołek tajnego kodu %1</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Powtórz</translation>
    </message>
    <message>
        <source>Repeat the previous line</source>
        <translation>Powtórz poprzedni rząd</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Rząd:</translation>
    </message>
    <message>
        <source>Seconds since the game started</source>
        <translation>Sekundy od początku gry</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>niesprawdzony</translation>
    </message>
    <message>
        <source>Line %1 correctly placed: %2</source>
        <translation>Rząd %1, na właściwym miejscu: %2</translation>
    </message>
    <message>
        <source>Line %1 incorrectly placed: %2</source>
        <translation>Rząd %1, na niewłaściwym miejscu: %2</translation>
    </message>
    <message>
        <source>line to come</source>
        <translation>dalszy rząd</translation>
    </message>
    <message>
        <source>earlier line</source>
        <translation>wcześniejszy rząd</translation>
    </message>
    <message>
        <source>won line</source>
        <translation>zwycięski rząd</translation>
    </message>
    <message>
        <source>current line</source>
        <translation>bieżący rząd</translation>
    </message>
    <message>
        <source>Line %1 marker, %2</source>
        <translation>Znacznik rzędu %1, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Rząd %1</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Start a new game ?</source>
        <translation>Rozpocząć nową grę?</translation>
    </message>
    <message>
        <source>If you play %1 the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Start a new game ?</source>
        <extracomment>%1 is the name of an option of the Level or Options menu.</extracomment>
        <translation>Gra z opcją „%1” jest traktowana jako trening<byte value="xd"/>i nie trafia na listę najlepszych graczy ani do statystyk.<byte value="xd"/>Rozpocząć nową grę?</translation>
    </message>
    <message>
        <source>The game is over: start a new one for a hint.</source>
        <translation>Gra skończona: zacznij nową, by dostać podpowiedź.</translation>
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
        <source>Show Secret &amp;Code</source>
        <translation>Pokaż tajny &amp;kod</translation>
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
        <source>&amp;Level</source>
        <translation>&amp;Poziom</translation>
    </message>
    <message>
        <source>&amp;3 Colors</source>
        <translation>&amp;3 kolory</translation>
    </message>
    <message>
        <source>&amp;4 Colors</source>
        <translation>&amp;4 kolory</translation>
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
        <source>&amp;Single Colors</source>
        <translation>&amp;Kolory bez powtórzeń</translation>
    </message>
    <message>
        <source>&amp;Peg Symbols</source>
        <translation>&amp;Symbole na kołkach</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
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
        <source>&amp;Welcome Box</source>
        <translation>Okno po&amp;witalne</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>Sorry, too many guesses.</source>
        <translation>Niestety, za dużo prób.</translation>
    </message>
    <message>
        <source>Single Colors</source>
        <translation>Kolory bez powtórzeń</translation>
    </message>
    <message>
        <source>3 Colors</source>
        <translation>3 kolory</translation>
    </message>
</context>
<context>
    <name>codebreaking::TPegShape</name>
    <message>
        <source>empty</source>
        <translation>pusty</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is which peg it is, %2 its colour or &quot;empty&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>codebreaking::TResult</name>
    <message>
        <source>End of Game</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>N. of guesses:</source>
        <translation>Liczba prób:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Łączny czas:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>First try !!!</source>
        <translation>Za pierwszym razem!</translation>
    </message>
    <message>
        <source>Great!!</source>
        <translation>Świetnie!!</translation>
    </message>
    <message>
        <source>You made it!</source>
        <translation>Udało się!</translation>
    </message>
    <message>
        <source>At last!</source>
        <translation>Nareszcie!</translation>
    </message>
    <message>
        <source>Number of guesses: %1</source>
        <translation>Liczba prób: %1</translation>
    </message>
    <message numerus="yes">
        <source>Total time: %n seconds</source>
        <translation>
            <numerusform>Łączny czas: %n sekunda</numerusform>
            <numerusform>Łączny czas: %n sekundy</numerusform>
            <numerusform>Łączny czas: %n sekund</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Rozegrane gry</translation>
    </message>
    <message>
        <source>Seconds per game</source>
        <translation>Sekundy na grę</translation>
    </message>
    <message>
        <source>Guesses per game</source>
        <translation>Próby na grę</translation>
    </message>
    <message>
        <source>% of unsuccessful games</source>
        <translation>% gier niewygranych</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An accessible name: %1 is what the figure is, %2 the figure.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Czy na pewno?</translation>
    </message>
</context>
<context>
    <name>codebreaking::TTopScore</name>
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
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>codebreaking::TWelcomeBox</name>
    <message>
        <source>Welcome</source>
        <translation>Witaj</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Kołek wpadający do otworu</translation>
    </message>
    <message>
        <source>Welcome to Pegora v2.3 !</source>
        <translation>Witaj w grze Pegora v2.3!</translation>
    </message>
    <message>
        <source>To win, you have to guess the secret color sequence the program choosed.</source>
        <translation>Aby wygrać, musisz odgadnąć tajny układ kolorów wybrany przez program.</translation>
    </message>
    <message>
        <source>To do so, simply drag and drop the colors in the left-side spaces and then click on the Check button. The two numbers will tell you how many correctly placed color and how many incorrectly placed there are.</source>
        <translation>Przeciągnij kolory do otworów po lewej stronie i kliknij przycisk Sprawdź. Dwie liczby powiedzą ci, ile kolorów jest na właściwym miejscu, a ile na niewłaściwym.</translation>
    </message>
    <message>
        <source>If you don&apos;t check Single Colors option there can be a sequence with a color repeated more than one time.</source>
        <translation>Bez opcji „Kolory bez powtórzeń” kolor może się w układzie powtarzać.</translation>
    </message>
    <message>
        <source>Show this message when the program starts</source>
        <translation>Pokazuj to okno przy uruchomieniu</translation>
    </message>
    <message>
        <source>Whether this welcome comes back at every start</source>
        <translation>Czy to powitanie ma się pojawiać przy każdym uruchomieniu</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Więcej...</translation>
    </message>
    <message>
        <source>Opens the rules in the help</source>
        <translation>Otwiera zasady w pomocy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>codebreaking::coach</name>
    <message numerus="yes">
        <source>%1 codes lost</source>
        <extracomment>The coach&apos;s loss in codes (&quot;3 codes lost&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>strata %1 kodu</numerusform>
            <numerusform>strata %1 kodów</numerusform>
            <numerusform>strata %1 kodów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 codes</source>
        <extracomment>A mean loss in codes (&quot;2 codes&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>%1 kod</numerusform>
            <numerusform>%1 kody</numerusform>
            <numerusform>%1 kodów</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Rzędy</translation>
    </message>
    <message>
        <source>Codes left at most</source>
        <translation>Pozostałe kody (maks.)</translation>
    </message>
    <message>
        <source>Your lines</source>
        <translation>Twoje rzędy</translation>
    </message>
    <message>
        <source>Best guesses</source>
        <translation>Najlepsze</translation>
    </message>
    <message>
        <source>Try %1</source>
        <extracomment>A guess, as the hint words it: %1 is the colours&apos; names.</extracomment>
        <translation>Ułóż %1</translation>
    </message>
    <message numerus="yes">
        <source>at most %n codes left; yours up to %1</source>
        <extracomment>The best guess&apos;s and this guess&apos;s codes left at most, %n and %1.</extracomment>
        <translation>
            <numerusform>zostaje maks. %n kod; po twoim do %1</numerusform>
            <numerusform>zostają maks. %n kody; po twoim do %1</numerusform>
            <numerusform>zostaje maks. %n kodów; po twoim do %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::hint</name>
    <message>
        <source>White</source>
        <translation>biały</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>różowy</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>błękitny</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>czarny</translation>
    </message>
    <message>
        <source>No code fits the lines so far.</source>
        <translation>Żaden kod nie pasuje do dotychczasowych rzędów.</translation>
    </message>
    <message>
        <source>Try %1.</source>
        <extracomment>%1 is the guess: the colours&apos; names, one after the other.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Not the code, but narrows the %1 best.</source>
        <translation>To nie kod; najlepiej zawęża pulę (%1).</translation>
    </message>
    <message>
        <source>1 code is still possible.</source>
        <translation>Możliwy jest jeszcze 1 kod.</translation>
    </message>
    <message>
        <source>%1 codes are still possible.</source>
        <translation>Możliwych kodów: %1.</translation>
    </message>
</context>
<context>
    <name>codebreaking::settings</name>
    <message>
        <source>Pegora starts with its standard settings and will leave the file as it is when it closes.</source>
        <translation>Pegora uruchamia się z ustawieniami domyślnymi i przy zamknięciu nie zmieni tego pliku.</translation>
    </message>
</context>
</TS>
