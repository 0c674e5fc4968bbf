<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Names</name>
    <message>
        <source>The Computer</source>
        <translation>Il computer</translation>
    </message>
    <message>
        <source>Red Player - Enter Name Here</source>
        <translation>Rosso - scrivi qui il tuo nome</translation>
    </message>
    <message>
        <source>Blue Player - Enter Name Here</source>
        <translation>Blu - scrivi qui il tuo nome</translation>
    </message>
</context>
<context>
    <name>RecordTrouble</name>
    <message>
        <source>On %1 the game could not write the practice record (%2), so the answers played since then are not kept. Make room on the disk or let the game write to its folder, then play again.</source>
        <translation>Il %1 il gioco non ha potuto scrivere il registro degli esercizi (%2), quindi le risposte date da allora non sono salvate. Libera spazio sul disco o lascia che il gioco scriva nella sua cartella, poi gioca di nuovo.</translation>
    </message>
    <message>
        <source>d MMMM yyyy &apos;at&apos; HH:mm</source>
        <translation>d MMMM yyyy &apos;alle&apos; HH:mm</translation>
    </message>
    <message>
        <source>Quintarlow! is not keeping its practice record</source>
        <translation>Quintarlow! non sta salvando il registro degli esercizi</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>welcome to quintarlow,, enter your names and we&apos;ll get started!</source>
        <translation>benvenuti a quintarlow,, scrivete i vostri nomi e cominciamo!</translation>
    </message>
    <message>
        <source>FOUR IN A ROW,,ACROSS, UP AND DOWN OR DIAGONALLY WINS,, you have %1 seconds to answer,, blue goes FIRST</source>
        <translation>QUATTRO IN FILA,,IN ORIZZONTALE, IN VERTICALE O IN DIAGONALE VINCE,, avete %1 secondi per rispondere,, il blu INIZIA</translation>
    </message>
    <message>
        <source>FOUR IN A ROW,,ACROSS, UP AND DOWN OR DIAGONALLY WINS,, blue has %1 seconds and red has %2 seconds to answer,, blue goes FIRST</source>
        <translation>QUATTRO IN FILA,,IN ORIZZONTALE, IN VERTICALE O IN DIAGONALE VINCE,, il blu ha %1 secondi e il rosso ha %2 secondi per rispondere,, il blu INIZIA</translation>
    </message>
    <message>
        <source>blue goes first</source>
        <translation>inizia il blu</translation>
    </message>
    <message>
        <source>enter the players names</source>
        <translation>scrivete i nomi dei giocatori</translation>
    </message>
    <message>
        <source>BLUE GOES FIRST</source>
        <translation>INIZIA IL BLU</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>GIUSTO</translation>
    </message>
    <message>
        <source>YOU WERE WRONG</source>
        <translation>HAI SBAGLIATO</translation>
    </message>
    <message>
        <source>WE HAVE A WINNER</source>
        <translation>ABBIAMO UN VINCITORE</translation>
    </message>
    <message>
        <source>Choose Option Below</source>
        <translation>Scegli qui sotto</translation>
    </message>
    <message>
        <source>%1, times, %2</source>
        <translation>%1, per, %2</translation>
    </message>
    <message>
        <source>that is not a valid selection,, try again,, %1, times, %2</source>
        <translation>questa scelta non vale,, riprova,, %1, per, %2</translation>
    </message>
    <message>
        <source>red,, generate your multipliers</source>
        <translation>rosso,, pesca la tua moltiplicazione</translation>
    </message>
    <message>
        <source>blue,, generate your multipliers</source>
        <translation>blu,, pesca la tua moltiplicazione</translation>
    </message>
    <message>
        <source>%1, that is correct, red gets the square. , it is, blues turn</source>
        <translation>%1, è giusto, la casella va al rosso. , ora tocca, al blu</translation>
    </message>
    <message>
        <source>%1, that is correct, blue gets the square. , it is, reds turn</source>
        <translation>%1, è giusto, la casella va al blu. , ora tocca, al rosso</translation>
    </message>
    <message>
        <source>IT&apos;S RED&apos;s TURN</source>
        <translation>TOCCA AL ROSSO</translation>
    </message>
    <message>
        <source>IT&apos;S BLUE&apos;s TURN</source>
        <translation>TOCCA AL BLU</translation>
    </message>
    <message>
        <source>you are out of time.  the correct answer was,, %1, it is, REDs turn.</source>
        <translation>il tempo è scaduto.  la risposta giusta era,, %1, ora tocca, al ROSSO.</translation>
    </message>
    <message>
        <source>you are out of time.  the correct answer was,, %1, it is, BLUEs turn.</source>
        <translation>il tempo è scaduto.  la risposta giusta era,, %1, ora tocca, al BLU.</translation>
    </message>
    <message>
        <source>%1  that is wrong.  the correct answer was,, %2, it is, REDs turn.</source>
        <translation>%1  è sbagliato.  la risposta giusta era,, %2, ora tocca, al ROSSO.</translation>
    </message>
    <message>
        <source>%1  that is wrong.  the correct answer was,, %2, it is, BLUEs turn.</source>
        <translation>%1  è sbagliato.  la risposta giusta era,, %2, ora tocca, al BLU.</translation>
    </message>
    <message>
        <source>attention! attention! we have a winner! congratulations to the,, red, player</source>
        <translation>attenzione! attenzione! abbiamo un vincitore! complimenti,, al giocatore, rosso</translation>
    </message>
    <message>
        <source>attention! attention! we have a winner! congratulations to the,, blue, player</source>
        <translation>attenzione! attenzione! abbiamo un vincitore! complimenti,, al giocatore, blu</translation>
    </message>
    <message>
        <source>1 new fact known</source>
        <translation>1 nuova moltiplicazione imparata</translation>
    </message>
    <message>
        <source>%1 new facts known</source>
        <translation>%1 nuove moltiplicazioni imparate</translation>
    </message>
    <message>
        <source>every table learned</source>
        <translation>tutte le tabelline imparate</translation>
    </message>
    <message>
        <source>learning the %1 times table</source>
        <translation>impara le moltiplicazioni per %1</translation>
    </message>
    <message>
        <source>learning the %1s</source>
        <translation>impara le moltiplicazioni per %1</translation>
    </message>
    <message>
        <source>practising the tables %1</source>
        <translation>si esercita con le tabelline %1</translation>
    </message>
    <message>
        <source>%1: %2 of %3 right</source>
        <translation>%1: %2 su %3 giuste</translation>
    </message>
    <message>
        <source>%1,, %2 of %3 right</source>
        <translation>%1,, %2 su %3 giuste</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Play in LANGUAGE (%1), not the desktop&apos;s.</source>
        <translation>Giocare nella lingua LANGUAGE (%1), non in quella del desktop.</translation>
    </message>
</context>
<context>
    <name>quintarlow::BoardWindow</name>
    <message>
        <source>Generate Multipliers</source>
        <translation>Pesca una moltiplicazione</translation>
    </message>
    <message>
        <source>FOUR IN A ROW - ACROSS, UP AND DOWN OR DIAGONALLY WINS.</source>
        <translation>QUATTRO IN FILA - IN ORIZZONTALE, IN VERTICALE O IN DIAGONALE VINCE.</translation>
    </message>
    <message>
        <source>START NEW GAME</source>
        <translation>NUOVA PARTITA</translation>
    </message>
    <message>
        <source>QUIT GAME</source>
        <translation>ESCI DAL GIOCO</translation>
    </message>
    <message>
        <source>First factor, %1</source>
        <translation>Primo fattore, %1</translation>
    </message>
    <message>
        <source>First factor, none drawn</source>
        <translation>Primo fattore, non ancora estratto</translation>
    </message>
    <message>
        <source>Second factor, %1</source>
        <translation>Secondo fattore, %1</translation>
    </message>
    <message>
        <source>Second factor, none drawn</source>
        <translation>Secondo fattore, non ancora estratto</translation>
    </message>
    <message>
        <source>times</source>
        <translation>per</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>resta %n secondo</numerusform>
            <numerusform>restano %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>Blue player, %1, to move</source>
        <translation>Giocatore blu, %1, tocca a te</translation>
    </message>
    <message>
        <source>Blue player, %1</source>
        <translation>Giocatore blu, %1</translation>
    </message>
    <message>
        <source>Red player, %1, to move</source>
        <translation>Giocatore rosso, %1, tocca a te</translation>
    </message>
    <message>
        <source>Red player, %1</source>
        <translation>Giocatore rosso, %1</translation>
    </message>
    <message>
        <source>Quintarlow! corner</source>
        <translation>Angolo Quintarlow!</translation>
    </message>
    <message>
        <source>Cannot be chosen.</source>
        <translation>Non si può scegliere.</translation>
    </message>
    <message>
        <source>FREE square</source>
        <translation>Casella LIBERA</translation>
    </message>
    <message>
        <source>Counts for both players in a line. Cannot be chosen.</source>
        <translation>Conta per entrambi i giocatori in una fila. Non si può scegliere.</translation>
    </message>
    <message>
        <source>%1, Blue</source>
        <translation>%1, blu</translation>
    </message>
    <message>
        <source>%1, Red</source>
        <translation>%1, rosso</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sei sicuro?</translation>
    </message>
    <message>
        <source>Start a New Game</source>
        <translation>Iniziare una nuova partita</translation>
    </message>
</context>
<context>
    <name>quintarlow::CommandText</name>
    <message>
        <source>Two-player spoken multiplication game: four in a line wins.</source>
        <translation>Gioco parlato delle tabelline per due: vince chi fa quattro in fila.</translation>
    </message>
    <message>
        <source>Open the Practice Record: which facts each player knows.</source>
        <translation>Aprire il registro degli esercizi: quali tabelline sa ogni giocatore.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>%1 See quintarlow --help.</source>
        <translation>%1 Vedi quintarlow --help.</translation>
    </message>
    <message>
        <source>cannot open the practice record: %1. Nothing was changed. %2</source>
        <translation>impossibile aprire il registro degli esercizi: %1. Non è stato cambiato nulla. %2</translation>
    </message>
    <message>
        <source>%1; kept on this computer until it can be reached</source>
        <translation>%1; resta su questo computer finché non è raggiungibile</translation>
    </message>
    <message>
        <source>%1; nor can the practice record on this computer be opened: %2. %3</source>
        <translation>%1; non si può aprire nemmeno il registro degli esercizi di questo computer: %2. %3</translation>
    </message>
    <message>
        <source>no pictures or sounds in %1; playing without them</source>
        <translation>nessuna immagine né suono in %1; si gioca senza</translation>
    </message>
    <message>
        <source>Print NAME&apos;s practice settings, or set them.</source>
        <translation>Mostrare le impostazioni di esercizio di NAME, o cambiarle.</translation>
    </message>
    <message>
        <source>The tables NAME practises: like 3,4,6, or all (with --practice).</source>
        <translation>Le tabelline che NAME esercita: come 3,4,6, o all (con --practice).</translation>
    </message>
    <message>
        <source>Ask NAME&apos;s missed facts again: on or off (with --practice).</source>
        <translation>Richiedere a NAME le tabelline sbagliate: on o off (con --practice).</translation>
    </message>
    <message>
        <source>NAME follows a learning path over the tables: on or off (with --practice).</source>
        <translation>NAME segue un percorso attraverso le tabelline: on o off (con --practice).</translation>
    </message>
    <message>
        <source>The seconds NAME has to answer, 20 to 90 (with --practice).</source>
        <translation>I secondi che NAME ha per rispondere, da 20 a 90 (con --practice).</translation>
    </message>
    <message>
        <source>How well the computer plays NAME alone: easy, level (NAME&apos;s own) or hard (with --practice).</source>
        <translation>Quanto bene gioca il computer contro NAME da solo: easy, level (come NAME) o hard (con --practice).</translation>
    </message>
    <message>
        <source>NAME is a new player, not yet in the record (with --practice).</source>
        <translation>NAME è un giocatore nuovo, non ancora nel registro (con --practice).</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;</source>
        <translation>inatteso: «%1»</translation>
    </message>
    <message>
        <source>--tables, --ask-missed, --path, --seconds and --opponent need --practice NAME</source>
        <translation>--tables, --ask-missed, --path, --seconds e --opponent richiedono --practice NAME</translation>
    </message>
    <message>
        <source>--practice needs a player&apos;s name</source>
        <translation>--practice richiede il nome di un giocatore</translation>
    </message>
    <message>
        <source>the name has %1 characters, more than %2; a player&apos;s name has at most %2 characters and no control or invisible ones</source>
        <translation>il nome ha %1 caratteri, più di %2; un nome ha al massimo %2 caratteri e nessuno di controllo o invisibile</translation>
    </message>
    <message>
        <source>the name holds a control or invisible character (%1); a player&apos;s name has at most %2 characters and no control or invisible ones</source>
        <translation>il nome contiene un carattere di controllo o invisibile (%1); un nome ha al massimo %2 caratteri e nessuno di controllo o invisibile</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &quot;%2&quot;</source>
        <translation>--%1 accetta on o off, non «%2»</translation>
    </message>
    <message>
        <source>--seconds takes a number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--seconds accetta un numero da %1 a %2, non «%3»</translation>
    </message>
    <message>
        <source>--opponent takes easy, level or hard, not &quot;%1&quot;</source>
        <translation>--opponent accetta easy, level o hard, non «%1»</translation>
    </message>
    <message>
        <source>no practice record to keep settings in</source>
        <translation>nessun registro degli esercizi in cui salvare le impostazioni</translation>
    </message>
    <message>
        <source>the record has never seen %1: check the spelling, or add --new for a player who has not played yet</source>
        <translation>%1 non è nel registro: controlla come è scritto, oppure aggiungi --new per un giocatore che non ha ancora giocato</translation>
    </message>
    <message>
        <source>could not keep the practice settings of %1</source>
        <translation>impossibile salvare le impostazioni di esercizio di %1</translation>
    </message>
    <message>
        <source>cannot open the practice record: %1. %2. %3</source>
        <translation>impossibile aprire il registro degli esercizi: %1. %2. %3</translation>
    </message>
    <message>
        <source>Nothing was changed</source>
        <translation>Non è stato cambiato nulla</translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was exported; choose another file and try again.</source>
        <translation>impossibile scrivere %1: %2. Non è stato esportato nulla; scegli un altro file e riprova.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln answer(s) to %1.</source>
        <translation>
            <numerusform>Esportata %Ln risposta in %1.</numerusform>
            <numerusform>Esportate %Ln risposte in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read %1: it is %2, not a file; nothing imported. Import a CSV file the game exported.</source>
        <translation>impossibile leggere %1: è %2, non un file; non è stato importato nulla. Importa un file CSV esportato dal gioco.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 %2; nothing imported</source>
        <translation>%1 %2; non è stato importato nulla</translation>
    </message>
    <message>
        <source>Nothing imported</source>
        <translation>Non è stato importato nulla</translation>
    </message>
    <message>
        <source>cannot import %1: %2. Nothing imported.</source>
        <translation>impossibile importare %1: %2. Non è stato importato nulla.</translation>
    </message>
    <message numerus="yes">
        <source>Added %Ln answer(s), skipped %L1 already kept.</source>
        <translation>
            <numerusform>Aggiunta %Ln risposta, saltate %L1 già salvate.</numerusform>
            <numerusform>Aggiunte %Ln risposte, saltate %L1 già salvate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every answer and game of %1 from the practice record? [y/N]</source>
        <translation>Cancellare tutte le risposte e le partite di %1 dal registro degli esercizi? [y/N]</translation>
    </message>
    <message>
        <source>Nothing deleted.</source>
        <translation>Non è stato cancellato nulla.</translation>
    </message>
    <message>
        <source>cannot delete %1 from the practice record: it could not be changed. Nothing was deleted; close the game and try again.</source>
        <translation>impossibile cancellare %1 dal registro degli esercizi: non è stato possibile modificarlo. Non è stato cancellato nulla; chiudi il gioco e riprova.</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %Ln answer(s) of %1.</source>
        <translation>
            <numerusform>Cancellata %Ln risposta di %1.</numerusform>
            <numerusform>Cancellate %Ln risposte di %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>no school&apos;s record server is set in [record] (see the README, For schools)</source>
        <translation>nessun server della scuola è indicato in [record] (vedi il README, For schools)</translation>
    </message>
    <message>
        <source>--keep-days needs a number of days (0: until forgotten)</source>
        <translation>--keep-days richiede un numero di giorni (0: finché non viene dimenticato)</translation>
    </message>
    <message>
        <source>cannot set up the school&apos;s record server: %1</source>
        <translation>impossibile preparare il server della scuola: %1</translation>
    </message>
    <message>
        <source>Write the practice record (or one player&apos;s part) as CSV.</source>
        <translation>Scrivere il registro degli esercizi (o la parte di un giocatore) in CSV.</translation>
    </message>
    <message>
        <source>With --export-record or --report: only this player.</source>
        <translation>Con --export-record o --report: solo questo giocatore.</translation>
    </message>
    <message>
        <source>Add the answers of a CSV file exported on another computer.</source>
        <translation>Aggiungere le risposte di un file CSV esportato su un altro computer.</translation>
    </message>
    <message>
        <source>Delete a player&apos;s answers and games from the practice record.</source>
        <translation>Cancellare le risposte e le partite di un giocatore dal registro degli esercizi.</translation>
    </message>
    <message>
        <source>With --forget-player: do not ask first.</source>
        <translation>Con --forget-player: senza chiedere prima.</translation>
    </message>
    <message>
        <source>Play without reading or writing the practice record.</source>
        <translation>Giocare senza leggere né scrivere il registro degli esercizi.</translation>
    </message>
    <message>
        <source>Set up the school&apos;s record server named in [record]: tables, roles and their rights (run as the tables&apos; owner).</source>
        <translation>Preparare il server della scuola indicato in [record]: tabelle, ruoli e loro diritti (da eseguire come proprietario delle tabelle).</translation>
    </message>
    <message>
        <source>With --setup-school-server: a role for each of these classes.</source>
        <translation>Con --setup-school-server: un ruolo per ciascuna di queste classi.</translation>
    </message>
    <message>
        <source>Delete from the school&apos;s record server what it no longer keeps (run as the tables&apos; owner, from a timer).</source>
        <translation>Cancellare dal server della scuola ciò che non conserva più (da eseguire come proprietario delle tabelle, da un timer).</translation>
    </message>
    <message>
        <source>With --setup-school-server: delete answers older than this (0: keep them until forgotten).</source>
        <translation>Con --setup-school-server: cancellare le risposte più vecchie (0: conservarle finché non vengono dimenticate).</translation>
    </message>
    <message>
        <source>Move a child to another class on the school&apos;s record server, with their answers and settings (a teacher of both classes).</source>
        <translation>Spostare un bambino in un&apos;altra classe sul server della scuola, con le sue risposte e impostazioni (un insegnante di entrambe le classi).</translation>
    </message>
    <message>
        <source>With --move-player: the class the child is in.</source>
        <translation>Con --move-player: la classe in cui è il bambino.</translation>
    </message>
    <message>
        <source>With --move-player: the class the child moves to.</source>
        <translation>Con --move-player: la classe in cui passa il bambino.</translation>
    </message>
    <message>
        <source>--%1 needs a %2</source>
        <translation>--%1 richiede un %2</translation>
    </message>
    <message>
        <source>cannot expire answers on the school&apos;s record server: %1</source>
        <translation>impossibile cancellare le risposte scadute dal server della scuola: %1</translation>
    </message>
    <message>
        <source>--move-player needs --from-class and --to-class</source>
        <translation>--move-player richiede --from-class e --to-class</translation>
    </message>
    <message>
        <source>cannot move a child on the school&apos;s record server: %1</source>
        <translation>impossibile spostare il bambino sul server della scuola: %1</translation>
    </message>
    <message>
        <source>Write the practice record&apos;s report as a PDF (the class&apos;s, or --player&apos;s; with --all one per player into a folder).</source>
        <translation>Scrivere la relazione del registro degli esercizi in PDF (quella della classe, o di --player; con --all una per giocatore in una cartella).</translation>
    </message>
    <message>
        <source>With --report: only the last N days.</source>
        <translation>Con --report: solo gli ultimi N giorni.</translation>
    </message>
    <message>
        <source>With --report: from this day (YYYY-MM-DD).</source>
        <translation>Con --report: da questo giorno (AAAA-MM-GG).</translation>
    </message>
    <message>
        <source>With --report: up to this day (YYYY-MM-DD).</source>
        <translation>Con --report: fino a questo giorno (AAAA-MM-GG).</translation>
    </message>
    <message>
        <source>With --report: the class sheet and every child&apos;s page in one PDF to print.</source>
        <translation>Con --report: il foglio della classe e la pagina di ogni bambino in un solo PDF da stampare.</translation>
    </message>
    <message>
        <source>Write the class sheet, a line per child, as CSV for a spreadsheet.</source>
        <translation>Scrivere il foglio della classe, una riga per bambino, in CSV per un foglio di calcolo.</translation>
    </message>
    <message>
        <source>With --report: every player&apos;s report and the class&apos;s, each in a file of its own.</source>
        <translation>Con --report: la relazione di ogni giocatore e quella della classe, ognuna in un file a sé.</translation>
    </message>
    <message>
        <source>--report needs a FILE (or a FOLDER with --all)</source>
        <translation>--report richiede un FILE (o un FOLDER con --all)</translation>
    </message>
    <message>
        <source>--all-in-one and --summary are of the whole class: leave out --all and --player</source>
        <translation>--all-in-one e --summary riguardano tutta la classe: togli --all e --player</translation>
    </message>
    <message>
        <source>--all writes every player&apos;s report: leave out --player</source>
        <translation>--all scrive la relazione di ogni giocatore: togli --player</translation>
    </message>
    <message>
        <source>--days counts back from today: leave out --from and --to</source>
        <translation>--days conta all&apos;indietro da oggi: togli --from e --to</translation>
    </message>
    <message>
        <source>--days needs a number of days, 1 or more, such as --days 30</source>
        <translation>--days richiede un numero di giorni, 1 o più, come --days 30</translation>
    </message>
    <message>
        <source>today</source>
        <translation>oggi</translation>
    </message>
    <message numerus="yes">
        <source>in the last %Ln day(s)</source>
        <translation>
            <numerusform>nell&apos;ultimo giorno</numerusform>
            <numerusform>negli ultimi %Ln giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>--from and --to need days written as 2027-03-01, and --from is needed</source>
        <translation>--from e --to richiedono giorni scritti come 2027-03-01, e --from è necessario</translation>
    </message>
    <message>
        <source>--from must not come after --to</source>
        <translation>--from non può venire dopo --to</translation>
    </message>
    <message>
        <source>cannot open the practice record: %1. Nothing was written. %2</source>
        <translation>impossibile aprire il registro degli esercizi: %1. Non è stato scritto nulla. %2</translation>
    </message>
    <message>
        <source>cannot read the practice record: %1. Nothing was written.</source>
        <translation>impossibile leggere il registro degli esercizi: %1. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was written; choose another file and try again.</source>
        <translation>impossibile scrivere %1: %2. Non è stato scritto nulla; scegli un altro file e riprova.</translation>
    </message>
    <message>
        <source>Wrote %1.</source>
        <translation>Scritto %1.</translation>
    </message>
    <message>
        <source>nobody has played yet, so there is no report to write.</source>
        <translation>nessuno ha ancora giocato, quindi non c&apos;è nessuna relazione da scrivere.</translation>
    </message>
    <message>
        <source>cannot write every report: %1. Choose another folder and try again.</source>
        <translation>impossibile scrivere tutte le relazioni: %1. Scegli un&apos;altra cartella e riprova.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %Ln report(s) into %1.</source>
        <translation>
            <numerusform>Scritta %Ln relazione in %1.</numerusform>
            <numerusform>Scritte %Ln relazioni in %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quintarlow::CorrectAnswerPopup</name>
    <message>
        <source>Correct Answer</source>
        <translation>Risposta giusta</translation>
    </message>
</context>
<context>
    <name>quintarlow::NameEntry</name>
    <message>
        <source>%1 CHARACTERS MAX</source>
        <translation>MASSIMO %1 CARATTERI</translation>
    </message>
    <message>
        <source>The Red player&apos;s name has %1 characters, more than %2.<byte value="xd"/>
Please type it again.</source>
        <translation>Il nome del giocatore rosso ha %1 caratteri, più di %2.<byte value="xd"/>
Scrivilo di nuovo, per favore.</translation>
    </message>
    <message>
        <source>The Blue player&apos;s name has %1 characters, more than %2.<byte value="xd"/>
Please type it again.</source>
        <translation>Il nome del giocatore blu ha %1 caratteri, più di %2.<byte value="xd"/>
Scrivilo di nuovo, per favore.</translation>
    </message>
    <message>
        <source>START PLAYING</source>
        <translation>GIOCHIAMO!</translation>
    </message>
    <message>
        <source>Play against the computer</source>
        <translation>Gioca contro il computer</translation>
    </message>
    <message>
        <source>Red is a guest (not recorded)</source>
        <translation>Rosso è ospite (non salvato)</translation>
    </message>
    <message>
        <source>Red is a guest, not recorded</source>
        <translation>Rosso è ospite, non salvato</translation>
    </message>
    <message>
        <source>Red player&apos;s name</source>
        <translation>Nome del giocatore rosso</translation>
    </message>
    <message>
        <source>Blue player&apos;s name</source>
        <translation>Nome del giocatore blu</translation>
    </message>
    <message>
        <source>WELCOME</source>
        <translation>BENVENUTI</translation>
    </message>
    <message>
        <source>The same name cannot be entered for both players!<byte value="xd"/>
please enter another name, or play against the computer.</source>
        <translation>I due giocatori non possono avere lo stesso nome!<byte value="xd"/>
Scrivi un altro nome, oppure gioca contro il computer.</translation>
    </message>
    <message>
        <source>A name must be entered for the Blue player!<byte value="xd"/>
please retry.</source>
        <translation>Il giocatore blu deve scrivere il suo nome!<byte value="xd"/>
Riprova.</translation>
    </message>
    <message>
        <source>Names must be entered for both players!<byte value="xd"/>
please retry.</source>
        <translation>Tutti e due i giocatori devono scrivere il loro nome!<byte value="xd"/>
Riprova.</translation>
    </message>
    <message>
        <source>The Red player&apos;s name holds a control or invisible character (%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Il nome del giocatore rosso contiene un carattere di controllo o invisibile (%1).<byte value="xd"/>
Scrivilo di nuovo, per favore.</translation>
    </message>
    <message>
        <source>The Blue player&apos;s name holds a control or invisible character (%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Il nome del giocatore blu contiene un carattere di controllo o invisibile (%1).<byte value="xd"/>
Scrivilo di nuovo, per favore.</translation>
    </message>
</context>
<context>
    <name>quintarlow::ScreenSet</name>
    <message>
        <source>Are you sure?</source>
        <translation>Sei sicuro?</translation>
    </message>
    <message>
        <source>Close the Program</source>
        <translation>Chiudere il programma</translation>
    </message>
</context>
<context>
    <name>quintarlow::SplashScreen</name>
    <message>
        <source>Made by the Quintarlow! team</source>
        <translation>Fatto dal team di Quintarlow!</translation>
    </message>
    <message>
        <source>Voice by Flite, made with Qt</source>
        <translation>Voce di eSpeak NG, fatto con Qt</translation>
    </message>
    <message>
        <source>Game Loading Please Wait.....</source>
        <translation>Caricamento, attendi.....</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Versione 3.0</translation>
    </message>
    <message>
        <source>Multiplication Game</source>
        <translation>Gioco delle tabelline</translation>
    </message>
</context>
<context>
    <name>quintarlow::WinnerWindow</name>
    <message>
        <source>%1, Blue</source>
        <translation>%1, blu</translation>
    </message>
    <message>
        <source>%1, Red</source>
        <translation>%1, rosso</translation>
    </message>
    <message>
        <source>Play Again - Same Players</source>
        <translation>Ancora - stessi giocatori</translation>
    </message>
    <message>
        <source>Play Again - New Players</source>
        <translation>Ancora - nuovi giocatori</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Esci dal gioco</translation>
    </message>
</context>
</TS>
