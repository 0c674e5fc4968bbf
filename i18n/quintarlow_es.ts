<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%Ln try</source>
        <translation>
            <numerusform>%Ln intento</numerusform>
            <numerusform>%Ln intentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tries</source>
        <translation>
            <numerusform>%Ln intento</numerusform>
            <numerusform>%Ln intentos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln knows it</source>
        <translation>
            <numerusform>%Ln la sabe</numerusform>
            <numerusform>%Ln la saben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln know it</source>
        <translation>
            <numerusform>%Ln la sabe</numerusform>
            <numerusform>%Ln la saben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln keeps missing it</source>
        <translation>
            <numerusform>%Ln la sigue fallando</numerusform>
            <numerusform>%Ln la siguen fallando</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln keep missing it</source>
        <translation>
            <numerusform>%Ln la sigue fallando</numerusform>
            <numerusform>%Ln la siguen fallando</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) keeps missing it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 de %Ln niño la sigue fallando</numerusform>
            <numerusform>%1 × %2 = %3: %4 de %Ln niños la sigue fallando</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) keep missing it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 de %Ln niño la siguen fallando</numerusform>
            <numerusform>%1 × %2 = %3: %4 de %Ln niños la siguen fallando</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) is still learning it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 de %Ln niño la está aprendiendo</numerusform>
            <numerusform>%1 × %2 = %3: %4 de %Ln niños la está aprendiendo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) are still learning it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 de %Ln niño la están aprendiendo</numerusform>
            <numerusform>%1 × %2 = %3: %4 de %Ln niños la están aprendiendo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln answer(s) %1, %2 % right by %3.</source>
        <translation>
            <numerusform>%Ln respuesta de %3 %1, %2 % correctas.</numerusform>
            <numerusform>%Ln respuestas de %3 %1, %2 % correctas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln child(ren)</source>
        <translation>
            <numerusform>%Ln niño</numerusform>
            <numerusform>%Ln niños</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln answer(s) %1, %2 % right.</source>
        <translation>
            <numerusform>%Ln respuesta %1, %2 % correctas.</numerusform>
            <numerusform>%Ln respuestas %1, %2 % correctas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Played alone against the computer: %Ln game(s), %1 won.</source>
        <translation>
            <numerusform>Jugó solo contra el ordenador: %Ln partida, %1 ganadas.</numerusform>
            <numerusform>Jugó solo contra el ordenador: %Ln partidas, %1 ganadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Answers are kept for %Ln day(s), then deleted.</source>
        <translation>
            <numerusform>Las respuestas se guardan %Ln día y luego se borran.</numerusform>
            <numerusform>Las respuestas se guardan %Ln días y luego se borran.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forget %1? All %Ln answer(s) that %1 gave are deleted from the practice record on this computer. This cannot be undone.</source>
        <translation>
            <numerusform>¿Olvidar a %1? Se borra de este ordenador la %Ln respuesta que dio %1. No se puede deshacer.</numerusform>
            <numerusform>¿Olvidar a %1? Se borran de este ordenador las %Ln respuestas que dio %1. No se puede deshacer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln learning it</source>
        <translation>
            <numerusform>%Ln la está aprendiendo</numerusform>
            <numerusform>%Ln la están aprendiendo</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>The Computer</source>
        <translation>El ordenador</translation>
    </message>
    <message>
        <source>Red Player - Enter Name Here</source>
        <translation>Rojo - escribe aquí tu nombre</translation>
    </message>
    <message>
        <source>Blue Player - Enter Name Here</source>
        <translation>Azul - escribe aquí tu nombre</translation>
    </message>
</context>
<context>
    <name>RecordTrouble</name>
    <message>
        <source>On %1 the game could not write the practice record (%2), so the answers played since then are not kept. Make room on the disk or let the game write to its folder, then play again.</source>
        <translation>El %1 el juego no pudo escribir el registro de práctica (%2), así que las respuestas jugadas desde entonces no se guardan. Haz sitio en el disco o deja que el juego escriba en su carpeta, y vuelve a jugar.</translation>
    </message>
    <message>
        <source>d MMMM yyyy &apos;at&apos; HH:mm</source>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy &apos;a las&apos; HH:mm</translation>
    </message>
    <message>
        <source>Quintarlow! is not keeping its practice record</source>
        <translation>Quintarlow! no está guardando su registro de práctica</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>welcome to quintarlow,, enter your names and we&apos;ll get started!</source>
        <translation>bienvenidos a quintarlow,, escribid vuestros nombres y empezamos!</translation>
    </message>
    <message>
        <source>FOUR IN A ROW,,ACROSS, UP AND DOWN OR DIAGONALLY WINS,, you have %1 seconds to answer,, blue goes FIRST</source>
        <translation>CUATRO EN LÍNEA,,EN HORIZONTAL, VERTICAL O DIAGONAL GANA,, tenéis %1 segundos para responder,, azul EMPIEZA</translation>
    </message>
    <message>
        <source>FOUR IN A ROW,,ACROSS, UP AND DOWN OR DIAGONALLY WINS,, blue has %1 seconds and red has %2 seconds to answer,, blue goes FIRST</source>
        <translation>CUATRO EN LÍNEA,,EN HORIZONTAL, VERTICAL O DIAGONAL GANA,, azul tiene %1 segundos y rojo tiene %2 segundos para responder,, azul EMPIEZA</translation>
    </message>
    <message>
        <source>blue goes first</source>
        <translation>empieza azul</translation>
    </message>
    <message>
        <source>enter the players names</source>
        <translation>escribid los nombres de los jugadores</translation>
    </message>
    <message>
        <source>BLUE GOES FIRST</source>
        <translation>EMPIEZA AZUL</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>CORRECTO</translation>
    </message>
    <message>
        <source>YOU WERE WRONG</source>
        <translation>TE HAS EQUIVOCADO</translation>
    </message>
    <message>
        <source>WE HAVE A WINNER</source>
        <translation>TENEMOS UN GANADOR</translation>
    </message>
    <message>
        <source>Choose Option Below</source>
        <translation>Elige abajo</translation>
    </message>
    <message>
        <source>%1, times, %2</source>
        <translation>%1, por, %2</translation>
    </message>
    <message>
        <source>that is not a valid selection,, try again,, %1, times, %2</source>
        <translation>esa casilla no vale,, inténtalo otra vez,, %1, por, %2</translation>
    </message>
    <message>
        <source>red,, generate your multipliers</source>
        <translation>rojo,, pide tu multiplicación</translation>
    </message>
    <message>
        <source>blue,, generate your multipliers</source>
        <translation>azul,, pide tu multiplicación</translation>
    </message>
    <message>
        <source>%1, that is correct, red gets the square. , it is, blues turn</source>
        <translation>%1, es correcto, la casilla es para rojo. , ahora le toca, a azul</translation>
    </message>
    <message>
        <source>%1, that is correct, blue gets the square. , it is, reds turn</source>
        <translation>%1, es correcto, la casilla es para azul. , ahora le toca, a rojo</translation>
    </message>
    <message>
        <source>IT&apos;S RED&apos;s TURN</source>
        <translation>LE TOCA A ROJO</translation>
    </message>
    <message>
        <source>IT&apos;S BLUE&apos;s TURN</source>
        <translation>LE TOCA A AZUL</translation>
    </message>
    <message>
        <source>you are out of time.  the correct answer was,, %1, it is, REDs turn.</source>
        <translation>se acabó el tiempo.  la respuesta correcta era,, %1, ahora le toca, a ROJO.</translation>
    </message>
    <message>
        <source>you are out of time.  the correct answer was,, %1, it is, BLUEs turn.</source>
        <translation>se acabó el tiempo.  la respuesta correcta era,, %1, ahora le toca, a AZUL.</translation>
    </message>
    <message>
        <source>%1  that is wrong.  the correct answer was,, %2, it is, REDs turn.</source>
        <translation>%1  eso no es correcto.  la respuesta correcta era,, %2, ahora le toca, a ROJO.</translation>
    </message>
    <message>
        <source>%1  that is wrong.  the correct answer was,, %2, it is, BLUEs turn.</source>
        <translation>%1  eso no es correcto.  la respuesta correcta era,, %2, ahora le toca, a AZUL.</translation>
    </message>
    <message>
        <source>attention! attention! we have a winner! congratulations to the,, red, player</source>
        <translation>¡atención! ¡atención! ¡tenemos un ganador! enhorabuena,, al jugador, rojo</translation>
    </message>
    <message>
        <source>attention! attention! we have a winner! congratulations to the,, blue, player</source>
        <translation>¡atención! ¡atención! ¡tenemos un ganador! enhorabuena,, al jugador, azul</translation>
    </message>
    <message>
        <source>every table learned</source>
        <translation>todas las tablas aprendidas</translation>
    </message>
    <message>
        <source>learning the %1 times table</source>
        <translation>aprende la tabla del %1</translation>
    </message>
    <message>
        <source>learning the %1s</source>
        <translation>aprende la tabla del %1</translation>
    </message>
    <message>
        <source>practising the tables %1</source>
        <translation>practica las tablas %1</translation>
    </message>
    <message numerus="yes">
        <source>%n new fact known</source>
        <translation>
            <numerusform>%n multiplicación nueva aprendida</numerusform>
            <numerusform>%n multiplicaciones nuevas aprendidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new facts known</source>
        <translation>
            <numerusform>%n multiplicación nueva aprendida</numerusform>
            <numerusform>%n multiplicaciones nuevas aprendidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 right</source>
        <translation>
            <numerusform>%1: %n de %2 bien</numerusform>
            <numerusform>%1: %n de %2 bien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1,, %n of %2 right</source>
        <translation>
            <numerusform>%1,, %n de %2 bien</numerusform>
            <numerusform>%1,, %n de %2 bien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Play in LANGUAGE (%1), not the desktop&apos;s.</source>
        <translation>Jugar en el idioma LANGUAGE (%1), no en el del escritorio.</translation>
    </message>
</context>
<context>
    <name>quintarlow::BoardWindow</name>
    <message>
        <source>Generate Multipliers</source>
        <translation>Pedir multiplicación</translation>
    </message>
    <message>
        <source>FOUR IN A ROW - ACROSS, UP AND DOWN OR DIAGONALLY WINS.</source>
        <translation>CUATRO EN LÍNEA - EN HORIZONTAL, VERTICAL O DIAGONAL GANA.</translation>
    </message>
    <message>
        <source>START NEW GAME</source>
        <translation>NUEVA PARTIDA</translation>
    </message>
    <message>
        <source>QUIT GAME</source>
        <translation>SALIR DEL JUEGO</translation>
    </message>
    <message>
        <source>First factor, %1</source>
        <translation>Primer factor, %1</translation>
    </message>
    <message>
        <source>First factor, none drawn</source>
        <translation>Primer factor, aún ninguno</translation>
    </message>
    <message>
        <source>Second factor, %1</source>
        <translation>Segundo factor, %1</translation>
    </message>
    <message>
        <source>Second factor, none drawn</source>
        <translation>Segundo factor, aún ninguno</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>queda %n segundo</numerusform>
            <numerusform>quedan %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>Blue player, %1, to move</source>
        <translation>Jugador azul, %1, le toca</translation>
    </message>
    <message>
        <source>Blue player, %1</source>
        <translation>Jugador azul, %1</translation>
    </message>
    <message>
        <source>Red player, %1, to move</source>
        <translation>Jugador rojo, %1, le toca</translation>
    </message>
    <message>
        <source>Red player, %1</source>
        <translation>Jugador rojo, %1</translation>
    </message>
    <message>
        <source>Quintarlow! corner</source>
        <translation>Esquina de Quintarlow!</translation>
    </message>
    <message>
        <source>Cannot be chosen.</source>
        <translation>No se puede elegir.</translation>
    </message>
    <message>
        <source>FREE square</source>
        <translation>Casilla LIBRE</translation>
    </message>
    <message>
        <source>Counts for both players in a line. Cannot be chosen.</source>
        <translation>Cuenta para los dos jugadores en una línea. No se puede elegir.</translation>
    </message>
    <message>
        <source>%1, Blue</source>
        <translation>%1, azul</translation>
    </message>
    <message>
        <source>%1, Red</source>
        <translation>%1, rojo</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Seguro?</translation>
    </message>
    <message>
        <source>Start a New Game</source>
        <translation>Empezar una partida nueva</translation>
    </message>
</context>
<context>
    <name>quintarlow::CommandText</name>
    <message>
        <source>Two-player spoken multiplication game: four in a line wins.</source>
        <translation>Juego hablado de multiplicar para dos: gana quien pone cuatro en línea.</translation>
    </message>
    <message>
        <source>Open the Practice Record: which facts each player knows.</source>
        <translation>Abrir el registro de práctica: qué multiplicaciones sabe cada jugador.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>%1 See quintarlow --help.</source>
        <translation>%1 Consulta quintarlow --help.</translation>
    </message>
    <message>
        <source>cannot open the practice record: %1. Nothing was changed. %2</source>
        <translation>no se puede abrir el registro de práctica: %1. No se ha cambiado nada. %2</translation>
    </message>
    <message>
        <source>%1; kept on this computer until it can be reached</source>
        <translation>%1; se guarda en este ordenador hasta que se pueda conectar</translation>
    </message>
    <message>
        <source>%1; nor can the practice record on this computer be opened: %2. %3</source>
        <translation>%1; tampoco se puede abrir el registro de práctica de este ordenador: %2. %3</translation>
    </message>
    <message>
        <source>no pictures or sounds in %1; playing without them</source>
        <translation>no hay imágenes ni sonidos en %1; se juega sin ellos</translation>
    </message>
    <message>
        <source>Print NAME&apos;s practice settings, or set them.</source>
        <translation>Mostrar los ajustes de práctica de NAME, o cambiarlos.</translation>
    </message>
    <message>
        <source>The tables NAME practises: like 3,4,6, or all (with --practice).</source>
        <translation>Las tablas que practica NAME: como 3,4,6, o all (con --practice).</translation>
    </message>
    <message>
        <source>Ask NAME&apos;s missed facts again: on or off (with --practice).</source>
        <translation>Volver a preguntar a NAME lo que falló: on u off (con --practice).</translation>
    </message>
    <message>
        <source>NAME follows a learning path over the tables: on or off (with --practice).</source>
        <translation>NAME sigue un camino de aprendizaje por las tablas: on u off (con --practice).</translation>
    </message>
    <message>
        <source>The seconds NAME has to answer, 20 to 90 (with --practice).</source>
        <translation>Los segundos que tiene NAME para responder, de 20 a 90 (con --practice).</translation>
    </message>
    <message>
        <source>How well the computer plays NAME alone: easy, level (NAME&apos;s own) or hard (with --practice).</source>
        <translation>Lo bien que juega el ordenador contra NAME a solas: easy, level (como NAME) o hard (con --practice).</translation>
    </message>
    <message>
        <source>NAME is a new player, not yet in the record (with --practice).</source>
        <translation>NAME es un jugador nuevo, aún no está en el registro (con --practice).</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;</source>
        <translation>inesperado: «%1»</translation>
    </message>
    <message>
        <source>--tables, --ask-missed, --path, --seconds and --opponent need --practice NAME</source>
        <translation>--tables, --ask-missed, --path, --seconds y --opponent necesitan --practice NAME</translation>
    </message>
    <message>
        <source>--practice needs a player&apos;s name</source>
        <translation>--practice necesita el nombre de un jugador</translation>
    </message>
    <message>
        <source>the name has %1 characters, more than %2; a player&apos;s name has at most %2 characters and no control or invisible ones</source>
        <translation>el nombre tiene %1 caracteres, más de %2; un nombre tiene como máximo %2 caracteres y ninguno de control ni invisible</translation>
    </message>
    <message>
        <source>the name holds a control or invisible character (%1); a player&apos;s name has at most %2 characters and no control or invisible ones</source>
        <translation>el nombre tiene un carácter de control o invisible (%1); un nombre tiene como máximo %2 caracteres y ninguno de control ni invisible</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &quot;%2&quot;</source>
        <translation>--%1 admite on u off, no «%2»</translation>
    </message>
    <message>
        <source>--seconds takes a number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--seconds admite un número de %1 a %2, no «%3»</translation>
    </message>
    <message>
        <source>--opponent takes easy, level or hard, not &quot;%1&quot;</source>
        <translation>--opponent admite easy, level o hard, no «%1»</translation>
    </message>
    <message>
        <source>no practice record to keep settings in</source>
        <translation>no hay registro de práctica donde guardar los ajustes</translation>
    </message>
    <message>
        <source>the record has never seen %1: check the spelling, or add --new for a player who has not played yet</source>
        <translation>%1 no está en el registro: revisa cómo está escrito, o añade --new para un jugador que aún no ha jugado</translation>
    </message>
    <message>
        <source>could not keep the practice settings of %1</source>
        <translation>no se han podido guardar los ajustes de práctica de %1</translation>
    </message>
    <message>
        <source>cannot open the practice record: %1. %2. %3</source>
        <translation>no se puede abrir el registro de práctica: %1. %2. %3</translation>
    </message>
    <message>
        <source>Nothing was changed</source>
        <translation>No se ha cambiado nada</translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was exported; choose another file and try again.</source>
        <translation>no se puede escribir %1: %2. No se ha exportado nada; elige otro archivo y vuelve a intentarlo.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln answer(s) to %1.</source>
        <translation>
            <numerusform>Exportada %Ln respuesta a %1.</numerusform>
            <numerusform>Exportadas %Ln respuestas a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read %1: it is %2, not a file; nothing imported. Import a CSV file the game exported.</source>
        <translation>no se puede leer %1: es %2, no un archivo; no se ha importado nada. Importa un archivo CSV exportado por el juego.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 %2; nothing imported</source>
        <translation>%1 %2; no se ha importado nada</translation>
    </message>
    <message>
        <source>Nothing imported</source>
        <translation>No se ha importado nada</translation>
    </message>
    <message>
        <source>cannot import %1: %2. Nothing imported.</source>
        <translation>no se puede importar %1: %2. No se ha importado nada.</translation>
    </message>
    <message numerus="yes">
        <source>Added %Ln answer(s), skipped %L1 already kept.</source>
        <translation>
            <numerusform>Añadida %Ln respuesta, omitidas %L1 ya guardadas.</numerusform>
            <numerusform>Añadidas %Ln respuestas, omitidas %L1 ya guardadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every answer and game of %1 from the practice record? [y/N]</source>
        <translation>¿Borrar todas las respuestas y partidas de %1 del registro de práctica? [y/N]</translation>
    </message>
    <message>
        <source>Nothing deleted.</source>
        <translation>No se ha borrado nada.</translation>
    </message>
    <message>
        <source>cannot delete %1 from the practice record: it could not be changed. Nothing was deleted; close the game and try again.</source>
        <translation>no se puede borrar a %1 del registro de práctica: no se ha podido cambiar. No se ha borrado nada; cierra el juego y vuelve a intentarlo.</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %Ln answer(s) of %1.</source>
        <translation>
            <numerusform>Borrada %Ln respuesta de %1.</numerusform>
            <numerusform>Borradas %Ln respuestas de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>no school&apos;s record server is set in [record] (see the README, For schools)</source>
        <translation>no hay ningún servidor de la escuela en [record] (véase el README, For schools)</translation>
    </message>
    <message>
        <source>--keep-days needs a number of days (0: until forgotten)</source>
        <translation>--keep-days necesita un número de días (0: hasta que se olvide)</translation>
    </message>
    <message>
        <source>cannot set up the school&apos;s record server: %1</source>
        <translation>no se puede preparar el servidor de la escuela: %1</translation>
    </message>
    <message>
        <source>Write the practice record (or one player&apos;s part) as CSV.</source>
        <translation>Escribir el registro de práctica (o la parte de un jugador) en CSV.</translation>
    </message>
    <message>
        <source>With --export-record or --report: only this player.</source>
        <translation>Con --export-record o --report: solo este jugador.</translation>
    </message>
    <message>
        <source>Add the answers of a CSV file exported on another computer.</source>
        <translation>Añadir las respuestas de un archivo CSV exportado en otro ordenador.</translation>
    </message>
    <message>
        <source>Delete a player&apos;s answers and games from the practice record.</source>
        <translation>Borrar las respuestas y partidas de un jugador del registro de práctica.</translation>
    </message>
    <message>
        <source>With --forget-player: do not ask first.</source>
        <translation>Con --forget-player: sin preguntar antes.</translation>
    </message>
    <message>
        <source>Play without reading or writing the practice record.</source>
        <translation>Jugar sin leer ni escribir el registro de práctica.</translation>
    </message>
    <message>
        <source>Set up the school&apos;s record server named in [record]: tables, roles and their rights (run as the tables&apos; owner).</source>
        <translation>Preparar el servidor de la escuela indicado en [record]: tablas, roles y sus permisos (ejecutar como dueño de las tablas).</translation>
    </message>
    <message>
        <source>With --setup-school-server: a role for each of these classes.</source>
        <translation>Con --setup-school-server: un rol para cada una de estas clases.</translation>
    </message>
    <message>
        <source>Delete from the school&apos;s record server what it no longer keeps (run as the tables&apos; owner, from a timer).</source>
        <translation>Borrar del servidor de la escuela lo que ya no guarda (ejecutar como dueño de las tablas, desde un temporizador).</translation>
    </message>
    <message>
        <source>With --setup-school-server: delete answers older than this (0: keep them until forgotten).</source>
        <translation>Con --setup-school-server: borrar las respuestas más antiguas (0: guardarlas hasta que se olviden).</translation>
    </message>
    <message>
        <source>Move a child to another class on the school&apos;s record server, with their answers and settings (a teacher of both classes).</source>
        <translation>Pasar a un niño a otra clase en el servidor de la escuela, con sus respuestas y ajustes (un docente de las dos clases).</translation>
    </message>
    <message>
        <source>With --move-player: the class the child is in.</source>
        <translation>Con --move-player: la clase en la que está el niño.</translation>
    </message>
    <message>
        <source>With --move-player: the class the child moves to.</source>
        <translation>Con --move-player: la clase a la que pasa el niño.</translation>
    </message>
    <message>
        <source>--%1 needs a %2</source>
        <translation>--%1 necesita un %2</translation>
    </message>
    <message>
        <source>cannot expire answers on the school&apos;s record server: %1</source>
        <translation>no se pueden borrar las respuestas caducadas del servidor de la escuela: %1</translation>
    </message>
    <message>
        <source>--move-player needs --from-class and --to-class</source>
        <translation>--move-player necesita --from-class y --to-class</translation>
    </message>
    <message>
        <source>cannot move a child on the school&apos;s record server: %1</source>
        <translation>no se puede cambiar de clase al niño en el servidor de la escuela: %1</translation>
    </message>
    <message>
        <source>Write the practice record&apos;s report as a PDF (the class&apos;s, or --player&apos;s; with --all one per player into a folder).</source>
        <translation>Escribir el informe del registro de práctica en PDF (el de la clase, o el de --player; con --all uno por jugador en una carpeta).</translation>
    </message>
    <message>
        <source>With --report: only the last N days.</source>
        <translation>Con --report: solo los últimos N días.</translation>
    </message>
    <message>
        <source>With --report: from this day (YYYY-MM-DD).</source>
        <translation>Con --report: desde este día (AAAA-MM-DD).</translation>
    </message>
    <message>
        <source>With --report: up to this day (YYYY-MM-DD).</source>
        <translation>Con --report: hasta este día (AAAA-MM-DD).</translation>
    </message>
    <message>
        <source>With --report: the class sheet and every child&apos;s page in one PDF to print.</source>
        <translation>Con --report: la hoja de la clase y la página de cada niño en un solo PDF para imprimir.</translation>
    </message>
    <message>
        <source>Write the class sheet, a line per child, as CSV for a spreadsheet.</source>
        <translation>Escribir la hoja de la clase, una línea por niño, en CSV para una hoja de cálculo.</translation>
    </message>
    <message>
        <source>With --report: every player&apos;s report and the class&apos;s, each in a file of its own.</source>
        <translation>Con --report: el informe de cada jugador y el de la clase, cada uno en su propio archivo.</translation>
    </message>
    <message>
        <source>--report needs a FILE (or a FOLDER with --all)</source>
        <translation>--report necesita un FILE (o un FOLDER con --all)</translation>
    </message>
    <message>
        <source>--all-in-one and --summary are of the whole class: leave out --all and --player</source>
        <translation>--all-in-one y --summary son de toda la clase: quita --all y --player</translation>
    </message>
    <message>
        <source>--all writes every player&apos;s report: leave out --player</source>
        <translation>--all escribe el informe de cada jugador: quita --player</translation>
    </message>
    <message>
        <source>--days counts back from today: leave out --from and --to</source>
        <translation>--days cuenta hacia atrás desde hoy: quita --from y --to</translation>
    </message>
    <message>
        <source>--days needs a number of days, 1 or more, such as --days 30</source>
        <translation>--days necesita un número de días, 1 o más, como --days 30</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message numerus="yes">
        <source>in the last %Ln day(s)</source>
        <translation>
            <numerusform>en el último día</numerusform>
            <numerusform>en los últimos %Ln días</numerusform>
        </translation>
    </message>
    <message>
        <source>--from and --to need days written as 2027-03-01, and --from is needed</source>
        <translation>--from y --to necesitan días escritos como 2027-03-01, y hace falta --from</translation>
    </message>
    <message>
        <source>--from must not come after --to</source>
        <translation>--from no puede ir después de --to</translation>
    </message>
    <message>
        <source>cannot open the practice record: %1. Nothing was written. %2</source>
        <translation>no se puede abrir el registro de práctica: %1. No se ha escrito nada. %2</translation>
    </message>
    <message>
        <source>cannot read the practice record: %1. Nothing was written.</source>
        <translation>no se puede leer el registro de práctica: %1. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was written; choose another file and try again.</source>
        <translation>no se puede escribir %1: %2. No se ha escrito nada; elige otro archivo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Wrote %1.</source>
        <translation>Escrito %1.</translation>
    </message>
    <message>
        <source>nobody has played yet, so there is no report to write.</source>
        <translation>todavía no ha jugado nadie, así que no hay informe que escribir.</translation>
    </message>
    <message>
        <source>cannot write every report: %1. Choose another folder and try again.</source>
        <translation>no se pueden escribir todos los informes: %1. Elige otra carpeta y vuelve a intentarlo.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %Ln report(s) into %1.</source>
        <translation>
            <numerusform>Escrito %Ln informe en %1.</numerusform>
            <numerusform>Escritos %Ln informes en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wayland session without XWayland (DISPLAY is not set); the game&apos;s windows may not keep their places</source>
        <translation>sesión de Wayland sin XWayland (DISPLAY no está definido); puede que las ventanas del juego no se queden en su sitio</translation>
    </message>
</context>
<context>
    <name>quintarlow::CorrectAnswerPopup</name>
    <message>
        <source>Correct Answer</source>
        <translation>Respuesta correcta</translation>
    </message>
</context>
<context>
    <name>quintarlow::FactGridModel</name>
    <message>
        <source>%1 times</source>
        <translation>%1 por</translation>
    </message>
    <message>
        <source>times %1</source>
        <translation>por %1</translation>
    </message>
    <message>
        <source>Facts, rows the first factor, columns the second</source>
        <translation>Multiplicaciones, filas el primer factor, columnas el segundo</translation>
    </message>
</context>
<context>
    <name>quintarlow::FactWords</name>
    <message>
        <source>right</source>
        <comment>a try</comment>
        <translation>bien</translation>
    </message>
    <message>
        <source>wrong</source>
        <comment>a try</comment>
        <translation>mal</translation>
    </message>
    <message>
        <source>timed out</source>
        <comment>a try</comment>
        <translation>sin tiempo</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <comment>a fact</comment>
        <translation>aún no preguntada</translation>
    </message>
    <message>
        <source>known</source>
        <comment>a fact</comment>
        <translation>sabida</translation>
    </message>
    <message>
        <source>right but slow</source>
        <comment>a fact</comment>
        <translation>bien pero lenta</translation>
    </message>
    <message>
        <source>missed</source>
        <comment>a fact</comment>
        <translation>fallada</translation>
    </message>
    <message>
        <source>%1 times %2: %3</source>
        <translation>%1 por %2: %3</translation>
    </message>
    <message>
        <source>%L1 right</source>
        <comment>tries</comment>
        <translation>%L1 bien</translation>
    </message>
    <message>
        <source>%1; children: %2, %3, %4; %5, %6</source>
        <translation>%1; niños: %2, %3, %4; %5, %6</translation>
    </message>
    <message>
        <source>; missing it: %1</source>
        <translation>; la fallan: %1</translation>
    </message>
    <message>
        <source>usually answered in %1 seconds</source>
        <translation>casi siempre respondida en %1 segundos</translation>
    </message>
    <message>
        <source>last %L1: %2</source>
        <translation>últimas %L1: %2</translation>
    </message>
    <message>
        <source>%1 and %L2 more</source>
        <translation>%1 y %L2 más</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a fact and who misses it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>this week</source>
        <translation>esta semana</translation>
    </message>
    <message>
        <source>in the last 30 days</source>
        <translation>en los últimos 30 días</translation>
    </message>
    <message>
        <source>this term</source>
        <translation>este trimestre</translation>
    </message>
    <message>
        <source>this school year</source>
        <translation>este curso</translation>
    </message>
    <message>
        <source>since the first game</source>
        <translation>desde la primera partida</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a date&apos;s format</comment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>on %1</source>
        <comment>a day</comment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>a date&apos;s format</comment>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>all</source>
        <comment>answers</comment>
        <translation>todas</translation>
    </message>
    <message>
        <source>faster</source>
        <comment>answers</comment>
        <translation>más rápido</translation>
    </message>
    <message>
        <source>slower</source>
        <comment>answers</comment>
        <translation>más lento</translation>
    </message>
    <message>
        <source>same</source>
        <comment>answers&apos; speed</comment>
        <translation>igual</translation>
    </message>
    <message>
        <source>Too few right answers %1 to say whether answers get faster.</source>
        <translation>Muy pocas respuestas correctas %1 para saber si responde más rápido.</translation>
    </message>
    <message>
        <source>Answers got faster %1: %2 s → %3 s.</source>
        <translation>Las respuestas fueron más rápidas %1: %2 s → %3 s.</translation>
    </message>
    <message>
        <source>Answers got slower %1: %2 s → %3 s.</source>
        <translation>Las respuestas fueron más lentas %1: %2 s → %3 s.</translation>
    </message>
    <message>
        <source>Answers stayed about as fast %1: %2 s → %3 s.</source>
        <translation>Las respuestas siguieron casi igual de rápidas %1: %2 s → %3 s.</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: missed its only try</source>
        <translation>%1 × %2 = %3: falló su único intento</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: right once so far, in %4 seconds</source>
        <translation>%1 × %2 = %3: bien una vez hasta ahora, en %4 segundos</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: missed %4 of the last %5</source>
        <translation>%1 × %2 = %3: falló %4 de las últimas %5</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: right %4 of the last %4, usually in %5 seconds</source>
        <translation>%1 × %2 = %3: bien las últimas %4, casi siempre en %5 segundos</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: right %4 of the last %4</source>
        <translation>%1 × %2 = %3: bien las últimas %4</translation>
    </message>
</context>
<context>
    <name>quintarlow::MediaWords</name>
    <message>
        <source>Quintarlow!: the sound %1 is missing or damaged; a short beep plays instead.</source>
        <translation>Quintarlow!: el sonido %1 falta o está dañado; suena un pitido corto en su lugar.</translation>
    </message>
    <message>
        <source>eSpeak NG has no voice for &quot;%1&quot; (install the package espeak-ng-data)</source>
        <translation>eSpeak NG no tiene voz para «%1» (instale el paquete espeak-ng-data)</translation>
    </message>
    <message>
        <source>Speech: %1; the game shows its texts and stays silent.</source>
        <translation>Voz: %1; el juego muestra sus textos y se queda en silencio.</translation>
    </message>
    <message>
        <source>Quintarlow!: the picture %1 is missing or damaged; the game goes on without it.</source>
        <translation>Quintarlow!: la imagen %1 falta o está dañada; el juego sigue sin ella.</translation>
    </message>
    <message>
        <source>eSpeak NG is not installed (install the package libespeak-ng1)</source>
        <translation>eSpeak NG no está instalado (instale el paquete libespeak-ng1)</translation>
    </message>
</context>
<context>
    <name>quintarlow::NameEntry</name>
    <message>
        <source>%1 CHARACTERS MAX</source>
        <translation>MÁXIMO %1 CARACTERES</translation>
    </message>
    <message>
        <source>The Red player&apos;s name has %1 characters, more than %2.<byte value="xd"/>
Please type it again.</source>
        <translation>El nombre del jugador rojo tiene %1 caracteres, más de %2.<byte value="xd"/>
Escríbelo otra vez, por favor.</translation>
    </message>
    <message>
        <source>The Blue player&apos;s name has %1 characters, more than %2.<byte value="xd"/>
Please type it again.</source>
        <translation>El nombre del jugador azul tiene %1 caracteres, más de %2.<byte value="xd"/>
Escríbelo otra vez, por favor.</translation>
    </message>
    <message>
        <source>START PLAYING</source>
        <translation>¡A JUGAR!</translation>
    </message>
    <message>
        <source>Play against the computer</source>
        <translation>Jugar contra el ordenador</translation>
    </message>
    <message>
        <source>Red is a guest (not recorded)</source>
        <translation>Rojo: invitado, no se guarda</translation>
    </message>
    <message>
        <source>Red is a guest, not recorded</source>
        <translation>Rojo es invitado, no se guarda</translation>
    </message>
    <message>
        <source>Red player&apos;s name</source>
        <translation>Nombre del jugador rojo</translation>
    </message>
    <message>
        <source>Blue player&apos;s name</source>
        <translation>Nombre del jugador azul</translation>
    </message>
    <message>
        <source>WELCOME</source>
        <translation>BIENVENIDOS</translation>
    </message>
    <message>
        <source>The same name cannot be entered for both players!<byte value="xd"/>
please enter another name, or play against the computer.</source>
        <translation>¡Los dos jugadores no pueden tener el mismo nombre!<byte value="xd"/>
Escribe otro nombre o juega contra el ordenador.</translation>
    </message>
    <message>
        <source>A name must be entered for the Blue player!<byte value="xd"/>
please retry.</source>
        <translation>¡El jugador azul necesita un nombre!<byte value="xd"/>
Inténtalo otra vez.</translation>
    </message>
    <message>
        <source>Names must be entered for both players!<byte value="xd"/>
please retry.</source>
        <translation>¡Los dos jugadores necesitan un nombre!<byte value="xd"/>
Inténtalo otra vez.</translation>
    </message>
    <message>
        <source>The Red player&apos;s name holds a control or invisible character (%1).<byte value="xd"/>
Please type it again.</source>
        <translation>El nombre del jugador rojo tiene un carácter de control o invisible (%1).<byte value="xd"/>
Escríbelo otra vez, por favor.</translation>
    </message>
    <message>
        <source>The Blue player&apos;s name holds a control or invisible character (%1).<byte value="xd"/>
Please type it again.</source>
        <translation>El nombre del jugador azul tiene un carácter de control o invisible (%1).<byte value="xd"/>
Escríbelo otra vez, por favor.</translation>
    </message>
</context>
<context>
    <name>quintarlow::NameWords</name>
    <message>
        <source>player holds a control or invisible character (%1)</source>
        <translation>player contiene un carácter de control o invisible (%1)</translation>
    </message>
    <message>
        <source>player has %1 characters, more than %2</source>
        <translation>player tiene %1 caracteres, más de %2</translation>
    </message>
    <message>
        <source>“%1” is a child of more than one class: “%2”. Name one of them as shown and try again.</source>
        <translation>«%1» es un niño de más de una clase: «%2». Indique uno de ellos tal como se muestra y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>nobody called “%1” is in the practice record.</source>
        <translation>nadie llamado «%1» está en el registro de práctica.</translation>
    </message>
    <message>
        <source> Did you mean “%1”? Check the spelling and try again.</source>
        <translation> ¿Quería decir «%1»? Compruebe cómo se escribe y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source> Nobody has played yet.</source>
        <translation> Aún no ha jugado nadie.</translation>
    </message>
    <message>
        <source> The players are “%1” and %L2 more. Check the spelling and try again.</source>
        <translation> Los jugadores son «%1» y %L2 más. Compruebe cómo se escribe y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source> The players are “%1”. Check the spelling and try again.</source>
        <translation> Los jugadores son «%1». Compruebe cómo se escribe y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>quintarlow::PathWords</name>
    <message>
        <source>%1 knows %2 of 144 facts</source>
        <translation>%1 sabe %2 de 144 multiplicaciones</translation>
    </message>
    <message>
        <source>%1 knows %2 of 144 facts; this week %1 learned %3</source>
        <translation>%1 sabe %2 de 144 multiplicaciones; esta semana %1 aprendió %3</translation>
    </message>
    <message>
        <source>%1 knows %2 of 144 facts; to practise again today: %3</source>
        <translation>%1 sabe %2 de 144 multiplicaciones; para repasar hoy: %3</translation>
    </message>
    <message>
        <source>%1 knows %2 of 144 facts; this week %1 learned %3; to practise again today: %4</source>
        <translation>%1 sabe %2 de 144 multiplicaciones; esta semana %1 aprendió %3; para repasar hoy: %4</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more</source>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quintarlow::PlayerList</name>
    <message>
        <source>%1, has practice settings of their own</source>
        <translation>%1, tiene sus propios ajustes de práctica</translation>
    </message>
    <message>
        <source>Has practice settings of their own</source>
        <translation>Tiene sus propios ajustes de práctica</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jugadores</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Falla</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Knows</source>
        <translation>Sabe</translation>
    </message>
    <message>
        <source>Usually</source>
        <translation>Suele</translation>
    </message>
    <message>
        <source>To practise</source>
        <translation>A practicar</translation>
    </message>
    <message>
        <source>Moved on</source>
        <translation>Avanza</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Último día</translation>
    </message>
    <message>
        <source>How many answers in the period shown</source>
        <translation>Cuántas respuestas en el periodo mostrado</translation>
    </message>
    <message>
        <source>How many facts the player keeps missing at the end of the period shown</source>
        <translation>Cuántas multiplicaciones sigue fallando al final del periodo mostrado</translation>
    </message>
    <message>
        <source>Whether right answers got faster or slower in the period shown; slower first</source>
        <translation>Si las respuestas correctas fueron más rápidas o más lentas en el periodo; las más lentas primero</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>d MMM yy</source>
        <comment>a date&apos;s format</comment>
        <translation>d/M/yy</translation>
    </message>
    <message>
        <source>Class</source>
        <comment>the row of the whole class</comment>
        <translation>Clase</translation>
    </message>
</context>
<context>
    <name>quintarlow::PracticeEditor</name>
    <message>
        <source>Practice settings</source>
        <translation>Ajustes de práctica</translation>
    </message>
    <message>
        <source>&amp;Tables:</source>
        <translation>&amp;Tablas:</translation>
    </message>
    <message>
        <source>The %1s</source>
        <translation>La tabla del %1</translation>
    </message>
    <message>
        <source>Practise the %1s</source>
        <translation>Practicar la tabla del %1</translation>
    </message>
    <message>
        <source>&amp;All tables</source>
        <translation>&amp;Todas las tablas</translation>
    </message>
    <message>
        <source>All tables</source>
        <translation>Todas las tablas</translation>
    </message>
    <message>
        <source>Every table from 1 to 12, as in any game</source>
        <translation>Todas las tablas del 1 al 12, como en cualquier partida</translation>
    </message>
    <message>
        <source>Ask again what I &amp;miss</source>
        <translation>Volver a preguntar lo que &amp;fallo</translation>
    </message>
    <message>
        <source>Ask again what I miss</source>
        <translation>Volver a preguntar lo que fallo</translation>
    </message>
    <message>
        <source>Follow the learning pat&amp;h</source>
        <translation>Seguir el &amp;camino de aprendizaje</translation>
    </message>
    <message>
        <source>Follow the learning path</source>
        <translation>Seguir el camino de aprendizaje</translation>
    </message>
    <message>
        <source>A few new facts at a time among known ones, each known fact back on its day of review, the tables in the order they build on each other (or the tables chosen)</source>
        <translation>Unas pocas multiplicaciones nuevas entre las ya sabidas, cada una sabida vuelve el día de repaso, las tablas en el orden en que se apoyan unas en otras (o las tablas elegidas)</translation>
    </message>
    <message>
        <source>Time to a&amp;nswer:</source>
        <translation>&amp;Tiempo para responder:</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> segundos</translation>
    </message>
    <message>
        <source>Time to answer</source>
        <translation>Tiempo para responder</translation>
    </message>
    <message>
        <source>The seconds this child has for each question; the other player keeps their own</source>
        <translation>Los segundos que tiene este niño para cada pregunta; el otro jugador mantiene los suyos</translation>
    </message>
    <message>
        <source>The &amp;computer plays:</source>
        <translation>El &amp;ordenador juega:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>At the child&apos;s level</source>
        <translation>Al nivel del niño</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>The computer plays</source>
        <translation>El ordenador juega</translation>
    </message>
    <message>
        <source>When this child plays alone: easy is right about half the time and slow, hard nine times in ten and quick, the child&apos;s level as often as the child was in their last 50 answers</source>
        <translation>Cuando este niño juega solo: fácil acierta la mitad de las veces y es lento, difícil nueve de cada diez y rápido, al nivel del niño tanto como el niño en sus últimas 50 respuestas</translation>
    </message>
    <message>
        <source>The practice settings of %1 could not be saved: the record could not be changed. Close the window and try again; if it keeps failing, see the README, Practice record.</source>
        <translation>No se pudieron guardar los ajustes de práctica de %1: no se pudo cambiar el registro. Cierre la ventana y vuelva a intentarlo; si sigue fallando, vea el README, Practice record.</translation>
    </message>
    <message>
        <source>Practice Settings</source>
        <translation>Ajustes de práctica</translation>
    </message>
    <message>
        <source>Settings are made for one player: choose a player above.</source>
        <translation>Los ajustes son para un jugador: elija uno arriba.</translation>
    </message>
    <message>
        <source>Every table from 1 to 12, as in any game. Changes count from the next game.</source>
        <translation>Todas las tablas del 1 al 12, como en cualquier partida. Los cambios cuentan desde la próxima partida.</translation>
    </message>
    <message>
        <source> Changes count from the next game.</source>
        <translation> Los cambios cuentan desde la próxima partida.</translation>
    </message>
</context>
<context>
    <name>quintarlow::PracticeWords</name>
    <message>
        <source>the list of tables is empty (give tables like 3,4,6 or all)</source>
        <translation>la lista de tablas está vacía (indique tablas como 3,4,6 o all)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has an empty entry</source>
        <translation>«%1» tiene una entrada vacía</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a table from 1 to 12</source>
        <translation>«%1» no es una tabla del 1 al 12</translation>
    </message>
    <message>
        <source>following the learning path</source>
        <translation>sigue el camino de aprendizaje</translation>
    </message>
    <message>
        <source>following the learning path over %1</source>
        <translation>sigue el camino de aprendizaje por %1</translation>
    </message>
    <message>
        <source>practising %1</source>
        <translation>practica %1</translation>
    </message>
    <message>
        <source>missed facts asked again</source>
        <translation>se repiten las falladas</translation>
    </message>
    <message>
        <source>%1 seconds to answer</source>
        <translation>%1 segundos para responder</translation>
    </message>
    <message>
        <source>an easy computer</source>
        <translation>un ordenador fácil</translation>
    </message>
    <message>
        <source>a hard computer</source>
        <translation>un ordenador difícil</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>a times table: the 7s</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>the %1</source>
        <comment>times tables</comment>
        <translation>las tablas del %1</translation>
    </message>
</context>
<context>
    <name>quintarlow::ProgressWindow</name>
    <message>
        <source>Knows %1 of 144 facts; %2 being learned, %3 new.</source>
        <translation>Sabe %1 de 144 multiplicaciones; %2 en aprendizaje, %3 nuevas.</translation>
    </message>
    <message>
        <source>Every table of the path is learned.</source>
        <translation>Todas las tablas del camino están aprendidas.</translation>
    </message>
    <message>
        <source>Learning the %1s, the last table of the path.</source>
        <translation>Aprende la tabla del %1, la última del camino.</translation>
    </message>
    <message>
        <source>Learning the %1s; the %2s come next.</source>
        <translation>Aprende la tabla del %1; después viene la del %2.</translation>
    </message>
    <message>
        <source>Nothing to practise again today.</source>
        <translation>Hoy no hay nada que repasar.</translation>
    </message>
    <message>
        <source>To practise again today: %1.</source>
        <translation>Para repasar hoy: %1.</translation>
    </message>
    <message>
        <source>Practice Record</source>
        <translation>Registro de práctica</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <comment>a date&apos;s format</comment>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>The term began on</source>
        <translation>El trimestre empezó el</translation>
    </message>
    <message>
        <source>The day this term began</source>
        <translation>El día en que empezó este trimestre</translation>
    </message>
    <message>
        <source>&amp;Known when right within</source>
        <translation>&amp;Sabida si bien en</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>Known when right within</source>
        <translation>Sabida si bien en</translation>
    </message>
    <message>
        <source>&amp;Save Report…</source>
        <translation>&amp;Guardar informe…</translation>
    </message>
    <message>
        <source>Save A&amp;ll…</source>
        <translation>Guardar &amp;todos…</translation>
    </message>
    <message>
        <source>Every player&apos;s report and the class&apos;s, each a PDF of its own in one folder</source>
        <translation>El informe de cada jugador y el de la clase, cada uno un PDF en una carpeta</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Forget player…</source>
        <translation>&amp;Olvidar jugador…</translation>
    </message>
    <message>
        <source>Facts to practise</source>
        <translation>Para practicar</translation>
    </message>
    <message>
        <source>Share right and usual time per day</source>
        <translation>Parte bien y tiempo habitual por día</translation>
    </message>
    <message>
        <source>The practice record could not be read, so there is nothing to show. Nothing in it was changed or deleted.%1

%2</source>
        <translation>No se pudo leer el registro de práctica, así que no hay nada que mostrar. No se cambió ni se borró nada.%1

%2</translation>
    </message>
    <message>
        <source>Nobody has played yet.

The record fills by itself: every answer in a game of Quintarlow! is kept here. Play a game, then open the Practice Record again to see which facts each player knows.</source>
        <translation>Aún no ha jugado nadie.

El registro se llena solo: cada respuesta de una partida de Quintarlow! se guarda aquí. Juegue una partida y vuelva a abrir el registro para ver qué multiplicaciones sabe cada jugador.</translation>
    </message>
    <message>
        <source>Each child is judged on their own answers: a cell has the colour most children show, its number how many keep missing it. </source>
        <translation>Cada niño cuenta con sus propias respuestas: una casilla tiene el color de la mayoría, su número cuántos la siguen fallando. </translation>
    </message>
    <message>
        <source>A cell&apos;s number: the seconds its right answers usually take in its last three tries, which its colour is judged on. An orange star: practice settings of their own. </source>
        <translation>El número de una casilla: los segundos que suelen tardar sus respuestas correctas en los tres últimos intentos, según los que se da el color. Una estrella naranja: ajustes de práctica propios. </translation>
    </message>
    <message>
        <source>Rows: first factor; columns: second. Colours: where each fact stood at the period&apos;s end, even from tries before it.</source>
        <translation>Filas: primer factor; columnas: segundo. Colores: cómo estaba cada multiplicación al final del periodo, incluso por intentos anteriores.</translation>
    </message>
    <message>
        <source>Facts most children miss</source>
        <translation>Lo que más niños fallan</translation>
    </message>
    <message>
        <source>None: every fact asked lately is known.</source>
        <translation>Nada: todas las preguntadas últimamente se saben.</translation>
    </message>
    <message>
        <source>Bars: the share right. Line: the seconds right answers usually took; lower is faster. </source>
        <translation>Barras: la parte bien. Línea: los segundos que solían tardar las correctas; más abajo es más rápido. </translation>
    </message>
    <message>
        <source>Moving on</source>
        <translation>Avanzar</translation>
    </message>
    <message>
        <source>Learning path, from all answers</source>
        <translation>Camino de aprendizaje, con todas las respuestas</translation>
    </message>
    <message>
        <source>Learning path</source>
        <translation>Camino de aprendizaje</translation>
    </message>
    <message>
        <source>Not on the learning path: tick &quot;Follow the learning path&quot; under Practice settings.</source>
        <translation>No sigue el camino de aprendizaje: marque «Seguir el camino de aprendizaje» en Ajustes de práctica.</translation>
    </message>
    <message>
        <source>The report could not be saved: %1. Choose another folder and try again.</source>
        <translation>No se pudo guardar el informe: %1. Elija otra carpeta y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>Practice Records</source>
        <translation>Registros de práctica</translation>
    </message>
    <message>
        <source>Not every report could be saved: %1. Choose another folder and try again.</source>
        <translation>No se pudieron guardar todos los informes: %1. Elija otra carpeta y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Save All Reports</source>
        <translation>Guardar todos los informes</translation>
    </message>
    <message>
        <source>Forget Player</source>
        <translation>Olvidar jugador</translation>
    </message>
    <message>
        <source>%1 could not be forgotten: the record could not be changed. Nothing was deleted; close the window and try again.</source>
        <translation>No se pudo olvidar a %1: no se pudo cambiar el registro. No se borró nada; cierre la ventana y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>quintarlow::ProgressWords</name>
    <message>
        <source>The whole class</source>
        <translation>Toda la clase</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>too soon</source>
        <translation>muy pronto</translation>
    </message>
    <message>
        <source>not played</source>
        <translation>no ha jugado</translation>
    </message>
    <message>
        <source>knows all</source>
        <translation>las sabe todas</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>too few to tell</source>
        <translation>muy pocas</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Niño</translation>
    </message>
    <message>
        <source>Knows (of 144)</source>
        <translation>Sabe (de 144)</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Usually answers in</source>
        <translation>Suele responder en</translation>
    </message>
    <message>
        <source>Answer times</source>
        <translation>Tiempos</translation>
    </message>
    <message>
        <source>To practise</source>
        <translation>A practicar</translation>
    </message>
    <message>
        <source>Moved on, last two weeks</source>
        <translation>Avanzó en 2 semanas</translation>
    </message>
    <message>
        <source>Knows %L1 of 144 facts.</source>
        <translation>Sabe %L1 de 144 multiplicaciones.</translation>
    </message>
    <message>
        <source>No answers %1.</source>
        <translation>Ninguna respuesta %1.</translation>
    </message>
    <message>
        <source>Nothing to practise: every fact asked lately is known.</source>
        <translation>Nada que practicar: todas las preguntadas últimamente se saben.</translation>
    </message>
    <message>
        <source>Practise %1.</source>
        <translation>Practicar: %1.</translation>
    </message>
    <message>
        <source>Every child who played in the last two weeks moved on: a fact became known to each.</source>
        <translation>Cada niño que jugó en las dos últimas semanas avanzó: cada uno sabe una multiplicación más.</translation>
    </message>
    <message>
        <source>Not moved on for two weeks (played, and no fact became known): %1.</source>
        <translation>Sin avanzar en dos semanas (jugó y no aprendió ninguna multiplicación nueva): %1.</translation>
    </message>
    <message>
        <source>Known: right within %1 s in 2 of the last 3 tries. Usually: the middle time of right answers.</source>
        <translation>Sabida: bien en %1 s o menos en 2 de los 3 últimos intentos. Suele: el tiempo medio de las correctas.</translation>
    </message>
    <message>
        <source>No play %1</source>
        <translation>Sin partidas %1</translation>
    </message>
    <message>
        <source>Day by day, %1</source>
        <translation>Día a día, %1</translation>
    </message>
    <message>
        <source>Week by week, %1</source>
        <translation>Semana a semana, %1</translation>
    </message>
    <message>
        <source>Practice Record - %1.pdf</source>
        <translation>Registro de práctica - %1.pdf</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>right (%)</source>
        <translation>bien (%)</translation>
    </message>
    <message>
        <source>time (s)</source>
        <translation>tiempo (s)</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a date&apos;s format</comment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>The class, child by child, %1</source>
        <translation>La clase, niño a niño, %1</translation>
    </message>
    <message>
        <source>Quintarlow! Practice Record</source>
        <translation>Quintarlow! Registro de práctica</translation>
    </message>
    <message>
        <source>Answers from %1 to %2. </source>
        <translation>Respuestas del %1 al %2. </translation>
    </message>
    <message>
        <source>A cell&apos;s colour is what most children show; its number, how many keep missing it.</source>
        <translation>El color de una casilla es el de la mayoría; su número, cuántos la siguen fallando.</translation>
    </message>
    <message>
        <source>The number in a cell: the seconds its right answers usually take, of its last three tries.</source>
        <translation>Número de la casilla: segundos que suele tardar en acertar (últimos tres intentos).</translation>
    </message>
    <message>
        <source>Facts most children miss</source>
        <translation>Lo que más niños fallan</translation>
    </message>
    <message>
        <source>Facts to practise</source>
        <translation>Para practicar</translation>
    </message>
    <message>
        <source>None: every fact asked lately is known.</source>
        <translation>Nada: todas las preguntadas últimamente se saben.</translation>
    </message>
    <message>
        <source>Practice Record: %1</source>
        <translation>Registro de práctica: %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save All Reports In</source>
        <translation>Guardar todos los informes en</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimir informe</translation>
    </message>
    <message>
        <source>✓ green: known, right at least 2 of the last 3 times, each within %1 s</source>
        <translation>✓ verde: sabida, bien al menos 2 de las 3 últimas veces, cada una en %1 s</translation>
    </message>
    <message>
        <source>~ yellow, dotted: right but slow, or not yet right twice</source>
        <translation>~ amarillo, punteado: bien pero lenta, o aún no bien dos veces</translation>
    </message>
    <message>
        <source>✗ red, striped: missed, wrong or too late more often than right</source>
        <translation>✗ rojo, rayado: más veces mal o sin tiempo que bien</translation>
    </message>
    <message>
        <source>white: not asked yet</source>
        <translation>blanco: aún no preguntada</translation>
    </message>
</context>
<context>
    <name>quintarlow::RecordWords</name>
    <message>
        <source>the record holds an answer (%1) with the unknown outcome &quot;%2&quot;</source>
        <translation>el registro tiene una respuesta (%1) con el resultado desconocido «%2»</translation>
    </message>
    <message>
        <source>no id read</source>
        <translation>sin id leído</translation>
    </message>
    <message>
        <source>The settings are kept in /etc/xdg/quintarlow/quintarlow.conf and ~/.config/quintarlow/quintarlow.conf.</source>
        <translation>Los ajustes están en /etc/xdg/quintarlow/quintarlow.conf y ~/.config/quintarlow/quintarlow.conf.</translation>
    </message>
    <message>
        <source>See the README, For schools.</source>
        <translation>Vea el README, For schools.</translation>
    </message>
    <message>
        <source>the record is at version %1, newer than this program knows (%2)</source>
        <translation>el registro está en la versión %1, más nueva de la que conoce este programa (%2)</translation>
    </message>
    <message>
        <source>the record&apos;s tables cannot be set up: %1</source>
        <translation>no se pueden preparar las tablas del registro: %1</translation>
    </message>
    <message>
        <source>the record&apos;s version cannot be read</source>
        <translation>no se puede leer la versión del registro</translation>
    </message>
    <message>
        <source>the record&apos;s write-ahead log could not be emptied while another program reads the record</source>
        <translation>no se pudo vaciar el registro de escritura anticipada mientras otro programa lee el registro</translation>
    </message>
    <message>
        <source>locked by another program for more than %1 s</source>
        <translation>bloqueado por otro programa durante más de %1 s</translation>
    </message>
    <message>
        <source>Try again once the other program (a game, an import, a backup) is done with it.</source>
        <translation>Vuelva a intentarlo cuando el otro programa (una partida, una importación, una copia) termine.</translation>
    </message>
    <message>
        <source>damaged and cannot be moved aside</source>
        <translation>dañado y no se puede apartar</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>dañado</translation>
    </message>
    <message>
        <source>no write-ahead log: %1</source>
        <translation>sin registro de escritura anticipada: %1</translation>
    </message>
    <message>
        <source>it is a practice record of a newer version of Quintarlow! (its version %1; this one knows up to %2)</source>
        <translation>es un registro de práctica de una versión más nueva de Quintarlow! (su versión %1; esta conoce hasta la %2)</translation>
    </message>
    <message>
        <source>Use the newer Quintarlow! that wrote it (its --export-record writes a file this version imports), or move the file aside to start a fresh record.</source>
        <translation>Use el Quintarlow! más nuevo que lo escribió (su --export-record escribe un archivo que esta versión importa), o aparte el archivo para empezar un registro nuevo.</translation>
    </message>
    <message>
        <source>it is another program&apos;s SQLite database (tables %1), not a practice record</source>
        <translation>es la base de datos SQLite de otro programa (tablas %1), no un registro de práctica</translation>
    </message>
    <message>
        <source>Move that file out of the folder %1 (the game then starts a fresh record there), or put the practice record back.</source>
        <translation>Saque ese archivo de la carpeta %1 (el juego empezará ahí un registro nuevo), o vuelva a poner el registro de práctica.</translation>
    </message>
    <message>
        <source>the record server&apos;s settings in [record] hold a password key, which the game refuses to use: remove that line and put the password in the file named by passfile= (see the README, For schools)</source>
        <translation>los ajustes del servidor en [record] tienen una clave password, que el juego se niega a usar: quite esa línea y ponga la contraseña en el archivo que indica passfile= (vea el README, For schools)</translation>
    </message>
    <message>
        <source>the record server&apos;s settings in [record] hold a port= that is not a port number (1 to 65535): correct it (see the README, For schools)</source>
        <translation>los ajustes del servidor en [record] tienen un port= que no es un número de puerto (1 a 65535): corríjalo (vea el README, For schools)</translation>
    </message>
    <message>
        <source>the record server&apos;s settings in [record] hold an sslmode= that is none of %1: correct it (see the README, For schools)</source>
        <translation>los ajustes del servidor en [record] tienen un sslmode= que no es ninguno de %1: corríjalo (vea el README, For schools)</translation>
    </message>
    <message>
        <source>the file named by passfile= in [record] is ignored, since others than its owner may read it (PostgreSQL takes only a file of mode 0600): make it private with chmod 600</source>
        <translation>el archivo que indica passfile= en [record] se ignora, porque otros además de su dueño pueden leerlo (PostgreSQL solo acepta un archivo de modo 0600): hágalo privado con chmod 600</translation>
    </message>
    <message>
        <source>the school&apos;s record server asks for a password and none was found: add the line host:port:database:user:password to the file named by passfile= in [record] (or ~/.pgpass)</source>
        <translation>el servidor de la escuela pide una contraseña y no se encontró ninguna: añada la línea host:port:database:user:password al archivo que indica passfile= en [record] (o ~/.pgpass)</translation>
    </message>
    <message>
        <source>the school&apos;s record server refused the login (authentication failed): check user= in [record] and the password in the passfile</source>
        <translation>el servidor de la escuela rechazó el inicio de sesión (falló la autenticación): compruebe user= en [record] y la contraseña en el passfile</translation>
    </message>
    <message>
        <source>the school&apos;s record server lets no one log in from here as that user: its pg_hba.conf needs a line for this computer</source>
        <translation>el servidor de la escuela no deja entrar a nadie desde aquí como ese usuario: su pg_hba.conf necesita una línea para este ordenador</translation>
    </message>
    <message>
        <source>the school&apos;s record server has no database of the name database= in [record] gives: correct it, or set the server up</source>
        <translation>el servidor de la escuela no tiene ninguna base de datos con el nombre que da database= en [record]: corríjalo, o prepare el servidor</translation>
    </message>
    <message>
        <source>the school&apos;s record server knows no user of the name user= in [record] gives: correct it, or ask for that login</source>
        <translation>el servidor de la escuela no conoce ningún usuario con el nombre que da user= en [record]: corríjalo, o pida ese usuario</translation>
    </message>
    <message>
        <source>the encrypted connection to the school&apos;s record server failed: check sslmode= and sslrootcert= in [record]</source>
        <translation>falló la conexión cifrada con el servidor de la escuela: compruebe sslmode= y sslrootcert= en [record]</translation>
    </message>
    <message>
        <source>the school&apos;s record server cannot be reached: check that it runs and that host= and port= in [record] name it</source>
        <translation>no se puede llegar al servidor de la escuela: compruebe que funciona y que host= y port= en [record] lo indican</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server is reachable again; kept answers are sent</source>
        <translation>quintarlow: el servidor de la escuela vuelve a estar disponible; se envían las respuestas guardadas</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server cannot be reached; answers are kept on this computer and sent later</source>
        <translation>quintarlow: no se puede llegar al servidor de la escuela; las respuestas se guardan en este ordenador y se envían después</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server holds a newer record than this version of the game knows; answers are kept on this computer</source>
        <translation>quintarlow: el servidor de la escuela tiene un registro más nuevo del que conoce esta versión del juego; las respuestas se guardan en este ordenador</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server refused the answers; answers are kept on this computer and sent later</source>
        <translation>quintarlow: el servidor de la escuela rechazó las respuestas; las respuestas se guardan en este ordenador y se envían después</translation>
    </message>
    <message>
        <source>quintarlow: the record on this computer cannot be read, so nothing is sent to the school&apos;s record server</source>
        <translation>quintarlow: no se puede leer el registro de este ordenador, así que no se envía nada al servidor de la escuela</translation>
    </message>
    <message>
        <source>quintarlow: answers cannot be sent to the school&apos;s record server; answers are kept on this computer and sent later</source>
        <translation>quintarlow: no se pueden enviar las respuestas al servidor de la escuela; se guardan en este ordenador y se envían después</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>See the README, Practice record.</source>
        <translation>Vea el README, Practice record.</translation>
    </message>
    <message>
        <source>the practice record is locked by another program (another import, a game, a backup) for more than %1 s. Try again once it is done</source>
        <translation>el registro de práctica está bloqueado por otro programa (otra importación, una partida, una copia) desde hace más de %1 s. Vuelva a intentarlo cuando termine</translation>
    </message>
    <message>
        <source>Made the role %1.</source>
        <translation>Creado el rol %1.</translation>
    </message>
    <message>
        <source>Let %1 connect to the database.</source>
        <translation>%1 puede conectarse a la base de datos.</translation>
    </message>
    <message>
        <source>Took TEMPORARY and CONNECT on the database from PUBLIC.</source>
        <translation>Quitados TEMPORARY y CONNECT de la base de datos a PUBLIC.</translation>
    </message>
    <message>
        <source>Gave the tables and functions to %1.</source>
        <translation>Tablas y funciones dadas a %1.</translation>
    </message>
    <message>
        <source>Made %1 a member of %2.</source>
        <translation>%1 es ahora miembro de %2.</translation>
    </message>
    <message>
        <source>Brought the tables from version %1 to %2.</source>
        <translation>Tablas llevadas de la versión %1 a la %2.</translation>
    </message>
    <message>
        <source>the classes &quot;%1&quot; and &quot;%2&quot; would share the role %3; name them apart by a letter or digit</source>
        <translation>las clases «%1» y «%2» compartirían el rol %3; distíngalas con una letra o un número</translation>
    </message>
    <message>
        <source>Answers are now kept %1 days.</source>
        <translation>Las respuestas se guardan ahora %1 días.</translation>
    </message>
    <message>
        <source>Answers are now kept until a child is forgotten.</source>
        <translation>Las respuestas se guardan ahora hasta que se olvida a un niño.</translation>
    </message>
    <message>
        <source>Everything was set up already; nothing changed.</source>
        <translation>Todo estaba ya preparado; no cambió nada.</translation>
    </message>
    <message>
        <source>the tables are at version %1, this program&apos;s at %2: run --setup-school-server first</source>
        <translation>las tablas están en la versión %1 y este programa en la %2: ejecute primero --setup-school-server</translation>
    </message>
    <message>
        <source>Answers are kept until a child is forgotten; nothing expired.</source>
        <translation>Las respuestas se guardan hasta que se olvida a un niño; no caducó nada.</translation>
    </message>
    <message>
        <source>Deleted what is older than %4 days: answers %1, games %2, settings %3.</source>
        <translation>Borrado lo que tiene más de %4 días: respuestas %1, partidas %2, ajustes %3.</translation>
    </message>
    <message>
        <source>the connection broke</source>
        <translation>se cortó la conexión</translation>
    </message>
    <message>
        <source>the school&apos;s record server holds a newer record than this version of the game knows</source>
        <translation>el servidor de la escuela tiene un registro más nuevo del que conoce esta versión del juego</translation>
    </message>
    <message>
        <source>the school&apos;s record server cannot be read</source>
        <translation>no se puede leer el servidor de la escuela</translation>
    </message>
    <message>
        <source>the school&apos;s record server has no practice record this version of the game can read</source>
        <translation>el servidor de la escuela no tiene un registro que esta versión del juego pueda leer</translation>
    </message>
    <message>
        <source>the school&apos;s record server cannot be read (%1)</source>
        <translation>no se puede leer el servidor de la escuela (%1)</translation>
    </message>
    <message>
        <source>the school&apos;s record server refused the answers (%1)</source>
        <translation>el servidor de la escuela rechazó las respuestas (%1)</translation>
    </message>
    <message>
        <source>answer_id is not a UUID</source>
        <translation>answer_id no es un UUID</translation>
    </message>
    <message>
        <source>player is empty</source>
        <translation>player está vacío</translation>
    </message>
    <message>
        <source>played_at is not a date and time with its offset</source>
        <translation>played_at no es una fecha y hora con su desfase</translation>
    </message>
    <message>
        <source>game is not a UUID</source>
        <translation>game no es un UUID</translation>
    </message>
    <message>
        <source>turn, a, b or product is not a number in range</source>
        <translation>turn, a, b o product no es un número en el rango</translation>
    </message>
    <message>
        <source>product is not a times b</source>
        <translation>product no es a por b</translation>
    </message>
    <message>
        <source>answered is not a number from 1 to 144</source>
        <translation>answered no es un número del 1 al 144</translation>
    </message>
    <message>
        <source>outcome is not right, wrong or timeout</source>
        <translation>outcome no es right, wrong ni timeout</translation>
    </message>
    <message>
        <source>answered and outcome do not agree</source>
        <translation>answered y outcome no concuerdan</translation>
    </message>
    <message>
        <source>ms is not a number in range</source>
        <translation>ms no es un número en el rango</translation>
    </message>
    <message>
        <source>line 1: the file begins with two byte-order marks; save it again as UTF-8 with one (or none)</source>
        <translation>línea 1: el archivo empieza con dos marcas de orden de bytes; guárdelo de nuevo como UTF-8 con una (o ninguna)</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text; save it again as UTF-8</source>
        <translation>el archivo no es texto UTF-8; guárdelo de nuevo como UTF-8</translation>
    </message>
    <message>
        <source>line 1: the lines end in a carriage return alone; save it again with CR LF or LF line ends</source>
        <translation>línea 1: las líneas terminan solo con un retorno de carro; guárdelo de nuevo con finales CR LF o LF</translation>
    </message>
    <message>
        <source>line 1: the header is not &quot;%1&quot;</source>
        <translation>línea 1: la cabecera no es «%1»</translation>
    </message>
    <message>
        <source>garbled quotes</source>
        <translation>comillas rotas</translation>
    </message>
    <message>
        <source>%1 fields instead of %2</source>
        <translation>%1 campos en lugar de %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>%1; answers are kept on this computer</source>
        <translation>%1; las respuestas se guardan en este ordenador</translation>
    </message>
    <message>
        <source>a school&apos;s record server is set, but Qt&apos;s PostgreSQL driver (Debian: libqt6sql6-psql) is not installed; answers are kept on this computer</source>
        <translation>hay un servidor de la escuela configurado, pero el controlador PostgreSQL de Qt (Debian: libqt6sql6-psql) no está instalado; las respuestas se guardan en este ordenador</translation>
    </message>
    <message>
        <source>erased %1, a damaged copy of the record that held the forgotten name</source>
        <translation>borrado %1, una copia dañada del registro que contenía el nombre olvidado</translation>
    </message>
    <message>
        <source>no practice record (%1); playing without one</source>
        <translation>no hay registro de práctica (%1); se juega sin él</translation>
    </message>
    <message>
        <source>the practice record %1 cannot be written (%2); playing on without it</source>
        <translation>no se puede escribir en el registro de práctica %1 (%2); se sigue jugando sin él</translation>
    </message>
    <message>
        <source>cannot keep the waiting answers in %1: %2</source>
        <translation>no se pueden guardar las respuestas pendientes en %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>added %n answers a game could not write while the practice record was locked</source>
        <translation>
            <numerusform>añadida %n respuesta que una partida no pudo escribir mientras el registro de práctica estaba bloqueado</numerusform>
            <numerusform>añadidas %n respuestas que una partida no pudo escribir mientras el registro de práctica estaba bloqueado</numerusform>
        </translation>
    </message>
    <message>
        <source>the practice record %1 is locked by another program; the answers wait and are written once it is free</source>
        <translation>el registro de práctica %1 está bloqueado por otro programa; las respuestas esperan y se escriben en cuanto quede libre</translation>
    </message>
    <message numerus="yes">
        <source>%n reports of this session were not written to the practice record %1</source>
        <translation>
            <numerusform>%n registro de esta sesión no se escribió en el registro de práctica %1</numerusform>
            <numerusform>%n registros de esta sesión no se escribieron en el registro de práctica %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the practice record was damaged; kept it as %1 and started a fresh one</source>
        <translation>el registro de práctica estaba dañado; se ha guardado como %1 y se ha empezado uno nuevo</translation>
    </message>
</context>
<context>
    <name>quintarlow::ScreenSet</name>
    <message>
        <source>Are you sure?</source>
        <translation>¿Seguro?</translation>
    </message>
    <message>
        <source>Close the Program</source>
        <translation>Cerrar el programa</translation>
    </message>
</context>
<context>
    <name>quintarlow::SplashScreen</name>
    <message>
        <source>Made by the Quintarlow! team</source>
        <translation>Hecho por el equipo de Quintarlow!</translation>
    </message>
    <message>
        <source>Voice by Flite, made with Qt</source>
        <translation>Voz de eSpeak NG, hecho con Qt</translation>
    </message>
    <message>
        <source>Game Loading Please Wait.....</source>
        <translation>Cargando, espera un momento.....</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Versión 3.0</translation>
    </message>
    <message>
        <source>Multiplication Game</source>
        <translation>Juego de multiplicar</translation>
    </message>
</context>
<context>
    <name>quintarlow::WinnerWindow</name>
    <message>
        <source>%1, Blue</source>
        <translation>%1, azul</translation>
    </message>
    <message>
        <source>%1, Red</source>
        <translation>%1, rojo</translation>
    </message>
    <message>
        <source>Play Again - Same Players</source>
        <translation>Revancha</translation>
    </message>
    <message>
        <source>Play Again - New Players</source>
        <translation>Otros jugadores</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Salir del juego</translation>
    </message>
</context>
</TS>
