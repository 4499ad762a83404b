<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>codebreaking::TAboutBox1</name>
    <message>
        <source>Version 2.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last modify: 3-7-96</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>codebreaking::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place %1 marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place %1: %2, %3 guesses, %4 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words of Wisdom from %1:</source>
        <extracomment>%1 is the best player&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>codebreaking::TCongratulations</name>
    <message>
        <source>Congratulations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your score is one of the best five !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>codebreaking::TMainForm</name>
    <message>
        <source>Line %1 marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correctly placed colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncorrectly placed colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette peg %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secret code peg %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat the previous line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds since the game started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 correctly placed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 incorrectly placed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line to come</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>earlier line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>won line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>current line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 marker, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new game ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you play %1 the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Start a new game ?</source>
        <extracomment>%1 is the name of an option of the Level or Options menu.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Secret &amp;Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Best Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;3 Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;4 Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Single Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Peg Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Welcome Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is over: start a new one for a hint.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you ask for a hint the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Show the hint ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, too many guesses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Colors</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>codebreaking::TPegShape</name>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is which peg it is, %2 its colour or &quot;empty&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>codebreaking::TResult</name>
    <message>
        <source>End of Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N. of guesses:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First try !!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Great!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You made it!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At last!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of guesses: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total time: %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>codebreaking::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds per game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guesses per game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% of unsuccessful games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An accessible name: %1 is what the figure is, %2 the figure.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>codebreaking::TTopScore</name>
    <message>
        <source>Congratulations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your score is the best one !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...and your Words of Wisdom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>codebreaking::TWelcomeBox</name>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Pegora v2.3 !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To win, you have to guess the secret color sequence the program choosed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To do so, simply drag and drop the colors in the left-side spaces and then click on the Check button. The two numbers will tell you how many correctly placed color and how many incorrectly placed there are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you don&apos;t check Single Colors option there can be a sequence with a color repeated more than one time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this message when the program starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether this welcome comes back at every start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the rules in the help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>codebreaking::hint</name>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No code fits the lines so far.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try %1.</source>
        <extracomment>%1 is the guess: the colours&apos; names, one after the other.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not the code, but narrows the %1 best.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 code is still possible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 codes are still possible.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>codebreaking::settings</name>
    <message>
        <source>Pegora starts with its standard settings and will leave the file as it is when it closes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
