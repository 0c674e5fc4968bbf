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
        <source>The Red player&apos;s name holds a control or invisible character (U+%1).<byte value="xd"/>
Please type it again.</source>
        <translation>El nombre del jugador rojo tiene un carácter de control o invisible (U+%1).<byte value="xd"/>
Escríbelo otra vez, por favor.</translation>
    </message>
    <message>
        <source>The Blue player&apos;s name holds a control or invisible character (U+%1).<byte value="xd"/>
Please type it again.</source>
        <translation>El nombre del jugador azul tiene un carácter de control o invisible (U+%1).<byte value="xd"/>
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
