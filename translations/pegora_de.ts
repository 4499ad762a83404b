<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>codebreaking::TAboutBox1</name>
    <message>
        <source>Version 2.3</source>
        <translation>Version 2.3</translation>
    </message>
    <message>
        <source>Last modify: 3-7-96</source>
        <translation>Letzte Änderung: 3.7.96</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Ein Stift, der in sein Loch fällt</translation>
    </message>
</context>
<context>
    <name>codebreaking::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Place %1 marker</source>
        <translation>Markierung von Platz %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Löschen</translation>
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
    <message>
        <source>Place %1: %2, %3, %4</source>
        <extracomment>%1 is the place, %2 the player&apos;s name, %3 the guesses and %4 the time, each with its unit.</extracomment>
        <translation>Platz %1: %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n guesses</source>
        <translation>
            <numerusform>%n Versuch</numerusform>
            <numerusform>%n Versuche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TCongratulations</name>
    <message>
        <source>Congratulations</source>
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
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>codebreaking::TMainForm</name>
    <message>
        <source>Line %1 marker</source>
        <translation>Markierung von Zeile %1</translation>
    </message>
    <message>
        <source>Line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>Correctly placed colors</source>
        <translation>Richtig platzierte Farben</translation>
    </message>
    <message>
        <source>Uncorrectly placed colors</source>
        <translation>Falsch platzierte Farben</translation>
    </message>
    <message>
        <source>Palette peg %1</source>
        <translation>Palettenstift %1</translation>
    </message>
    <message>
        <source>Secret code peg %1</source>
        <translation>Geheimcode-Stift %1</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Repeat the previous line</source>
        <translation>Vorige Zeile wiederholen</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Zeile:</translation>
    </message>
    <message>
        <source>Seconds since the game started</source>
        <translation>Sekunden seit Spielbeginn</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>Line %1 correctly placed: %2</source>
        <translation>Zeile %1, richtig platziert: %2</translation>
    </message>
    <message>
        <source>Line %1 incorrectly placed: %2</source>
        <translation>Zeile %1, falsch platziert: %2</translation>
    </message>
    <message>
        <source>line to come</source>
        <translation>kommende Zeile</translation>
    </message>
    <message>
        <source>earlier line</source>
        <translation>frühere Zeile</translation>
    </message>
    <message>
        <source>won line</source>
        <translation>Gewinnzeile</translation>
    </message>
    <message>
        <source>current line</source>
        <translation>aktuelle Zeile</translation>
    </message>
    <message>
        <source>Line %1 marker, %2</source>
        <translation>Markierung von Zeile %1, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Start a new game ?</source>
        <translation>Ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>If you play %1 the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Start a new game ?</source>
        <extracomment>%1 is the name of an option of the Level or Options menu.</extracomment>
        <translation>Wenn Sie mit „%1“ spielen, gilt das Spiel als Training,<byte value="xd"/>und ich aktualisiere weder Bestenliste noch Statistik.<byte value="xd"/>Ein neues Spiel beginnen?</translation>
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
        <source>Show Secret &amp;Code</source>
        <translation>Geheim&amp;code zeigen</translation>
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
        <source>&amp;Level</source>
        <translation>S&amp;tufe</translation>
    </message>
    <message>
        <source>&amp;3 Colors</source>
        <translation>&amp;3 Farben</translation>
    </message>
    <message>
        <source>&amp;4 Colors</source>
        <translation>&amp;4 Farben</translation>
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
        <source>&amp;Single Colors</source>
        <translation>&amp;Keine doppelten Farben</translation>
    </message>
    <message>
        <source>&amp;Peg Symbols</source>
        <translation>&amp;Stiftsymbole</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
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
        <source>&amp;Welcome Box</source>
        <translation>&amp;Willkommensfenster</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>The game is over: start a new one for a hint.</source>
        <translation>Das Spiel ist vorbei: Für einen Hinweis neu beginnen.</translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation>Hinweis wird berechnet...</translation>
    </message>
    <message>
        <source>Sorry, too many guesses.</source>
        <translation>Leider zu viele Versuche.</translation>
    </message>
    <message>
        <source>Single Colors</source>
        <translation>Keine doppelten Farben</translation>
    </message>
    <message>
        <source>3 Colors</source>
        <translation>3 Farben</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TPegShape</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
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
        <translation>Spielende</translation>
    </message>
    <message>
        <source>N. of guesses:</source>
        <translation>Versuche:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Gesamtzeit:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>First try !!!</source>
        <translation>Auf Anhieb!!!</translation>
    </message>
    <message>
        <source>Great!!</source>
        <translation>Super!!</translation>
    </message>
    <message>
        <source>You made it!</source>
        <translation>Geschafft!</translation>
    </message>
    <message>
        <source>At last!</source>
        <translation>Endlich!</translation>
    </message>
    <message>
        <source>Number of guesses: %1</source>
        <translation>Anzahl der Versuche: %1</translation>
    </message>
    <message numerus="yes">
        <source>Total time: %n seconds</source>
        <translation>
            <numerusform>Gesamtzeit: %n Sekunde</numerusform>
            <numerusform>Gesamtzeit: %n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Spiele gesamt</translation>
    </message>
    <message>
        <source>Seconds per game</source>
        <translation>Sekunden pro Spiel</translation>
    </message>
    <message>
        <source>Guesses per game</source>
        <translation>Versuche pro Spiel</translation>
    </message>
    <message>
        <source>% of unsuccessful games</source>
        <translation>% verlorene Spiele</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An accessible name: %1 is what the figure is, %2 the figure.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>codebreaking::TTopScore</name>
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
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>codebreaking::TWelcomeBox</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Ein Stift, der in sein Loch fällt</translation>
    </message>
    <message>
        <source>Welcome to Pegora v2.3 !</source>
        <translation>Willkommen bei Pegora v2.3!</translation>
    </message>
    <message>
        <source>To win, you have to guess the secret color sequence the program choosed.</source>
        <translation>Um zu gewinnen, müssen Sie die geheime Farbfolge erraten, die das Programm gewählt hat.</translation>
    </message>
    <message>
        <source>To do so, simply drag and drop the colors in the left-side spaces and then click on the Check button. The two numbers will tell you how many correctly placed color and how many incorrectly placed there are.</source>
        <translation>Ziehen Sie dazu einfach die Farben in die Löcher auf der linken Seite und klicken Sie dann auf die Schaltfläche Prüfen. Die beiden Zahlen sagen Ihnen, wie viele Farben richtig und wie viele falsch platziert sind.</translation>
    </message>
    <message>
        <source>If you don&apos;t check Single Colors option there can be a sequence with a color repeated more than one time.</source>
        <translation>Wenn Sie die Option „Keine doppelten Farben“ nicht einschalten, kann eine Farbe in der Folge mehrmals vorkommen.</translation>
    </message>
    <message>
        <source>Show this message when the program starts</source>
        <translation>Diese Meldung beim Programmstart zeigen</translation>
    </message>
    <message>
        <source>Whether this welcome comes back at every start</source>
        <translation>Ob diese Begrüßung bei jedem Start wieder erscheint</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Mehr...</translation>
    </message>
    <message>
        <source>Opens the rules in the help</source>
        <translation>Öffnet die Regeln in der Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>codebreaking::coach</name>
    <message numerus="yes">
        <source>%1 codes</source>
        <extracomment>A mean loss in codes (&quot;2 codes&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>%1 Code</numerusform>
            <numerusform>%1 Codes</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Codes left at most</source>
        <translation>Übrige Codes (max.)</translation>
    </message>
    <message>
        <source>Your lines</source>
        <translation>Ihre Zeilen</translation>
    </message>
    <message>
        <source>Best guesses</source>
        <translation>Beste Zeilen</translation>
    </message>
    <message>
        <source>Try %1</source>
        <extracomment>A guess, as the hint words it: %1 is the colours&apos; names.</extracomment>
        <translation>%1 setzen</translation>
    </message>
    <message numerus="yes">
        <source>%1 codes lost</source>
        <extracomment>The coach&apos;s loss in codes (&quot;3 codes lost&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>%1 Code verloren</numerusform>
            <numerusform>%1 Codes verloren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at most %n codes left; yours up to %1</source>
        <extracomment>The best guess&apos;s and this guess&apos;s codes left at most, %n and %1.</extracomment>
        <translation>
            <numerusform>max. %n Code übrig, bei Ihnen bis %1</numerusform>
            <numerusform>max. %n Codes übrig, bei Ihnen bis %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::hint</name>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>No code fits the lines so far.</source>
        <translation>Kein Code passt zu den bisherigen Zeilen.</translation>
    </message>
    <message>
        <source>Try %1.</source>
        <extracomment>%1 is the guess: the colours&apos; names, one after the other.</extracomment>
        <translation>Tipp: %1.</translation>
    </message>
    <message>
        <source>Not the code, but narrows the %1 best.</source>
        <translation>Nicht der Code, engt die %1 optimal ein.</translation>
    </message>
    <message>
        <source>1 code is still possible.</source>
        <translation>1 Code ist noch möglich.</translation>
    </message>
    <message>
        <source>%1 codes are still possible.</source>
        <translation>%1 Codes sind noch möglich.</translation>
    </message>
</context>
<context>
    <name>codebreaking::settings</name>
    <message>
        <source>Pegora starts with its standard settings and will leave the file as it is when it closes.</source>
        <translation>Pegora startet mit den Standardeinstellungen und lässt die Datei beim Beenden unverändert.</translation>
    </message>
</context>
</TS>
