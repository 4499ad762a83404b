<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>codebreaking::TAboutBox1</name>
    <message>
        <source>Version 2.3</source>
        <translation>Versione 2.3</translation>
    </message>
    <message>
        <source>Last modify: 3-7-96</source>
        <translation>Ultima modifica: 3-7-96</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Un piolo che cade nel suo foro</translation>
    </message>
</context>
<context>
    <name>codebreaking::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation>Migliori giocatori</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>Tentativi</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Place %1 marker</source>
        <translation>Indicatore della posizione %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <source>Words of Wisdom from %1:</source>
        <extracomment>%1 is the best player&apos;s name.</extracomment>
        <translation>Perle di saggezza di %1:</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Confermare?</translation>
    </message>
    <message>
        <source>Place %1: %2, %3, %4</source>
        <extracomment>%1 is the place, %2 the player&apos;s name, %3 the guesses and %4 the time, each with its unit.</extracomment>
        <translation>Posizione %1: %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n guesses</source>
        <translation>
            <numerusform>%n tentativo</numerusform>
            <numerusform>%n tentativi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TCongratulations</name>
    <message>
        <source>Congratulations</source>
        <translation>Complimenti</translation>
    </message>
    <message>
        <source>Your score is one of the best five !</source>
        <translation>Il punteggio è tra i cinque migliori!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Inserire il proprio nome:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>codebreaking::TMainForm</name>
    <message>
        <source>Line %1 marker</source>
        <translation>Indicatore della riga %1</translation>
    </message>
    <message>
        <source>Line %1, column %2</source>
        <translation>Riga %1, colonna %2</translation>
    </message>
    <message>
        <source>Correctly placed colors</source>
        <translation>Colori al posto giusto</translation>
    </message>
    <message>
        <source>Uncorrectly placed colors</source>
        <translation>Colori al posto sbagliato</translation>
    </message>
    <message>
        <source>Palette peg %1</source>
        <translation>Piolo %1 della tavolozza</translation>
    </message>
    <message>
        <source>Secret code peg %1</source>
        <translation>Piolo %1 del codice segreto</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Repeat the previous line</source>
        <translation>Ripete la riga precedente</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Riga:</translation>
    </message>
    <message>
        <source>Seconds since the game started</source>
        <translation>Secondi dall&apos;inizio della partita</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>non verificata</translation>
    </message>
    <message>
        <source>Line %1 correctly placed: %2</source>
        <translation>Riga %1, al posto giusto: %2</translation>
    </message>
    <message>
        <source>Line %1 incorrectly placed: %2</source>
        <translation>Riga %1, al posto sbagliato: %2</translation>
    </message>
    <message>
        <source>line to come</source>
        <translation>riga da giocare</translation>
    </message>
    <message>
        <source>earlier line</source>
        <translation>riga precedente</translation>
    </message>
    <message>
        <source>won line</source>
        <translation>riga vincente</translation>
    </message>
    <message>
        <source>current line</source>
        <translation>riga corrente</translation>
    </message>
    <message>
        <source>Line %1 marker, %2</source>
        <translation>Indicatore della riga %1, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>Start a new game ?</source>
        <translation>Iniziare una nuova partita?</translation>
    </message>
    <message>
        <source>If you play %1 the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Start a new game ?</source>
        <extracomment>%1 is the name of an option of the Level or Options menu.</extracomment>
        <translation>Con %1 la partita è di allenamento<byte value="xd"/>e Migliori giocatori e Statistiche non si aggiornano.<byte value="xd"/>Iniziare una nuova partita?</translation>
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
        <source>Show Secret &amp;Code</source>
        <translation>Mostra &amp;codice segreto</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Su&amp;ggerimento</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiche</translation>
    </message>
    <message>
        <source>&amp;Best Players</source>
        <translation>&amp;Migliori giocatori</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Livello</translation>
    </message>
    <message>
        <source>&amp;3 Colors</source>
        <translation>&amp;3 colori</translation>
    </message>
    <message>
        <source>&amp;4 Colors</source>
        <translation>&amp;4 colori</translation>
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
        <source>&amp;Single Colors</source>
        <translation>Colori &amp;unici</translation>
    </message>
    <message>
        <source>&amp;Peg Symbols</source>
        <translation>Simboli sui &amp;pioli</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Regole</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Punteggio</translation>
    </message>
    <message>
        <source>&amp;Welcome Box</source>
        <translation>&amp;Finestra di benvenuto</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>The game is over: start a new one for a hint.</source>
        <translation>La partita è finita: per un suggerimento iniziarne una nuova.</translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation>Calcolo del suggerimento in corso...</translation>
    </message>
    <message>
        <source>Sorry, too many guesses.</source>
        <translation>Spiacenti, troppi tentativi.</translation>
    </message>
    <message>
        <source>Single Colors</source>
        <translation>Colori unici</translation>
    </message>
    <message>
        <source>3 Colors</source>
        <translation>3 colori</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TPegShape</name>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
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
        <translation>Fine partita</translation>
    </message>
    <message>
        <source>N. of guesses:</source>
        <translation>N. tentativi:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Tempo totale:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>First try !!!</source>
        <translation>Al primo colpo!!!</translation>
    </message>
    <message>
        <source>Great!!</source>
        <translation>Ottimo!!</translation>
    </message>
    <message>
        <source>You made it!</source>
        <translation>Ce l&apos;hai fatta!</translation>
    </message>
    <message>
        <source>At last!</source>
        <translation>Finalmente!</translation>
    </message>
    <message>
        <source>Number of guesses: %1</source>
        <translation>Numero di tentativi: %1</translation>
    </message>
    <message numerus="yes">
        <source>Total time: %n seconds</source>
        <translation>
            <numerusform>Tempo totale: %n secondo</numerusform>
            <numerusform>Tempo totale: %n secondi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Totale partite giocate</translation>
    </message>
    <message>
        <source>Seconds per game</source>
        <translation>Secondi per partita</translation>
    </message>
    <message>
        <source>Guesses per game</source>
        <translation>Tentativi per partita</translation>
    </message>
    <message>
        <source>% of unsuccessful games</source>
        <translation>% di partite non vinte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An accessible name: %1 is what the figure is, %2 the figure.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Confermare?</translation>
    </message>
</context>
<context>
    <name>codebreaking::TTopScore</name>
    <message>
        <source>Congratulations</source>
        <translation>Complimenti</translation>
    </message>
    <message>
        <source>Your score is the best one !</source>
        <translation>Il punteggio è il migliore!</translation>
    </message>
    <message>
        <source>Please enter your name...</source>
        <translation>Inserire il proprio nome...</translation>
    </message>
    <message>
        <source>...and your Words of Wisdom:</source>
        <translation>...e le proprie perle di saggezza:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>codebreaking::TWelcomeBox</name>
    <message>
        <source>Welcome</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Un piolo che cade nel suo foro</translation>
    </message>
    <message>
        <source>Welcome to Pegora v2.3 !</source>
        <translation>Benvenuti in Pegora v2.3!</translation>
    </message>
    <message>
        <source>To win, you have to guess the secret color sequence the program choosed.</source>
        <translation>Per vincere bisogna indovinare la sequenza segreta di colori scelta dal programma.</translation>
    </message>
    <message>
        <source>To do so, simply drag and drop the colors in the left-side spaces and then click on the Check button. The two numbers will tell you how many correctly placed color and how many incorrectly placed there are.</source>
        <translation>Per farlo, basta trascinare i colori negli spazi a sinistra e poi fare clic sul pulsante Verifica. I due numeri indicano quanti colori sono al posto giusto e quanti al posto sbagliato.</translation>
    </message>
    <message>
        <source>If you don&apos;t check Single Colors option there can be a sequence with a color repeated more than one time.</source>
        <translation>Se l&apos;opzione Colori unici non è attiva, la sequenza può contenere un colore ripetuto più di una volta.</translation>
    </message>
    <message>
        <source>Show this message when the program starts</source>
        <translation>Mostra questo messaggio all&apos;avvio del programma</translation>
    </message>
    <message>
        <source>Whether this welcome comes back at every start</source>
        <translation>Indica se il benvenuto ricompare all&apos;avvio</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Altro...</translation>
    </message>
    <message>
        <source>Opens the rules in the help</source>
        <translation>Apre le regole nella guida</translation>
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
            <numerusform>%1 codice</numerusform>
            <numerusform>%1 codici</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Codes left at most</source>
        <translation>Codici rimasti (max.)</translation>
    </message>
    <message>
        <source>Your lines</source>
        <translation>Righe giocate</translation>
    </message>
    <message>
        <source>Best guesses</source>
        <translation>Righe ottimali</translation>
    </message>
    <message>
        <source>Try %1</source>
        <extracomment>A guess, as the hint words it: %1 is the colours&apos; names.</extracomment>
        <translation>Provare %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 codes lost</source>
        <extracomment>The coach&apos;s loss in codes (&quot;3 codes lost&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>%1 codice perso</numerusform>
            <numerusform>%1 codici persi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at most %n codes left; yours up to %1</source>
        <extracomment>The best guess&apos;s and this guess&apos;s codes left at most, %n and %1.</extracomment>
        <translation>
            <numerusform>max. %n codice rimasto; quella giocata, fino a %1</numerusform>
            <numerusform>max. %n codici rimasti; quella giocata, fino a %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::hint</name>
    <message>
        <source>White</source>
        <translation>bianco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>azzurro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>nero</translation>
    </message>
    <message>
        <source>No code fits the lines so far.</source>
        <translation>Nessun codice è compatibile con le righe.</translation>
    </message>
    <message>
        <source>Try %1.</source>
        <extracomment>%1 is the guess: the colours&apos; names, one after the other.</extracomment>
        <translation>Provare %1.</translation>
    </message>
    <message>
        <source>Not the code, but narrows the %1 best.</source>
        <translation>Non vince ma divide meglio i codici (%1).</translation>
    </message>
    <message>
        <source>1 code is still possible.</source>
        <translation>È ancora possibile 1 codice.</translation>
    </message>
    <message>
        <source>%1 codes are still possible.</source>
        <translation>Sono ancora possibili %1 codici.</translation>
    </message>
</context>
<context>
    <name>codebreaking::settings</name>
    <message>
        <source>Pegora starts with its standard settings and will leave the file as it is when it closes.</source>
        <translation>Pegora si avvia con le impostazioni standard e alla chiusura lascerà il file così com&apos;è.</translation>
    </message>
</context>
</TS>
