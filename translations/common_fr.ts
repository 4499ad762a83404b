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
        <translation>Dernière modification : 1-1-98</translation>
    </message>
    <message>
        <source>© 2026 the Table Games team</source>
        <translation>© 2026 l&apos;équipe Table Games</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Courriel :</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL :</translation>
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
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>If you ask for a hint the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Show the hint ?</source>
        <translation>Si vous demandez un indice, la partie est considérée comme un entraînement<byte value="xd"/>et ni Meilleurs joueurs ni Statistiques ne seront mis à jour.<byte value="xd"/>Afficher l&apos;indice ?</translation>
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
        <translation>marron</translation>
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
        <translation>Il n&apos;y a aucun dossier où conserver les paramètres : ni XDG_CONFIG_HOME ni HOME n&apos;indique un chemin complet. Les paramètres de cette session ne seront pas conservés.</translation>
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
        <translation>Le fichier d&apos;aide « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <extracomment>%1 is a topic&apos;s keyword, %2 the help file&apos;s name.</extracomment>
        <translation>La rubrique « %1 » ne figure pas dans le fichier d&apos;aide « %2 ».</translation>
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
</context>
<context>
    <name>platform::TIniFile</name>
    <message>
        <source>&quot;%1&quot; is a folder, not a settings file.</source>
        <translation>« %1 » est un dossier, pas un fichier de paramètres.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file.</source>
        <translation>« %1 » n&apos;est pas un fichier de paramètres.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: its owner may not read it.</source>
        <translation>« %1 » n&apos;a pas pu être lu : son propriétaire n&apos;a pas le droit de le lire.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>« %1 » n&apos;a pas pu être lu : %2</translation>
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
        <translation>son dossier « %1 » est en lecture seule.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be written: %2</source>
        <translation>Le fichier de paramètres « %1 » ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be saved: %2</source>
        <translation>Le fichier de paramètres « %1 » n&apos;a pas pu être enregistré : %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be created: %2</source>
        <translation>Le fichier de paramètres « %1 » n&apos;a pas pu être créé : %2</translation>
    </message>
</context>
<context>
    <name>platform::best</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <translation>« %1 » n&apos;est pas un nombre entier valide.</translation>
    </message>
    <message>
        <source>The statistics total %1 in &quot;%2&quot; counts from 0.</source>
        <extracomment>%1 is the key of a total in the settings file, %2 the file&apos;s path.</extracomment>
        <translation>Le total de statistiques %1 dans « %2 » repart de 0.</translation>
    </message>
</context>
</TS>
