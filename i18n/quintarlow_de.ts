<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Names</name>
    <message>
        <source>The Computer</source>
        <translation>Der Computer</translation>
    </message>
    <message>
        <source>Red Player - Enter Name Here</source>
        <translation>Rot - schreib deinen Namen</translation>
    </message>
    <message>
        <source>Blue Player - Enter Name Here</source>
        <translation>Blau - schreib deinen Namen</translation>
    </message>
</context>
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
        <source>Play in LANGUAGE (%1), not the desktop&apos;s.</source>
        <translation>In der Sprache LANGUAGE spielen (%1), nicht in der des Desktops.</translation>
    </message>
</context>
<context>
    <name>quintarlow::BoardWindow</name>
    <message>
        <source>Generate Multipliers</source>
        <translation>Aufgabe holen</translation>
    </message>
    <message>
        <source>FOUR IN A ROW - ACROSS, UP AND DOWN OR DIAGONALLY WINS.</source>
        <translation>VIER IN EINER REIHE - WAAGRECHT, SENKRECHT ODER SCHRÄG GEWINNT.</translation>
    </message>
    <message>
        <source>START NEW GAME</source>
        <translation>NEUES SPIEL</translation>
    </message>
    <message>
        <source>QUIT GAME</source>
        <translation>SPIEL BEENDEN</translation>
    </message>
    <message>
        <source>First factor, %1</source>
        <translation>Erste Zahl, %1</translation>
    </message>
    <message>
        <source>First factor, none drawn</source>
        <translation>Erste Zahl, noch keine</translation>
    </message>
    <message>
        <source>Second factor, %1</source>
        <translation>Zweite Zahl, %1</translation>
    </message>
    <message>
        <source>Second factor, none drawn</source>
        <translation>Zweite Zahl, noch keine</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>noch %n Sekunde</numerusform>
            <numerusform>noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Blue player, %1, to move</source>
        <translation>Spieler Blau, %1, ist dran</translation>
    </message>
    <message>
        <source>Blue player, %1</source>
        <translation>Spieler Blau, %1</translation>
    </message>
    <message>
        <source>Red player, %1, to move</source>
        <translation>Spieler Rot, %1, ist dran</translation>
    </message>
    <message>
        <source>Red player, %1</source>
        <translation>Spieler Rot, %1</translation>
    </message>
    <message>
        <source>Quintarlow! corner</source>
        <translation>Quintarlow!-Ecke</translation>
    </message>
    <message>
        <source>Cannot be chosen.</source>
        <translation>Kann nicht gewählt werden.</translation>
    </message>
    <message>
        <source>FREE square</source>
        <translation>FREI-Feld</translation>
    </message>
    <message>
        <source>Counts for both players in a line. Cannot be chosen.</source>
        <translation>Zählt in einer Reihe für beide Spieler. Kann nicht gewählt werden.</translation>
    </message>
    <message>
        <source>%1, Blue</source>
        <translation>%1, Blau</translation>
    </message>
    <message>
        <source>%1, Red</source>
        <translation>%1, Rot</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Bist du sicher?</translation>
    </message>
    <message>
        <source>Start a New Game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
</context>
<context>
    <name>quintarlow::CorrectAnswerPopup</name>
    <message>
        <source>Correct Answer</source>
        <translation>Richtige Antwort</translation>
    </message>
</context>
<context>
    <name>quintarlow::NameEntry</name>
    <message>
        <source>%1 CHARACTERS MAX</source>
        <translation>HÖCHSTENS %1 ZEICHEN</translation>
    </message>
    <message>
        <source>The Red player&apos;s name has %1 characters, more than %2.<byte value="xd"/>
Please type it again.</source>
        <translation>Der Name von Spieler Rot hat %1 Zeichen, mehr als %2.<byte value="xd"/>
Bitte schreib ihn noch einmal.</translation>
    </message>
    <message>
        <source>The Blue player&apos;s name has %1 characters, more than %2.<byte value="xd"/>
Please type it again.</source>
        <translation>Der Name von Spieler Blau hat %1 Zeichen, mehr als %2.<byte value="xd"/>
Bitte schreib ihn noch einmal.</translation>
    </message>
    <message>
        <source>The Red player&apos;s name holds a control or invisible character (U+%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Im Namen von Spieler Rot steckt ein Steuerzeichen oder ein unsichtbares Zeichen (U+%1).<byte value="xd"/>
Bitte schreib ihn noch einmal.</translation>
    </message>
    <message>
        <source>The Blue player&apos;s name holds a control or invisible character (U+%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Im Namen von Spieler Blau steckt ein Steuerzeichen oder ein unsichtbares Zeichen (U+%1).<byte value="xd"/>
Bitte schreib ihn noch einmal.</translation>
    </message>
    <message>
        <source>START PLAYING</source>
        <translation>LOS GEHT&apos;S!</translation>
    </message>
    <message>
        <source>Play against the computer</source>
        <translation>Gegen den Computer spielen</translation>
    </message>
    <message>
        <source>Red is a guest (not recorded)</source>
        <translation>Rot ist Gast (kein Eintrag)</translation>
    </message>
    <message>
        <source>Red is a guest, not recorded</source>
        <translation>Rot ist Gast, ohne Eintrag</translation>
    </message>
    <message>
        <source>Red player&apos;s name</source>
        <translation>Name von Spieler Rot</translation>
    </message>
    <message>
        <source>Blue player&apos;s name</source>
        <translation>Name von Spieler Blau</translation>
    </message>
    <message>
        <source>WELCOME</source>
        <translation>WILLKOMMEN</translation>
    </message>
    <message>
        <source>The same name cannot be entered for both players!<byte value="xd"/>
please enter another name, or play against the computer.</source>
        <translation>Beide Spieler können nicht denselben Namen haben!<byte value="xd"/>
Bitte schreib einen anderen Namen oder spiel gegen den Computer.</translation>
    </message>
    <message>
        <source>A name must be entered for the Blue player!<byte value="xd"/>
please retry.</source>
        <translation>Spieler Blau braucht einen Namen!<byte value="xd"/>
Versuch es noch einmal.</translation>
    </message>
    <message>
        <source>Names must be entered for both players!<byte value="xd"/>
please retry.</source>
        <translation>Beide Spieler brauchen einen Namen!<byte value="xd"/>
Versuch es noch einmal.</translation>
    </message>
</context>
<context>
    <name>quintarlow::ScreenSet</name>
    <message>
        <source>Are you sure?</source>
        <translation>Bist du sicher?</translation>
    </message>
    <message>
        <source>Close the Program</source>
        <translation>Das Programm beenden</translation>
    </message>
</context>
<context>
    <name>quintarlow::SplashScreen</name>
    <message>
        <source>Made by the Quintarlow! team</source>
        <translation>Vom Quintarlow!-Team</translation>
    </message>
    <message>
        <source>Voice by Flite, made with Qt</source>
        <translation>Stimme: eSpeak NG, gemacht mit Qt</translation>
    </message>
    <message>
        <source>Game Loading Please Wait.....</source>
        <translation>Spiel lädt, bitte warten.....</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Version 3.0</translation>
    </message>
    <message>
        <source>Multiplication Game</source>
        <translation>Einmaleins-Spiel</translation>
    </message>
</context>
<context>
    <name>quintarlow::WinnerWindow</name>
    <message>
        <source>%1, Blue</source>
        <translation>%1, Blau</translation>
    </message>
    <message>
        <source>%1, Red</source>
        <translation>%1, Rot</translation>
    </message>
    <message>
        <source>Play Again - Same Players</source>
        <translation>Revanche</translation>
    </message>
    <message>
        <source>Play Again - New Players</source>
        <translation>Neue Spieler</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Spiel beenden</translation>
    </message>
</context>
</TS>
