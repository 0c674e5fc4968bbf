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
        <source>1 new fact known</source>
        <translation>1 Aufgabe neu gelernt</translation>
    </message>
    <message>
        <source>%1 new facts known</source>
        <translation>%1 Aufgaben neu gelernt</translation>
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
    <message>
        <source>%1: %2 of %3 right</source>
        <translation>%1: %2 von %3 richtig</translation>
    </message>
    <message>
        <source>%1,, %2 of %3 right</source>
        <translation>%1,, %2 von %3 richtig</translation>
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
