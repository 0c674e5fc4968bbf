<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Texts</name>
    <message>
        <source>welcome to quintarlow,, enter your names and we&apos;ll get started!</source>
        <translation>willkommen bei quintarlow,, gebt eure Namen ein, und los geht&apos;s!</translation>
    </message>
    <message>
        <source>FOUR IN A ROW,,ACROSS, UP AND DOWN OR DIAGONALLY WINS,, you have %1 seconds to answer,, blue goes FIRST</source>
        <translation>VIER IN EINER REIHE,,WAAGRECHT, SENKRECHT ODER SCHRÄG GEWINNT,, ihr habt %1 Sekunden für die Antwort,, blau fängt AN</translation>
    </message>
    <message>
        <source>FOUR IN A ROW,,ACROSS, UP AND DOWN OR DIAGONALLY WINS,, blue has %1 seconds and red has %2 seconds to answer,, blue goes FIRST</source>
        <translation>VIER IN EINER REIHE,,WAAGRECHT, SENKRECHT ODER SCHRÄG GEWINNT,, blau hat %1 Sekunden und rot hat %2 Sekunden für die Antwort,, blau fängt AN</translation>
    </message>
    <message>
        <source>blue goes first</source>
        <translation>blau fängt an</translation>
    </message>
    <message>
        <source>enter the players names</source>
        <translation>gebt die Namen der Spieler ein</translation>
    </message>
    <message>
        <source>BLUE GOES FIRST</source>
        <translation>BLAU FÄNGT AN</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>RICHTIG</translation>
    </message>
    <message>
        <source>YOU WERE WRONG</source>
        <translation>LEIDER FALSCH</translation>
    </message>
    <message>
        <source>WE HAVE A WINNER</source>
        <translation>WIR HABEN EINEN SIEGER</translation>
    </message>
    <message>
        <source>Choose Option Below</source>
        <translation>Wähle unten aus</translation>
    </message>
    <message>
        <source>%1, times, %2</source>
        <translation>%1, mal, %2</translation>
    </message>
    <message>
        <source>that is not a valid selection,, try again,, %1, times, %2</source>
        <translation>das ist keine gültige Wahl,, versuch es noch mal,, %1, mal, %2</translation>
    </message>
    <message>
        <source>red,, generate your multipliers</source>
        <translation>rot,, hol dir deine Aufgabe</translation>
    </message>
    <message>
        <source>blue,, generate your multipliers</source>
        <translation>blau,, hol dir deine Aufgabe</translation>
    </message>
    <message>
        <source>%1, that is correct, red gets the square. , it is, blues turn</source>
        <translation>%1, das ist richtig, rot bekommt das Feld. , jetzt ist, blau dran</translation>
    </message>
    <message>
        <source>%1, that is correct, blue gets the square. , it is, reds turn</source>
        <translation>%1, das ist richtig, blau bekommt das Feld. , jetzt ist, rot dran</translation>
    </message>
    <message>
        <source>IT&apos;S RED&apos;s TURN</source>
        <translation>ROT IST DRAN</translation>
    </message>
    <message>
        <source>IT&apos;S BLUE&apos;s TURN</source>
        <translation>BLAU IST DRAN</translation>
    </message>
    <message>
        <source>you are out of time.  the correct answer was,, %1, it is, REDs turn.</source>
        <translation>deine Zeit ist um.  die richtige Antwort war,, %1, jetzt ist, ROT dran.</translation>
    </message>
    <message>
        <source>you are out of time.  the correct answer was,, %1, it is, BLUEs turn.</source>
        <translation>deine Zeit ist um.  die richtige Antwort war,, %1, jetzt ist, BLAU dran.</translation>
    </message>
    <message>
        <source>%1  that is wrong.  the correct answer was,, %2, it is, REDs turn.</source>
        <translation>%1  das ist falsch.  die richtige Antwort war,, %2, jetzt ist, ROT dran.</translation>
    </message>
    <message>
        <source>%1  that is wrong.  the correct answer was,, %2, it is, BLUEs turn.</source>
        <translation>%1  das ist falsch.  die richtige Antwort war,, %2, jetzt ist, BLAU dran.</translation>
    </message>
    <message>
        <source>attention! attention! we have a winner! congratulations to the,, red, player</source>
        <translation>achtung! achtung! wir haben einen sieger! herzlichen glückwunsch,, rot, hat gewonnen</translation>
    </message>
    <message>
        <source>attention! attention! we have a winner! congratulations to the,, blue, player</source>
        <translation>achtung! achtung! wir haben einen sieger! herzlichen glückwunsch,, blau, hat gewonnen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Play in LANGUAGE (de, en, es, fr, it or nb), not the desktop&apos;s.</source>
        <translation>In der Sprache LANGUAGE spielen (de, en, es, fr, it oder nb), nicht in der des Desktops.</translation>
    </message>
</context>
</TS>
