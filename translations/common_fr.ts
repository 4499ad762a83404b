<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>TAboutBox</name>
    <message>
        <source>this computer</source>
        <translation>cet ordinateur</translation>
    </message>
    <message>
        <source>for %1 / %2</source>
        <extracomment>The About box&apos;s line of the system the game runs on: &quot;for Linux / X11&quot; (%1 the system, %2 the window system) or &quot;for Linux&quot;.</extracomment>
        <translation>pour %1 / %2</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>pour %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>App Name</source>
        <translation>Nom de l&apos;application</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Last modify: 1-1-98</source>
        <translation>Dernière modification&#xa0;: 1/1/98</translation>
    </message>
    <message>
        <source>© 2026 the Table Games team</source>
        <translation>© 2026 l&apos;équipe Table Games</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Courriel&#xa0;:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL&#xa0;:</translation>
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
        <translation>animation</translation>
    </message>
</context>
<context>
    <name>TArrowButton</name>
    <message>
        <source>%1 arrow</source>
        <extracomment>%1 is a colour&apos;s name (&quot;red arrow&quot;).</extracomment>
        <translation>flèche (%1)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TCoach</name>
    <message>
        <source>&apos;%1&apos; is not a valid number.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre valide.</translation>
    </message>
    <message>
        <source>Best move.</source>
        <translation>Meilleur coup.</translation>
    </message>
    <message>
        <source>Best was: %1 (%2).</source>
        <extracomment>%1 the best move (&quot;Hold 5 5&quot;), %2 what the move made cost (&quot;4.5 points lost&quot;).</extracomment>
        <translation>Meilleur coup : %1 (%2).</translation>
    </message>
</context>
<context>
    <name>TCoachChart</name>
    <message>
        <source>No move rated yet.</source>
        <translation>Aucun coup évalué pour l&apos;instant.</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>If you ask for a hint the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Show the hint ?</source>
        <translation>Si vous demandez un indice, la partie est considérée comme un entraînement<byte value="xd"/>et ni Meilleurs joueurs ni Statistiques ne seront mis à jour.<byte value="xd"/>Afficher l&apos;indice&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Entraîneur</translation>
    </message>
    <message>
        <source>&amp;Review...</source>
        <translation>&amp;Analyse...</translation>
    </message>
    <message>
        <source>%1 &gt; %2 shows how the game went.</source>
        <extracomment>%1 is the Game menu, %2 its Review item, as the menu shows them.</extracomment>
        <translation>%1 &gt; %2 montre le déroulement de la partie.</translation>
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
        <translation>Coup</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Meilleur coup</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Perte</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Évaluation</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Décisions</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Sans erreur</translation>
    </message>
    <message>
        <source>Small error</source>
        <translation>Petite erreur</translation>
    </message>
    <message>
        <source>Blunder</source>
        <translation>Gaffe</translation>
    </message>
    <message>
        <source>No move rated yet.</source>
        <translation>Aucun coup évalué pour l&apos;instant.</translation>
    </message>
    <message numerus="yes">
        <source>Your average with the coach: %1 lost a move, over %n moves.</source>
        <translation>
            <numerusform>Votre moyenne avec l&apos;entraîneur&#xa0;: perte de %1 par coup, sur %n coup.</numerusform>
            <numerusform>Votre moyenne avec l&apos;entraîneur&#xa0;: perte de %1 par coup, sur %n coups.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your average builds up as the coach rates your moves.</source>
        <translation>Votre moyenne se construit à mesure que l&apos;entraîneur évalue vos coups.</translation>
    </message>
    <message>
        <source>Turn the coach on (Options) to keep your average over the games.</source>
        <translation>Activez l&apos;entraîneur (Options) pour suivre votre moyenne d&apos;une partie à l&apos;autre.</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <extracomment>&quot;3 moves, 1 best, 4.5 points lost.&quot;: the counts, then the game&apos;s loss.</extracomment>
        <translation>%1, dont %2 ; %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n coup</numerusform>
            <numerusform>%n coups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n best</source>
        <translation>
            <numerusform>%n sans erreur</numerusform>
            <numerusform>%n sans erreur</numerusform>
        </translation>
    </message>
    <message>
        <source>This game: %1 lost a move on average; %2, %3.</source>
        <extracomment>%1 is an amount lost, as &quot;0.8 points&quot;; %2 and %3 the counts of small errors and blunders.</extracomment>
        <translation>Cette partie : perte moyenne de %1 par coup ; %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n small errors</source>
        <translation>
            <numerusform>%n petite erreur</numerusform>
            <numerusform>%n petites erreurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blunders</source>
        <translation>
            <numerusform>%n gaffe</numerusform>
            <numerusform>%n gaffes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TURLLabel</name>
    <message>
        <source>web link</source>
        <translation>lien web</translation>
    </message>
    <message>
        <source>mail link</source>
        <translation>lien de courriel</translation>
    </message>
    <message>
        <source>file transfer link</source>
        <translation>lien de transfert de fichiers</translation>
    </message>
    <message>
        <source>link</source>
        <translation>lien</translation>
    </message>
</context>
<context>
    <name>colour</name>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>maroon</source>
        <translation>bordeaux</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>olive</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>bleu marine</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>bleu canard</translation>
    </message>
    <message>
        <source>gray</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>argent</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>vert citron</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <translation>fuchsia</translation>
    </message>
    <message>
        <source>aqua</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>button face</source>
        <translation>couleur des boutons</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>There is no folder to keep the settings in: neither XDG_CONFIG_HOME nor HOME is set to a full path. The settings of this run will not be kept.</source>
        <translation>Il n&apos;y a aucun dossier où conserver les paramètres&#xa0;: ni XDG_CONFIG_HOME ni HOME n&apos;indique un chemin complet. Les paramètres de cette session ne seront pas conservés.</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be found.</source>
        <translation>Le fichier d&apos;aide «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <extracomment>%1 is a topic&apos;s keyword, %2 the help file&apos;s name.</extracomment>
        <translation>La rubrique «&#xa0;%1&#xa0;» ne figure pas dans le fichier d&apos;aide «&#xa0;%2&#xa0;».</translation>
    </message>
</context>
<context>
    <name>platform::Messages</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>platform::TIniFile</name>
    <message>
        <source>&quot;%1&quot; is a folder, not a settings file.</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier, pas un fichier de paramètres.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier de paramètres.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: its owner may not read it.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être lu&#xa0;: son propriétaire n&apos;a pas le droit de le lire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>c&apos;est un dossier.</translation>
    </message>
    <message>
        <source>it is not a plain file.</source>
        <translation>ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>it is read-only.</source>
        <translation>il est en lecture seule.</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is read-only.</source>
        <translation>son dossier «&#xa0;%1&#xa0;» est en lecture seule.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be written: %2</source>
        <translation>Le fichier de paramètres «&#xa0;%1&#xa0;» ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be saved: %2</source>
        <translation>Le fichier de paramètres «&#xa0;%1&#xa0;» n&apos;a pas pu être enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be created: %2</source>
        <translation>Le fichier de paramètres «&#xa0;%1&#xa0;» n&apos;a pas pu être créé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>platform::best</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide.</translation>
    </message>
    <message>
        <source>The statistics total %1 in &quot;%2&quot; counts from 0.</source>
        <extracomment>%1 is the key of a total in the settings file, %2 the file&apos;s path.</extracomment>
        <translation>Le total de statistiques %1 dans «&#xa0;%2&#xa0;» repart de 0.</translation>
    </message>
</context>
</TS>
