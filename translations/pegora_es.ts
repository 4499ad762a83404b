<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>codebreaking::TAboutBox1</name>
    <message>
        <source>Version 2.3</source>
        <translation>Versión 2.3</translation>
    </message>
    <message>
        <source>Last modify: 3-7-96</source>
        <translation>Modificado: 3-7-96</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Una ficha que cae en su agujero</translation>
    </message>
</context>
<context>
    <name>codebreaking::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation>Mejores jugadores</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Guesses</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Place %1 marker</source>
        <translation>Marcador del puesto %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Words of Wisdom from %1:</source>
        <extracomment>%1 is the best player&apos;s name.</extracomment>
        <translation>Palabras sabias de %1:</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>Place %1: %2, %3, %4</source>
        <extracomment>%1 is the place, %2 the player&apos;s name, %3 the guesses and %4 the time, each with its unit.</extracomment>
        <translation>Puesto %1: %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n guesses</source>
        <translation>
            <numerusform>%n intento</numerusform>
            <numerusform>%n intentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TCongratulations</name>
    <message>
        <source>Congratulations</source>
        <translation>Enhorabuena</translation>
    </message>
    <message>
        <source>Your score is one of the best five !</source>
        <translation>¡Está entre los cinco mejores!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Introduzca su nombre:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>codebreaking::TMainForm</name>
    <message>
        <source>Line %1 marker</source>
        <translation>Marcador de la línea %1</translation>
    </message>
    <message>
        <source>Line %1, column %2</source>
        <translation>Línea %1, columna %2</translation>
    </message>
    <message>
        <source>Correctly placed colors</source>
        <translation>Colores bien colocados</translation>
    </message>
    <message>
        <source>Uncorrectly placed colors</source>
        <translation>Colores mal colocados</translation>
    </message>
    <message>
        <source>Palette peg %1</source>
        <translation>Ficha %1 de la paleta</translation>
    </message>
    <message>
        <source>Secret code peg %1</source>
        <translation>Ficha %1 del código secreto</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Repeat the previous line</source>
        <translation>Repetir la línea anterior</translation>
    </message>
    <message>
        <source>Line:</source>
        <translation>Línea:</translation>
    </message>
    <message>
        <source>Seconds since the game started</source>
        <translation>Segundos desde el comienzo de la partida</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>sin probar</translation>
    </message>
    <message>
        <source>Line %1 correctly placed: %2</source>
        <translation>Línea %1, bien colocados: %2</translation>
    </message>
    <message>
        <source>Line %1 incorrectly placed: %2</source>
        <translation>Línea %1, mal colocados: %2</translation>
    </message>
    <message>
        <source>line to come</source>
        <translation>línea por jugar</translation>
    </message>
    <message>
        <source>earlier line</source>
        <translation>línea anterior</translation>
    </message>
    <message>
        <source>won line</source>
        <translation>línea ganadora</translation>
    </message>
    <message>
        <source>current line</source>
        <translation>línea actual</translation>
    </message>
    <message>
        <source>Line %1 marker, %2</source>
        <translation>Marcador de la línea %1, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Línea %1</translation>
    </message>
    <message>
        <source>Start a new game ?</source>
        <translation>¿Desea empezar una partida nueva?</translation>
    </message>
    <message>
        <source>If you play %1 the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Start a new game ?</source>
        <extracomment>%1 is the name of an option of the Level or Options menu.</extracomment>
        <translation>Si juega con %1, la partida se considera de práctica<byte value="xd"/>y no se actualizarán Mejores jugadores ni Estadísticas.<byte value="xd"/>¿Desea empezar una partida nueva?</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva</translation>
    </message>
    <message>
        <source>Show Secret &amp;Code</source>
        <translation>Mostrar &amp;código secreto</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Best Players</source>
        <translation>&amp;Mejores jugadores</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Nivel</translation>
    </message>
    <message>
        <source>&amp;3 Colors</source>
        <translation>&amp;3 colores</translation>
    </message>
    <message>
        <source>&amp;4 Colors</source>
        <translation>&amp;4 colores</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Single Colors</source>
        <translation>&amp;Colores únicos</translation>
    </message>
    <message>
        <source>&amp;Peg Symbols</source>
        <translation>Sím&amp;bolos en las fichas</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Reglas</translation>
    </message>
    <message>
        <source>&amp;Scoring</source>
        <translation>&amp;Puntuación</translation>
    </message>
    <message>
        <source>&amp;Welcome Box</source>
        <translation>Ventana de &amp;bienvenida</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>The game is over: start a new one for a hint.</source>
        <translation>La partida ha terminado: empiece una nueva para pedir una pista.</translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation>Calculando la pista...</translation>
    </message>
    <message>
        <source>Sorry, too many guesses.</source>
        <translation>Lo siento, demasiados intentos.</translation>
    </message>
    <message>
        <source>Single Colors</source>
        <translation>Colores únicos</translation>
    </message>
    <message>
        <source>3 Colors</source>
        <translation>3 colores</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TPegShape</name>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
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
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>N. of guesses:</source>
        <translation>N.º de intentos:</translation>
    </message>
    <message>
        <source>Total time:</source>
        <translation>Tiempo total:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>First try !!!</source>
        <translation>¡¡¡A la primera!!!</translation>
    </message>
    <message>
        <source>Great!!</source>
        <translation>¡¡Genial!!</translation>
    </message>
    <message>
        <source>You made it!</source>
        <translation>¡Lo ha conseguido!</translation>
    </message>
    <message>
        <source>At last!</source>
        <translation>¡Por fin!</translation>
    </message>
    <message>
        <source>Number of guesses: %1</source>
        <translation>Número de intentos: %1</translation>
    </message>
    <message numerus="yes">
        <source>Total time: %n seconds</source>
        <translation>
            <numerusform>Tiempo total: %n segundo</numerusform>
            <numerusform>Tiempo total: %n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Seconds per game</source>
        <translation>Segundos por partida</translation>
    </message>
    <message>
        <source>Guesses per game</source>
        <translation>Intentos por partida</translation>
    </message>
    <message>
        <source>% of unsuccessful games</source>
        <translation>% de partidas no ganadas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An accessible name: %1 is what the figure is, %2 the figure.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>¿Está seguro?</translation>
    </message>
</context>
<context>
    <name>codebreaking::TTopScore</name>
    <message>
        <source>Congratulations</source>
        <translation>Enhorabuena</translation>
    </message>
    <message>
        <source>Your score is the best one !</source>
        <translation>¡Su puntuación es la mejor!</translation>
    </message>
    <message>
        <source>Please enter your name...</source>
        <translation>Introduzca su nombre...</translation>
    </message>
    <message>
        <source>...and your Words of Wisdom:</source>
        <translation>...y sus palabras sabias:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>codebreaking::TWelcomeBox</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>A peg dropping into its hole</source>
        <translation>Una ficha que cae en su agujero</translation>
    </message>
    <message>
        <source>Welcome to Pegora v2.3 !</source>
        <translation>¡Le damos la bienvenida a Pegora v2.3!</translation>
    </message>
    <message>
        <source>To win, you have to guess the secret color sequence the program choosed.</source>
        <translation>Para ganar, tiene que adivinar la secuencia secreta de colores que ha elegido el programa.</translation>
    </message>
    <message>
        <source>To do so, simply drag and drop the colors in the left-side spaces and then click on the Check button. The two numbers will tell you how many correctly placed color and how many incorrectly placed there are.</source>
        <translation>Para ello, basta con arrastrar y soltar los colores en los huecos de la izquierda y hacer clic en el botón Probar. Los dos números le indicarán cuántos colores están bien colocados y cuántos mal colocados.</translation>
    </message>
    <message>
        <source>If you don&apos;t check Single Colors option there can be a sequence with a color repeated more than one time.</source>
        <translation>Si no marca la opción Colores únicos, puede haber una secuencia con un color repetido más de una vez.</translation>
    </message>
    <message>
        <source>Show this message when the program starts</source>
        <translation>Mostrar este mensaje al iniciar el programa</translation>
    </message>
    <message>
        <source>Whether this welcome comes back at every start</source>
        <translation>Indica si la bienvenida aparece al iniciar</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Más...</translation>
    </message>
    <message>
        <source>Opens the rules in the help</source>
        <translation>Abre las reglas en la ayuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>codebreaking::coach</name>
    <message numerus="yes">
        <source>%1 codes</source>
        <extracomment>A mean loss in codes (&quot;2 codes&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>%1 código</numerusform>
            <numerusform>%1 códigos</numerusform>
        </translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Codes left at most</source>
        <translation>Códigos restantes (máx.)</translation>
    </message>
    <message>
        <source>Your lines</source>
        <translation>Sus líneas</translation>
    </message>
    <message>
        <source>Best guesses</source>
        <translation>Líneas óptimas</translation>
    </message>
    <message>
        <source>Try %1</source>
        <extracomment>A guess, as the hint words it: %1 is the colours&apos; names.</extracomment>
        <translation>Pruebe %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 codes lost</source>
        <extracomment>The coach&apos;s loss in codes (&quot;3 codes lost&quot;), %1 the number.</extracomment>
        <translation>
            <numerusform>%1 código perdido</numerusform>
            <numerusform>%1 códigos perdidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>at most %n codes left; yours up to %1</source>
        <extracomment>The best guess&apos;s and this guess&apos;s codes left at most, %n and %1.</extracomment>
        <translation>
            <numerusform>máx. %n código restante; la suya, hasta %1</numerusform>
            <numerusform>máx. %n códigos restantes; la suya, hasta %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>codebreaking::hint</name>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>No code fits the lines so far.</source>
        <translation>Ningún código encaja con las líneas jugadas.</translation>
    </message>
    <message>
        <source>Try %1.</source>
        <extracomment>%1 is the guess: the colours&apos; names, one after the other.</extracomment>
        <translation>Pruebe %1.</translation>
    </message>
    <message>
        <source>Not the code, but narrows the %1 best.</source>
        <translation>No es el código, pero criba mejor los %1.</translation>
    </message>
    <message>
        <source>1 code is still possible.</source>
        <translation>Queda 1 código posible.</translation>
    </message>
    <message>
        <source>%1 codes are still possible.</source>
        <translation>Aún son posibles %1 códigos.</translation>
    </message>
</context>
<context>
    <name>codebreaking::settings</name>
    <message>
        <source>Pegora starts with its standard settings and will leave the file as it is when it closes.</source>
        <translation>Pegora se inicia con su configuración estándar y dejará el archivo tal como está al cerrarse.</translation>
    </message>
</context>
</TS>
