<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <source>Play in LANGUAGE (de, en, es, fr, it or nb), not the desktop&apos;s.</source>
        <translation>Jugar en el idioma LANGUAGE (de, en, es, fr, it o nb), no en el del escritorio.</translation>
    </message>
</context>
</TS>
