<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>TAboutBox</name>
    <message>
        <source>this computer</source>
        <translation>diesen Computer</translation>
    </message>
    <message>
        <source>for %1 / %2</source>
        <extracomment>The About box&apos;s line of the system the game runs on: &quot;for Linux / X11&quot; (%1 the system, %2 the window system) or &quot;for Linux&quot;.</extracomment>
        <translation>für %1 / %2</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>für %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>App Name</source>
        <translation>Programmname</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Last modify: 1-1-98</source>
        <translation>Letzte Änderung: 1.1.98</translation>
    </message>
    <message>
        <source>© 2026 the Table Games team</source>
        <translation>© 2026 Table-Games-Team</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
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
        <translation>Animation</translation>
    </message>
</context>
<context>
    <name>TArrowButton</name>
    <message>
        <source>%1 arrow</source>
        <extracomment>%1 is a colour&apos;s name (&quot;red arrow&quot;).</extracomment>
        <translation>Pfeil (%1)</translation>
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
        <translation>„%1“ ist keine gültige Zahl.</translation>
    </message>
    <message>
        <source>Best move.</source>
        <translation>Bester Zug.</translation>
    </message>
    <message>
        <source>Best was: %1 (%2).</source>
        <extracomment>%1 the best move (&quot;Hold 5 5&quot;), %2 what the move made cost (&quot;4.5 points lost&quot;).</extracomment>
        <translation>Bester Zug: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>TCoachChart</name>
    <message>
        <source>No move rated yet.</source>
        <translation>Noch kein Zug bewertet.</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>If you ask for a hint the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Show the hint ?</source>
        <translation>Wenn Sie einen Hinweis anfordern, gilt das Spiel als Training,<byte value="xd"/>und ich aktualisiere weder Bestenliste noch Statistik.<byte value="xd"/>Den Hinweis zeigen?</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>T&amp;rainer</translation>
    </message>
    <message>
        <source>&amp;Review...</source>
        <translation>&amp;Analyse...</translation>
    </message>
    <message>
        <source>%1 &gt; %2 shows how the game went.</source>
        <extracomment>%1 is the Game menu, %2 its Review item, as the menu shows them.</extracomment>
        <translation>%1 &gt; %2 zeigt, wie das Spiel verlief.</translation>
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
        <translation>Zug</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Bester Zug</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Verlust</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Entscheidungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Fehlerfrei</translation>
    </message>
    <message>
        <source>Small error</source>
        <translation>Kleiner Fehler</translation>
    </message>
    <message>
        <source>Blunder</source>
        <translation>Grober Fehler</translation>
    </message>
    <message>
        <source>No move rated yet.</source>
        <translation>Noch kein Zug bewertet.</translation>
    </message>
    <message numerus="yes">
        <source>Your average with the coach: %1 lost a move, over %n moves.</source>
        <translation>
            <numerusform>Ihr Durchschnitt aus %n Zug mit dem Trainer: %1 Verlust pro Zug.</numerusform>
            <numerusform>Ihr Durchschnitt aus %n Zügen mit dem Trainer: %1 Verlust pro Zug.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your average builds up as the coach rates your moves.</source>
        <translation>Ihr Durchschnitt entsteht, während der Trainer Ihre Züge bewertet.</translation>
    </message>
    <message>
        <source>Turn the coach on (Options) to keep your average over the games.</source>
        <translation>Schalten Sie den Trainer ein (Optionen), um Ihren Durchschnitt spielübergreifend zu erfassen.</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <extracomment>&quot;3 moves, 1 best, 4.5 points lost.&quot;: the counts, then the game&apos;s loss.</extracomment>
        <translation>%1, davon %2; %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n Zug</numerusform>
            <numerusform>%n Züge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n best</source>
        <translation>
            <numerusform>%n fehlerfrei</numerusform>
            <numerusform>%n fehlerfrei</numerusform>
        </translation>
    </message>
    <message>
        <source>This game: %1 lost a move on average; %2, %3.</source>
        <extracomment>%1 is an amount lost, as &quot;0.8 points&quot;; %2 and %3 the counts of small errors and blunders.</extracomment>
        <translation>Dieses Spiel: im Schnitt %1 Verlust pro Zug; %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n small errors</source>
        <translation>
            <numerusform>%n kleiner Fehler</numerusform>
            <numerusform>%n kleine Fehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blunders</source>
        <translation>
            <numerusform>%n grober Fehler</numerusform>
            <numerusform>%n grobe Fehler</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TURLLabel</name>
    <message>
        <source>web link</source>
        <translation>Weblink</translation>
    </message>
    <message>
        <source>mail link</source>
        <translation>E-Mail-Link</translation>
    </message>
    <message>
        <source>file transfer link</source>
        <translation>Link zur Dateiübertragung</translation>
    </message>
    <message>
        <source>link</source>
        <translation>Link</translation>
    </message>
</context>
<context>
    <name>colour</name>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>maroon</source>
        <translation>kastanienbraun</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>oliv</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>marineblau</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violett</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>blaugrün</translation>
    </message>
    <message>
        <source>gray</source>
        <translation>grau</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>silber</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>hellgrün</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <translation>fuchsia</translation>
    </message>
    <message>
        <source>aqua</source>
        <translation>türkis</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>button face</source>
        <translation>Schaltflächenfarbe</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>There is no folder to keep the settings in: neither XDG_CONFIG_HOME nor HOME is set to a full path. The settings of this run will not be kept.</source>
        <translation>Es gibt keinen Ordner für die Einstellungen: Weder XDG_CONFIG_HOME noch HOME ist auf einen vollständigen Pfad gesetzt. Die Einstellungen dieser Sitzung werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>%1-Hilfe</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be found.</source>
        <translation>Die Hilfedatei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <extracomment>%1 is a topic&apos;s keyword, %2 the help file&apos;s name.</extracomment>
        <translation>Das Thema „%1“ steht nicht in der Hilfedatei „%2“.</translation>
    </message>
</context>
<context>
    <name>platform::Messages</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
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
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>platform::TIniFile</name>
    <message>
        <source>&quot;%1&quot; is a folder, not a settings file.</source>
        <translation>„%1“ ist ein Ordner, keine Einstellungsdatei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file.</source>
        <translation>„%1“ ist keine Einstellungsdatei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: its owner may not read it.</source>
        <translation>„%1“ konnte nicht gelesen werden: Der Eigentümer der Datei darf sie nicht lesen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>Es handelt sich um einen Ordner.</translation>
    </message>
    <message>
        <source>it is not a plain file.</source>
        <translation>Es handelt sich nicht um eine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>it is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is read-only.</source>
        <translation>Der Ordner „%1“ ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be written: %2</source>
        <translation>Die Einstellungsdatei „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be saved: %2</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be created: %2</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>platform::best</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <translation>„%1“ ist keine gültige ganze Zahl.</translation>
    </message>
    <message>
        <source>The statistics total %1 in &quot;%2&quot; counts from 0.</source>
        <extracomment>%1 is the key of a total in the settings file, %2 the file&apos;s path.</extracomment>
        <translation>Die Statistiksumme %1 in „%2“ beginnt wieder bei 0.</translation>
    </message>
</context>
</TS>
