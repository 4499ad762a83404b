<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>TAboutBox</name>
    <message>
        <source>this computer</source>
        <translation>deze computer</translation>
    </message>
    <message>
        <source>for %1 / %2</source>
        <extracomment>The About box&apos;s line of the system the game runs on: &quot;for Linux / X11&quot; (%1 the system, %2 the window system) or &quot;for Linux&quot;.</extracomment>
        <translation>voor %1 / %2</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>voor %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>App Name</source>
        <translation>Programmanaam</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versie 1.0</translation>
    </message>
    <message>
        <source>Last modify: 1-1-98</source>
        <translation>Laatst gewijzigd: 1-1-98</translation>
    </message>
    <message>
        <source>© 2026 the Table Games team</source>
        <translation>© 2026 het Table Games-team</translation>
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
        <translation>animatie</translation>
    </message>
</context>
<context>
    <name>TArrowButton</name>
    <message>
        <source>%1 arrow</source>
        <extracomment>%1 is a colour&apos;s name (&quot;red arrow&quot;).</extracomment>
        <translation>pijl (%1)</translation>
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
        <translation>Beste zet: %1 (%2).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid number.</source>
        <translation>“%1” is geen geldig getal.</translation>
    </message>
    <message>
        <source>Best move.</source>
        <translation>Beste zet.</translation>
    </message>
</context>
<context>
    <name>TCoachChart</name>
    <message>
        <source>No move rated yet.</source>
        <translation>Nog geen zet beoordeeld.</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>If you ask for a hint the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Show the hint ?</source>
        <translation>Als je om een tip vraagt, geldt het spel als oefening<byte value="xd"/>en werk ik Beste spelers en Statistieken niet bij.<byte value="xd"/>De tip tonen?</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Coach</translation>
    </message>
    <message>
        <source>&amp;Review...</source>
        <translation>&amp;Analyse...</translation>
    </message>
    <message>
        <source>%1 &gt; %2 shows how the game went.</source>
        <extracomment>%1 is the Game menu, %2 its Review item, as the menu shows them.</extracomment>
        <translation>%1 &gt; %2 laat zien hoe het spel verliep.</translation>
    </message>
</context>
<context>
    <name>TReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Zet</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Beste zet</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Verlies</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Oordeel</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Beslissingen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Foutloos</translation>
    </message>
    <message>
        <source>Small error</source>
        <translation>Kleine fout</translation>
    </message>
    <message>
        <source>Blunder</source>
        <translation>Blunder</translation>
    </message>
    <message>
        <source>No move rated yet.</source>
        <translation>Nog geen zet beoordeeld.</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <extracomment>&quot;3 moves, 1 best, 4.5 points lost.&quot;: the counts, then the game&apos;s loss.</extracomment>
        <translation>%1, waarvan %2; %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n zet</numerusform>
            <numerusform>%n zetten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n best</source>
        <translation>
            <numerusform>%n foutloos</numerusform>
            <numerusform>%n foutloos</numerusform>
        </translation>
    </message>
    <message>
        <source>This game: %1 lost a move on average; %2, %3.</source>
        <extracomment>%1 is an amount lost, as &quot;0.8 points&quot;; %2 and %3 the counts of small errors and blunders.</extracomment>
        <translation>Dit spel: gemiddeld %1 verloren per zet; %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n small errors</source>
        <translation>
            <numerusform>%n kleine fout</numerusform>
            <numerusform>%n kleine fouten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blunders</source>
        <translation>
            <numerusform>%n blunder</numerusform>
            <numerusform>%n blunders</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your average with the coach: %1 lost a move, over %n moves.</source>
        <translation>
            <numerusform>Je gemiddelde met de coach: %1 verloren per zet, over %n zet.</numerusform>
            <numerusform>Je gemiddelde met de coach: %1 verloren per zet, over %n zetten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your average builds up as the coach rates your moves.</source>
        <translation>Je gemiddelde verschijnt zodra de coach je zetten beoordeelt.</translation>
    </message>
    <message>
        <source>Turn the coach on (Options) to keep your average over the games.</source>
        <translation>Zet de coach aan (Opties) om je gemiddelde over de spellen bij te houden.</translation>
    </message>
</context>
<context>
    <name>TURLLabel</name>
    <message>
        <source>web link</source>
        <translation>weblink</translation>
    </message>
    <message>
        <source>mail link</source>
        <translation>e-maillink</translation>
    </message>
    <message>
        <source>file transfer link</source>
        <translation>link voor bestandsoverdracht</translation>
    </message>
    <message>
        <source>link</source>
        <translation>link</translation>
    </message>
</context>
<context>
    <name>colour</name>
    <message>
        <source>black</source>
        <translation>zwart</translation>
    </message>
    <message>
        <source>maroon</source>
        <translation>kastanjebruin</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>olijfgroen</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>marineblauw</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>paars</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>blauwgroen</translation>
    </message>
    <message>
        <source>gray</source>
        <translation>grijs</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>zilver</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>limoengroen</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <translation>fuchsia</translation>
    </message>
    <message>
        <source>aqua</source>
        <translation>turkoois</translation>
    </message>
    <message>
        <source>white</source>
        <translation>wit</translation>
    </message>
    <message>
        <source>button face</source>
        <translation>knopkleur</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>There is no folder to keep the settings in: neither XDG_CONFIG_HOME nor HOME is set to a full path. The settings of this run will not be kept.</source>
        <translation>Er is geen map om de instellingen in te bewaren: XDG_CONFIG_HOME noch HOME is ingesteld op een volledig pad. De instellingen van deze sessie worden niet bewaard.</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>Help bij %1</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be found.</source>
        <translation>Het helpbestand “%1” is niet gevonden.</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <extracomment>%1 is a topic&apos;s keyword, %2 the help file&apos;s name.</extracomment>
        <translation>Het onderwerp “%1” staat niet in het helpbestand “%2”.</translation>
    </message>
</context>
<context>
    <name>platform::Messages</name>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>platform::TIniFile</name>
    <message>
        <source>&quot;%1&quot; is a folder, not a settings file.</source>
        <translation>“%1” is een map, geen instellingenbestand.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file.</source>
        <translation>“%1” is geen instellingenbestand.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: its owner may not read it.</source>
        <translation>“%1” kan niet worden gelezen: de eigenaar mag het niet lezen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>“%1” kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>het is een map.</translation>
    </message>
    <message>
        <source>it is not a plain file.</source>
        <translation>het is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>it is read-only.</source>
        <translation>het is alleen-lezen.</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is read-only.</source>
        <translation>de map “%1” is alleen-lezen.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be written: %2</source>
        <translation>Het instellingenbestand “%1” kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be saved: %2</source>
        <translation>Het instellingenbestand “%1” kan niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be created: %2</source>
        <translation>Het instellingenbestand “%1” kan niet worden aangemaakt: %2</translation>
    </message>
</context>
<context>
    <name>platform::best</name>
    <message>
        <source>The statistics total %1 in &quot;%2&quot; counts from 0.</source>
        <extracomment>%1 is the key of a total in the settings file, %2 the file&apos;s path.</extracomment>
        <translation>Het statistiektotaal %1 in “%2” begint weer bij 0.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <translation>“%1” is geen geldig geheel getal.</translation>
    </message>
</context>
</TS>
