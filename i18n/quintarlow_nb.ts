<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
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
        <source>1 new fact known</source>
        <translation>1 nytt gangestykke lært</translation>
    </message>
    <message>
        <source>%1 new facts known</source>
        <translation>%1 nye gangestykker lært</translation>
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
    <message>
        <source>%1: %2 of %3 right</source>
        <translation>%1: %2 av %3 riktige</translation>
    </message>
    <message>
        <source>%1,, %2 of %3 right</source>
        <translation>%1,, %2 av %3 riktige</translation>
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
</context>
<context>
    <name>quintarlow::CorrectAnswerPopup</name>
    <message>
        <source>Correct Answer</source>
        <translation>Riktig svar</translation>
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
