<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>poker::Round</name>
    <message>
        <source>You must play at least 1 credit.</source>
        <translation>Debe jugar al menos 1 crédito.</translation>
    </message>
    <message>
        <source>Credits played out of range.</source>
        <translation>Apuesta fuera de rango.</translation>
    </message>
    <message>
        <source>You can play 1 credit.</source>
        <translation>Puede jugar 1 crédito.</translation>
    </message>
    <message>
        <source>You can play from 1 to %L1 credits.</source>
        <translation>Puede jugar de 1 a %L1 créditos.</translation>
    </message>
    <message>
        <source>Invalid value.</source>
        <translation>Valor no válido.</translation>
    </message>
</context>
<context>
    <name>poker::Session</name>
    <message>
        <source>Keep nothing: expect %1 times the bet.</source>
        <translation>No guarde nada: cabe esperar %1 veces la apuesta.</translation>
    </message>
    <message>
        <source>Keep all five: expect %1 times the bet.</source>
        <translation>Guarde las cinco: cabe esperar %1 veces la apuesta.</translation>
    </message>
    <message>
        <source>Keep %1: expect %2 times the bet.</source>
        <extracomment>%1 is the ranks to keep as the cards&apos; corners show them (&quot;A K&quot;), %2 the expected multiple.</extracomment>
        <translation>Guarde %1: cabe esperar %2 veces la apuesta.</translation>
    </message>
    <message>
        <source>Keep nothing</source>
        <translation>No guarde nada</translation>
    </message>
    <message>
        <source>Keep all five</source>
        <translation>Guarde las cinco</translation>
    </message>
    <message>
        <source>Keep %1</source>
        <extracomment>%1 is the ranks kept as the cards&apos; corners show them (&quot;A K&quot;).</extracomment>
        <translation>Guarde %1</translation>
    </message>
</context>
<context>
    <name>poker::TAboutBox1</name>
    <message>
        <source>Version 1.1</source>
        <translation>Versión 1.1</translation>
    </message>
    <message>
        <source>Last modify: 11-8-98</source>
        <translation>Modificado: 11-8-98</translation>
    </message>
    <message>
        <source>Cartova icon, click to hear the cards</source>
        <translation>Icono de Cartova: haga clic para oír las cartas</translation>
    </message>
</context>
<context>
    <name>poker::TCard</name>
    <message>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>%1, kept</source>
        <translation>%1, carta guardada</translation>
    </message>
</context>
<context>
    <name>poker::TMainForm</name>
    <message>
        <source>Keep card %1</source>
        <translation>Guardar carta %1</translation>
    </message>
    <message>
        <source>Keep</source>
        <extracomment>Shown under a card the player keeps for the second deal.</extracomment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Good luck!</source>
        <translation>¡Suerte!</translation>
    </message>
    <message>
        <source>Credits won: 0</source>
        <translation>Créditos ganados: 0</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>The button that plays all credits.</extracomment>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Play all credits</source>
        <translation>Jugar todos los créditos</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Repartir</translation>
    </message>
    <message>
        <source>Always play all credits</source>
        <translation>Jugar siempre todo</translation>
    </message>
    <message>
        <source>Total credits: 100</source>
        <translation>Créditos totales: 100</translation>
    </message>
    <message>
        <source>Credits played:</source>
        <translation>Apuesta:</translation>
    </message>
    <message>
        <source>Credits played</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Total credits: %1</source>
        <translation>Créditos totales: %1</translation>
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
        <source>&amp;Deck</source>
        <translation>&amp;Baraja</translation>
    </message>
    <message>
        <source>&amp;Beach</source>
        <translation>&amp;Playa</translation>
    </message>
    <message>
        <source>&amp;Fishes</source>
        <translation>Pe&amp;ces</translation>
    </message>
    <message>
        <source>Standard &amp;1</source>
        <translation>Estándar &amp;1</translation>
    </message>
    <message>
        <source>Standard &amp;2</source>
        <translation>Estándar &amp;2</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Fondo</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Verde</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Azul</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rojo</translation>
    </message>
    <message>
        <source>&amp;Gray</source>
        <translation>&amp;Gris</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <extracomment>The help menu.</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Payoffs</source>
        <translation>&amp;Tabla de pagos</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <translation>&amp;Reglas</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>

The options of this game were not kept.</source>
        <translation>

Las opciones de este juego no se han conservado.</translation>
    </message>
    <message>
        <source>Deal first: a hint is given between the two deals.</source>
        <translation>Reparta primero: la pista se da entre los dos repartos.</translation>
    </message>
    <message>
        <source>Working out the hint...</source>
        <translation>Calculando la pista...</translation>
    </message>
    <message>
        <source>Deal n. 2</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Deal n. 1</source>
        <translation>Repartir</translation>
    </message>
    <message>
        <source>You lost your bet.</source>
        <translation>Ha perdido la apuesta.</translation>
    </message>
    <message>
        <source>Credits won: %1</source>
        <translation>Créditos ganados: %1</translation>
    </message>
    <message>
        <source>Sorry, end of game.<byte value="xd"/>Do you want to restart?</source>
        <translation>Lo siento, fin de la partida.<byte value="xd"/>¿Desea volver a empezar?</translation>
    </message>
</context>
<context>
    <name>poker::TPayoffsForm</name>
    <message>
        <source>Royal Flush</source>
        <translation>Escalera real</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Escalera de color</translation>
    </message>
    <message>
        <source>Poker</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Full</source>
        <extracomment>A full house.</extracomment>
        <translation>Full</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>3 of a kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Two pair</source>
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>Pair (Jacks or better)</source>
        <translation>Pareja (jotas o más)</translation>
    </message>
    <message>
        <source>Payoffs</source>
        <translation>Tabla de pagos</translation>
    </message>
    <message>
        <source>X %1</source>
        <extracomment>The multiplier of the bet a hand pays.</extracomment>
        <translation>X %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message numerus="yes">
        <source>%1 pays %n times the bet</source>
        <extracomment>%1 is a hand&apos;s name, %n the multiplier.</extracomment>
        <translation>
            <numerusform>%1 paga %n vez la apuesta</numerusform>
            <numerusform>%1 paga %n veces la apuesta</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>poker::card</name>
    <message>
        <source>Spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: %1 its rank (&quot;Ace&quot;, &quot;7&quot;), %2 its suit (&quot;Hearts&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>poker::coach</name>
    <message numerus="yes">
        <source>%1 credits</source>
        <extracomment>A mean loss, always with decimals (&quot;0.25 credits&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 créditos</numerusform>
            <numerusform>%1 créditos</numerusform>
        </translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Your credits</source>
        <translation>Sus créditos</translation>
    </message>
    <message>
        <source>With the best keeps</source>
        <translation>Con elecciones óptimas</translation>
    </message>
    <message numerus="yes">
        <source>%1 credits lost</source>
        <extracomment>The coach&apos;s loss, always with decimals (&quot;0.25 credits lost&quot;); the form follows its whole part.</extracomment>
        <translation>
            <numerusform>%1 créditos perdidos</numerusform>
            <numerusform>%1 créditos perdidos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>poker::hand</name>
    <message>
        <source>Royal Flush !!!</source>
        <translation>¡¡¡Escalera real!!!</translation>
    </message>
    <message>
        <source>Straight Flush !!!</source>
        <translation>¡¡¡Escalera de color!!!</translation>
    </message>
    <message>
        <source>Poker !!</source>
        <extracomment>Four of a kind.</extracomment>
        <translation>¡¡Póker!!</translation>
    </message>
    <message>
        <source>Full !</source>
        <extracomment>A full house.</extracomment>
        <translation>¡Full!</translation>
    </message>
    <message>
        <source>Flush !</source>
        <translation>¡Color!</translation>
    </message>
    <message>
        <source>Straight !</source>
        <translation>¡Escalera!</translation>
    </message>
    <message>
        <source>3 of a Kind.</source>
        <translation>Trío.</translation>
    </message>
    <message>
        <source>Two pair.</source>
        <translation>Doble pareja.</translation>
    </message>
    <message>
        <source>Pair.</source>
        <translation>Pareja.</translation>
    </message>
    <message>
        <source>Nothing.</source>
        <translation>Nada.</translation>
    </message>
</context>
<context>
    <name>poker::settings</name>
    <message>
        <source>The game starts with its usual options and leaves that file as it is.</source>
        <translation>El juego se inicia con sus opciones habituales y deja ese archivo tal como está.</translation>
    </message>
    <message>
        <source>The game starts with its usual options.</source>
        <translation>El juego se inicia con sus opciones habituales.</translation>
    </message>
</context>
</TS>
