<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>codebreaking::TAboutBox1</name>
    <message>
        <source>Version 2.3</source>
        <translation>Versie 2.3</translation>
    </message>
    <message>
        <source>Last modify: 3-7-96</source>
        <translation>Laatst gewijzigd: 3-7-96</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Een pin die in zijn gaatje valt</translation>
    </message>
</context>
<context>
    <name>codebreaking::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation>Beste spelers</translation>
    </message>
    <message>
        <source>Words of Wisdom from %1:</source>
        <extracomment>%1 is the best player&apos;s name.</extracomment>
        <translation>Wijze woorden van %1:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>Pogingen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Place %1 marker</source>
        <translation>Markering plaats %1</translation>
    </message>
    <message>
        <source>Place %1: %2, %3, %4</source>
        <extracomment>%1 is the place, %2 the player&apos;s name, %3 the guesses and %4 the time, each with its unit.</extracomment>
        <translation>Plaats %1: %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n guesses</source>
        <translation>
            <numerusform>%n poging</numerusform>
            <numerusform>%n pogingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Weet je het zeker?</translation>
    </message>
</context>
<context>
    <name>codebreaking::TCongratulations</name>
    <message>
        <source>Congratulations</source>
        <translation>Gefeliciteerd</translation>
    </message>
    <message>
        <source>Your score is one of the best five !</source>
        <translation>Je score hoort bij de beste vijf!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Vul je naam in:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>codebreaking::TMainForm</name>
    <message>
        <source>Line %1 marker</source>
        <translation>Markering rij %1</translation>
    </message>
    <message>
        <source>Line %1, column %2</source>
        <translation>Rij %1, kolom %2</translation>
    </message>
    <message>
        <source>Correctly placed colors</source>
        <translation>Goed geplaatste kleuren</translation>
    </message>
    <message>
        <source>Uncorrectly placed colors</source>
        <translation>Verkeerd geplaatste kleuren</translation>
    </message>
    <message>
        <source>Palette peg %1</source>
        <translation>Paletpin %1</translation>
    </message>
    <message>
        <source>Secret code peg %1</source>
        <translation>Pin %1 van de geheime code</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Nakijken</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Herhalen</translation>
    </message>
    <message>
        <source>Repeat the previous line</source>
        <translation>De vorige rij herhalen</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Rij:</translation>
    </message>
    <message>
        <source>Seconds since the game started</source>
        <translation>Seconden sinds het begin van het spel</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>niet nagekeken</translation>
    </message>
    <message>
        <source>Line %1 correctly placed: %2</source>
        <translation>Rij %1, goed geplaatst: %2</translation>
    </message>
    <message>
        <source>Line %1 incorrectly placed: %2</source>
        <translation>Rij %1, verkeerd geplaatst: %2</translation>
    </message>
    <message>
        <source>line to come</source>
        <translation>komende rij</translation>
    </message>
    <message>
        <source>earlier line</source>
        <translation>eerdere rij</translation>
    </message>
    <message>
        <source>won line</source>
        <translation>winnende rij</translation>
    </message>
    <message>
        <source>current line</source>
        <translation>huidige rij</translation>
    </message>
    <message>
        <source>Line %1 marker, %2</source>
        <translation>Markering rij %1, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Rij %1</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>Start a new game ?</source>
        <translation>Een nieuw spel beginnen?</translation>
    </message>
    <message>
        <source>If you play %1 the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Start a new game ?</source>
        <extracomment>%1 is the name of an option of the Level or Options menu.</extracomment>
        <translation>Als je met “%1” speelt, geldt het spel als oefening<byte value="xd"/>en werk ik Beste spelers en Statistieken niet bij.<byte value="xd"/>Een nieuw spel beginnen?</translation>
    </message>
    <message>
        <source>The game is over: start a new one for a hint.</source>
        <translation>Het spel is voorbij: begin een nieuw spel voor een tip.</translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation>Tip wordt berekend...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Show Secret &amp;Code</source>
        <translation>Geheime &amp;code tonen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistieken</translation>
    </message>
    <message>
        <source>&amp;Best Players</source>
        <translation>&amp;Beste spelers</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;3 Colors</source>
        <translation>&amp;3 kleuren</translation>
    </message>
    <message>
        <source>&amp;4 Colors</source>
        <translation>&amp;4 kleuren</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>&amp;Single Colors</source>
        <translation>Geen &amp;dubbele kleuren</translation>
    </message>
    <message>
        <source>&amp;Peg Symbols</source>
        <translation>&amp;Pinsymbolen</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regels</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Puntentelling</translation>
    </message>
    <message>
        <source>&amp;Welcome Box</source>
        <translation>&amp;Welkomstvenster</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>Sorry, too many guesses.</source>
        <translation>Helaas, te veel pogingen.</translation>
    </message>
    <message>
        <source>Single Colors</source>
        <translation>Geen dubbele kleuren</translation>
    </message>
    <message>
        <source>3 Colors</source>
        <translation>3 kleuren</translation>
    </message>
</context>
<context>
    <name>codebreaking::TPegShape</name>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
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
        <translation>Einde spel</translation>
    </message>
    <message>
        <source>N. of guesses:</source>
        <translation>Pogingen:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Totale tijd:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>First try !!!</source>
        <translation>In één keer!!!</translation>
    </message>
    <message>
        <source>Great!!</source>
        <translation>Super!!</translation>
    </message>
    <message>
        <source>You made it!</source>
        <translation>Gelukt!</translation>
    </message>
    <message>
        <source>At last!</source>
        <translation>Eindelijk!</translation>
    </message>
    <message>
        <source>Number of guesses: %1</source>
        <translation>Aantal pogingen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Total time: %n seconds</source>
        <translation>
            <numerusform>Totale tijd: %n seconde</numerusform>
            <numerusform>Totale tijd: %n seconden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Gespeelde spellen</translation>
    </message>
    <message>
        <source>Seconds per game</source>
        <translation>Seconden per spel</translation>
    </message>
    <message>
        <source>Guesses per game</source>
        <translation>Pogingen per spel</translation>
    </message>
    <message>
        <source>% of unsuccessful games</source>
        <translation>% mislukte spellen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An accessible name: %1 is what the figure is, %2 the figure.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Weet je het zeker?</translation>
    </message>
</context>
<context>
    <name>codebreaking::TTopScore</name>
    <message>
        <source>Congratulations</source>
        <translation>Gefeliciteerd</translation>
    </message>
    <message>
        <source>Your score is the best one !</source>
        <translation>Je score is de beste!</translation>
    </message>
    <message>
        <source>Please enter your name...</source>
        <translation>Vul je naam in...</translation>
    </message>
    <message>
        <source>...and your Words of Wisdom:</source>
        <translation>...en je wijze woorden:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>codebreaking::TWelcomeBox</name>
    <message>
        <source>Welcome</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Een pin die in zijn gaatje valt</translation>
    </message>
    <message>
        <source>Welcome to Pegora v2.3 !</source>
        <translation>Welkom bij Pegora v2.3!</translation>
    </message>
    <message>
        <source>To win, you have to guess the secret color sequence the program choosed.</source>
        <translation>Om te winnen moet je de geheime kleurenreeks raden die het programma heeft gekozen.</translation>
    </message>
    <message>
        <source>To do so, simply drag and drop the colors in the left-side spaces and then click on the Check button. The two numbers will tell you how many correctly placed color and how many incorrectly placed there are.</source>
        <translation>Sleep daarvoor gewoon de kleuren naar de gaatjes aan de linkerkant en klik dan op de knop Nakijken. De twee getallen vertellen je hoeveel kleuren goed en hoeveel verkeerd geplaatst zijn.</translation>
    </message>
    <message>
        <source>If you don&apos;t check Single Colors option there can be a sequence with a color repeated more than one time.</source>
        <translation>Als je de optie Geen dubbele kleuren niet aanvinkt, kan een kleur meer dan eens in de reeks voorkomen.</translation>
    </message>
    <message>
        <source>Show this message when the program starts</source>
        <translation>Dit bericht tonen bij het starten</translation>
    </message>
    <message>
        <source>Whether this welcome comes back at every start</source>
        <translation>Of dit venster bij elke start terugkomt</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Meer...</translation>
    </message>
    <message>
        <source>Opens the rules in the help</source>
        <translation>Opent de regels in de help</translation>
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
            <numerusform>%1 code verloren</numerusform>
            <numerusform>%1 codes verloren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 codes</source>
        <extracomment>A mean loss in codes (&quot;2 codes&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>%1 code</numerusform>
            <numerusform>%1 codes</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Codes left at most</source>
        <translation>Resterende codes (max.)</translation>
    </message>
    <message>
        <source>Your lines</source>
        <translation>Jouw rijen</translation>
    </message>
    <message>
        <source>Best guesses</source>
        <translation>Beste pogingen</translation>
    </message>
    <message>
        <source>Try %1</source>
        <extracomment>A guess, as the hint words it: %1 is the colours&apos; names.</extracomment>
        <translation>Probeer %1</translation>
    </message>
    <message numerus="yes">
        <source>at most %n codes left; yours up to %1</source>
        <extracomment>The best guess&apos;s and this guess&apos;s codes left at most, %n and %1.</extracomment>
        <translation>
            <numerusform>max. %n code over; bij de jouwe tot %1</numerusform>
            <numerusform>max. %n codes over; bij de jouwe tot %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::hint</name>
    <message>
        <source>White</source>
        <translation>wit</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>turkoois</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>zwart</translation>
    </message>
    <message>
        <source>No code fits the lines so far.</source>
        <translation>Geen code past bij de rijen tot nu toe.</translation>
    </message>
    <message>
        <source>Try %1.</source>
        <extracomment>%1 is the guess: the colours&apos; names, one after the other.</extracomment>
        <translation>Probeer %1.</translation>
    </message>
    <message>
        <source>Not the code, but narrows the %1 best.</source>
        <translation>Niet de code; splitst de %1 het best.</translation>
    </message>
    <message>
        <source>1 code is still possible.</source>
        <translation>Nog 1 code mogelijk.</translation>
    </message>
    <message>
        <source>%1 codes are still possible.</source>
        <translation>Nog %1 codes mogelijk.</translation>
    </message>
</context>
<context>
    <name>codebreaking::settings</name>
    <message>
        <source>Pegora starts with its standard settings and will leave the file as it is when it closes.</source>
        <translation>Pegora start met de standaardinstellingen en laat het bestand bij het afsluiten ongewijzigd.</translation>
    </message>
</context>
</TS>
