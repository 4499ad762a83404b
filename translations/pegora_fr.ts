<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>codebreaking::TAboutBox1</name>
    <message>
        <source>Version 2.3</source>
        <translation>Version 2.3</translation>
    </message>
    <message>
        <source>Last modify: 3-7-96</source>
        <translation>Dernière modification&#xa0;: 3/7/96</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Un pion qui tombe dans son trou</translation>
    </message>
</context>
<context>
    <name>codebreaking::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation>Meilleurs joueurs</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Place %1 marker</source>
        <translation>Marqueur du rang %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Words of Wisdom from %1:</source>
        <extracomment>%1 is the best player&apos;s name.</extracomment>
        <translation>Paroles de sagesse de %1&#xa0;:</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>Place %1: %2, %3, %4</source>
        <extracomment>%1 is the place, %2 the player&apos;s name, %3 the guesses and %4 the time, each with its unit.</extracomment>
        <translation>Rang %1&#xa0;: %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n guesses</source>
        <translation>
            <numerusform>%n essai</numerusform>
            <numerusform>%n essais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TCongratulations</name>
    <message>
        <source>Congratulations</source>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>Your score is one of the best five !</source>
        <translation>Vous êtes parmi les cinq meilleurs&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Veuillez saisir votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>codebreaking::TMainForm</name>
    <message>
        <source>Line %1 marker</source>
        <translation>Marqueur de la ligne %1</translation>
    </message>
    <message>
        <source>Line %1, column %2</source>
        <translation>Ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Correctly placed colors</source>
        <translation>Couleurs bien placées</translation>
    </message>
    <message>
        <source>Uncorrectly placed colors</source>
        <translation>Couleurs mal placées</translation>
    </message>
    <message>
        <source>Palette peg %1</source>
        <translation>Pion %1 de la palette</translation>
    </message>
    <message>
        <source>Secret code peg %1</source>
        <translation>Pion %1 du code secret</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Repeat the previous line</source>
        <translation>Répéter la ligne précédente</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Seconds since the game started</source>
        <translation>Secondes depuis le début de la partie</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>non vérifiée</translation>
    </message>
    <message>
        <source>Line %1 correctly placed: %2</source>
        <translation>Ligne %1, bien placés&#xa0;: %2</translation>
    </message>
    <message>
        <source>Line %1 incorrectly placed: %2</source>
        <translation>Ligne %1, mal placés&#xa0;: %2</translation>
    </message>
    <message>
        <source>line to come</source>
        <translation>ligne à venir</translation>
    </message>
    <message>
        <source>earlier line</source>
        <translation>ligne jouée</translation>
    </message>
    <message>
        <source>won line</source>
        <translation>ligne gagnante</translation>
    </message>
    <message>
        <source>current line</source>
        <translation>ligne en cours</translation>
    </message>
    <message>
        <source>Line %1 marker, %2</source>
        <translation>Marqueur de la ligne %1, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Start a new game ?</source>
        <translation>Commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>If you play %1 the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Start a new game ?</source>
        <extracomment>%1 is the name of an option of the Level or Options menu.</extracomment>
        <translation>Si vous jouez avec «&#xa0;%1&#xa0;», la partie est considérée comme un entraînement<byte value="xd"/>et ni Meilleurs joueurs ni Statistiques ne seront mis à jour.<byte value="xd"/>Commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Show Secret &amp;Code</source>
        <translation>Afficher le &amp;code secret</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>&amp;Best Players</source>
        <translation>&amp;Meilleurs joueurs</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;3 Colors</source>
        <translation>&amp;3 couleurs</translation>
    </message>
    <message>
        <source>&amp;4 Colors</source>
        <translation>&amp;4 couleurs</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Single Colors</source>
        <translation>Couleurs &amp;uniques</translation>
    </message>
    <message>
        <source>&amp;Peg Symbols</source>
        <translation>Symboles des &amp;pions</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Règles</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Calcul des points</translation>
    </message>
    <message>
        <source>&amp;Welcome Box</source>
        <translation>Fenêtre de &amp;bienvenue</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>The game is over: start a new one for a hint.</source>
        <translation>La partie est terminée&#xa0;: commencez-en une nouvelle pour obtenir un indice.</translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation>Calcul de l&apos;indice...</translation>
    </message>
    <message>
        <source>Sorry, too many guesses.</source>
        <translation>Désolé, trop d&apos;essais.</translation>
    </message>
    <message>
        <source>Single Colors</source>
        <translation>Couleurs uniques</translation>
    </message>
    <message>
        <source>3 Colors</source>
        <translation>3 couleurs</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TPegShape</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is which peg it is, %2 its colour or &quot;empty&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>codebreaking::TResult</name>
    <message>
        <source>End of Game</source>
        <translation>Fin de partie</translation>
    </message>
    <message>
        <source>N. of guesses:</source>
        <translation>Nb d&apos;essais&#xa0;:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Temps total&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>First try !!!</source>
        <translation>Du premier coup&#xa0;!!!</translation>
    </message>
    <message>
        <source>Great!!</source>
        <translation>Super&#xa0;!!</translation>
    </message>
    <message>
        <source>You made it!</source>
        <translation>Vous avez réussi&#xa0;!</translation>
    </message>
    <message>
        <source>At last!</source>
        <translation>Enfin&#xa0;!</translation>
    </message>
    <message>
        <source>Number of guesses: %1</source>
        <translation>Nombre d&apos;essais&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Total time: %n seconds</source>
        <translation>
            <numerusform>Temps total&#xa0;: %n seconde</numerusform>
            <numerusform>Temps total&#xa0;: %n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Seconds per game</source>
        <translation>Secondes par partie</translation>
    </message>
    <message>
        <source>Guesses per game</source>
        <translation>Essais par partie</translation>
    </message>
    <message>
        <source>% of unsuccessful games</source>
        <translation>% de parties non gagnées</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An accessible name: %1 is what the figure is, %2 the figure.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Êtes-vous sûr&#xa0;?</translation>
    </message>
</context>
<context>
    <name>codebreaking::TTopScore</name>
    <message>
        <source>Congratulations</source>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>Your score is the best one !</source>
        <translation>Votre score est le meilleur&#xa0;!</translation>
    </message>
    <message>
        <source>Please enter your name...</source>
        <translation>Veuillez saisir votre nom...</translation>
    </message>
    <message>
        <source>...and your Words of Wisdom:</source>
        <translation>...et vos paroles de sagesse&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>codebreaking::TWelcomeBox</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Un pion qui tombe dans son trou</translation>
    </message>
    <message>
        <source>Welcome to Pegora v2.3 !</source>
        <translation>Bienvenue dans Pegora v2.3&#xa0;!</translation>
    </message>
    <message>
        <source>To win, you have to guess the secret color sequence the program choosed.</source>
        <translation>Pour gagner, vous devez deviner la suite de couleurs secrète choisie par le programme.</translation>
    </message>
    <message>
        <source>To do so, simply drag and drop the colors in the left-side spaces and then click on the Check button. The two numbers will tell you how many correctly placed color and how many incorrectly placed there are.</source>
        <translation>Pour cela, faites simplement glisser les couleurs dans les emplacements de gauche, puis cliquez sur le bouton Vérifier. Les deux nombres vous indiqueront combien de couleurs sont bien placées et combien sont mal placées.</translation>
    </message>
    <message>
        <source>If you don&apos;t check Single Colors option there can be a sequence with a color repeated more than one time.</source>
        <translation>Si vous ne cochez pas l&apos;option Couleurs uniques, la suite peut contenir une couleur répétée plus d&apos;une fois.</translation>
    </message>
    <message>
        <source>Show this message when the program starts</source>
        <translation>Afficher ce message au démarrage du programme</translation>
    </message>
    <message>
        <source>Whether this welcome comes back at every start</source>
        <translation>Indique si cet accueil revient à chaque démarrage</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Plus...</translation>
    </message>
    <message>
        <source>Opens the rules in the help</source>
        <translation>Ouvre les règles dans l&apos;aide</translation>
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
            <numerusform>%1 code</numerusform>
            <numerusform>%1 codes</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Codes left at most</source>
        <translation>Codes restants (max.)</translation>
    </message>
    <message>
        <source>Your lines</source>
        <translation>Vos lignes</translation>
    </message>
    <message>
        <source>Best guesses</source>
        <translation>Lignes optimales</translation>
    </message>
    <message>
        <source>Try %1</source>
        <extracomment>A guess, as the hint words it: %1 is the colours&apos; names.</extracomment>
        <translation>Essayez %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 codes lost</source>
        <extracomment>The coach&apos;s loss in codes (&quot;3 codes lost&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>%1 code perdu</numerusform>
            <numerusform>%1 codes perdus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at most %n codes left; yours up to %1</source>
        <extracomment>The best guess&apos;s and this guess&apos;s codes left at most, %n and %1.</extracomment>
        <translation>
            <numerusform>au plus %n code restant, avec le vôtre jusqu&apos;à %1</numerusform>
            <numerusform>au plus %n codes restants, avec le vôtre jusqu&apos;à %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::hint</name>
    <message>
        <source>White</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>No code fits the lines so far.</source>
        <translation>Aucun code ne correspond aux lignes jusqu&apos;ici.</translation>
    </message>
    <message>
        <source>Try %1.</source>
        <extracomment>%1 is the guess: the colours&apos; names, one after the other.</extracomment>
        <translation>Essayez %1.</translation>
    </message>
    <message>
        <source>Not the code, but narrows the %1 best.</source>
        <translation>Pas le code : départage au mieux les %1.</translation>
    </message>
    <message>
        <source>1 code is still possible.</source>
        <translation>1 code est encore possible.</translation>
    </message>
    <message>
        <source>%1 codes are still possible.</source>
        <translation>%1 codes sont encore possibles.</translation>
    </message>
</context>
<context>
    <name>codebreaking::settings</name>
    <message>
        <source>Pegora starts with its standard settings and will leave the file as it is when it closes.</source>
        <translation>Pegora démarre avec ses paramètres standard et laissera le fichier tel quel à sa fermeture.</translation>
    </message>
</context>
</TS>
