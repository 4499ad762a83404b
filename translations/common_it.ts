<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>TAboutBox</name>
    <message>
        <source>this computer</source>
        <translation>questo computer</translation>
    </message>
    <message>
        <source>for %1 / %2</source>
        <extracomment>The About box&apos;s line of the system the game runs on: &quot;for Linux / X11&quot; (%1 the system, %2 the window system) or &quot;for Linux&quot;.</extracomment>
        <translation>per %1 / %2</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>per %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>App Name</source>
        <translation>Nome applicazione</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versione 1.0</translation>
    </message>
    <message>
        <source>Last modify: 1-1-98</source>
        <translation>Ultima modifica: 1-1-98</translation>
    </message>
    <message>
        <source>© 2026 the Table Games team</source>
        <translation>© 2026 il team Table Games</translation>
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
        <translation>animazione</translation>
    </message>
</context>
<context>
    <name>TArrowButton</name>
    <message>
        <source>%1 arrow</source>
        <extracomment>%1 is a colour&apos;s name (&quot;red arrow&quot;).</extracomment>
        <translation>freccia di colore %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TCoach</name>
    <message>
        <source>&apos;%1&apos; is not a valid number.</source>
        <translation>«%1» non è un numero valido.</translation>
    </message>
    <message>
        <source>Best move.</source>
        <translation>Mossa migliore.</translation>
    </message>
    <message>
        <source>Best was: %1 (%2).</source>
        <extracomment>%1 the best move (&quot;Hold 5 5&quot;), %2 what the move made cost (&quot;4.5 points lost&quot;).</extracomment>
        <translation>Mossa migliore: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>TCoachChart</name>
    <message>
        <source>No move rated yet.</source>
        <translation>Nessuna mossa ancora valutata.</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>If you ask for a hint the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Show the hint ?</source>
        <translation>Se si chiede un suggerimento, la partita è di allenamento<byte value="xd"/>e Migliori giocatori e Statistiche non si aggiornano.<byte value="xd"/>Mostrare il suggerimento?</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Allenatore</translation>
    </message>
    <message>
        <source>&amp;Review...</source>
        <translation>&amp;Analisi...</translation>
    </message>
    <message>
        <source>%1 &gt; %2 shows how the game went.</source>
        <extracomment>%1 is the Game menu, %2 its Review item, as the menu shows them.</extracomment>
        <translation>%1 &gt; %2 mostra com&apos;è andata la partita.</translation>
    </message>
</context>
<context>
    <name>TReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>Analisi</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mossa</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Mossa migliore</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perdita</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Giudizio</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Decisioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Senza errori</translation>
    </message>
    <message>
        <source>Small error</source>
        <translation>Errore lieve</translation>
    </message>
    <message>
        <source>Blunder</source>
        <translation>Errore grave</translation>
    </message>
    <message>
        <source>No move rated yet.</source>
        <translation>Nessuna mossa ancora valutata.</translation>
    </message>
    <message numerus="yes">
        <source>Your average with the coach: %1 lost a move, over %n moves.</source>
        <translation>
            <numerusform>Media con l&apos;allenatore: perdita di %1 a mossa, su %n mossa.</numerusform>
            <numerusform>Media con l&apos;allenatore: perdita di %1 a mossa, su %n mosse.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your average builds up as the coach rates your moves.</source>
        <translation>La media si forma man mano che l&apos;allenatore valuta le mosse.</translation>
    </message>
    <message>
        <source>Turn the coach on (Options) to keep your average over the games.</source>
        <translation>Attivare l&apos;allenatore (Opzioni) per tenere la media da una partita all&apos;altra.</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <extracomment>&quot;3 moves, 1 best, 4.5 points lost.&quot;: the counts, then the game&apos;s loss.</extracomment>
        <translation>%1, %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n mossa</numerusform>
            <numerusform>%n mosse</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n best</source>
        <translation>
            <numerusform>%n senza errori</numerusform>
            <numerusform>%n senza errori</numerusform>
        </translation>
    </message>
    <message>
        <source>This game: %1 lost a move on average; %2, %3.</source>
        <extracomment>%1 is an amount lost, as &quot;0.8 points&quot;; %2 and %3 the counts of small errors and blunders.</extracomment>
        <translation>Questa partita: perdita media di %1 a mossa; %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n small errors</source>
        <translation>
            <numerusform>%n errore lieve</numerusform>
            <numerusform>%n errori lievi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blunders</source>
        <translation>
            <numerusform>%n errore grave</numerusform>
            <numerusform>%n errori gravi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TURLLabel</name>
    <message>
        <source>web link</source>
        <translation>collegamento web</translation>
    </message>
    <message>
        <source>mail link</source>
        <translation>collegamento e-mail</translation>
    </message>
    <message>
        <source>file transfer link</source>
        <translation>collegamento per trasferimento file</translation>
    </message>
    <message>
        <source>link</source>
        <translation>collegamento</translation>
    </message>
</context>
<context>
    <name>colour</name>
    <message>
        <source>black</source>
        <translation>nero</translation>
    </message>
    <message>
        <source>maroon</source>
        <translation>bordeaux</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>oliva</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>blu marino</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>viola</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>verde acqua</translation>
    </message>
    <message>
        <source>gray</source>
        <translation>grigio</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>argento</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>verde lime</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <translation>fucsia</translation>
    </message>
    <message>
        <source>aqua</source>
        <translation>azzurro</translation>
    </message>
    <message>
        <source>white</source>
        <translation>bianco</translation>
    </message>
    <message>
        <source>button face</source>
        <translation>colore dei pulsanti</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>There is no folder to keep the settings in: neither XDG_CONFIG_HOME nor HOME is set to a full path. The settings of this run will not be kept.</source>
        <translation>Non c&apos;è una cartella in cui conservare le impostazioni: né XDG_CONFIG_HOME né HOME indica un percorso completo. Le impostazioni di questa sessione non verranno conservate.</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>Guida di %1</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be found.</source>
        <translation>Impossibile trovare il file della guida «%1».</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <extracomment>%1 is a topic&apos;s keyword, %2 the help file&apos;s name.</extracomment>
        <translation>L&apos;argomento «%1» non è presente nel file della guida «%2».</translation>
    </message>
</context>
<context>
    <name>platform::Messages</name>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>platform::TIniFile</name>
    <message>
        <source>&quot;%1&quot; is a folder, not a settings file.</source>
        <translation>«%1» è una cartella, non un file di impostazioni.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file.</source>
        <translation>«%1» non è un file di impostazioni.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: its owner may not read it.</source>
        <translation>Impossibile leggere «%1»: nemmeno il suo proprietario ha il permesso di leggerlo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>Impossibile leggere «%1»: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>è una cartella.</translation>
    </message>
    <message>
        <source>it is not a plain file.</source>
        <translation>non è un file normale.</translation>
    </message>
    <message>
        <source>it is read-only.</source>
        <translation>è di sola lettura.</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is read-only.</source>
        <translation>la sua cartella «%1» è di sola lettura.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be written: %2</source>
        <translation>Impossibile scrivere il file delle impostazioni «%1»: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be saved: %2</source>
        <translation>Impossibile salvare il file delle impostazioni «%1»: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be created: %2</source>
        <translation>Impossibile creare il file delle impostazioni «%1»: %2</translation>
    </message>
</context>
<context>
    <name>platform::best</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <translation>«%1» non è un valore intero valido.</translation>
    </message>
    <message>
        <source>The statistics total %1 in &quot;%2&quot; counts from 0.</source>
        <extracomment>%1 is the key of a total in the settings file, %2 the file&apos;s path.</extracomment>
        <translation>Il totale %1 delle statistiche in «%2» riparte da 0.</translation>
    </message>
</context>
</TS>
