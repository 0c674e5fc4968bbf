<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%Ln try</source>
        <translation>
            <numerusform>%Ln Versuch</numerusform>
            <numerusform>%Ln Versuche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tries</source>
        <translation>
            <numerusform>%Ln Versuch</numerusform>
            <numerusform>%Ln Versuche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln knows it</source>
        <translation>
            <numerusform>%Ln kann sie</numerusform>
            <numerusform>%Ln können sie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln know it</source>
        <translation>
            <numerusform>%Ln kann sie</numerusform>
            <numerusform>%Ln können sie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln keeps missing it</source>
        <translation>
            <numerusform>%Ln hat sie oft falsch</numerusform>
            <numerusform>%Ln haben sie oft falsch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln keep missing it</source>
        <translation>
            <numerusform>%Ln hat sie oft falsch</numerusform>
            <numerusform>%Ln haben sie oft falsch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) keeps missing it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 von %Ln Kind hat sie oft falsch</numerusform>
            <numerusform>%1 × %2 = %3: %4 von %Ln Kindern hat sie oft falsch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) keep missing it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 von %Ln Kind haben sie oft falsch</numerusform>
            <numerusform>%1 × %2 = %3: %4 von %Ln Kindern haben sie oft falsch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) is still learning it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 von %Ln Kind lernt sie noch</numerusform>
            <numerusform>%1 × %2 = %3: %4 von %Ln Kindern lernt sie noch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) are still learning it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 von %Ln Kind lernen sie noch</numerusform>
            <numerusform>%1 × %2 = %3: %4 von %Ln Kindern lernen sie noch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln answer(s) %1, %2 % right by %3.</source>
        <translation>
            <numerusform>%Ln Antwort von %3 %1, %2 % richtig.</numerusform>
            <numerusform>%Ln Antworten von %3 %1, %2 % richtig.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln child(ren)</source>
        <translation>
            <numerusform>%Ln Kind</numerusform>
            <numerusform>%Ln Kindern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln answer(s) %1, %2 % right.</source>
        <translation>
            <numerusform>%Ln Antwort %1, %2 % richtig.</numerusform>
            <numerusform>%Ln Antworten %1, %2 % richtig.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Played alone against the computer: %Ln game(s), %1 won.</source>
        <translation>
            <numerusform>Allein gegen den Computer gespielt: %Ln Spiel, %1 gewonnen.</numerusform>
            <numerusform>Allein gegen den Computer gespielt: %Ln Spiele, %1 gewonnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Answers are kept for %Ln day(s), then deleted.</source>
        <translation>
            <numerusform>Antworten werden %Ln Tag lang aufbewahrt und dann gelöscht.</numerusform>
            <numerusform>Antworten werden %Ln Tage lang aufbewahrt und dann gelöscht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forget %1? All %Ln answer(s) that %1 gave are deleted from the practice record on this computer. This cannot be undone.</source>
        <translation>
            <numerusform>%1 vergessen? Die %Ln Antwort von %1 wird aus dem Übungsheft auf diesem Computer gelöscht. Das lässt sich nicht rückgängig machen.</numerusform>
            <numerusform>%1 vergessen? Alle %Ln Antworten von %1 werden aus dem Übungsheft auf diesem Computer gelöscht. Das lässt sich nicht rückgängig machen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln learning it</source>
        <translation>
            <numerusform>%Ln lernt sie noch</numerusform>
            <numerusform>%Ln lernen sie noch</numerusform>
        </translation>
    </message>
</context>
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
    <name>RecordTrouble</name>
    <message>
        <source>On %1 the game could not write the practice record (%2), so the answers played since then are not kept. Make room on the disk or let the game write to its folder, then play again.</source>
        <translation>Am %1 konnte das Spiel das Übungsheft nicht schreiben (%2), darum fehlen die Antworten, die seitdem gespielt wurden. Schaffe Platz auf der Festplatte oder lass das Spiel in seinen Ordner schreiben, dann spiel noch einmal.</translation>
    </message>
    <message>
        <source>d MMMM yyyy &apos;at&apos; HH:mm</source>
        <translation>d. MMMM yyyy &apos;um&apos; HH:mm</translation>
    </message>
    <message>
        <source>Quintarlow! is not keeping its practice record</source>
        <translation>Quintarlow! schreibt sein Übungsheft nicht mehr</translation>
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
    <message>
        <source>every table learned</source>
        <translation>alle Reihen gelernt</translation>
    </message>
    <message>
        <source>learning the %1 times table</source>
        <translation>lernt die %1er-Reihe</translation>
    </message>
    <message>
        <source>learning the %1s</source>
        <translation>lernt die %1er-Reihe</translation>
    </message>
    <message>
        <source>practising the tables %1</source>
        <translation>übt die Reihen %1</translation>
    </message>
    <message numerus="yes">
        <source>%n new fact known</source>
        <translation>
            <numerusform>%n Aufgabe neu gelernt</numerusform>
            <numerusform>%n Aufgaben neu gelernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new facts known</source>
        <translation>
            <numerusform>%n Aufgabe neu gelernt</numerusform>
            <numerusform>%n Aufgaben neu gelernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 right</source>
        <translation>
            <numerusform>%1: %n von %2 richtig</numerusform>
            <numerusform>%1: %n von %2 richtig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1,, %n of %2 right</source>
        <translation>
            <numerusform>%1,, %n von %2 richtig</numerusform>
            <numerusform>%1,, %n von %2 richtig</numerusform>
        </translation>
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
    <name>quintarlow::CommandText</name>
    <message>
        <source>Two-player spoken multiplication game: four in a line wins.</source>
        <translation>Sprechendes Einmaleins-Spiel für zwei: vier in einer Reihe gewinnen.</translation>
    </message>
    <message>
        <source>Open the Practice Record: which facts each player knows.</source>
        <translation>Das Übungsheft öffnen: welche Aufgaben jedes Kind kann.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>%1 See quintarlow --help.</source>
        <translation>%1 Siehe quintarlow --help.</translation>
    </message>
    <message>
        <source>cannot open the practice record: %1. Nothing was changed. %2</source>
        <translation>das Übungsheft lässt sich nicht öffnen: %1. Nichts wurde geändert. %2</translation>
    </message>
    <message>
        <source>%1; kept on this computer until it can be reached</source>
        <translation>%1; bis er erreichbar ist, bleibt es auf diesem Computer</translation>
    </message>
    <message>
        <source>%1; nor can the practice record on this computer be opened: %2. %3</source>
        <translation>%1; auch das Übungsheft auf diesem Computer lässt sich nicht öffnen: %2. %3</translation>
    </message>
    <message>
        <source>no pictures or sounds in %1; playing without them</source>
        <translation>keine Bilder oder Klänge in %1; es wird ohne sie gespielt</translation>
    </message>
    <message>
        <source>Print NAME&apos;s practice settings, or set them.</source>
        <translation>Die Übungseinstellungen von NAME zeigen oder festlegen.</translation>
    </message>
    <message>
        <source>The tables NAME practises: like 3,4,6, or all (with --practice).</source>
        <translation>Die Reihen, die NAME übt: etwa 3,4,6 oder all (mit --practice).</translation>
    </message>
    <message>
        <source>Ask NAME&apos;s missed facts again: on or off (with --practice).</source>
        <translation>Die Aufgaben, die NAME falsch hatte, noch einmal fragen: on oder off (mit --practice).</translation>
    </message>
    <message>
        <source>NAME follows a learning path over the tables: on or off (with --practice).</source>
        <translation>NAME folgt einem Lernweg durch die Reihen: on oder off (mit --practice).</translation>
    </message>
    <message>
        <source>The seconds NAME has to answer, 20 to 90 (with --practice).</source>
        <translation>Die Sekunden, die NAME zum Antworten hat, 20 bis 90 (mit --practice).</translation>
    </message>
    <message>
        <source>How well the computer plays NAME alone: easy, level (NAME&apos;s own) or hard (with --practice).</source>
        <translation>Wie gut der Computer gegen NAME allein spielt: easy, level (wie NAME) oder hard (mit --practice).</translation>
    </message>
    <message>
        <source>NAME is a new player, not yet in the record (with --practice).</source>
        <translation>NAME ist ein neues Kind, noch nicht im Übungsheft (mit --practice).</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;</source>
        <translation>unerwartet: „%1“</translation>
    </message>
    <message>
        <source>--tables, --ask-missed, --path, --seconds and --opponent need --practice NAME</source>
        <translation>--tables, --ask-missed, --path, --seconds und --opponent brauchen --practice NAME</translation>
    </message>
    <message>
        <source>--practice needs a player&apos;s name</source>
        <translation>--practice braucht den Namen eines Kindes</translation>
    </message>
    <message>
        <source>the name has %1 characters, more than %2; a player&apos;s name has at most %2 characters and no control or invisible ones</source>
        <translation>der Name hat %1 Zeichen, mehr als %2; ein Name hat höchstens %2 Zeichen und keine Steuerzeichen oder unsichtbaren Zeichen</translation>
    </message>
    <message>
        <source>the name holds a control or invisible character (%1); a player&apos;s name has at most %2 characters and no control or invisible ones</source>
        <translation>im Namen steckt ein Steuerzeichen oder ein unsichtbares Zeichen (%1); ein Name hat höchstens %2 Zeichen und keine Steuerzeichen oder unsichtbaren Zeichen</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &quot;%2&quot;</source>
        <translation>--%1 nimmt on oder off, nicht „%2“</translation>
    </message>
    <message>
        <source>--seconds takes a number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--seconds nimmt eine Zahl von %1 bis %2, nicht „%3“</translation>
    </message>
    <message>
        <source>--opponent takes easy, level or hard, not &quot;%1&quot;</source>
        <translation>--opponent nimmt easy, level oder hard, nicht „%1“</translation>
    </message>
    <message>
        <source>no practice record to keep settings in</source>
        <translation>kein Übungsheft, in dem die Einstellungen bleiben könnten</translation>
    </message>
    <message>
        <source>the record has never seen %1: check the spelling, or add --new for a player who has not played yet</source>
        <translation>%1 steht nicht im Übungsheft: prüfe die Schreibweise, oder gib --new an für ein Kind, das noch nicht gespielt hat</translation>
    </message>
    <message>
        <source>could not keep the practice settings of %1</source>
        <translation>die Übungseinstellungen von %1 konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>cannot open the practice record: %1. %2. %3</source>
        <translation>das Übungsheft lässt sich nicht öffnen: %1. %2. %3</translation>
    </message>
    <message>
        <source>Nothing was changed</source>
        <translation>Nichts wurde geändert</translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was exported; choose another file and try again.</source>
        <translation>%1 lässt sich nicht schreiben: %2. Nichts wurde exportiert; wähle eine andere Datei und versuche es noch einmal.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln answer(s) to %1.</source>
        <translation>
            <numerusform>%Ln Antwort nach %1 exportiert.</numerusform>
            <numerusform>%Ln Antworten nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read %1: it is %2, not a file; nothing imported. Import a CSV file the game exported.</source>
        <translation>%1 lässt sich nicht lesen: es ist %2, keine Datei; nichts importiert. Importiere eine CSV-Datei, die das Spiel exportiert hat.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>%1 %2; nothing imported</source>
        <translation>%1 %2; nichts importiert</translation>
    </message>
    <message>
        <source>Nothing imported</source>
        <translation>Nichts importiert</translation>
    </message>
    <message>
        <source>cannot import %1: %2. Nothing imported.</source>
        <translation>%1 lässt sich nicht importieren: %2. Nichts importiert.</translation>
    </message>
    <message numerus="yes">
        <source>Added %Ln answer(s), skipped %L1 already kept.</source>
        <translation>
            <numerusform>%Ln Antwort hinzugefügt, %L1 schon vorhandene übersprungen.</numerusform>
            <numerusform>%Ln Antworten hinzugefügt, %L1 schon vorhandene übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every answer and game of %1 from the practice record? [y/N]</source>
        <translation>Alle Antworten und Spiele von %1 aus dem Übungsheft löschen? [y/N]</translation>
    </message>
    <message>
        <source>Nothing deleted.</source>
        <translation>Nichts gelöscht.</translation>
    </message>
    <message>
        <source>cannot delete %1 from the practice record: it could not be changed. Nothing was deleted; close the game and try again.</source>
        <translation>%1 lässt sich nicht aus dem Übungsheft löschen: es konnte nicht geändert werden. Nichts wurde gelöscht; schließe das Spiel und versuche es noch einmal.</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %Ln answer(s) of %1.</source>
        <translation>
            <numerusform>%Ln Antwort von %1 gelöscht.</numerusform>
            <numerusform>%Ln Antworten von %1 gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>no school&apos;s record server is set in [record] (see the README, For schools)</source>
        <translation>unter [record] ist kein Server der Schule eingetragen (siehe README, For schools)</translation>
    </message>
    <message>
        <source>--keep-days needs a number of days (0: until forgotten)</source>
        <translation>--keep-days braucht eine Zahl von Tagen (0: bis zum Vergessen)</translation>
    </message>
    <message>
        <source>cannot set up the school&apos;s record server: %1</source>
        <translation>der Server der Schule lässt sich nicht einrichten: %1</translation>
    </message>
    <message>
        <source>Write the practice record (or one player&apos;s part) as CSV.</source>
        <translation>Das Übungsheft (oder den Teil eines Kindes) als CSV schreiben.</translation>
    </message>
    <message>
        <source>With --export-record or --report: only this player.</source>
        <translation>Mit --export-record oder --report: nur dieses Kind.</translation>
    </message>
    <message>
        <source>Add the answers of a CSV file exported on another computer.</source>
        <translation>Die Antworten einer CSV-Datei hinzufügen, die auf einem anderen Computer exportiert wurde.</translation>
    </message>
    <message>
        <source>Delete a player&apos;s answers and games from the practice record.</source>
        <translation>Die Antworten und Spiele eines Kindes aus dem Übungsheft löschen.</translation>
    </message>
    <message>
        <source>With --forget-player: do not ask first.</source>
        <translation>Mit --forget-player: nicht vorher fragen.</translation>
    </message>
    <message>
        <source>Play without reading or writing the practice record.</source>
        <translation>Spielen, ohne das Übungsheft zu lesen oder zu schreiben.</translation>
    </message>
    <message>
        <source>Set up the school&apos;s record server named in [record]: tables, roles and their rights (run as the tables&apos; owner).</source>
        <translation>Den unter [record] genannten Server der Schule einrichten: Tabellen, Rollen und ihre Rechte (als Eigentümer der Tabellen ausführen).</translation>
    </message>
    <message>
        <source>With --setup-school-server: a role for each of these classes.</source>
        <translation>Mit --setup-school-server: eine Rolle für jede dieser Klassen.</translation>
    </message>
    <message>
        <source>Delete from the school&apos;s record server what it no longer keeps (run as the tables&apos; owner, from a timer).</source>
        <translation>Vom Server der Schule löschen, was er nicht mehr aufbewahrt (als Eigentümer der Tabellen ausführen, von einem Timer).</translation>
    </message>
    <message>
        <source>With --setup-school-server: delete answers older than this (0: keep them until forgotten).</source>
        <translation>Mit --setup-school-server: ältere Antworten löschen (0: bis zum Vergessen aufbewahren).</translation>
    </message>
    <message>
        <source>Move a child to another class on the school&apos;s record server, with their answers and settings (a teacher of both classes).</source>
        <translation>Ein Kind auf dem Server der Schule in eine andere Klasse verschieben, mit seinen Antworten und Einstellungen (eine Lehrkraft beider Klassen).</translation>
    </message>
    <message>
        <source>With --move-player: the class the child is in.</source>
        <translation>Mit --move-player: die Klasse, in der das Kind ist.</translation>
    </message>
    <message>
        <source>With --move-player: the class the child moves to.</source>
        <translation>Mit --move-player: die Klasse, in die das Kind wechselt.</translation>
    </message>
    <message>
        <source>--%1 needs a %2</source>
        <translation>--%1 braucht ein %2</translation>
    </message>
    <message>
        <source>cannot expire answers on the school&apos;s record server: %1</source>
        <translation>alte Antworten auf dem Server der Schule lassen sich nicht löschen: %1</translation>
    </message>
    <message>
        <source>--move-player needs --from-class and --to-class</source>
        <translation>--move-player braucht --from-class und --to-class</translation>
    </message>
    <message>
        <source>cannot move a child on the school&apos;s record server: %1</source>
        <translation>das Kind lässt sich auf dem Server der Schule nicht verschieben: %1</translation>
    </message>
    <message>
        <source>Write the practice record&apos;s report as a PDF (the class&apos;s, or --player&apos;s; with --all one per player into a folder).</source>
        <translation>Den Bericht des Übungshefts als PDF schreiben (den der Klasse oder von --player; mit --all einen je Kind in einen Ordner).</translation>
    </message>
    <message>
        <source>With --report: only the last N days.</source>
        <translation>Mit --report: nur die letzten N Tage.</translation>
    </message>
    <message>
        <source>With --report: from this day (YYYY-MM-DD).</source>
        <translation>Mit --report: ab diesem Tag (JJJJ-MM-TT).</translation>
    </message>
    <message>
        <source>With --report: up to this day (YYYY-MM-DD).</source>
        <translation>Mit --report: bis zu diesem Tag (JJJJ-MM-TT).</translation>
    </message>
    <message>
        <source>With --report: the class sheet and every child&apos;s page in one PDF to print.</source>
        <translation>Mit --report: die Klassenübersicht und die Seite jedes Kindes in einem PDF zum Drucken.</translation>
    </message>
    <message>
        <source>Write the class sheet, a line per child, as CSV for a spreadsheet.</source>
        <translation>Die Klassenübersicht, eine Zeile je Kind, als CSV für eine Tabellenkalkulation schreiben.</translation>
    </message>
    <message>
        <source>With --report: every player&apos;s report and the class&apos;s, each in a file of its own.</source>
        <translation>Mit --report: den Bericht jedes Kindes und den der Klasse, jeden in einer eigenen Datei.</translation>
    </message>
    <message>
        <source>--report needs a FILE (or a FOLDER with --all)</source>
        <translation>--report braucht eine FILE (oder mit --all einen FOLDER)</translation>
    </message>
    <message>
        <source>--all-in-one and --summary are of the whole class: leave out --all and --player</source>
        <translation>--all-in-one und --summary gelten für die ganze Klasse: lass --all und --player weg</translation>
    </message>
    <message>
        <source>--all writes every player&apos;s report: leave out --player</source>
        <translation>--all schreibt den Bericht jedes Kindes: lass --player weg</translation>
    </message>
    <message>
        <source>--days counts back from today: leave out --from and --to</source>
        <translation>--days zählt von heute zurück: lass --from und --to weg</translation>
    </message>
    <message>
        <source>--days needs a number of days, 1 or more, such as --days 30</source>
        <translation>--days braucht eine Zahl von Tagen, 1 oder mehr, etwa --days 30</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message numerus="yes">
        <source>in the last %Ln day(s)</source>
        <translation>
            <numerusform>am letzten Tag</numerusform>
            <numerusform>in den letzten %Ln Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>--from and --to need days written as 2027-03-01, and --from is needed</source>
        <translation>--from und --to brauchen Tage in der Form 2027-03-01, und --from muss dabei sein</translation>
    </message>
    <message>
        <source>--from must not come after --to</source>
        <translation>--from darf nicht nach --to liegen</translation>
    </message>
    <message>
        <source>cannot open the practice record: %1. Nothing was written. %2</source>
        <translation>das Übungsheft lässt sich nicht öffnen: %1. Nichts wurde geschrieben. %2</translation>
    </message>
    <message>
        <source>cannot read the practice record: %1. Nothing was written.</source>
        <translation>das Übungsheft lässt sich nicht lesen: %1. Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was written; choose another file and try again.</source>
        <translation>%1 lässt sich nicht schreiben: %2. Nichts wurde geschrieben; wähle eine andere Datei und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Wrote %1.</source>
        <translation>%1 geschrieben.</translation>
    </message>
    <message>
        <source>nobody has played yet, so there is no report to write.</source>
        <translation>noch niemand hat gespielt, also gibt es keinen Bericht zu schreiben.</translation>
    </message>
    <message>
        <source>cannot write every report: %1. Choose another folder and try again.</source>
        <translation>nicht alle Berichte lassen sich schreiben: %1. Wähle einen anderen Ordner und versuche es noch einmal.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %Ln report(s) into %1.</source>
        <translation>
            <numerusform>%Ln Bericht in %1 geschrieben.</numerusform>
            <numerusform>%Ln Berichte in %1 geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wayland session without XWayland (DISPLAY is not set); the game&apos;s windows may not keep their places</source>
        <translation>Wayland-Sitzung ohne XWayland (DISPLAY ist nicht gesetzt); die Fenster des Spiels bleiben vielleicht nicht an ihrem Platz</translation>
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
    <name>quintarlow::FactGridModel</name>
    <message>
        <source>%1 times</source>
        <translation>%1 mal</translation>
    </message>
    <message>
        <source>times %1</source>
        <translation>mal %1</translation>
    </message>
    <message>
        <source>Facts, rows the first factor, columns the second</source>
        <translation>Aufgaben, Zeilen die erste Zahl, Spalten die zweite</translation>
    </message>
</context>
<context>
    <name>quintarlow::FactWords</name>
    <message>
        <source>right</source>
        <comment>a try</comment>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <comment>a try</comment>
        <translation>falsch</translation>
    </message>
    <message>
        <source>timed out</source>
        <comment>a try</comment>
        <translation>zu spät</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <comment>a fact</comment>
        <translation>noch nicht gefragt</translation>
    </message>
    <message>
        <source>known</source>
        <comment>a fact</comment>
        <translation>gekonnt</translation>
    </message>
    <message>
        <source>right but slow</source>
        <comment>a fact</comment>
        <translation>richtig, aber langsam</translation>
    </message>
    <message>
        <source>missed</source>
        <comment>a fact</comment>
        <translation>oft falsch</translation>
    </message>
    <message>
        <source>%1 times %2: %3</source>
        <translation>%1 mal %2: %3</translation>
    </message>
    <message>
        <source>%L1 right</source>
        <comment>tries</comment>
        <translation>%L1 richtig</translation>
    </message>
    <message>
        <source>%1; children: %2, %3, %4; %5, %6</source>
        <translation>%1; Kinder: %2, %3, %4; %5, %6</translation>
    </message>
    <message>
        <source>; missing it: %1</source>
        <translation>; oft falsch: %1</translation>
    </message>
    <message>
        <source>usually answered in %1 seconds</source>
        <translation>meist in %1 Sekunden beantwortet</translation>
    </message>
    <message>
        <source>last %L1: %2</source>
        <translation>die letzten %L1: %2</translation>
    </message>
    <message>
        <source>%1 and %L2 more</source>
        <translation>%1 und %L2 weitere</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a fact and who misses it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>this week</source>
        <translation>diese Woche</translation>
    </message>
    <message>
        <source>in the last 30 days</source>
        <translation>in den letzten 30 Tagen</translation>
    </message>
    <message>
        <source>this term</source>
        <translation>in diesem Halbjahr</translation>
    </message>
    <message>
        <source>this school year</source>
        <translation>in diesem Schuljahr</translation>
    </message>
    <message>
        <source>since the first game</source>
        <translation>seit dem ersten Spiel</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a date&apos;s format</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>on %1</source>
        <comment>a day</comment>
        <translation>am %1</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>vom %1 bis %2</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>a date&apos;s format</comment>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>all</source>
        <comment>answers</comment>
        <translation>alle</translation>
    </message>
    <message>
        <source>faster</source>
        <comment>answers</comment>
        <translation>schneller</translation>
    </message>
    <message>
        <source>slower</source>
        <comment>answers</comment>
        <translation>langsamer</translation>
    </message>
    <message>
        <source>same</source>
        <comment>answers&apos; speed</comment>
        <translation>gleich</translation>
    </message>
    <message>
        <source>Too few right answers %1 to say whether answers get faster.</source>
        <translation>%1 zu wenige richtige Antworten, um zu sagen, ob es schneller wird.</translation>
    </message>
    <message>
        <source>Answers got faster %1: %2 s → %3 s.</source>
        <translation>Die Antworten wurden %1 schneller: %2 s → %3 s.</translation>
    </message>
    <message>
        <source>Answers got slower %1: %2 s → %3 s.</source>
        <translation>Die Antworten wurden %1 langsamer: %2 s → %3 s.</translation>
    </message>
    <message>
        <source>Answers stayed about as fast %1: %2 s → %3 s.</source>
        <translation>Die Antworten blieben %1 etwa gleich schnell: %2 s → %3 s.</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: missed its only try</source>
        <translation>%1 × %2 = %3: beim einzigen Versuch falsch</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: right once so far, in %4 seconds</source>
        <translation>%1 × %2 = %3: bisher einmal richtig, in %4 Sekunden</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: missed %4 of the last %5</source>
        <translation>%1 × %2 = %3: %4 der letzten %5 falsch</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: right %4 of the last %4, usually in %5 seconds</source>
        <translation>%1 × %2 = %3: die letzten %4 richtig, meist in %5 Sekunden</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: right %4 of the last %4</source>
        <translation>%1 × %2 = %3: die letzten %4 richtig</translation>
    </message>
</context>
<context>
    <name>quintarlow::MediaWords</name>
    <message>
        <source>Quintarlow!: the sound %1 is missing or damaged; a short beep plays instead.</source>
        <translation>Quintarlow!: Der Klang %1 fehlt oder ist beschädigt; stattdessen ertönt ein kurzer Piepton.</translation>
    </message>
    <message>
        <source>eSpeak NG has no voice for &quot;%1&quot; (install the package espeak-ng-data)</source>
        <translation>eSpeak NG hat keine Stimme für „%1“ (installieren Sie das Paket espeak-ng-data)</translation>
    </message>
    <message>
        <source>Speech: %1; the game shows its texts and stays silent.</source>
        <translation>Sprache: %1; das Spiel zeigt seine Texte und bleibt stumm.</translation>
    </message>
    <message>
        <source>Quintarlow!: the picture %1 is missing or damaged; the game goes on without it.</source>
        <translation>Quintarlow!: Das Bild %1 fehlt oder ist beschädigt; das Spiel geht ohne es weiter.</translation>
    </message>
    <message>
        <source>eSpeak NG is not installed (install the package libespeak-ng1)</source>
        <translation>eSpeak NG ist nicht installiert (installieren Sie das Paket libespeak-ng1)</translation>
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
    <message>
        <source>The Red player&apos;s name holds a control or invisible character (%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Im Namen von Spieler Rot steckt ein Steuerzeichen oder ein unsichtbares Zeichen (%1).<byte value="xd"/>
Bitte schreib ihn noch einmal.</translation>
    </message>
    <message>
        <source>The Blue player&apos;s name holds a control or invisible character (%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Im Namen von Spieler Blau steckt ein Steuerzeichen oder ein unsichtbares Zeichen (%1).<byte value="xd"/>
Bitte schreib ihn noch einmal.</translation>
    </message>
</context>
<context>
    <name>quintarlow::NameWords</name>
    <message>
        <source>player holds a control or invisible character (%1)</source>
        <translation>player enthält ein Steuer- oder unsichtbares Zeichen (%1)</translation>
    </message>
    <message>
        <source>player has %1 characters, more than %2</source>
        <translation>player hat %1 Zeichen, mehr als %2</translation>
    </message>
    <message>
        <source>“%1” is a child of more than one class: “%2”. Name one of them as shown and try again.</source>
        <translation>„%1“ ist ein Kind in mehr als einer Klasse: „%2“. Nennen Sie eines davon wie gezeigt und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>nobody called “%1” is in the practice record.</source>
        <translation>niemand namens „%1“ steht im Übungsheft.</translation>
    </message>
    <message>
        <source> Did you mean “%1”? Check the spelling and try again.</source>
        <translation> Meinten Sie „%1“? Prüfen Sie die Schreibweise und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source> Nobody has played yet.</source>
        <translation> Noch hat niemand gespielt.</translation>
    </message>
    <message>
        <source> The players are “%1” and %L2 more. Check the spelling and try again.</source>
        <translation> Die Kinder sind „%1“ und %L2 weitere. Prüfen Sie die Schreibweise und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source> The players are “%1”. Check the spelling and try again.</source>
        <translation> Die Kinder sind „%1“. Prüfen Sie die Schreibweise und versuchen Sie es noch einmal.</translation>
    </message>
</context>
<context>
    <name>quintarlow::PathWords</name>
    <message>
        <source>%1 knows %2 of 144 facts</source>
        <translation>%1 kann %2 von 144 Aufgaben</translation>
    </message>
    <message>
        <source>%1 knows %2 of 144 facts; this week %1 learned %3</source>
        <translation>%1 kann %2 von 144 Aufgaben; diese Woche hat %1 %3 gelernt</translation>
    </message>
    <message>
        <source>%1 knows %2 of 144 facts; to practise again today: %3</source>
        <translation>%1 kann %2 von 144 Aufgaben; heute zu wiederholen: %3</translation>
    </message>
    <message>
        <source>%1 knows %2 of 144 facts; this week %1 learned %3; to practise again today: %4</source>
        <translation>%1 kann %2 von 144 Aufgaben; diese Woche hat %1 %3 gelernt; heute zu wiederholen: %4</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more</source>
        <translation>
            <numerusform>%1 und %n weitere</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quintarlow::PlayerList</name>
    <message>
        <source>%1, has practice settings of their own</source>
        <translation>%1, hat eigene Übungseinstellungen</translation>
    </message>
    <message>
        <source>Has practice settings of their own</source>
        <translation>Hat eigene Übungseinstellungen</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Kinder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Knows</source>
        <translation>Kann</translation>
    </message>
    <message>
        <source>Usually</source>
        <translation>Meist</translation>
    </message>
    <message>
        <source>To practise</source>
        <translation>Zu üben</translation>
    </message>
    <message>
        <source>Moved on</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>How many answers in the period shown</source>
        <translation>Wie viele Antworten im gezeigten Zeitraum</translation>
    </message>
    <message>
        <source>How many facts the player keeps missing at the end of the period shown</source>
        <translation>Wie viele Aufgaben das Kind am Ende des Zeitraums noch oft falsch hat</translation>
    </message>
    <message>
        <source>Whether right answers got faster or slower in the period shown; slower first</source>
        <translation>Ob richtige Antworten im Zeitraum schneller oder langsamer wurden; langsamer zuerst</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>d MMM yy</source>
        <comment>a date&apos;s format</comment>
        <translation>d.M.yy</translation>
    </message>
    <message>
        <source>Class</source>
        <comment>the row of the whole class</comment>
        <translation>Klasse</translation>
    </message>
</context>
<context>
    <name>quintarlow::PracticeEditor</name>
    <message>
        <source>Practice settings</source>
        <translation>Übungseinstellungen</translation>
    </message>
    <message>
        <source>&amp;Tables:</source>
        <translation>&amp;Reihen:</translation>
    </message>
    <message>
        <source>The %1s</source>
        <translation>Die %1er-Reihe</translation>
    </message>
    <message>
        <source>Practise the %1s</source>
        <translation>Die %1er-Reihe üben</translation>
    </message>
    <message>
        <source>&amp;All tables</source>
        <translation>&amp;Alle Reihen</translation>
    </message>
    <message>
        <source>All tables</source>
        <translation>Alle Reihen</translation>
    </message>
    <message>
        <source>Every table from 1 to 12, as in any game</source>
        <translation>Alle Reihen von 1 bis 12, wie in jedem Spiel</translation>
    </message>
    <message>
        <source>Ask again what I &amp;miss</source>
        <translation>Was ich falsch habe, &amp;nochmal fragen</translation>
    </message>
    <message>
        <source>Ask again what I miss</source>
        <translation>Was ich falsch habe, nochmal fragen</translation>
    </message>
    <message>
        <source>Follow the learning pat&amp;h</source>
        <translation>Dem &amp;Lernweg folgen</translation>
    </message>
    <message>
        <source>Follow the learning path</source>
        <translation>Dem Lernweg folgen</translation>
    </message>
    <message>
        <source>A few new facts at a time among known ones, each known fact back on its day of review, the tables in the order they build on each other (or the tables chosen)</source>
        <translation>Immer ein paar neue Aufgaben zwischen gekonnten, jede gekonnte Aufgabe kommt an ihrem Wiederholungstag zurück, die Reihen in der Reihenfolge, in der sie aufeinander aufbauen (oder die gewählten Reihen)</translation>
    </message>
    <message>
        <source>Time to a&amp;nswer:</source>
        <translation>&amp;Zeit zum Antworten:</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> Sekunden</translation>
    </message>
    <message>
        <source>Time to answer</source>
        <translation>Zeit zum Antworten</translation>
    </message>
    <message>
        <source>The seconds this child has for each question; the other player keeps their own</source>
        <translation>Die Sekunden, die dieses Kind für jede Frage hat; das andere Kind behält seine eigenen</translation>
    </message>
    <message>
        <source>The &amp;computer plays:</source>
        <translation>Der &amp;Computer spielt:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>At the child&apos;s level</source>
        <translation>Wie das Kind</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>The computer plays</source>
        <translation>Der Computer spielt</translation>
    </message>
    <message>
        <source>When this child plays alone: easy is right about half the time and slow, hard nine times in ten and quick, the child&apos;s level as often as the child was in their last 50 answers</source>
        <translation>Wenn dieses Kind allein spielt: leicht ist etwa jedes zweite Mal richtig und langsam, schwer neun von zehn Mal und schnell, wie das Kind so oft richtig wie das Kind in seinen letzten 50 Antworten</translation>
    </message>
    <message>
        <source>The practice settings of %1 could not be saved: the record could not be changed. Close the window and try again; if it keeps failing, see the README, Practice record.</source>
        <translation>Die Übungseinstellungen von %1 konnten nicht gespeichert werden: das Übungsheft ließ sich nicht ändern. Schließen Sie das Fenster und versuchen Sie es noch einmal; klappt es weiter nicht, siehe README, Practice record.</translation>
    </message>
    <message>
        <source>Practice Settings</source>
        <translation>Übungseinstellungen</translation>
    </message>
    <message>
        <source>Settings are made for one player: choose a player above.</source>
        <translation>Einstellungen gelten für ein Kind: Wählen Sie oben ein Kind.</translation>
    </message>
    <message>
        <source>Every table from 1 to 12, as in any game. Changes count from the next game.</source>
        <translation>Alle Reihen von 1 bis 12, wie in jedem Spiel. Änderungen gelten ab dem nächsten Spiel.</translation>
    </message>
    <message>
        <source> Changes count from the next game.</source>
        <translation> Änderungen gelten ab dem nächsten Spiel.</translation>
    </message>
</context>
<context>
    <name>quintarlow::PracticeWords</name>
    <message>
        <source>the list of tables is empty (give tables like 3,4,6 or all)</source>
        <translation>die Liste der Reihen ist leer (Reihen wie 3,4,6 oder all angeben)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has an empty entry</source>
        <translation>„%1“ hat einen leeren Eintrag</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a table from 1 to 12</source>
        <translation>„%1“ ist keine Reihe von 1 bis 12</translation>
    </message>
    <message>
        <source>following the learning path</source>
        <translation>folgt dem Lernweg</translation>
    </message>
    <message>
        <source>following the learning path over %1</source>
        <translation>folgt dem Lernweg über %1</translation>
    </message>
    <message>
        <source>practising %1</source>
        <translation>übt %1</translation>
    </message>
    <message>
        <source>missed facts asked again</source>
        <translation>falsche Aufgaben werden nochmal gefragt</translation>
    </message>
    <message>
        <source>%1 seconds to answer</source>
        <translation>%1 Sekunden zum Antworten</translation>
    </message>
    <message>
        <source>an easy computer</source>
        <translation>ein leichter Computer</translation>
    </message>
    <message>
        <source>a hard computer</source>
        <translation>ein schwerer Computer</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>a times table: the 7s</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>the %1</source>
        <comment>times tables</comment>
        <translation>die Reihen %1</translation>
    </message>
</context>
<context>
    <name>quintarlow::ProgressWindow</name>
    <message>
        <source>Knows %1 of 144 facts; %2 being learned, %3 new.</source>
        <translation>Kann %1 von 144 Aufgaben; %2 werden gelernt, %3 neu.</translation>
    </message>
    <message>
        <source>Every table of the path is learned.</source>
        <translation>Alle Reihen des Lernwegs sind gelernt.</translation>
    </message>
    <message>
        <source>Learning the %1s, the last table of the path.</source>
        <translation>Lernt die %1er-Reihe, die letzte des Lernwegs.</translation>
    </message>
    <message>
        <source>Learning the %1s; the %2s come next.</source>
        <translation>Lernt die %1er-Reihe; danach kommt die %2er-Reihe.</translation>
    </message>
    <message>
        <source>Nothing to practise again today.</source>
        <translation>Heute nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>To practise again today: %1.</source>
        <translation>Heute zu wiederholen: %1.</translation>
    </message>
    <message>
        <source>Practice Record</source>
        <translation>Übungsheft</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Zeigen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <comment>a date&apos;s format</comment>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>The term began on</source>
        <translation>Das Halbjahr begann am</translation>
    </message>
    <message>
        <source>The day this term began</source>
        <translation>Der Tag, an dem dieses Halbjahr begann</translation>
    </message>
    <message>
        <source>&amp;Known when right within</source>
        <translation>&amp;Gekonnt, wenn richtig in</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Known when right within</source>
        <translation>Gekonnt, wenn richtig in</translation>
    </message>
    <message>
        <source>&amp;Save Report…</source>
        <translation>Bericht &amp;speichern…</translation>
    </message>
    <message>
        <source>Save A&amp;ll…</source>
        <translation>&amp;Alle speichern…</translation>
    </message>
    <message>
        <source>Every player&apos;s report and the class&apos;s, each a PDF of its own in one folder</source>
        <translation>Der Bericht jedes Kindes und der Klasse, jeder als eigene PDF in einem Ordner</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Forget player…</source>
        <translation>Kind &amp;vergessen…</translation>
    </message>
    <message>
        <source>Facts to practise</source>
        <translation>Zu üben</translation>
    </message>
    <message>
        <source>Share right and usual time per day</source>
        <translation>Anteil richtig und übliche Zeit pro Tag</translation>
    </message>
    <message>
        <source>The practice record could not be read, so there is nothing to show. Nothing in it was changed or deleted.%1

%2</source>
        <translation>Das Übungsheft konnte nicht gelesen werden, daher gibt es nichts zu zeigen. Nichts darin wurde geändert oder gelöscht.%1

%2</translation>
    </message>
    <message>
        <source>Nobody has played yet.

The record fills by itself: every answer in a game of Quintarlow! is kept here. Play a game, then open the Practice Record again to see which facts each player knows.</source>
        <translation>Noch hat niemand gespielt.

Das Heft füllt sich von selbst: Jede Antwort in einem Spiel Quintarlow! wird hier aufbewahrt. Spielen Sie ein Spiel und öffnen Sie dann das Übungsheft wieder, um zu sehen, welche Aufgaben jedes Kind kann.</translation>
    </message>
    <message>
        <source>Each child is judged on their own answers: a cell has the colour most children show, its number how many keep missing it. </source>
        <translation>Jedes Kind zählt mit seinen eigenen Antworten: Ein Feld hat die Farbe der meisten Kinder, seine Zahl sagt, wie viele es oft falsch haben. </translation>
    </message>
    <message>
        <source>A cell&apos;s number: the seconds its right answers usually take in its last three tries, which its colour is judged on. An orange star: practice settings of their own. </source>
        <translation>Die Zahl in einem Feld: die Sekunden, die richtige Antworten bei den letzten drei Versuchen meist brauchen; danach richtet sich die Farbe. Ein oranger Stern: eigene Übungseinstellungen. </translation>
    </message>
    <message>
        <source>Rows: first factor; columns: second. Colours: where each fact stood at the period&apos;s end, even from tries before it.</source>
        <translation>Zeilen: erste Zahl; Spalten: zweite. Farben: wie jede Aufgabe am Ende des Zeitraums stand, auch aus früheren Versuchen.</translation>
    </message>
    <message>
        <source>Facts most children miss</source>
        <translation>Was die meisten oft falsch haben</translation>
    </message>
    <message>
        <source>None: every fact asked lately is known.</source>
        <translation>Nichts: Alle zuletzt gefragten Aufgaben sitzen.</translation>
    </message>
    <message>
        <source>Bars: the share right. Line: the seconds right answers usually took; lower is faster. </source>
        <translation>Balken: Anteil richtig. Linie: Sekunden, die richtige Antworten meist brauchten; tiefer ist schneller. </translation>
    </message>
    <message>
        <source>Moving on</source>
        <translation>Vorankommen</translation>
    </message>
    <message>
        <source>Learning path, from all answers</source>
        <translation>Lernweg, aus allen Antworten</translation>
    </message>
    <message>
        <source>Learning path</source>
        <translation>Lernweg</translation>
    </message>
    <message>
        <source>Not on the learning path: tick &quot;Follow the learning path&quot; under Practice settings.</source>
        <translation>Nicht auf dem Lernweg: „Dem Lernweg folgen“ unter Übungseinstellungen ankreuzen.</translation>
    </message>
    <message>
        <source>The report could not be saved: %1. Choose another folder and try again.</source>
        <translation>Der Bericht konnte nicht gespeichert werden: %1. Wählen Sie einen anderen Ordner und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Practice Records</source>
        <translation>Übungshefte</translation>
    </message>
    <message>
        <source>Not every report could be saved: %1. Choose another folder and try again.</source>
        <translation>Nicht jeder Bericht konnte gespeichert werden: %1. Wählen Sie einen anderen Ordner und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Save All Reports</source>
        <translation>Alle Berichte speichern</translation>
    </message>
    <message>
        <source>Forget Player</source>
        <translation>Kind vergessen</translation>
    </message>
    <message>
        <source>%1 could not be forgotten: the record could not be changed. Nothing was deleted; close the window and try again.</source>
        <translation>%1 konnte nicht vergessen werden: Das Übungsheft ließ sich nicht ändern. Nichts wurde gelöscht; schließen Sie das Fenster und versuchen Sie es noch einmal.</translation>
    </message>
</context>
<context>
    <name>quintarlow::ProgressWords</name>
    <message>
        <source>The whole class</source>
        <translation>Die ganze Klasse</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>too soon</source>
        <translation>zu früh</translation>
    </message>
    <message>
        <source>not played</source>
        <translation>nicht gespielt</translation>
    </message>
    <message>
        <source>knows all</source>
        <translation>kann alle</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>too few to tell</source>
        <translation>zu wenige</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Knows (of 144)</source>
        <translation>Kann (von 144)</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Usually answers in</source>
        <translation>Antwortet meist in</translation>
    </message>
    <message>
        <source>Answer times</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>To practise</source>
        <translation>Zu üben</translation>
    </message>
    <message>
        <source>Moved on, last two weeks</source>
        <translation>Weiter in 2 Wochen</translation>
    </message>
    <message>
        <source>Knows %L1 of 144 facts.</source>
        <translation>Kann %L1 von 144 Aufgaben.</translation>
    </message>
    <message>
        <source>No answers %1.</source>
        <translation>Keine Antworten %1.</translation>
    </message>
    <message>
        <source>Nothing to practise: every fact asked lately is known.</source>
        <translation>Nichts zu üben: Alle zuletzt gefragten Aufgaben sitzen.</translation>
    </message>
    <message>
        <source>Practise %1.</source>
        <translation>Üben: %1.</translation>
    </message>
    <message>
        <source>Every child who played in the last two weeks moved on: a fact became known to each.</source>
        <translation>Jedes Kind, das in den letzten zwei Wochen gespielt hat, ist vorangekommen: Jedes kann eine Aufgabe mehr.</translation>
    </message>
    <message>
        <source>Not moved on for two weeks (played, and no fact became known): %1.</source>
        <translation>Seit zwei Wochen nicht vorangekommen (gespielt, aber keine Aufgabe neu gekonnt): %1.</translation>
    </message>
    <message>
        <source>Known: right within %1 s in 2 of the last 3 tries. Usually: the middle time of right answers.</source>
        <translation>Gekonnt: in 2 der letzten 3 Versuche richtig in höchstens %1 s. Meist: die mittlere Zeit richtiger Antworten.</translation>
    </message>
    <message>
        <source>No play %1</source>
        <translation>Kein Spiel %1</translation>
    </message>
    <message>
        <source>Day by day, %1</source>
        <translation>Tag für Tag, %1</translation>
    </message>
    <message>
        <source>Week by week, %1</source>
        <translation>Woche für Woche, %1</translation>
    </message>
    <message>
        <source>Practice Record - %1.pdf</source>
        <translation>Übungsheft - %1.pdf</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>right (%)</source>
        <translation>richtig (%)</translation>
    </message>
    <message>
        <source>time (s)</source>
        <translation>Zeit (s)</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a date&apos;s format</comment>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>The class, child by child, %1</source>
        <translation>Die Klasse, Kind für Kind, %1</translation>
    </message>
    <message>
        <source>Quintarlow! Practice Record</source>
        <translation>Quintarlow! Übungsheft</translation>
    </message>
    <message>
        <source>Answers from %1 to %2. </source>
        <translation>Antworten vom %1 bis %2. </translation>
    </message>
    <message>
        <source>A cell&apos;s colour is what most children show; its number, how many keep missing it.</source>
        <translation>Farbe eines Feldes: die der meisten Kinder; Zahl: wie viele es oft falsch haben.</translation>
    </message>
    <message>
        <source>The number in a cell: the seconds its right answers usually take, of its last three tries.</source>
        <translation>Zahl im Feld: Sekunden, die richtige Antworten meist brauchen (letzte drei Versuche).</translation>
    </message>
    <message>
        <source>Facts most children miss</source>
        <translation>Was die meisten oft falsch haben</translation>
    </message>
    <message>
        <source>Facts to practise</source>
        <translation>Zu üben</translation>
    </message>
    <message>
        <source>None: every fact asked lately is known.</source>
        <translation>Nichts: Alle zuletzt gefragten Aufgaben sitzen.</translation>
    </message>
    <message>
        <source>Practice Record: %1</source>
        <translation>Übungsheft: %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Save All Reports In</source>
        <translation>Alle Berichte speichern in</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <source>✓ green: known, right at least 2 of the last 3 times, each within %1 s</source>
        <translation>✓ grün: gekonnt, mindestens 2 der letzten 3 Male richtig, jeweils in %1 s</translation>
    </message>
    <message>
        <source>~ yellow, dotted: right but slow, or not yet right twice</source>
        <translation>~ gelb, gepunktet: richtig, aber langsam, oder noch nicht zweimal richtig</translation>
    </message>
    <message>
        <source>✗ red, striped: missed, wrong or too late more often than right</source>
        <translation>✗ rot, gestreift: öfter falsch oder zu spät als richtig</translation>
    </message>
    <message>
        <source>white: not asked yet</source>
        <translation>weiß: noch nicht gefragt</translation>
    </message>
</context>
<context>
    <name>quintarlow::RecordWords</name>
    <message>
        <source>the record holds an answer (%1) with the unknown outcome &quot;%2&quot;</source>
        <translation>das Heft enthält eine Antwort (%1) mit dem unbekannten Ergebnis „%2“</translation>
    </message>
    <message>
        <source>no id read</source>
        <translation>keine ID gelesen</translation>
    </message>
    <message>
        <source>The settings are kept in /etc/xdg/quintarlow/quintarlow.conf and ~/.config/quintarlow/quintarlow.conf.</source>
        <translation>Die Einstellungen stehen in /etc/xdg/quintarlow/quintarlow.conf und ~/.config/quintarlow/quintarlow.conf.</translation>
    </message>
    <message>
        <source>See the README, For schools.</source>
        <translation>Siehe README, For schools.</translation>
    </message>
    <message>
        <source>the record is at version %1, newer than this program knows (%2)</source>
        <translation>das Heft hat Version %1, neuer als dieses Programm kennt (%2)</translation>
    </message>
    <message>
        <source>the record&apos;s tables cannot be set up: %1</source>
        <translation>die Tabellen des Hefts lassen sich nicht anlegen: %1</translation>
    </message>
    <message>
        <source>the record&apos;s version cannot be read</source>
        <translation>die Version des Hefts lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>the record&apos;s write-ahead log could not be emptied while another program reads the record</source>
        <translation>das Write-Ahead-Log des Hefts ließ sich nicht leeren, während ein anderes Programm das Heft liest</translation>
    </message>
    <message>
        <source>locked by another program for more than %1 s</source>
        <translation>seit mehr als %1 s von einem anderen Programm gesperrt</translation>
    </message>
    <message>
        <source>Try again once the other program (a game, an import, a backup) is done with it.</source>
        <translation>Versuchen Sie es noch einmal, wenn das andere Programm (ein Spiel, ein Import, eine Sicherung) fertig ist.</translation>
    </message>
    <message>
        <source>damaged and cannot be moved aside</source>
        <translation>beschädigt und lässt sich nicht beiseitelegen</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>no write-ahead log: %1</source>
        <translation>kein Write-Ahead-Log: %1</translation>
    </message>
    <message>
        <source>it is a practice record of a newer version of Quintarlow! (its version %1; this one knows up to %2)</source>
        <translation>es ist ein Übungsheft einer neueren Version von Quintarlow! (seine Version %1; diese kennt bis %2)</translation>
    </message>
    <message>
        <source>Use the newer Quintarlow! that wrote it (its --export-record writes a file this version imports), or move the file aside to start a fresh record.</source>
        <translation>Nutzen Sie das neuere Quintarlow!, das es geschrieben hat (sein --export-record schreibt eine Datei, die diese Version einliest), oder legen Sie die Datei beiseite, um ein neues Heft zu beginnen.</translation>
    </message>
    <message>
        <source>it is another program&apos;s SQLite database (tables %1), not a practice record</source>
        <translation>es ist die SQLite-Datenbank eines anderen Programms (Tabellen %1), kein Übungsheft</translation>
    </message>
    <message>
        <source>Move that file out of the folder %1 (the game then starts a fresh record there), or put the practice record back.</source>
        <translation>Verschieben Sie diese Datei aus dem Ordner %1 (das Spiel beginnt dort dann ein neues Heft), oder legen Sie das Übungsheft zurück.</translation>
    </message>
    <message>
        <source>the record server&apos;s settings in [record] hold a password key, which the game refuses to use: remove that line and put the password in the file named by passfile= (see the README, For schools)</source>
        <translation>die Servereinstellungen unter [record] enthalten einen password-Schlüssel, den das Spiel nicht benutzt: Entfernen Sie die Zeile und legen Sie das Passwort in die Datei, die passfile= nennt (siehe README, For schools)</translation>
    </message>
    <message>
        <source>the record server&apos;s settings in [record] hold a port= that is not a port number (1 to 65535): correct it (see the README, For schools)</source>
        <translation>die Servereinstellungen unter [record] enthalten ein port=, das keine Portnummer (1 bis 65535) ist: Korrigieren Sie es (siehe README, For schools)</translation>
    </message>
    <message>
        <source>the record server&apos;s settings in [record] hold an sslmode= that is none of %1: correct it (see the README, For schools)</source>
        <translation>die Servereinstellungen unter [record] enthalten ein sslmode=, das keines von %1 ist: Korrigieren Sie es (siehe README, For schools)</translation>
    </message>
    <message>
        <source>the file named by passfile= in [record] is ignored, since others than its owner may read it (PostgreSQL takes only a file of mode 0600): make it private with chmod 600</source>
        <translation>die Datei, die passfile= unter [record] nennt, wird übergangen, weil außer ihrem Besitzer auch andere sie lesen dürfen (PostgreSQL nimmt nur eine Datei mit Modus 0600): Machen Sie sie mit chmod 600 privat</translation>
    </message>
    <message>
        <source>the school&apos;s record server asks for a password and none was found: add the line host:port:database:user:password to the file named by passfile= in [record] (or ~/.pgpass)</source>
        <translation>der Schulserver fragt nach einem Passwort, und keines wurde gefunden: Fügen Sie die Zeile host:port:database:user:password der Datei hinzu, die passfile= unter [record] nennt (oder ~/.pgpass)</translation>
    </message>
    <message>
        <source>the school&apos;s record server refused the login (authentication failed): check user= in [record] and the password in the passfile</source>
        <translation>der Schulserver hat die Anmeldung abgelehnt (Authentifizierung fehlgeschlagen): Prüfen Sie user= unter [record] und das Passwort in der passfile</translation>
    </message>
    <message>
        <source>the school&apos;s record server lets no one log in from here as that user: its pg_hba.conf needs a line for this computer</source>
        <translation>der Schulserver lässt von hier niemanden als diesen Benutzer herein: Seine pg_hba.conf braucht eine Zeile für diesen Computer</translation>
    </message>
    <message>
        <source>the school&apos;s record server has no database of the name database= in [record] gives: correct it, or set the server up</source>
        <translation>der Schulserver hat keine Datenbank mit dem Namen, den database= unter [record] angibt: Korrigieren Sie ihn, oder richten Sie den Server ein</translation>
    </message>
    <message>
        <source>the school&apos;s record server knows no user of the name user= in [record] gives: correct it, or ask for that login</source>
        <translation>der Schulserver kennt keinen Benutzer mit dem Namen, den user= unter [record] angibt: Korrigieren Sie ihn, oder fragen Sie nach dieser Anmeldung</translation>
    </message>
    <message>
        <source>the encrypted connection to the school&apos;s record server failed: check sslmode= and sslrootcert= in [record]</source>
        <translation>die verschlüsselte Verbindung zum Schulserver ist fehlgeschlagen: Prüfen Sie sslmode= und sslrootcert= unter [record]</translation>
    </message>
    <message>
        <source>the school&apos;s record server cannot be reached: check that it runs and that host= and port= in [record] name it</source>
        <translation>der Schulserver ist nicht erreichbar: Prüfen Sie, dass er läuft und dass host= und port= unter [record] ihn nennen</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server is reachable again; kept answers are sent</source>
        <translation>quintarlow: der Schulserver ist wieder erreichbar; aufbewahrte Antworten werden gesendet</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server cannot be reached; answers are kept on this computer and sent later</source>
        <translation>quintarlow: der Schulserver ist nicht erreichbar; Antworten werden auf diesem Computer aufbewahrt und später gesendet</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server holds a newer record than this version of the game knows; answers are kept on this computer</source>
        <translation>quintarlow: der Schulserver hat ein neueres Heft, als diese Version des Spiels kennt; Antworten werden auf diesem Computer aufbewahrt</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server refused the answers; answers are kept on this computer and sent later</source>
        <translation>quintarlow: der Schulserver hat die Antworten abgelehnt; Antworten werden auf diesem Computer aufbewahrt und später gesendet</translation>
    </message>
    <message>
        <source>quintarlow: the record on this computer cannot be read, so nothing is sent to the school&apos;s record server</source>
        <translation>quintarlow: das Heft auf diesem Computer lässt sich nicht lesen, daher wird nichts an den Schulserver gesendet</translation>
    </message>
    <message>
        <source>quintarlow: answers cannot be sent to the school&apos;s record server; answers are kept on this computer and sent later</source>
        <translation>quintarlow: Antworten lassen sich nicht an den Schulserver senden; sie werden auf diesem Computer aufbewahrt und später gesendet</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>See the README, Practice record.</source>
        <translation>Siehe README, Practice record.</translation>
    </message>
    <message>
        <source>the practice record is locked by another program (another import, a game, a backup) for more than %1 s. Try again once it is done</source>
        <translation>das Übungsheft ist seit mehr als %1 s von einem anderen Programm gesperrt (ein anderer Import, ein Spiel, eine Sicherung). Versuchen Sie es noch einmal, wenn es fertig ist</translation>
    </message>
    <message>
        <source>Made the role %1.</source>
        <translation>Rolle %1 angelegt.</translation>
    </message>
    <message>
        <source>Let %1 connect to the database.</source>
        <translation>%1 darf sich mit der Datenbank verbinden.</translation>
    </message>
    <message>
        <source>Took TEMPORARY and CONNECT on the database from PUBLIC.</source>
        <translation>TEMPORARY und CONNECT auf der Datenbank PUBLIC entzogen.</translation>
    </message>
    <message>
        <source>Gave the tables and functions to %1.</source>
        <translation>Tabellen und Funktionen an %1 übergeben.</translation>
    </message>
    <message>
        <source>Made %1 a member of %2.</source>
        <translation>%1 zum Mitglied von %2 gemacht.</translation>
    </message>
    <message>
        <source>Brought the tables from version %1 to %2.</source>
        <translation>Tabellen von Version %1 auf %2 gebracht.</translation>
    </message>
    <message>
        <source>the classes &quot;%1&quot; and &quot;%2&quot; would share the role %3; name them apart by a letter or digit</source>
        <translation>die Klassen „%1“ und „%2“ hätten dieselbe Rolle %3; unterscheiden Sie sie durch einen Buchstaben oder eine Ziffer</translation>
    </message>
    <message>
        <source>Answers are now kept %1 days.</source>
        <translation>Antworten werden jetzt %1 Tage aufbewahrt.</translation>
    </message>
    <message>
        <source>Answers are now kept until a child is forgotten.</source>
        <translation>Antworten werden jetzt aufbewahrt, bis ein Kind vergessen wird.</translation>
    </message>
    <message>
        <source>Everything was set up already; nothing changed.</source>
        <translation>Alles war schon eingerichtet; nichts geändert.</translation>
    </message>
    <message>
        <source>the tables are at version %1, this program&apos;s at %2: run --setup-school-server first</source>
        <translation>die Tabellen haben Version %1, dieses Programm %2: Führen Sie zuerst --setup-school-server aus</translation>
    </message>
    <message>
        <source>Answers are kept until a child is forgotten; nothing expired.</source>
        <translation>Antworten werden aufbewahrt, bis ein Kind vergessen wird; nichts ist abgelaufen.</translation>
    </message>
    <message>
        <source>Deleted what is older than %4 days: answers %1, games %2, settings %3.</source>
        <translation>Gelöscht, was älter als %4 Tage ist: Antworten %1, Spiele %2, Einstellungen %3.</translation>
    </message>
    <message>
        <source>the connection broke</source>
        <translation>die Verbindung ist abgebrochen</translation>
    </message>
    <message>
        <source>the school&apos;s record server holds a newer record than this version of the game knows</source>
        <translation>der Schulserver hat ein neueres Heft, als diese Version des Spiels kennt</translation>
    </message>
    <message>
        <source>the school&apos;s record server cannot be read</source>
        <translation>der Schulserver lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>the school&apos;s record server has no practice record this version of the game can read</source>
        <translation>der Schulserver hat kein Übungsheft, das diese Version des Spiels lesen kann</translation>
    </message>
    <message>
        <source>the school&apos;s record server cannot be read (%1)</source>
        <translation>der Schulserver lässt sich nicht lesen (%1)</translation>
    </message>
    <message>
        <source>the school&apos;s record server refused the answers (%1)</source>
        <translation>der Schulserver hat die Antworten abgelehnt (%1)</translation>
    </message>
    <message>
        <source>answer_id is not a UUID</source>
        <translation>answer_id ist keine UUID</translation>
    </message>
    <message>
        <source>player is empty</source>
        <translation>player ist leer</translation>
    </message>
    <message>
        <source>played_at is not a date and time with its offset</source>
        <translation>played_at ist kein Datum mit Uhrzeit und Zeitzonen-Abstand</translation>
    </message>
    <message>
        <source>game is not a UUID</source>
        <translation>game ist keine UUID</translation>
    </message>
    <message>
        <source>turn, a, b or product is not a number in range</source>
        <translation>turn, a, b oder product ist keine Zahl im erlaubten Bereich</translation>
    </message>
    <message>
        <source>product is not a times b</source>
        <translation>product ist nicht a mal b</translation>
    </message>
    <message>
        <source>answered is not a number from 1 to 144</source>
        <translation>answered ist keine Zahl von 1 bis 144</translation>
    </message>
    <message>
        <source>outcome is not right, wrong or timeout</source>
        <translation>outcome ist nicht right, wrong oder timeout</translation>
    </message>
    <message>
        <source>answered and outcome do not agree</source>
        <translation>answered und outcome passen nicht zusammen</translation>
    </message>
    <message>
        <source>ms is not a number in range</source>
        <translation>ms ist keine Zahl im erlaubten Bereich</translation>
    </message>
    <message>
        <source>line 1: the file begins with two byte-order marks; save it again as UTF-8 with one (or none)</source>
        <translation>Zeile 1: die Datei beginnt mit zwei Byte-Order-Marks; speichern Sie sie erneut als UTF-8 mit einer (oder keiner)</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text; save it again as UTF-8</source>
        <translation>die Datei ist kein UTF-8-Text; speichern Sie sie erneut als UTF-8</translation>
    </message>
    <message>
        <source>line 1: the lines end in a carriage return alone; save it again with CR LF or LF line ends</source>
        <translation>Zeile 1: die Zeilen enden nur mit einem Wagenrücklauf; speichern Sie sie erneut mit CR-LF- oder LF-Zeilenenden</translation>
    </message>
    <message>
        <source>line 1: the header is not &quot;%1&quot;</source>
        <translation>Zeile 1: die Kopfzeile ist nicht „%1“</translation>
    </message>
    <message>
        <source>garbled quotes</source>
        <translation>verstümmelte Anführungszeichen</translation>
    </message>
    <message>
        <source>%1 fields instead of %2</source>
        <translation>%1 Felder statt %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1; answers are kept on this computer</source>
        <translation>%1; die Antworten bleiben auf diesem Computer</translation>
    </message>
    <message>
        <source>a school&apos;s record server is set, but Qt&apos;s PostgreSQL driver (Debian: libqt6sql6-psql) is not installed; answers are kept on this computer</source>
        <translation>ein Schulserver ist eingetragen, aber Qts PostgreSQL-Treiber (Debian: libqt6sql6-psql) ist nicht installiert; die Antworten bleiben auf diesem Computer</translation>
    </message>
    <message>
        <source>erased %1, a damaged copy of the record that held the forgotten name</source>
        <translation>%1 gelöscht, eine beschädigte Kopie des Übungshefts, die den vergessenen Namen enthielt</translation>
    </message>
    <message>
        <source>no practice record (%1); playing without one</source>
        <translation>kein Übungsheft (%1); es wird ohne gespielt</translation>
    </message>
    <message>
        <source>the practice record %1 cannot be written (%2); playing on without it</source>
        <translation>in das Übungsheft %1 kann nicht geschrieben werden (%2); es wird ohne weitergespielt</translation>
    </message>
    <message>
        <source>cannot keep the waiting answers in %1: %2</source>
        <translation>die wartenden Antworten können nicht in %1 aufbewahrt werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>added %n answers a game could not write while the practice record was locked</source>
        <translation>
            <numerusform>%n Antwort nachgetragen, die ein Spiel nicht schreiben konnte, solange das Übungsheft gesperrt war</numerusform>
            <numerusform>%n Antworten nachgetragen, die ein Spiel nicht schreiben konnte, solange das Übungsheft gesperrt war</numerusform>
        </translation>
    </message>
    <message>
        <source>the practice record %1 is locked by another program; the answers wait and are written once it is free</source>
        <translation>das Übungsheft %1 ist von einem anderen Programm gesperrt; die Antworten warten und werden geschrieben, sobald es frei ist</translation>
    </message>
    <message numerus="yes">
        <source>%n reports of this session were not written to the practice record %1</source>
        <translation>
            <numerusform>%n Meldung dieser Sitzung wurde nicht in das Übungsheft %1 geschrieben</numerusform>
            <numerusform>%n Meldungen dieser Sitzung wurden nicht in das Übungsheft %1 geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>the practice record was damaged; kept it as %1 and started a fresh one</source>
        <translation>das Übungsheft war beschädigt; es wurde als %1 aufbewahrt und ein neues begonnen</translation>
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
