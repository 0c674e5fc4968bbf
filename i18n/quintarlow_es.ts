<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <source>1 new fact known</source>
        <translation>1 multiplicación nueva aprendida</translation>
    </message>
    <message>
        <source>%1 new facts known</source>
        <translation>%1 multiplicaciones nuevas aprendidas</translation>
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
    <message>
        <source>%1: %2 of %3 right</source>
        <translation>%1: %2 de %3 bien</translation>
    </message>
    <message>
        <source>%1,, %2 of %3 right</source>
        <translation>%1,, %2 de %3 bien</translation>
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
</context>
<context>
    <name>quintarlow::CorrectAnswerPopup</name>
    <message>
        <source>Correct Answer</source>
        <translation>Respuesta correcta</translation>
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
