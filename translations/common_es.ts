<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>TAboutBox</name>
    <message>
        <source>this computer</source>
        <translation>este equipo</translation>
    </message>
    <message>
        <source>for %1 / %2</source>
        <extracomment>The About box&apos;s line of the system the game runs on: &quot;for Linux / X11&quot; (%1 the system, %2 the window system) or &quot;for Linux&quot;.</extracomment>
        <translation>para %1 / %2</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>para %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>App Name</source>
        <translation>Nombre de la aplicación</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>Last modify: 1-1-98</source>
        <translation>Modificado: 1-1-98</translation>
    </message>
    <message>
        <source>© 2026 the Table Games team</source>
        <translation>© 2026 el equipo de Table Games</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TAnimated</name>
    <message>
        <source>animation</source>
        <translation>animación</translation>
    </message>
</context>
<context>
    <name>TArrowButton</name>
    <message>
        <source>%1 arrow</source>
        <extracomment>%1 is a colour&apos;s name (&quot;red arrow&quot;).</extracomment>
        <translation>flecha de color %1</translation>
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
        <translation>«%1» no es un número válido.</translation>
    </message>
    <message>
        <source>Best move.</source>
        <translation>Mejor jugada.</translation>
    </message>
    <message>
        <source>Best was: %1 (%2).</source>
        <extracomment>%1 the best move (&quot;Hold 5 5&quot;), %2 what the move made cost (&quot;4.5 points lost&quot;).</extracomment>
        <translation>Mejor jugada: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>TCoachChart</name>
    <message>
        <source>No move rated yet.</source>
        <translation>Aún no se ha evaluado ninguna jugada.</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>If you ask for a hint the game is considered training<byte value="xd"/>and I won&apos;t update Best Players or Statistics.<byte value="xd"/>Show the hint ?</source>
        <translation>Si pide una pista, la partida se considera de práctica<byte value="xd"/>y no se actualizarán Mejores jugadores ni Estadísticas.<byte value="xd"/>¿Desea ver la pista?</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Entrenador</translation>
    </message>
    <message>
        <source>&amp;Review...</source>
        <translation>&amp;Análisis...</translation>
    </message>
    <message>
        <source>%1 &gt; %2 shows how the game went.</source>
        <extracomment>%1 is the Game menu, %2 its Review item, as the menu shows them.</extracomment>
        <translation>%1 &gt; %2 muestra cómo fue la partida.</translation>
    </message>
</context>
<context>
    <name>TReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Jugada</translation>
    </message>
    <message>
        <source>Best move</source>
        <translation>Mejor jugada</translation>
    </message>
    <message>
        <source>Loss</source>
        <translation>Pérdida</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>Decisions</source>
        <translation>Decisiones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Sin error</translation>
    </message>
    <message>
        <source>Small error</source>
        <translation>Error leve</translation>
    </message>
    <message>
        <source>Blunder</source>
        <translation>Error grave</translation>
    </message>
    <message>
        <source>No move rated yet.</source>
        <translation>Aún no se ha evaluado ninguna jugada.</translation>
    </message>
    <message numerus="yes">
        <source>Your average with the coach: %1 lost a move, over %n moves.</source>
        <translation>
            <numerusform>Su media con el entrenador: pérdida de %1 por jugada, en %n jugada.</numerusform>
            <numerusform>Su media con el entrenador: pérdida de %1 por jugada, en %n jugadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your average builds up as the coach rates your moves.</source>
        <translation>Su media se irá formando a medida que el entrenador evalúe sus jugadas.</translation>
    </message>
    <message>
        <source>Turn the coach on (Options) to keep your average over the games.</source>
        <translation>Active el entrenador (Opciones) para llevar su media de una partida a otra.</translation>
    </message>
    <message>
        <source>%1, %2, %3.</source>
        <extracomment>&quot;3 moves, 1 best, 4.5 points lost.&quot;: the counts, then the game&apos;s loss.</extracomment>
        <translation>%1, %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n jugada</numerusform>
            <numerusform>%n jugadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n best</source>
        <translation>
            <numerusform>%n sin error</numerusform>
            <numerusform>%n sin error</numerusform>
        </translation>
    </message>
    <message>
        <source>This game: %1 lost a move on average; %2, %3.</source>
        <extracomment>%1 is an amount lost, as &quot;0.8 points&quot;; %2 and %3 the counts of small errors and blunders.</extracomment>
        <translation>Esta partida: pérdida media de %1 por jugada; %2, %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n small errors</source>
        <translation>
            <numerusform>%n error leve</numerusform>
            <numerusform>%n errores leves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blunders</source>
        <translation>
            <numerusform>%n error grave</numerusform>
            <numerusform>%n errores graves</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TURLLabel</name>
    <message>
        <source>web link</source>
        <translation>enlace web</translation>
    </message>
    <message>
        <source>mail link</source>
        <translation>enlace de correo</translation>
    </message>
    <message>
        <source>file transfer link</source>
        <translation>enlace de transferencia de archivos</translation>
    </message>
    <message>
        <source>link</source>
        <translation>enlace</translation>
    </message>
</context>
<context>
    <name>colour</name>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>maroon</source>
        <translation>granate</translation>
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
        <translation>azul marino</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>púrpura</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>verde azulado</translation>
    </message>
    <message>
        <source>gray</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>plata</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>lime</source>
        <translation>lima</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <translation>fucsia</translation>
    </message>
    <message>
        <source>aqua</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>button face</source>
        <translation>color de botón</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>There is no folder to keep the settings in: neither XDG_CONFIG_HOME nor HOME is set to a full path. The settings of this run will not be kept.</source>
        <translation>No hay ninguna carpeta donde guardar la configuración: ni XDG_CONFIG_HOME ni HOME contienen una ruta completa. La configuración de esta ejecución no se conservará.</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s title; %1 is the game&apos;s name.</extracomment>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; could not be found.</source>
        <translation>No se ha encontrado el archivo de ayuda «%1».</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is not in the help file &quot;%2&quot;.</source>
        <extracomment>%1 is a topic&apos;s keyword, %2 the help file&apos;s name.</extracomment>
        <translation>El tema «%1» no está en el archivo de ayuda «%2».</translation>
    </message>
</context>
<context>
    <name>platform::Messages</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>platform::TIniFile</name>
    <message>
        <source>&quot;%1&quot; is a folder, not a settings file.</source>
        <translation>«%1» es una carpeta, no un archivo de configuración.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a settings file.</source>
        <translation>«%1» no es un archivo de configuración.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: its owner may not read it.</source>
        <translation>No se ha podido leer «%1»: su propietario no tiene permiso para leerlo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>No se ha podido leer «%1»: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es una carpeta.</translation>
    </message>
    <message>
        <source>it is not a plain file.</source>
        <translation>no es un archivo normal.</translation>
    </message>
    <message>
        <source>it is read-only.</source>
        <translation>es de solo lectura.</translation>
    </message>
    <message>
        <source>its folder &quot;%1&quot; is read-only.</source>
        <translation>su carpeta «%1» es de solo lectura.</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; cannot be written: %2</source>
        <translation>No se puede escribir en el archivo de configuración «%1»: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be saved: %2</source>
        <translation>No se ha podido guardar el archivo de configuración «%1»: %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be created: %2</source>
        <translation>No se ha podido crear el archivo de configuración «%1»: %2</translation>
    </message>
</context>
<context>
    <name>platform::best</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <translation>«%1» no es un valor entero válido.</translation>
    </message>
    <message>
        <source>The statistics total %1 in &quot;%2&quot; counts from 0.</source>
        <extracomment>%1 is the key of a total in the settings file, %2 the file&apos;s path.</extracomment>
        <translation>El total %1 de las estadísticas de «%2» vuelve a 0.</translation>
    </message>
</context>
</TS>
