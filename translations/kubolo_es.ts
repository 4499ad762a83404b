<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>kubolo::ScoreSheet</name>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Bonus (-%1)</source>
        <extracomment>%1 is the points still missing for the bonus.</extracomment>
        <translation>Bonus (-%1)</translation>
    </message>
</context>
<context>
    <name>kubolo::Session</name>
    <message>
        <source>Roll: expect %1 in the end.</source>
        <translation>Tire: cabe esperar %1 al final.</translation>
    </message>
    <message>
        <source>Hold nothing: expect %1 in the end.</source>
        <translation>No guarde nada: cabe esperar %1 al final.</translation>
    </message>
    <message>
        <source>Hold %1: expect %2 in the end.</source>
        <extracomment>Keep these dice (%1: their faces, &quot;3 3 5&quot;) and roll the others; %2 is the expected total.</extracomment>
        <translation>Guarde %1: cabe esperar %2 al final.</translation>
    </message>
    <message>
        <source>Choose %1: expect %2 in the end.</source>
        <extracomment>%1 is a category&apos;s name, %2 the expected total.</extracomment>
        <translation>Elija %1: cabe esperar %2 al final.</translation>
    </message>
</context>
<context>
    <name>kubolo::TAboutBox1</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version 3.3</source>
        <translation>Versión 3.3</translation>
    </message>
    <message>
        <source>Last modify: 30-6-97</source>
        <translation>Modificado: 30-6-97</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>Click to roll</source>
        <translation>Haga clic para tirar</translation>
    </message>
    <message>
        <source>Die, click or press Space to roll</source>
        <translation>Dado: haga clic o pulse Espacio para tirar</translation>
    </message>
</context>
<context>
    <name>kubolo::TBestPlayers</name>
    <message>
        <source>Best Players</source>
        <translation>Mejores jugadores</translation>
    </message>
    <message>
        <source>Row %1 marker</source>
        <translation>Marcador de la fila %1</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
</context>
<context>
    <name>kubolo::TDice</name>
    <message>
        <source>Die</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>%1, blank</source>
        <extracomment>%2 is the face&apos;s name: &quot;one&quot;, &quot;two&quot;...</extracomment>
        <translation>%1, en blanco</translation>
    </message>
    <message>
        <source>%1, showing %2</source>
        <translation>%1, muestra %2</translation>
    </message>
    <message>
        <source>%1, held</source>
        <translation>%1, guardado</translation>
    </message>
    <message>
        <source>%1, not held</source>
        <translation>%1, no guardado</translation>
    </message>
</context>
<context>
    <name>kubolo::TEndGame</name>
    <message>
        <source>End of game</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Left-side total:</source>
        <translation>Lado izquierdo:</translation>
    </message>
    <message>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Game total:</source>
        <translation>Total general:</translation>
    </message>
    <message>
        <source>Kubolo:</source>
        <extracomment>The count of five of a kind in the game.</extracomment>
        <translation>Kubolo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>kubolo::TMainForm</name>
    <message>
        <source>Die %1</source>
        <translation>Dado %1</translation>
    </message>
    <message>
        <source>Hold die %1</source>
        <translation>Guardar dado %1</translation>
    </message>
    <message>
        <source>Categories filled</source>
        <translation>Casillas llenas</translation>
    </message>
    <message>
        <source>Roll n: 0</source>
        <translation>Tirada: 0</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tirar</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Game Total</source>
        <translation>Total general</translation>
    </message>
    <message>
        <source>Roll n: %1</source>
        <translation>Tirada: %1</translation>
    </message>
    <message>
        <source>Left-side total: %1</source>
        <translation>Total del lado izquierdo: %1</translation>
    </message>
    <message>
        <source>Bonus points: %1</source>
        <translation>Puntos de bonus: %1</translation>
    </message>
    <message>
        <source>Game total: %1</source>
        <translation>Total general: %1</translation>
    </message>
    <message>
        <source>%1, no score yet</source>
        <translation>%1, sin puntuación todavía</translation>
    </message>
    <message>
        <source>%1, filled</source>
        <translation>%1, llena</translation>
    </message>
    <message>
        <source>%1, open</source>
        <translation>%1, abierta</translation>
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
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Roll</source>
        <translation>&amp;Animación de los dados</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
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
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>

The best players, statistics and options of this run are not saved.</source>
        <translation>

Los mejores jugadores, las estadísticas y las opciones de esta ejecución no se guardan.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n points</source>
        <translation>
            <numerusform>%1, %n punto</numerusform>
            <numerusform>%1, %n puntos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kubolo::TStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Total games played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Points per game</source>
        <translation>Puntos por partida</translation>
    </message>
    <message>
        <source>Kubolo per game</source>
        <extracomment>Five of a kind per game.</extracomment>
        <translation>Kubolos por partida</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>¿Está seguro?</translation>
    </message>
</context>
<context>
    <name>kubolo::TTopFive</name>
    <message>
        <source>Congratulation</source>
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
</context>
<context>
    <name>kubolo::TTopScore</name>
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
</context>
<context>
    <name>kubolo::category</name>
    <message>
        <source>Aces</source>
        <translation>Ases</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>4 of a kind</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house: three of one face and two of another.</extracomment>
        <translation>Full</translation>
    </message>
    <message>
        <source>Minimum Scale</source>
        <translation>Escalera menor</translation>
    </message>
    <message>
        <source>Maximum Scale</source>
        <translation>Escalera mayor</translation>
    </message>
    <message>
        <source>Kubolo</source>
        <translation>Kubolo</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Suerte</translation>
    </message>
</context>
<context>
    <name>kubolo::coach</name>
    <message numerus="yes">
        <source>%1 points</source>
        <extracomment>A mean loss, always with a decimal (&quot;0.8 points&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 puntos</numerusform>
            <numerusform>%1 puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Expected final total</source>
        <translation>Total final esperado</translation>
    </message>
    <message>
        <source>Your play</source>
        <translation>Su juego</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Juego óptimo</translation>
    </message>
    <message>
        <source>Choose %1</source>
        <extracomment>%1 is a category&apos;s name.</extracomment>
        <translation>Elija %1</translation>
    </message>
    <message>
        <source>Hold nothing</source>
        <translation>No guarde nada</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>%1 is the faces of the dice held, &quot;3 3 5&quot;.</extracomment>
        <translation>Guarde %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 points lost</source>
        <extracomment>The coach&apos;s loss, always with a decimal (&quot;4.5 points lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 puntos perdidos</numerusform>
            <numerusform>%1 puntos perdidos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kubolo::face</name>
    <message>
        <source>blank</source>
        <translation>en blanco</translation>
    </message>
    <message>
        <source>one</source>
        <translation>uno</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
</context>
<context>
    <name>kubolo::settings</name>
    <message>
        <source>Kubolo starts with the default best players, statistics and options, and will not write over that file.</source>
        <translation>Kubolo se inicia con los mejores jugadores, las estadísticas y las opciones predeterminados, y no sobrescribirá ese archivo.</translation>
    </message>
    <message>
        <source>The best players, statistics and options of this run may not be saved.</source>
        <translation>Puede que los mejores jugadores, las estadísticas y las opciones de esta ejecución no se guarden.</translation>
    </message>
</context>
</TS>
