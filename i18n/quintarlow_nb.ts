<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%Ln try</source>
        <translation>
            <numerusform>%Ln forsøk</numerusform>
            <numerusform>%Ln forsøk</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tries</source>
        <translation>
            <numerusform>%Ln forsøk</numerusform>
            <numerusform>%Ln forsøk</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln knows it</source>
        <translation>
            <numerusform>%Ln kan det</numerusform>
            <numerusform>%Ln kan det</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln know it</source>
        <translation>
            <numerusform>%Ln kan det</numerusform>
            <numerusform>%Ln kan det</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln keeps missing it</source>
        <translation>
            <numerusform>%Ln bommer fortsatt</numerusform>
            <numerusform>%Ln bommer fortsatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln keep missing it</source>
        <translation>
            <numerusform>%Ln bommer fortsatt</numerusform>
            <numerusform>%Ln bommer fortsatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) keeps missing it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 av %Ln barn bommer fortsatt</numerusform>
            <numerusform>%1 × %2 = %3: %4 av %Ln barn bommer fortsatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) keep missing it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 av %Ln barn bommer fortsatt</numerusform>
            <numerusform>%1 × %2 = %3: %4 av %Ln barn bommer fortsatt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) is still learning it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 av %Ln barn lærer det ennå</numerusform>
            <numerusform>%1 × %2 = %3: %4 av %Ln barn lærer det ennå</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) are still learning it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 av %Ln barn lærer det ennå</numerusform>
            <numerusform>%1 × %2 = %3: %4 av %Ln barn lærer det ennå</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln answer(s) %1, %2 % right by %3.</source>
        <translation>
            <numerusform>%Ln svar fra %3 %1, %2 % riktige.</numerusform>
            <numerusform>%Ln svar fra %3 %1, %2 % riktige.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln child(ren)</source>
        <translation>
            <numerusform>%Ln barn</numerusform>
            <numerusform>%Ln barn</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln answer(s) %1, %2 % right.</source>
        <translation>
            <numerusform>%Ln svar %1, %2 % riktige.</numerusform>
            <numerusform>%Ln svar %1, %2 % riktige.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Played alone against the computer: %Ln game(s), %1 won.</source>
        <translation>
            <numerusform>Spilte alene mot datamaskinen: %Ln spill, %1 vunnet.</numerusform>
            <numerusform>Spilte alene mot datamaskinen: %Ln spill, %1 vunnet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Answers are kept for %Ln day(s), then deleted.</source>
        <translation>
            <numerusform>Svarene tas vare på i %Ln dag og slettes så.</numerusform>
            <numerusform>Svarene tas vare på i %Ln dager og slettes så.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forget %1? All %Ln answer(s) that %1 gave are deleted from the practice record on this computer. This cannot be undone.</source>
        <translation>
            <numerusform>Glemme %1? Alle %Ln svar fra %1 slettes fra øvingsboka på denne datamaskinen. Det kan ikke angres.</numerusform>
            <numerusform>Glemme %1? Alle %Ln svar fra %1 slettes fra øvingsboka på denne datamaskinen. Det kan ikke angres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln learning it</source>
        <translation>
            <numerusform>%Ln lærer det ennå</numerusform>
            <numerusform>%Ln lærer det ennå</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>The Computer</source>
        <translation>Datamaskinen</translation>
    </message>
    <message>
        <source>Red Player - Enter Name Here</source>
        <translation>Rød - skriv navnet ditt her</translation>
    </message>
    <message>
        <source>Blue Player - Enter Name Here</source>
        <translation>Blå - skriv navnet ditt her</translation>
    </message>
</context>
<context>
    <name>RecordTrouble</name>
    <message>
        <source>On %1 the game could not write the practice record (%2), so the answers played since then are not kept. Make room on the disk or let the game write to its folder, then play again.</source>
        <translation>%1 kunne ikke spillet skrive øvingsloggen (%2), så svarene som er spilt siden da, er ikke lagret. Lag plass på disken eller la spillet skrive i mappen sin, og spill så igjen.</translation>
    </message>
    <message>
        <source>d MMMM yyyy &apos;at&apos; HH:mm</source>
        <translation>d. MMMM yyyy &apos;kl.&apos; HH:mm</translation>
    </message>
    <message>
        <source>Quintarlow! is not keeping its practice record</source>
        <translation>Quintarlow! lagrer ikke øvingsloggen sin</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>welcome to quintarlow,, enter your names and we&apos;ll get started!</source>
        <translation>velkommen til quintarlow,, skriv inn navnene deres, så setter vi i gang!</translation>
    </message>
    <message>
        <source>FOUR IN A ROW,,ACROSS, UP AND DOWN OR DIAGONALLY WINS,, you have %1 seconds to answer,, blue goes FIRST</source>
        <translation>FIRE PÅ RAD,,VANNRETT, LODDRETT ELLER PÅ SKRÅ VINNER,, dere har %1 sekunder på å svare,, blå BEGYNNER</translation>
    </message>
    <message>
        <source>FOUR IN A ROW,,ACROSS, UP AND DOWN OR DIAGONALLY WINS,, blue has %1 seconds and red has %2 seconds to answer,, blue goes FIRST</source>
        <translation>FIRE PÅ RAD,,VANNRETT, LODDRETT ELLER PÅ SKRÅ VINNER,, blå har %1 sekunder og rød har %2 sekunder på å svare,, blå BEGYNNER</translation>
    </message>
    <message>
        <source>blue goes first</source>
        <translation>blå begynner</translation>
    </message>
    <message>
        <source>enter the players names</source>
        <translation>skriv inn navnene på spillerne</translation>
    </message>
    <message>
        <source>BLUE GOES FIRST</source>
        <translation>BLÅ BEGYNNER</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>RIKTIG</translation>
    </message>
    <message>
        <source>YOU WERE WRONG</source>
        <translation>DET VAR FEIL</translation>
    </message>
    <message>
        <source>WE HAVE A WINNER</source>
        <translation>VI HAR EN VINNER</translation>
    </message>
    <message>
        <source>Choose Option Below</source>
        <translation>Velg nedenfor</translation>
    </message>
    <message>
        <source>%1, times, %2</source>
        <translation>%1, ganger, %2</translation>
    </message>
    <message>
        <source>that is not a valid selection,, try again,, %1, times, %2</source>
        <translation>det er ikke et gyldig valg,, prøv igjen,, %1, ganger, %2</translation>
    </message>
    <message>
        <source>red,, generate your multipliers</source>
        <translation>rød,, trekk gangestykket ditt</translation>
    </message>
    <message>
        <source>blue,, generate your multipliers</source>
        <translation>blå,, trekk gangestykket ditt</translation>
    </message>
    <message>
        <source>%1, that is correct, red gets the square. , it is, blues turn</source>
        <translation>%1, det er riktig, rød får ruten. , nå er det, blå sin tur</translation>
    </message>
    <message>
        <source>%1, that is correct, blue gets the square. , it is, reds turn</source>
        <translation>%1, det er riktig, blå får ruten. , nå er det, rød sin tur</translation>
    </message>
    <message>
        <source>IT&apos;S RED&apos;s TURN</source>
        <translation>RØD SIN TUR</translation>
    </message>
    <message>
        <source>IT&apos;S BLUE&apos;s TURN</source>
        <translation>BLÅ SIN TUR</translation>
    </message>
    <message>
        <source>you are out of time.  the correct answer was,, %1, it is, REDs turn.</source>
        <translation>tiden er ute.  det riktige svaret var,, %1, nå er det, RØD sin tur.</translation>
    </message>
    <message>
        <source>you are out of time.  the correct answer was,, %1, it is, BLUEs turn.</source>
        <translation>tiden er ute.  det riktige svaret var,, %1, nå er det, BLÅ sin tur.</translation>
    </message>
    <message>
        <source>%1  that is wrong.  the correct answer was,, %2, it is, REDs turn.</source>
        <translation>%1  det er feil.  det riktige svaret var,, %2, nå er det, RØD sin tur.</translation>
    </message>
    <message>
        <source>%1  that is wrong.  the correct answer was,, %2, it is, BLUEs turn.</source>
        <translation>%1  det er feil.  det riktige svaret var,, %2, nå er det, BLÅ sin tur.</translation>
    </message>
    <message>
        <source>attention! attention! we have a winner! congratulations to the,, red, player</source>
        <translation>obs! obs! vi har en vinner! gratulerer til,, rød, spiller</translation>
    </message>
    <message>
        <source>attention! attention! we have a winner! congratulations to the,, blue, player</source>
        <translation>obs! obs! vi har en vinner! gratulerer til,, blå, spiller</translation>
    </message>
    <message>
        <source>every table learned</source>
        <translation>alle gangetabellene lært</translation>
    </message>
    <message>
        <source>learning the %1 times table</source>
        <translation>lærer %1-gangen</translation>
    </message>
    <message>
        <source>learning the %1s</source>
        <translation>lærer %1-gangen</translation>
    </message>
    <message>
        <source>practising the tables %1</source>
        <translation>øver på gangetabellene %1</translation>
    </message>
    <message numerus="yes">
        <source>%n new fact known</source>
        <translation>
            <numerusform>%n nytt gangestykke lært</numerusform>
            <numerusform>%n nye gangestykker lært</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new facts known</source>
        <translation>
            <numerusform>%n nytt gangestykke lært</numerusform>
            <numerusform>%n nye gangestykker lært</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 right</source>
        <translation>
            <numerusform>%1: %n av %2 riktig</numerusform>
            <numerusform>%1: %n av %2 riktige</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1,, %n of %2 right</source>
        <translation>
            <numerusform>%1,, %n av %2 riktig</numerusform>
            <numerusform>%1,, %n av %2 riktige</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Play in LANGUAGE (%1), not the desktop&apos;s.</source>
        <translation>Spill på språket LANGUAGE (%1), ikke skrivebordets.</translation>
    </message>
</context>
<context>
    <name>quintarlow::BoardWindow</name>
    <message>
        <source>Generate Multipliers</source>
        <translation>Trekk et gangestykke</translation>
    </message>
    <message>
        <source>FOUR IN A ROW - ACROSS, UP AND DOWN OR DIAGONALLY WINS.</source>
        <translation>FIRE PÅ RAD - VANNRETT, LODDRETT ELLER PÅ SKRÅ VINNER.</translation>
    </message>
    <message>
        <source>START NEW GAME</source>
        <translation>NYTT SPILL</translation>
    </message>
    <message>
        <source>QUIT GAME</source>
        <translation>AVSLUTT SPILLET</translation>
    </message>
    <message>
        <source>First factor, %1</source>
        <translation>Første faktor, %1</translation>
    </message>
    <message>
        <source>First factor, none drawn</source>
        <translation>Første faktor, ikke trukket ennå</translation>
    </message>
    <message>
        <source>Second factor, %1</source>
        <translation>Andre faktor, %1</translation>
    </message>
    <message>
        <source>Second factor, none drawn</source>
        <translation>Andre faktor, ikke trukket ennå</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ganger</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>%n sekund igjen</numerusform>
            <numerusform>%n sekunder igjen</numerusform>
        </translation>
    </message>
    <message>
        <source>Blue player, %1, to move</source>
        <translation>Blå spiller, %1, din tur</translation>
    </message>
    <message>
        <source>Blue player, %1</source>
        <translation>Blå spiller, %1</translation>
    </message>
    <message>
        <source>Red player, %1, to move</source>
        <translation>Rød spiller, %1, din tur</translation>
    </message>
    <message>
        <source>Red player, %1</source>
        <translation>Rød spiller, %1</translation>
    </message>
    <message>
        <source>Quintarlow! corner</source>
        <translation>Quintarlow!-hjørne</translation>
    </message>
    <message>
        <source>Cannot be chosen.</source>
        <translation>Kan ikke velges.</translation>
    </message>
    <message>
        <source>FREE square</source>
        <translation>FRI rute</translation>
    </message>
    <message>
        <source>Counts for both players in a line. Cannot be chosen.</source>
        <translation>Teller for begge spillerne på en rad. Kan ikke velges.</translation>
    </message>
    <message>
        <source>%1, Blue</source>
        <translation>%1, blå</translation>
    </message>
    <message>
        <source>%1, Red</source>
        <translation>%1, rød</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Er du sikker?</translation>
    </message>
    <message>
        <source>Start a New Game</source>
        <translation>Starte et nytt spill</translation>
    </message>
</context>
<context>
    <name>quintarlow::CommandText</name>
    <message>
        <source>Two-player spoken multiplication game: four in a line wins.</source>
        <translation>Snakkende gangespill for to: fire på rad vinner.</translation>
    </message>
    <message>
        <source>Open the Practice Record: which facts each player knows.</source>
        <translation>Åpne øvingsloggen: hvilke gangestykker hver spiller kan.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Uventet argument «%1».</translation>
    </message>
    <message>
        <source>%1 See quintarlow --help.</source>
        <translation>%1 Se quintarlow --help.</translation>
    </message>
    <message>
        <source>cannot open the practice record: %1. Nothing was changed. %2</source>
        <translation>kan ikke åpne øvingsloggen: %1. Ingenting ble endret. %2</translation>
    </message>
    <message>
        <source>%1; kept on this computer until it can be reached</source>
        <translation>%1; lagres på denne datamaskinen til den kan nås</translation>
    </message>
    <message>
        <source>%1; nor can the practice record on this computer be opened: %2. %3</source>
        <translation>%1; heller ikke øvingsloggen på denne datamaskinen kan åpnes: %2. %3</translation>
    </message>
    <message>
        <source>no pictures or sounds in %1; playing without them</source>
        <translation>ingen bilder eller lyder i %1; spiller uten dem</translation>
    </message>
    <message>
        <source>Print NAME&apos;s practice settings, or set them.</source>
        <translation>Vis øvingsinnstillingene til NAME, eller endre dem.</translation>
    </message>
    <message>
        <source>The tables NAME practises: like 3,4,6, or all (with --practice).</source>
        <translation>Gangetabellene NAME øver på: som 3,4,6, eller all (med --practice).</translation>
    </message>
    <message>
        <source>Ask NAME&apos;s missed facts again: on or off (with --practice).</source>
        <translation>Spør NAME igjen om gangestykkene som ble feil: on eller off (med --practice).</translation>
    </message>
    <message>
        <source>NAME follows a learning path over the tables: on or off (with --practice).</source>
        <translation>NAME følger en læringssti gjennom gangetabellene: on eller off (med --practice).</translation>
    </message>
    <message>
        <source>The seconds NAME has to answer, 20 to 90 (with --practice).</source>
        <translation>Sekundene NAME har til å svare, 20 til 90 (med --practice).</translation>
    </message>
    <message>
        <source>How well the computer plays NAME alone: easy, level (NAME&apos;s own) or hard (with --practice).</source>
        <translation>Hvor godt datamaskinen spiller mot NAME alene: easy, level (som NAME) eller hard (med --practice).</translation>
    </message>
    <message>
        <source>NAME is a new player, not yet in the record (with --practice).</source>
        <translation>NAME er en ny spiller, ikke i loggen ennå (med --practice).</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;</source>
        <translation>uventet: «%1»</translation>
    </message>
    <message>
        <source>--tables, --ask-missed, --path, --seconds and --opponent need --practice NAME</source>
        <translation>--tables, --ask-missed, --path, --seconds og --opponent trenger --practice NAME</translation>
    </message>
    <message>
        <source>--practice needs a player&apos;s name</source>
        <translation>--practice trenger navnet til en spiller</translation>
    </message>
    <message>
        <source>the name has %1 characters, more than %2; a player&apos;s name has at most %2 characters and no control or invisible ones</source>
        <translation>navnet har %1 tegn, mer enn %2; et navn har høyst %2 tegn og ingen kontrolltegn eller usynlige tegn</translation>
    </message>
    <message>
        <source>the name holds a control or invisible character (%1); a player&apos;s name has at most %2 characters and no control or invisible ones</source>
        <translation>navnet har et kontrolltegn eller et usynlig tegn (%1); et navn har høyst %2 tegn og ingen kontrolltegn eller usynlige tegn</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &quot;%2&quot;</source>
        <translation>--%1 tar on eller off, ikke «%2»</translation>
    </message>
    <message>
        <source>--seconds takes a number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--seconds tar et tall fra %1 til %2, ikke «%3»</translation>
    </message>
    <message>
        <source>--opponent takes easy, level or hard, not &quot;%1&quot;</source>
        <translation>--opponent tar easy, level eller hard, ikke «%1»</translation>
    </message>
    <message>
        <source>no practice record to keep settings in</source>
        <translation>ingen øvingslogg å lagre innstillingene i</translation>
    </message>
    <message>
        <source>the record has never seen %1: check the spelling, or add --new for a player who has not played yet</source>
        <translation>%1 finnes ikke i loggen: sjekk stavingen, eller legg til --new for en spiller som ikke har spilt ennå</translation>
    </message>
    <message>
        <source>could not keep the practice settings of %1</source>
        <translation>kunne ikke lagre øvingsinnstillingene til %1</translation>
    </message>
    <message>
        <source>cannot open the practice record: %1. %2. %3</source>
        <translation>kan ikke åpne øvingsloggen: %1. %2. %3</translation>
    </message>
    <message>
        <source>Nothing was changed</source>
        <translation>Ingenting ble endret</translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was exported; choose another file and try again.</source>
        <translation>kan ikke skrive %1: %2. Ingenting ble eksportert; velg en annen fil og prøv igjen.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln answer(s) to %1.</source>
        <translation>
            <numerusform>Eksporterte %Ln svar til %1.</numerusform>
            <numerusform>Eksporterte %Ln svar til %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read %1: it is %2, not a file; nothing imported. Import a CSV file the game exported.</source>
        <translation>kan ikke lese %1: det er %2, ikke en fil; ingenting importert. Importer en CSV-fil som spillet har eksportert.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>kan ikke lese %1: %2</translation>
    </message>
    <message>
        <source>%1 %2; nothing imported</source>
        <translation>%1 %2; ingenting importert</translation>
    </message>
    <message>
        <source>Nothing imported</source>
        <translation>Ingenting importert</translation>
    </message>
    <message>
        <source>cannot import %1: %2. Nothing imported.</source>
        <translation>kan ikke importere %1: %2. Ingenting importert.</translation>
    </message>
    <message numerus="yes">
        <source>Added %Ln answer(s), skipped %L1 already kept.</source>
        <translation>
            <numerusform>La til %Ln svar, hoppet over %L1 som allerede var lagret.</numerusform>
            <numerusform>La til %Ln svar, hoppet over %L1 som allerede var lagret.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every answer and game of %1 from the practice record? [y/N]</source>
        <translation>Slette alle svar og spill for %1 fra øvingsloggen? [y/N]</translation>
    </message>
    <message>
        <source>Nothing deleted.</source>
        <translation>Ingenting slettet.</translation>
    </message>
    <message>
        <source>cannot delete %1 from the practice record: it could not be changed. Nothing was deleted; close the game and try again.</source>
        <translation>kan ikke slette %1 fra øvingsloggen: den kunne ikke endres. Ingenting ble slettet; lukk spillet og prøv igjen.</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %Ln answer(s) of %1.</source>
        <translation>
            <numerusform>Slettet %Ln svar fra %1.</numerusform>
            <numerusform>Slettet %Ln svar fra %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>no school&apos;s record server is set in [record] (see the README, For schools)</source>
        <translation>ingen skoletjener er satt i [record] (se README, For schools)</translation>
    </message>
    <message>
        <source>--keep-days needs a number of days (0: until forgotten)</source>
        <translation>--keep-days trenger et antall dager (0: til det glemmes)</translation>
    </message>
    <message>
        <source>cannot set up the school&apos;s record server: %1</source>
        <translation>kan ikke sette opp skoletjeneren: %1</translation>
    </message>
    <message>
        <source>Write the practice record (or one player&apos;s part) as CSV.</source>
        <translation>Skriv øvingsloggen (eller delen til én spiller) som CSV.</translation>
    </message>
    <message>
        <source>With --export-record or --report: only this player.</source>
        <translation>Med --export-record eller --report: bare denne spilleren.</translation>
    </message>
    <message>
        <source>Add the answers of a CSV file exported on another computer.</source>
        <translation>Legg til svarene fra en CSV-fil eksportert på en annen datamaskin.</translation>
    </message>
    <message>
        <source>Delete a player&apos;s answers and games from the practice record.</source>
        <translation>Slett svarene og spillene til en spiller fra øvingsloggen.</translation>
    </message>
    <message>
        <source>With --forget-player: do not ask first.</source>
        <translation>Med --forget-player: ikke spør først.</translation>
    </message>
    <message>
        <source>Play without reading or writing the practice record.</source>
        <translation>Spill uten å lese eller skrive øvingsloggen.</translation>
    </message>
    <message>
        <source>Set up the school&apos;s record server named in [record]: tables, roles and their rights (run as the tables&apos; owner).</source>
        <translation>Sett opp skoletjeneren som er oppgitt i [record]: tabeller, roller og rettighetene deres (kjør som eier av tabellene).</translation>
    </message>
    <message>
        <source>With --setup-school-server: a role for each of these classes.</source>
        <translation>Med --setup-school-server: en rolle for hver av disse klassene.</translation>
    </message>
    <message>
        <source>Delete from the school&apos;s record server what it no longer keeps (run as the tables&apos; owner, from a timer).</source>
        <translation>Slett fra skoletjeneren det den ikke lenger tar vare på (kjør som eier av tabellene, fra en tidtaker).</translation>
    </message>
    <message>
        <source>With --setup-school-server: delete answers older than this (0: keep them until forgotten).</source>
        <translation>Med --setup-school-server: slett svar som er eldre enn dette (0: behold dem til de glemmes).</translation>
    </message>
    <message>
        <source>Move a child to another class on the school&apos;s record server, with their answers and settings (a teacher of both classes).</source>
        <translation>Flytt et barn til en annen klasse på skoletjeneren, med svarene og innstillingene (en lærer i begge klassene).</translation>
    </message>
    <message>
        <source>With --move-player: the class the child is in.</source>
        <translation>Med --move-player: klassen barnet går i.</translation>
    </message>
    <message>
        <source>With --move-player: the class the child moves to.</source>
        <translation>Med --move-player: klassen barnet flytter til.</translation>
    </message>
    <message>
        <source>--%1 needs a %2</source>
        <translation>--%1 trenger en %2</translation>
    </message>
    <message>
        <source>cannot expire answers on the school&apos;s record server: %1</source>
        <translation>kan ikke slette utløpte svar på skoletjeneren: %1</translation>
    </message>
    <message>
        <source>--move-player needs --from-class and --to-class</source>
        <translation>--move-player trenger --from-class og --to-class</translation>
    </message>
    <message>
        <source>cannot move a child on the school&apos;s record server: %1</source>
        <translation>kan ikke flytte barnet på skoletjeneren: %1</translation>
    </message>
    <message>
        <source>Write the practice record&apos;s report as a PDF (the class&apos;s, or --player&apos;s; with --all one per player into a folder).</source>
        <translation>Skriv rapporten fra øvingsloggen som PDF (klassens, eller for --player; med --all én per spiller i en mappe).</translation>
    </message>
    <message>
        <source>With --report: only the last N days.</source>
        <translation>Med --report: bare de siste N dagene.</translation>
    </message>
    <message>
        <source>With --report: from this day (YYYY-MM-DD).</source>
        <translation>Med --report: fra denne dagen (ÅÅÅÅ-MM-DD).</translation>
    </message>
    <message>
        <source>With --report: up to this day (YYYY-MM-DD).</source>
        <translation>Med --report: til og med denne dagen (ÅÅÅÅ-MM-DD).</translation>
    </message>
    <message>
        <source>With --report: the class sheet and every child&apos;s page in one PDF to print.</source>
        <translation>Med --report: klasseoversikten og siden til hvert barn i én PDF til utskrift.</translation>
    </message>
    <message>
        <source>Write the class sheet, a line per child, as CSV for a spreadsheet.</source>
        <translation>Skriv klasseoversikten, én linje per barn, som CSV for et regneark.</translation>
    </message>
    <message>
        <source>With --report: every player&apos;s report and the class&apos;s, each in a file of its own.</source>
        <translation>Med --report: rapporten for hver spiller og for klassen, hver i sin egen fil.</translation>
    </message>
    <message>
        <source>--report needs a FILE (or a FOLDER with --all)</source>
        <translation>--report trenger en FILE (eller en FOLDER med --all)</translation>
    </message>
    <message>
        <source>--all-in-one and --summary are of the whole class: leave out --all and --player</source>
        <translation>--all-in-one og --summary gjelder hele klassen: utelat --all og --player</translation>
    </message>
    <message>
        <source>--all writes every player&apos;s report: leave out --player</source>
        <translation>--all skriver rapporten for hver spiller: utelat --player</translation>
    </message>
    <message>
        <source>--days counts back from today: leave out --from and --to</source>
        <translation>--days teller bakover fra i dag: utelat --from og --to</translation>
    </message>
    <message>
        <source>--days needs a number of days, 1 or more, such as --days 30</source>
        <translation>--days trenger et antall dager, 1 eller flere, som --days 30</translation>
    </message>
    <message>
        <source>today</source>
        <translation>i dag</translation>
    </message>
    <message numerus="yes">
        <source>in the last %Ln day(s)</source>
        <translation>
            <numerusform>den siste dagen</numerusform>
            <numerusform>de siste %Ln dagene</numerusform>
        </translation>
    </message>
    <message>
        <source>--from and --to need days written as 2027-03-01, and --from is needed</source>
        <translation>--from og --to trenger dager skrevet som 2027-03-01, og --from må være med</translation>
    </message>
    <message>
        <source>--from must not come after --to</source>
        <translation>--from kan ikke komme etter --to</translation>
    </message>
    <message>
        <source>cannot open the practice record: %1. Nothing was written. %2</source>
        <translation>kan ikke åpne øvingsloggen: %1. Ingenting ble skrevet. %2</translation>
    </message>
    <message>
        <source>cannot read the practice record: %1. Nothing was written.</source>
        <translation>kan ikke lese øvingsloggen: %1. Ingenting ble skrevet.</translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was written; choose another file and try again.</source>
        <translation>kan ikke skrive %1: %2. Ingenting ble skrevet; velg en annen fil og prøv igjen.</translation>
    </message>
    <message>
        <source>Wrote %1.</source>
        <translation>Skrev %1.</translation>
    </message>
    <message>
        <source>nobody has played yet, so there is no report to write.</source>
        <translation>ingen har spilt ennå, så det er ingen rapport å skrive.</translation>
    </message>
    <message>
        <source>cannot write every report: %1. Choose another folder and try again.</source>
        <translation>kan ikke skrive alle rapportene: %1. Velg en annen mappe og prøv igjen.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %Ln report(s) into %1.</source>
        <translation>
            <numerusform>Skrev %Ln rapport i %1.</numerusform>
            <numerusform>Skrev %Ln rapporter i %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wayland session without XWayland (DISPLAY is not set); the game&apos;s windows may not keep their places</source>
        <translation>Wayland-økt uten XWayland (DISPLAY er ikke satt); spillets vinduer blir kanskje ikke på plassen sin</translation>
    </message>
</context>
<context>
    <name>quintarlow::CorrectAnswerPopup</name>
    <message>
        <source>Correct Answer</source>
        <translation>Riktig svar</translation>
    </message>
</context>
<context>
    <name>quintarlow::FactGridModel</name>
    <message>
        <source>%1 times</source>
        <translation>%1 ganger</translation>
    </message>
    <message>
        <source>times %1</source>
        <translation>ganger %1</translation>
    </message>
    <message>
        <source>Facts, rows the first factor, columns the second</source>
        <translation>Gangestykker, rader første faktor, kolonner andre</translation>
    </message>
</context>
<context>
    <name>quintarlow::FactWords</name>
    <message>
        <source>right</source>
        <comment>a try</comment>
        <translation>riktig</translation>
    </message>
    <message>
        <source>wrong</source>
        <comment>a try</comment>
        <translation>feil</translation>
    </message>
    <message>
        <source>timed out</source>
        <comment>a try</comment>
        <translation>for sent</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <comment>a fact</comment>
        <translation>ikke spurt ennå</translation>
    </message>
    <message>
        <source>known</source>
        <comment>a fact</comment>
        <translation>kan det</translation>
    </message>
    <message>
        <source>right but slow</source>
        <comment>a fact</comment>
        <translation>riktig, men sakte</translation>
    </message>
    <message>
        <source>missed</source>
        <comment>a fact</comment>
        <translation>bommet</translation>
    </message>
    <message>
        <source>%1 times %2: %3</source>
        <translation>%1 ganger %2: %3</translation>
    </message>
    <message>
        <source>%L1 right</source>
        <comment>tries</comment>
        <translation>%L1 riktige</translation>
    </message>
    <message>
        <source>%1; children: %2, %3, %4; %5, %6</source>
        <translation>%1; barn: %2, %3, %4; %5, %6</translation>
    </message>
    <message>
        <source>; missing it: %1</source>
        <translation>; bommer: %1</translation>
    </message>
    <message>
        <source>usually answered in %1 seconds</source>
        <translation>som regel svart på %1 sekunder</translation>
    </message>
    <message>
        <source>last %L1: %2</source>
        <translation>siste %L1: %2</translation>
    </message>
    <message>
        <source>%1 and %L2 more</source>
        <translation>%1 og %L2 til</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a fact and who misses it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>this week</source>
        <translation>denne uka</translation>
    </message>
    <message>
        <source>in the last 30 days</source>
        <translation>de siste 30 dagene</translation>
    </message>
    <message>
        <source>this term</source>
        <translation>dette halvåret</translation>
    </message>
    <message>
        <source>this school year</source>
        <translation>dette skoleåret</translation>
    </message>
    <message>
        <source>since the first game</source>
        <translation>siden første spill</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a date&apos;s format</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>on %1</source>
        <comment>a day</comment>
        <translation>den %1</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>fra %1 til %2</translation>
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
        <translation>raskere</translation>
    </message>
    <message>
        <source>slower</source>
        <comment>answers</comment>
        <translation>saktere</translation>
    </message>
    <message>
        <source>same</source>
        <comment>answers&apos; speed</comment>
        <translation>likt</translation>
    </message>
    <message>
        <source>Too few right answers %1 to say whether answers get faster.</source>
        <translation>For få riktige svar %1 til å si om svarene går raskere.</translation>
    </message>
    <message>
        <source>Answers got faster %1: %2 s → %3 s.</source>
        <translation>Svarene ble raskere %1: %2 s → %3 s.</translation>
    </message>
    <message>
        <source>Answers got slower %1: %2 s → %3 s.</source>
        <translation>Svarene ble saktere %1: %2 s → %3 s.</translation>
    </message>
    <message>
        <source>Answers stayed about as fast %1: %2 s → %3 s.</source>
        <translation>Svarene gikk omtrent like fort %1: %2 s → %3 s.</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: missed its only try</source>
        <translation>%1 × %2 = %3: feil på eneste forsøk</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: right once so far, in %4 seconds</source>
        <translation>%1 × %2 = %3: riktig én gang så langt, på %4 sekunder</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: missed %4 of the last %5</source>
        <translation>%1 × %2 = %3: feil på %4 av de siste %5</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: right %4 of the last %4, usually in %5 seconds</source>
        <translation>%1 × %2 = %3: riktig de siste %4, som regel på %5 sekunder</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: right %4 of the last %4</source>
        <translation>%1 × %2 = %3: riktig de siste %4</translation>
    </message>
</context>
<context>
    <name>quintarlow::MediaWords</name>
    <message>
        <source>Quintarlow!: the sound %1 is missing or damaged; a short beep plays instead.</source>
        <translation>Quintarlow!: lyden %1 mangler eller er skadet; et kort pip spilles i stedet.</translation>
    </message>
    <message>
        <source>eSpeak NG has no voice for &quot;%1&quot; (install the package espeak-ng-data)</source>
        <translation>eSpeak NG har ingen stemme for «%1» (installer pakken espeak-ng-data)</translation>
    </message>
    <message>
        <source>Speech: %1; the game shows its texts and stays silent.</source>
        <translation>Tale: %1; spillet viser tekstene og er stille.</translation>
    </message>
    <message>
        <source>Quintarlow!: the picture %1 is missing or damaged; the game goes on without it.</source>
        <translation>Quintarlow!: bildet %1 mangler eller er skadet; spillet fortsetter uten det.</translation>
    </message>
    <message>
        <source>eSpeak NG is not installed (install the package libespeak-ng1)</source>
        <translation>eSpeak NG er ikke installert (installer pakken libespeak-ng1)</translation>
    </message>
</context>
<context>
    <name>quintarlow::NameEntry</name>
    <message>
        <source>%1 CHARACTERS MAX</source>
        <translation>HØYST %1 TEGN</translation>
    </message>
    <message>
        <source>The Red player&apos;s name has %1 characters, more than %2.<byte value="xd"/>
Please type it again.</source>
        <translation>Navnet til rød spiller har %1 tegn, mer enn %2.<byte value="xd"/>
Skriv det på nytt.</translation>
    </message>
    <message>
        <source>The Blue player&apos;s name has %1 characters, more than %2.<byte value="xd"/>
Please type it again.</source>
        <translation>Navnet til blå spiller har %1 tegn, mer enn %2.<byte value="xd"/>
Skriv det på nytt.</translation>
    </message>
    <message>
        <source>START PLAYING</source>
        <translation>LA OSS SPILLE!</translation>
    </message>
    <message>
        <source>Play against the computer</source>
        <translation>Spill mot datamaskinen</translation>
    </message>
    <message>
        <source>Red is a guest (not recorded)</source>
        <translation>Rød er gjest (lagres ikke)</translation>
    </message>
    <message>
        <source>Red is a guest, not recorded</source>
        <translation>Rød er gjest, lagres ikke</translation>
    </message>
    <message>
        <source>Red player&apos;s name</source>
        <translation>Navnet til rød spiller</translation>
    </message>
    <message>
        <source>Blue player&apos;s name</source>
        <translation>Navnet til blå spiller</translation>
    </message>
    <message>
        <source>WELCOME</source>
        <translation>VELKOMMEN</translation>
    </message>
    <message>
        <source>The same name cannot be entered for both players!<byte value="xd"/>
please enter another name, or play against the computer.</source>
        <translation>Begge spillerne kan ikke ha samme navn!<byte value="xd"/>
Skriv et annet navn, eller spill mot datamaskinen.</translation>
    </message>
    <message>
        <source>A name must be entered for the Blue player!<byte value="xd"/>
please retry.</source>
        <translation>Blå spiller må skrive navnet sitt!<byte value="xd"/>
Prøv igjen.</translation>
    </message>
    <message>
        <source>Names must be entered for both players!<byte value="xd"/>
please retry.</source>
        <translation>Begge spillerne må skrive navnet sitt!<byte value="xd"/>
Prøv igjen.</translation>
    </message>
    <message>
        <source>The Red player&apos;s name holds a control or invisible character (%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Navnet til rød spiller har et kontrolltegn eller et usynlig tegn (%1).<byte value="xd"/>
Skriv det på nytt.</translation>
    </message>
    <message>
        <source>The Blue player&apos;s name holds a control or invisible character (%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Navnet til blå spiller har et kontrolltegn eller et usynlig tegn (%1).<byte value="xd"/>
Skriv det på nytt.</translation>
    </message>
</context>
<context>
    <name>quintarlow::NameWords</name>
    <message>
        <source>player holds a control or invisible character (%1)</source>
        <translation>player inneholder et kontrolltegn eller usynlig tegn (%1)</translation>
    </message>
    <message>
        <source>player has %1 characters, more than %2</source>
        <translation>player har %1 tegn, mer enn %2</translation>
    </message>
    <message>
        <source>“%1” is a child of more than one class: “%2”. Name one of them as shown and try again.</source>
        <translation>«%1» er et barn i mer enn én klasse: «%2». Oppgi ett av dem slik det vises, og prøv igjen.</translation>
    </message>
    <message>
        <source>nobody called “%1” is in the practice record.</source>
        <translation>ingen som heter «%1» står i øvingsboka.</translation>
    </message>
    <message>
        <source> Did you mean “%1”? Check the spelling and try again.</source>
        <translation> Mente du «%1»? Sjekk stavemåten og prøv igjen.</translation>
    </message>
    <message>
        <source> Nobody has played yet.</source>
        <translation> Ingen har spilt ennå.</translation>
    </message>
    <message>
        <source> The players are “%1” and %L2 more. Check the spelling and try again.</source>
        <translation> Spillerne er «%1» og %L2 til. Sjekk stavemåten og prøv igjen.</translation>
    </message>
    <message>
        <source> The players are “%1”. Check the spelling and try again.</source>
        <translation> Spillerne er «%1». Sjekk stavemåten og prøv igjen.</translation>
    </message>
</context>
<context>
    <name>quintarlow::PathWords</name>
    <message>
        <source>%1 knows %2 of 144 facts</source>
        <translation>%1 kan %2 av 144 gangestykker</translation>
    </message>
    <message>
        <source>%1 knows %2 of 144 facts; this week %1 learned %3</source>
        <translation>%1 kan %2 av 144 gangestykker; denne uken har %1 lært %3</translation>
    </message>
    <message>
        <source>%1 knows %2 of 144 facts; to practise again today: %3</source>
        <translation>%1 kan %2 av 144 gangestykker; å øve på igjen i dag: %3</translation>
    </message>
    <message>
        <source>%1 knows %2 of 144 facts; this week %1 learned %3; to practise again today: %4</source>
        <translation>%1 kan %2 av 144 gangestykker; denne uken har %1 lært %3; å øve på igjen i dag: %4</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more</source>
        <translation>
            <numerusform>%1 og %n til</numerusform>
            <numerusform>%1 og %n til</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quintarlow::PlayerList</name>
    <message>
        <source>%1, has practice settings of their own</source>
        <translation>%1, har egne øvingsinnstillinger</translation>
    </message>
    <message>
        <source>Has practice settings of their own</source>
        <translation>Har egne øvingsinnstillinger</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spillere</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Svar</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Riktige</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Bommer</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Knows</source>
        <translation>Kan</translation>
    </message>
    <message>
        <source>Usually</source>
        <translation>Vanligvis</translation>
    </message>
    <message>
        <source>To practise</source>
        <translation>Å øve på</translation>
    </message>
    <message>
        <source>Moved on</source>
        <translation>Framgang</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Sist spilt</translation>
    </message>
    <message>
        <source>How many answers in the period shown</source>
        <translation>Hvor mange svar i perioden som vises</translation>
    </message>
    <message>
        <source>How many facts the player keeps missing at the end of the period shown</source>
        <translation>Hvor mange gangestykker barnet fortsatt bommer på ved slutten av perioden</translation>
    </message>
    <message>
        <source>Whether right answers got faster or slower in the period shown; slower first</source>
        <translation>Om riktige svar gikk raskere eller saktere i perioden; saktere først</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spillere</translation>
    </message>
    <message>
        <source>d MMM yy</source>
        <comment>a date&apos;s format</comment>
        <translation>d.M.yy</translation>
    </message>
    <message>
        <source>Class</source>
        <comment>the row of the whole class</comment>
        <translation>Klassen</translation>
    </message>
</context>
<context>
    <name>quintarlow::PracticeEditor</name>
    <message>
        <source>Practice settings</source>
        <translation>Øvingsinnstillinger</translation>
    </message>
    <message>
        <source>&amp;Tables:</source>
        <translation>&amp;Gangetabeller:</translation>
    </message>
    <message>
        <source>The %1s</source>
        <translation>%1-gangen</translation>
    </message>
    <message>
        <source>Practise the %1s</source>
        <translation>Øv på %1-gangen</translation>
    </message>
    <message>
        <source>&amp;All tables</source>
        <translation>&amp;Alle gangetabeller</translation>
    </message>
    <message>
        <source>All tables</source>
        <translation>Alle gangetabeller</translation>
    </message>
    <message>
        <source>Every table from 1 to 12, as in any game</source>
        <translation>Alle gangetabeller fra 1 til 12, som i ethvert spill</translation>
    </message>
    <message>
        <source>Ask again what I &amp;miss</source>
        <translation>Spør igjen om det jeg &amp;bommer på</translation>
    </message>
    <message>
        <source>Ask again what I miss</source>
        <translation>Spør igjen om det jeg bommer på</translation>
    </message>
    <message>
        <source>Follow the learning pat&amp;h</source>
        <translation>Følg &amp;læringsstien</translation>
    </message>
    <message>
        <source>Follow the learning path</source>
        <translation>Følg læringsstien</translation>
    </message>
    <message>
        <source>A few new facts at a time among known ones, each known fact back on its day of review, the tables in the order they build on each other (or the tables chosen)</source>
        <translation>Noen få nye gangestykker om gangen blant de kjente, hvert kjent stykke kommer tilbake på repetisjonsdagen sin, gangetabellene i den rekkefølgen de bygger på hverandre (eller de valgte)</translation>
    </message>
    <message>
        <source>Time to a&amp;nswer:</source>
        <translation>&amp;Tid til å svare:</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> sekunder</translation>
    </message>
    <message>
        <source>Time to answer</source>
        <translation>Tid til å svare</translation>
    </message>
    <message>
        <source>The seconds this child has for each question; the other player keeps their own</source>
        <translation>Sekundene dette barnet har på hvert spørsmål; den andre spilleren beholder sine</translation>
    </message>
    <message>
        <source>The &amp;computer plays:</source>
        <translation>&amp;Datamaskinen spiller:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lett</translation>
    </message>
    <message>
        <source>At the child&apos;s level</source>
        <translation>På barnets nivå</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Vanskelig</translation>
    </message>
    <message>
        <source>The computer plays</source>
        <translation>Datamaskinen spiller</translation>
    </message>
    <message>
        <source>When this child plays alone: easy is right about half the time and slow, hard nine times in ten and quick, the child&apos;s level as often as the child was in their last 50 answers</source>
        <translation>Når dette barnet spiller alene: lett svarer riktig omtrent halvparten av gangene og sakte, vanskelig ni av ti ganger og raskt, barnets nivå like ofte som barnet i de siste 50 svarene</translation>
    </message>
    <message>
        <source>The practice settings of %1 could not be saved: the record could not be changed. Close the window and try again; if it keeps failing, see the README, Practice record.</source>
        <translation>Øvingsinnstillingene til %1 kunne ikke lagres: øvingsboka kunne ikke endres. Lukk vinduet og prøv igjen; hvis det fortsatt ikke går, se README, Practice record.</translation>
    </message>
    <message>
        <source>Practice Settings</source>
        <translation>Øvingsinnstillinger</translation>
    </message>
    <message>
        <source>Settings are made for one player: choose a player above.</source>
        <translation>Innstillinger gjelder én spiller: velg en spiller over.</translation>
    </message>
    <message>
        <source>Every table from 1 to 12, as in any game. Changes count from the next game.</source>
        <translation>Alle gangetabeller fra 1 til 12, som i ethvert spill. Endringer gjelder fra neste spill.</translation>
    </message>
    <message>
        <source> Changes count from the next game.</source>
        <translation> Endringer gjelder fra neste spill.</translation>
    </message>
</context>
<context>
    <name>quintarlow::PracticeWords</name>
    <message>
        <source>the list of tables is empty (give tables like 3,4,6 or all)</source>
        <translation>lista over gangetabeller er tom (oppgi tabeller som 3,4,6 eller all)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has an empty entry</source>
        <translation>«%1» har en tom oppføring</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a table from 1 to 12</source>
        <translation>«%1» er ikke en gangetabell fra 1 til 12</translation>
    </message>
    <message>
        <source>following the learning path</source>
        <translation>følger læringsstien</translation>
    </message>
    <message>
        <source>following the learning path over %1</source>
        <translation>følger læringsstien over %1</translation>
    </message>
    <message>
        <source>practising %1</source>
        <translation>øver på %1</translation>
    </message>
    <message>
        <source>missed facts asked again</source>
        <translation>bommede stykker spørres igjen</translation>
    </message>
    <message>
        <source>%1 seconds to answer</source>
        <translation>%1 sekunder på å svare</translation>
    </message>
    <message>
        <source>an easy computer</source>
        <translation>en lett datamaskin</translation>
    </message>
    <message>
        <source>a hard computer</source>
        <translation>en vanskelig datamaskin</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list</comment>
        <translation>%1 og %2</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>a times table: the 7s</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>the %1</source>
        <comment>times tables</comment>
        <translation>gangetabellene %1</translation>
    </message>
</context>
<context>
    <name>quintarlow::ProgressWindow</name>
    <message>
        <source>Knows %1 of 144 facts; %2 being learned, %3 new.</source>
        <translation>Kan %1 av 144 gangestykker; %2 læres nå, %3 nye.</translation>
    </message>
    <message>
        <source>Every table of the path is learned.</source>
        <translation>Alle gangetabellene på stien er lært.</translation>
    </message>
    <message>
        <source>Learning the %1s, the last table of the path.</source>
        <translation>Lærer %1-gangen, den siste på stien.</translation>
    </message>
    <message>
        <source>Learning the %1s; the %2s come next.</source>
        <translation>Lærer %1-gangen; så kommer %2-gangen.</translation>
    </message>
    <message>
        <source>Nothing to practise again today.</source>
        <translation>Ingenting å øve på igjen i dag.</translation>
    </message>
    <message>
        <source>To practise again today: %1.</source>
        <translation>Å øve på igjen i dag: %1.</translation>
    </message>
    <message>
        <source>Practice Record</source>
        <translation>Øvingsbok</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <comment>a date&apos;s format</comment>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>The term began on</source>
        <translation>Halvåret begynte</translation>
    </message>
    <message>
        <source>The day this term began</source>
        <translation>Dagen dette halvåret begynte</translation>
    </message>
    <message>
        <source>&amp;Known when right within</source>
        <translation>&amp;Kan det når riktig innen</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 sekunder</translation>
    </message>
    <message>
        <source>Known when right within</source>
        <translation>Kan det når riktig innen</translation>
    </message>
    <message>
        <source>&amp;Save Report…</source>
        <translation>&amp;Lagre rapport…</translation>
    </message>
    <message>
        <source>Save A&amp;ll…</source>
        <translation>Lagre &amp;alle…</translation>
    </message>
    <message>
        <source>Every player&apos;s report and the class&apos;s, each a PDF of its own in one folder</source>
        <translation>Rapporten til hver spiller og klassens, hver sin PDF i én mappe</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>Skriv &amp;ut…</translation>
    </message>
    <message>
        <source>&amp;Forget player…</source>
        <translation>&amp;Glem spiller…</translation>
    </message>
    <message>
        <source>Facts to practise</source>
        <translation>Å øve på</translation>
    </message>
    <message>
        <source>Share right and usual time per day</source>
        <translation>Andel riktige og vanlig tid per dag</translation>
    </message>
    <message>
        <source>The practice record could not be read, so there is nothing to show. Nothing in it was changed or deleted.%1

%2</source>
        <translation>Øvingsboka kunne ikke leses, så det er ingenting å vise. Ingenting i den ble endret eller slettet.%1

%2</translation>
    </message>
    <message>
        <source>Nobody has played yet.

The record fills by itself: every answer in a game of Quintarlow! is kept here. Play a game, then open the Practice Record again to see which facts each player knows.</source>
        <translation>Ingen har spilt ennå.

Boka fyller seg selv: hvert svar i et spill Quintarlow! tas vare på her. Spill et spill, og åpne så øvingsboka igjen for å se hvilke gangestykker hver spiller kan.</translation>
    </message>
    <message>
        <source>Each child is judged on their own answers: a cell has the colour most children show, its number how many keep missing it. </source>
        <translation>Hvert barn vurderes ut fra egne svar: en rute har fargen de fleste barna har, tallet hvor mange som fortsatt bommer. </translation>
    </message>
    <message>
        <source>A cell&apos;s number: the seconds its right answers usually take in its last three tries, which its colour is judged on. An orange star: practice settings of their own. </source>
        <translation>Tallet i en rute: sekundene riktige svar vanligvis tar i de tre siste forsøkene, som fargen vurderes ut fra. En oransje stjerne: egne øvingsinnstillinger. </translation>
    </message>
    <message>
        <source>Rows: first factor; columns: second. Colours: where each fact stood at the period&apos;s end, even from tries before it.</source>
        <translation>Rader: første faktor; kolonner: andre. Farger: hvordan hvert stykke sto ved periodens slutt, også fra tidligere forsøk.</translation>
    </message>
    <message>
        <source>Facts most children miss</source>
        <translation>Det flest bommer på</translation>
    </message>
    <message>
        <source>None: every fact asked lately is known.</source>
        <translation>Ingenting: alle stykker spurt i det siste kan barnet.</translation>
    </message>
    <message>
        <source>Bars: the share right. Line: the seconds right answers usually took; lower is faster. </source>
        <translation>Søyler: andelen riktige. Linje: sekundene riktige svar vanligvis tok; lavere er raskere. </translation>
    </message>
    <message>
        <source>Moving on</source>
        <translation>Framgang</translation>
    </message>
    <message>
        <source>Learning path, from all answers</source>
        <translation>Læringssti, fra alle svar</translation>
    </message>
    <message>
        <source>Learning path</source>
        <translation>Læringssti</translation>
    </message>
    <message>
        <source>Not on the learning path: tick &quot;Follow the learning path&quot; under Practice settings.</source>
        <translation>Ikke på læringsstien: kryss av for «Følg læringsstien» under Øvingsinnstillinger.</translation>
    </message>
    <message>
        <source>The report could not be saved: %1. Choose another folder and try again.</source>
        <translation>Rapporten kunne ikke lagres: %1. Velg en annen mappe og prøv igjen.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Lagre rapport</translation>
    </message>
    <message>
        <source>Practice Records</source>
        <translation>Øvingsbøker</translation>
    </message>
    <message>
        <source>Not every report could be saved: %1. Choose another folder and try again.</source>
        <translation>Ikke alle rapportene kunne lagres: %1. Velg en annen mappe og prøv igjen.</translation>
    </message>
    <message>
        <source>Save All Reports</source>
        <translation>Lagre alle rapporter</translation>
    </message>
    <message>
        <source>Forget Player</source>
        <translation>Glem spiller</translation>
    </message>
    <message>
        <source>%1 could not be forgotten: the record could not be changed. Nothing was deleted; close the window and try again.</source>
        <translation>%1 kunne ikke glemmes: øvingsboka kunne ikke endres. Ingenting ble slettet; lukk vinduet og prøv igjen.</translation>
    </message>
</context>
<context>
    <name>quintarlow::ProgressWords</name>
    <message>
        <source>The whole class</source>
        <translation>Hele klassen</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nei</translation>
    </message>
    <message>
        <source>too soon</source>
        <translation>for tidlig</translation>
    </message>
    <message>
        <source>not played</source>
        <translation>ikke spilt</translation>
    </message>
    <message>
        <source>knows all</source>
        <translation>kan alle</translation>
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
        <translation>for få</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Barn</translation>
    </message>
    <message>
        <source>Knows (of 144)</source>
        <translation>Kan (av 144)</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Svar</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Riktige</translation>
    </message>
    <message>
        <source>Usually answers in</source>
        <translation>Svarer vanligvis på</translation>
    </message>
    <message>
        <source>Answer times</source>
        <translation>Svartider</translation>
    </message>
    <message>
        <source>To practise</source>
        <translation>Å øve på</translation>
    </message>
    <message>
        <source>Moved on, last two weeks</source>
        <translation>Framgang siste 2 uker</translation>
    </message>
    <message>
        <source>Knows %L1 of 144 facts.</source>
        <translation>Kan %L1 av 144 gangestykker.</translation>
    </message>
    <message>
        <source>No answers %1.</source>
        <translation>Ingen svar %1.</translation>
    </message>
    <message>
        <source>Nothing to practise: every fact asked lately is known.</source>
        <translation>Ingenting å øve på: alle stykker spurt i det siste kan barnet.</translation>
    </message>
    <message>
        <source>Practise %1.</source>
        <translation>Øv på %1.</translation>
    </message>
    <message>
        <source>Every child who played in the last two weeks moved on: a fact became known to each.</source>
        <translation>Hvert barn som har spilt de siste to ukene har hatt framgang: hvert kan et nytt gangestykke.</translation>
    </message>
    <message>
        <source>Not moved on for two weeks (played, and no fact became known): %1.</source>
        <translation>Ingen framgang på to uker (har spilt, men kan ikke noe nytt stykke): %1.</translation>
    </message>
    <message>
        <source>Known: right within %1 s in 2 of the last 3 tries. Usually: the middle time of right answers.</source>
        <translation>Kan det: riktig innen %1 s i 2 av de 3 siste forsøkene. Vanligvis: midterste tid for riktige svar.</translation>
    </message>
    <message>
        <source>No play %1</source>
        <translation>Ikke spilt %1</translation>
    </message>
    <message>
        <source>Day by day, %1</source>
        <translation>Dag for dag, %1</translation>
    </message>
    <message>
        <source>Week by week, %1</source>
        <translation>Uke for uke, %1</translation>
    </message>
    <message>
        <source>Practice Record - %1.pdf</source>
        <translation>Øvingsbok - %1.pdf</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klassen</translation>
    </message>
    <message>
        <source>right (%)</source>
        <translation>riktige (%)</translation>
    </message>
    <message>
        <source>time (s)</source>
        <translation>tid (s)</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a date&apos;s format</comment>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>The class, child by child, %1</source>
        <translation>Klassen, barn for barn, %1</translation>
    </message>
    <message>
        <source>Quintarlow! Practice Record</source>
        <translation>Quintarlow! Øvingsbok</translation>
    </message>
    <message>
        <source>Answers from %1 to %2. </source>
        <translation>Svar fra %1 til %2. </translation>
    </message>
    <message>
        <source>A cell&apos;s colour is what most children show; its number, how many keep missing it.</source>
        <translation>Fargen i en rute er den de fleste barna har; tallet, hvor mange som fortsatt bommer.</translation>
    </message>
    <message>
        <source>The number in a cell: the seconds its right answers usually take, of its last three tries.</source>
        <translation>Tallet i en rute: vanlig tid for riktige svar i sekunder (tre siste forsøk).</translation>
    </message>
    <message>
        <source>Facts most children miss</source>
        <translation>Det flest bommer på</translation>
    </message>
    <message>
        <source>Facts to practise</source>
        <translation>Å øve på</translation>
    </message>
    <message>
        <source>None: every fact asked lately is known.</source>
        <translation>Ingenting: alle stykker spurt i det siste kan barnet.</translation>
    </message>
    <message>
        <source>Practice Record: %1</source>
        <translation>Øvingsbok: %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>mappen %1 kan ikke lages</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Lagre rapport</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-dokumenter (*.pdf)</translation>
    </message>
    <message>
        <source>Save All Reports In</source>
        <translation>Lagre alle rapporter i</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Skriv ut rapport</translation>
    </message>
    <message>
        <source>✓ green: known, right at least 2 of the last 3 times, each within %1 s</source>
        <translation>✓ grønn: kan det, riktig minst 2 av de 3 siste gangene, hver innen %1 s</translation>
    </message>
    <message>
        <source>~ yellow, dotted: right but slow, or not yet right twice</source>
        <translation>~ gul, prikket: riktig, men sakte, eller ikke riktig to ganger ennå</translation>
    </message>
    <message>
        <source>✗ red, striped: missed, wrong or too late more often than right</source>
        <translation>✗ rød, stripete: oftere feil eller for sent enn riktig</translation>
    </message>
    <message>
        <source>white: not asked yet</source>
        <translation>hvit: ikke spurt ennå</translation>
    </message>
</context>
<context>
    <name>quintarlow::RecordWords</name>
    <message>
        <source>the record holds an answer (%1) with the unknown outcome &quot;%2&quot;</source>
        <translation>boka har et svar (%1) med det ukjente utfallet «%2»</translation>
    </message>
    <message>
        <source>no id read</source>
        <translation>ingen id lest</translation>
    </message>
    <message>
        <source>The settings are kept in /etc/xdg/quintarlow/quintarlow.conf and ~/.config/quintarlow/quintarlow.conf.</source>
        <translation>Innstillingene ligger i /etc/xdg/quintarlow/quintarlow.conf og ~/.config/quintarlow/quintarlow.conf.</translation>
    </message>
    <message>
        <source>See the README, For schools.</source>
        <translation>Se README, For schools.</translation>
    </message>
    <message>
        <source>the record is at version %1, newer than this program knows (%2)</source>
        <translation>boka har versjon %1, nyere enn dette programmet kjenner (%2)</translation>
    </message>
    <message>
        <source>the record&apos;s tables cannot be set up: %1</source>
        <translation>tabellene i boka kan ikke settes opp: %1</translation>
    </message>
    <message>
        <source>the record&apos;s version cannot be read</source>
        <translation>versjonen til boka kan ikke leses</translation>
    </message>
    <message>
        <source>the record&apos;s write-ahead log could not be emptied while another program reads the record</source>
        <translation>boka sin write-ahead-logg kunne ikke tømmes mens et annet program leser den</translation>
    </message>
    <message>
        <source>locked by another program for more than %1 s</source>
        <translation>låst av et annet program i mer enn %1 s</translation>
    </message>
    <message>
        <source>Try again once the other program (a game, an import, a backup) is done with it.</source>
        <translation>Prøv igjen når det andre programmet (et spill, en import, en sikkerhetskopi) er ferdig.</translation>
    </message>
    <message>
        <source>damaged and cannot be moved aside</source>
        <translation>skadet og kan ikke flyttes unna</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>skadet</translation>
    </message>
    <message>
        <source>no write-ahead log: %1</source>
        <translation>ingen write-ahead-logg: %1</translation>
    </message>
    <message>
        <source>it is a practice record of a newer version of Quintarlow! (its version %1; this one knows up to %2)</source>
        <translation>det er en øvingsbok fra en nyere versjon av Quintarlow! (versjon %1; denne kjenner opp til %2)</translation>
    </message>
    <message>
        <source>Use the newer Quintarlow! that wrote it (its --export-record writes a file this version imports), or move the file aside to start a fresh record.</source>
        <translation>Bruk den nyere Quintarlow! som skrev den (dens --export-record skriver en fil denne versjonen importerer), eller flytt filen unna for å begynne en ny bok.</translation>
    </message>
    <message>
        <source>it is another program&apos;s SQLite database (tables %1), not a practice record</source>
        <translation>det er et annet programs SQLite-database (tabeller %1), ikke en øvingsbok</translation>
    </message>
    <message>
        <source>Move that file out of the folder %1 (the game then starts a fresh record there), or put the practice record back.</source>
        <translation>Flytt den filen ut av mappen %1 (spillet begynner da en ny bok der), eller legg øvingsboka tilbake.</translation>
    </message>
    <message>
        <source>the record server&apos;s settings in [record] hold a password key, which the game refuses to use: remove that line and put the password in the file named by passfile= (see the README, For schools)</source>
        <translation>serverinnstillingene under [record] har en password-nøkkel, som spillet nekter å bruke: fjern linjen og legg passordet i filen passfile= peker på (se README, For schools)</translation>
    </message>
    <message>
        <source>the record server&apos;s settings in [record] hold a port= that is not a port number (1 to 65535): correct it (see the README, For schools)</source>
        <translation>serverinnstillingene under [record] har en port= som ikke er et portnummer (1 til 65535): rett det (se README, For schools)</translation>
    </message>
    <message>
        <source>the record server&apos;s settings in [record] hold an sslmode= that is none of %1: correct it (see the README, For schools)</source>
        <translation>serverinnstillingene under [record] har en sslmode= som ikke er noen av %1: rett det (se README, For schools)</translation>
    </message>
    <message>
        <source>the file named by passfile= in [record] is ignored, since others than its owner may read it (PostgreSQL takes only a file of mode 0600): make it private with chmod 600</source>
        <translation>filen passfile= under [record] peker på, blir oversett, fordi andre enn eieren kan lese den (PostgreSQL tar bare en fil med modus 0600): gjør den privat med chmod 600</translation>
    </message>
    <message>
        <source>the school&apos;s record server asks for a password and none was found: add the line host:port:database:user:password to the file named by passfile= in [record] (or ~/.pgpass)</source>
        <translation>skolens server ber om et passord, og ingen ble funnet: legg linjen host:port:database:user:password til filen passfile= under [record] peker på (eller ~/.pgpass)</translation>
    </message>
    <message>
        <source>the school&apos;s record server refused the login (authentication failed): check user= in [record] and the password in the passfile</source>
        <translation>skolens server avviste innloggingen (autentisering mislyktes): sjekk user= under [record] og passordet i passfile</translation>
    </message>
    <message>
        <source>the school&apos;s record server lets no one log in from here as that user: its pg_hba.conf needs a line for this computer</source>
        <translation>skolens server slipper ingen inn herfra som den brukeren: pg_hba.conf trenger en linje for denne datamaskinen</translation>
    </message>
    <message>
        <source>the school&apos;s record server has no database of the name database= in [record] gives: correct it, or set the server up</source>
        <translation>skolens server har ingen database med navnet database= under [record] oppgir: rett det, eller sett opp serveren</translation>
    </message>
    <message>
        <source>the school&apos;s record server knows no user of the name user= in [record] gives: correct it, or ask for that login</source>
        <translation>skolens server kjenner ingen bruker med navnet user= under [record] oppgir: rett det, eller be om den innloggingen</translation>
    </message>
    <message>
        <source>the encrypted connection to the school&apos;s record server failed: check sslmode= and sslrootcert= in [record]</source>
        <translation>den krypterte forbindelsen til skolens server mislyktes: sjekk sslmode= og sslrootcert= under [record]</translation>
    </message>
    <message>
        <source>the school&apos;s record server cannot be reached: check that it runs and that host= and port= in [record] name it</source>
        <translation>skolens server kan ikke nås: sjekk at den kjører, og at host= og port= under [record] peker på den</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server is reachable again; kept answers are sent</source>
        <translation>quintarlow: skolens server kan nås igjen; lagrede svar sendes</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server cannot be reached; answers are kept on this computer and sent later</source>
        <translation>quintarlow: skolens server kan ikke nås; svarene lagres på denne datamaskinen og sendes senere</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server holds a newer record than this version of the game knows; answers are kept on this computer</source>
        <translation>quintarlow: skolens server har en nyere bok enn denne versjonen av spillet kjenner; svarene lagres på denne datamaskinen</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server refused the answers; answers are kept on this computer and sent later</source>
        <translation>quintarlow: skolens server avviste svarene; svarene lagres på denne datamaskinen og sendes senere</translation>
    </message>
    <message>
        <source>quintarlow: the record on this computer cannot be read, so nothing is sent to the school&apos;s record server</source>
        <translation>quintarlow: boka på denne datamaskinen kan ikke leses, så ingenting sendes til skolens server</translation>
    </message>
    <message>
        <source>quintarlow: answers cannot be sent to the school&apos;s record server; answers are kept on this computer and sent later</source>
        <translation>quintarlow: svar kan ikke sendes til skolens server; de lagres på denne datamaskinen og sendes senere</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>kan ikke lage mappen %1</translation>
    </message>
    <message>
        <source>See the README, Practice record.</source>
        <translation>Se README, Practice record.</translation>
    </message>
    <message>
        <source>the practice record is locked by another program (another import, a game, a backup) for more than %1 s. Try again once it is done</source>
        <translation>øvingsboka er låst av et annet program (en annen import, et spill, en sikkerhetskopi) i mer enn %1 s. Prøv igjen når det er ferdig</translation>
    </message>
    <message>
        <source>Made the role %1.</source>
        <translation>Laget rollen %1.</translation>
    </message>
    <message>
        <source>Let %1 connect to the database.</source>
        <translation>%1 kan koble til databasen.</translation>
    </message>
    <message>
        <source>Took TEMPORARY and CONNECT on the database from PUBLIC.</source>
        <translation>Fjernet TEMPORARY og CONNECT på databasen fra PUBLIC.</translation>
    </message>
    <message>
        <source>Gave the tables and functions to %1.</source>
        <translation>Ga tabellene og funksjonene til %1.</translation>
    </message>
    <message>
        <source>Made %1 a member of %2.</source>
        <translation>Gjorde %1 til medlem av %2.</translation>
    </message>
    <message>
        <source>Brought the tables from version %1 to %2.</source>
        <translation>Oppdaterte tabellene fra versjon %1 til %2.</translation>
    </message>
    <message>
        <source>the classes &quot;%1&quot; and &quot;%2&quot; would share the role %3; name them apart by a letter or digit</source>
        <translation>klassene «%1» og «%2» ville fått samme rolle %3; skill dem med en bokstav eller et siffer</translation>
    </message>
    <message>
        <source>Answers are now kept %1 days.</source>
        <translation>Svarene tas nå vare på i %1 dager.</translation>
    </message>
    <message>
        <source>Answers are now kept until a child is forgotten.</source>
        <translation>Svarene tas nå vare på til et barn glemmes.</translation>
    </message>
    <message>
        <source>Everything was set up already; nothing changed.</source>
        <translation>Alt var satt opp allerede; ingenting endret.</translation>
    </message>
    <message>
        <source>the tables are at version %1, this program&apos;s at %2: run --setup-school-server first</source>
        <translation>tabellene har versjon %1, dette programmet %2: kjør --setup-school-server først</translation>
    </message>
    <message>
        <source>Answers are kept until a child is forgotten; nothing expired.</source>
        <translation>Svarene tas vare på til et barn glemmes; ingenting er utløpt.</translation>
    </message>
    <message>
        <source>Deleted what is older than %4 days: answers %1, games %2, settings %3.</source>
        <translation>Slettet det som er eldre enn %4 dager: svar %1, spill %2, innstillinger %3.</translation>
    </message>
    <message>
        <source>the connection broke</source>
        <translation>forbindelsen brøt</translation>
    </message>
    <message>
        <source>the school&apos;s record server holds a newer record than this version of the game knows</source>
        <translation>skolens server har en nyere bok enn denne versjonen av spillet kjenner</translation>
    </message>
    <message>
        <source>the school&apos;s record server cannot be read</source>
        <translation>skolens server kan ikke leses</translation>
    </message>
    <message>
        <source>the school&apos;s record server has no practice record this version of the game can read</source>
        <translation>skolens server har ingen øvingsbok denne versjonen av spillet kan lese</translation>
    </message>
    <message>
        <source>the school&apos;s record server cannot be read (%1)</source>
        <translation>skolens server kan ikke leses (%1)</translation>
    </message>
    <message>
        <source>the school&apos;s record server refused the answers (%1)</source>
        <translation>skolens server avviste svarene (%1)</translation>
    </message>
    <message>
        <source>answer_id is not a UUID</source>
        <translation>answer_id er ikke en UUID</translation>
    </message>
    <message>
        <source>player is empty</source>
        <translation>player er tom</translation>
    </message>
    <message>
        <source>played_at is not a date and time with its offset</source>
        <translation>played_at er ikke dato og klokkeslett med tidsforskyvning</translation>
    </message>
    <message>
        <source>game is not a UUID</source>
        <translation>game er ikke en UUID</translation>
    </message>
    <message>
        <source>turn, a, b or product is not a number in range</source>
        <translation>turn, a, b eller product er ikke et tall i gyldig område</translation>
    </message>
    <message>
        <source>product is not a times b</source>
        <translation>product er ikke a ganger b</translation>
    </message>
    <message>
        <source>answered is not a number from 1 to 144</source>
        <translation>answered er ikke et tall fra 1 til 144</translation>
    </message>
    <message>
        <source>outcome is not right, wrong or timeout</source>
        <translation>outcome er ikke right, wrong eller timeout</translation>
    </message>
    <message>
        <source>answered and outcome do not agree</source>
        <translation>answered og outcome stemmer ikke overens</translation>
    </message>
    <message>
        <source>ms is not a number in range</source>
        <translation>ms er ikke et tall i gyldig område</translation>
    </message>
    <message>
        <source>line 1: the file begins with two byte-order marks; save it again as UTF-8 with one (or none)</source>
        <translation>linje 1: filen begynner med to byte-rekkefølgemerker; lagre den på nytt som UTF-8 med ett (eller ingen)</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text; save it again as UTF-8</source>
        <translation>filen er ikke UTF-8-tekst; lagre den på nytt som UTF-8</translation>
    </message>
    <message>
        <source>line 1: the lines end in a carriage return alone; save it again with CR LF or LF line ends</source>
        <translation>linje 1: linjene slutter med bare vognretur; lagre den på nytt med CR LF- eller LF-linjeslutt</translation>
    </message>
    <message>
        <source>line 1: the header is not &quot;%1&quot;</source>
        <translation>linje 1: overskriften er ikke «%1»</translation>
    </message>
    <message>
        <source>garbled quotes</source>
        <translation>ødelagte anførselstegn</translation>
    </message>
    <message>
        <source>%1 fields instead of %2</source>
        <translation>%1 felt i stedet for %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linje %1: %2</translation>
    </message>
    <message>
        <source>%1; answers are kept on this computer</source>
        <translation>%1; svarene lagres på denne datamaskinen</translation>
    </message>
    <message>
        <source>a school&apos;s record server is set, but Qt&apos;s PostgreSQL driver (Debian: libqt6sql6-psql) is not installed; answers are kept on this computer</source>
        <translation>en skoleserver er satt opp, men Qts PostgreSQL-driver (Debian: libqt6sql6-psql) er ikke installert; svarene lagres på denne datamaskinen</translation>
    </message>
    <message>
        <source>erased %1, a damaged copy of the record that held the forgotten name</source>
        <translation>slettet %1, en skadet kopi av loggen som inneholdt det glemte navnet</translation>
    </message>
    <message>
        <source>no practice record (%1); playing without one</source>
        <translation>ingen øvingslogg (%1); spiller uten</translation>
    </message>
    <message>
        <source>the practice record %1 cannot be written (%2); playing on without it</source>
        <translation>kan ikke skrive til øvingsloggen %1 (%2); spiller videre uten den</translation>
    </message>
    <message>
        <source>cannot keep the waiting answers in %1: %2</source>
        <translation>kan ikke ta vare på svarene som venter, i %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>added %n answers a game could not write while the practice record was locked</source>
        <translation>
            <numerusform>la til %n svar som et spill ikke kunne skrive mens øvingsloggen var låst</numerusform>
            <numerusform>la til %n svar som et spill ikke kunne skrive mens øvingsloggen var låst</numerusform>
        </translation>
    </message>
    <message>
        <source>the practice record %1 is locked by another program; the answers wait and are written once it is free</source>
        <translation>øvingsloggen %1 er låst av et annet program; svarene venter og skrives så snart den er ledig</translation>
    </message>
    <message numerus="yes">
        <source>%n reports of this session were not written to the practice record %1</source>
        <translation>
            <numerusform>%n melding fra denne økten ble ikke skrevet til øvingsloggen %1</numerusform>
            <numerusform>%n meldinger fra denne økten ble ikke skrevet til øvingsloggen %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the practice record was damaged; kept it as %1 and started a fresh one</source>
        <translation>øvingsloggen var skadet; den er tatt vare på som %1, og en ny er startet</translation>
    </message>
</context>
<context>
    <name>quintarlow::ScreenSet</name>
    <message>
        <source>Are you sure?</source>
        <translation>Er du sikker?</translation>
    </message>
    <message>
        <source>Close the Program</source>
        <translation>Lukke programmet</translation>
    </message>
</context>
<context>
    <name>quintarlow::SplashScreen</name>
    <message>
        <source>Made by the Quintarlow! team</source>
        <translation>Laget av Quintarlow!-teamet</translation>
    </message>
    <message>
        <source>Voice by Flite, made with Qt</source>
        <translation>Stemme fra eSpeak NG, laget med Qt</translation>
    </message>
    <message>
        <source>Game Loading Please Wait.....</source>
        <translation>Spillet lastes, vent litt.....</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Versjon 3.0</translation>
    </message>
    <message>
        <source>Multiplication Game</source>
        <translation>Gangespill</translation>
    </message>
</context>
<context>
    <name>quintarlow::WinnerWindow</name>
    <message>
        <source>%1, Blue</source>
        <translation>%1, blå</translation>
    </message>
    <message>
        <source>%1, Red</source>
        <translation>%1, rød</translation>
    </message>
    <message>
        <source>Play Again - Same Players</source>
        <translation>Spill igjen - samme spillere</translation>
    </message>
    <message>
        <source>Play Again - New Players</source>
        <translation>Spill igjen - nye spillere</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Avslutt spillet</translation>
    </message>
</context>
</TS>
