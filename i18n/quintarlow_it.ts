<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%Ln try</source>
        <translation>
            <numerusform>%Ln tentativo</numerusform>
            <numerusform>%Ln tentativi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tries</source>
        <translation>
            <numerusform>%Ln tentativo</numerusform>
            <numerusform>%Ln tentativi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln knows it</source>
        <translation>
            <numerusform>%Ln la sa</numerusform>
            <numerusform>%Ln la sanno</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln know it</source>
        <translation>
            <numerusform>%Ln la sa</numerusform>
            <numerusform>%Ln la sanno</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln keeps missing it</source>
        <translation>
            <numerusform>%Ln la sbaglia ancora</numerusform>
            <numerusform>%Ln la sbagliano ancora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln keep missing it</source>
        <translation>
            <numerusform>%Ln la sbaglia ancora</numerusform>
            <numerusform>%Ln la sbagliano ancora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) keeps missing it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 bambino su %Ln la sbaglia ancora</numerusform>
            <numerusform>%1 × %2 = %3: %4 bambino su %Ln la sbaglia ancora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) keep missing it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 bambini su %Ln la sbagliano ancora</numerusform>
            <numerusform>%1 × %2 = %3: %4 bambini su %Ln la sbagliano ancora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) is still learning it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 bambino su %Ln la sta ancora imparando</numerusform>
            <numerusform>%1 × %2 = %3: %4 bambino su %Ln la sta ancora imparando</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) are still learning it</source>
        <translation>
            <numerusform>%1 × %2 = %3: %4 bambini su %Ln la stanno ancora imparando</numerusform>
            <numerusform>%1 × %2 = %3: %4 bambini su %Ln la stanno ancora imparando</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln answer(s) %1, %2 % right by %3.</source>
        <translation>
            <numerusform>%Ln risposta di %3 %1, %2 % giuste.</numerusform>
            <numerusform>%Ln risposte di %3 %1, %2 % giuste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln child(ren)</source>
        <translation>
            <numerusform>%Ln bambino</numerusform>
            <numerusform>%Ln bambini</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln answer(s) %1, %2 % right.</source>
        <translation>
            <numerusform>%Ln risposta %1, %2 % giuste.</numerusform>
            <numerusform>%Ln risposte %1, %2 % giuste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Played alone against the computer: %Ln game(s), %1 won.</source>
        <translation>
            <numerusform>Da solo contro il computer: %Ln partita, %1 vinte.</numerusform>
            <numerusform>Da solo contro il computer: %Ln partite, %1 vinte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Answers are kept for %Ln day(s), then deleted.</source>
        <translation>
            <numerusform>Le risposte restano %Ln giorno, poi vengono cancellate.</numerusform>
            <numerusform>Le risposte restano %Ln giorni, poi vengono cancellate.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forget %1? All %Ln answer(s) that %1 gave are deleted from the practice record on this computer. This cannot be undone.</source>
        <translation>
            <numerusform>Dimenticare %1? La %Ln risposta di %1 viene cancellata dal quaderno di questo computer. Non si può annullare.</numerusform>
            <numerusform>Dimenticare %1? Tutte le %Ln risposte di %1 vengono cancellate dal quaderno di questo computer. Non si può annullare.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln learning it</source>
        <translation>
            <numerusform>%Ln la sta imparando</numerusform>
            <numerusform>%Ln la stanno imparando</numerusform>
        </translation>
    </message>
</context>
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
    <message numerus="yes">
        <source>%n new fact known</source>
        <translation>
            <numerusform>%n nuova moltiplicazione imparata</numerusform>
            <numerusform>%n nuove moltiplicazioni imparate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new facts known</source>
        <translation>
            <numerusform>%n nuova moltiplicazione imparata</numerusform>
            <numerusform>%n nuove moltiplicazioni imparate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 right</source>
        <translation>
            <numerusform>%1: %n su %2 giusta</numerusform>
            <numerusform>%1: %n su %2 giuste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1,, %n of %2 right</source>
        <translation>
            <numerusform>%1,, %n su %2 giusta</numerusform>
            <numerusform>%1,, %n su %2 giuste</numerusform>
        </translation>
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
    <message>
        <source>Wayland session without XWayland (DISPLAY is not set); the game&apos;s windows may not keep their places</source>
        <translation>sessione Wayland senza XWayland (DISPLAY non è impostato); le finestre del gioco potrebbero non restare al loro posto</translation>
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
    <name>quintarlow::FactGridModel</name>
    <message>
        <source>%1 times</source>
        <translation>%1 per</translation>
    </message>
    <message>
        <source>times %1</source>
        <translation>per %1</translation>
    </message>
    <message>
        <source>Facts, rows the first factor, columns the second</source>
        <translation>Moltiplicazioni, righe il primo fattore, colonne il secondo</translation>
    </message>
</context>
<context>
    <name>quintarlow::FactWords</name>
    <message>
        <source>right</source>
        <comment>a try</comment>
        <translation>giusta</translation>
    </message>
    <message>
        <source>wrong</source>
        <comment>a try</comment>
        <translation>sbagliata</translation>
    </message>
    <message>
        <source>timed out</source>
        <comment>a try</comment>
        <translation>tempo scaduto</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <comment>a fact</comment>
        <translation>non ancora chiesta</translation>
    </message>
    <message>
        <source>known</source>
        <comment>a fact</comment>
        <translation>saputa</translation>
    </message>
    <message>
        <source>right but slow</source>
        <comment>a fact</comment>
        <translation>giusta ma lenta</translation>
    </message>
    <message>
        <source>missed</source>
        <comment>a fact</comment>
        <translation>sbagliata</translation>
    </message>
    <message>
        <source>%1 times %2: %3</source>
        <translation>%1 per %2: %3</translation>
    </message>
    <message>
        <source>%L1 right</source>
        <comment>tries</comment>
        <translation>%L1 giuste</translation>
    </message>
    <message>
        <source>%1; children: %2, %3, %4; %5, %6</source>
        <translation>%1; bambini: %2, %3, %4; %5, %6</translation>
    </message>
    <message>
        <source>; missing it: %1</source>
        <translation>; la sbagliano: %1</translation>
    </message>
    <message>
        <source>usually answered in %1 seconds</source>
        <translation>di solito risposta in %1 secondi</translation>
    </message>
    <message>
        <source>last %L1: %2</source>
        <translation>ultime %L1: %2</translation>
    </message>
    <message>
        <source>%1 and %L2 more</source>
        <translation>%1 e altri %L2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a fact and who misses it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>this week</source>
        <translation>questa settimana</translation>
    </message>
    <message>
        <source>in the last 30 days</source>
        <translation>negli ultimi 30 giorni</translation>
    </message>
    <message>
        <source>this term</source>
        <translation>in questo quadrimestre</translation>
    </message>
    <message>
        <source>this school year</source>
        <translation>in quest&apos;anno scolastico</translation>
    </message>
    <message>
        <source>since the first game</source>
        <translation>dalla prima partita</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a date&apos;s format</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>on %1</source>
        <comment>a day</comment>
        <translation>il %1</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>a date&apos;s format</comment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>all</source>
        <comment>answers</comment>
        <translation>tutte</translation>
    </message>
    <message>
        <source>faster</source>
        <comment>answers</comment>
        <translation>più veloce</translation>
    </message>
    <message>
        <source>slower</source>
        <comment>answers</comment>
        <translation>più lento</translation>
    </message>
    <message>
        <source>same</source>
        <comment>answers&apos; speed</comment>
        <translation>uguale</translation>
    </message>
    <message>
        <source>Too few right answers %1 to say whether answers get faster.</source>
        <translation>Troppo poche risposte giuste %1 per dire se diventa più veloce.</translation>
    </message>
    <message>
        <source>Answers got faster %1: %2 s → %3 s.</source>
        <translation>Le risposte sono diventate più veloci %1: %2 s → %3 s.</translation>
    </message>
    <message>
        <source>Answers got slower %1: %2 s → %3 s.</source>
        <translation>Le risposte sono diventate più lente %1: %2 s → %3 s.</translation>
    </message>
    <message>
        <source>Answers stayed about as fast %1: %2 s → %3 s.</source>
        <translation>Le risposte sono rimaste veloci più o meno uguale %1: %2 s → %3 s.</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: missed its only try</source>
        <translation>%1 × %2 = %3: sbagliata all&apos;unico tentativo</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: right once so far, in %4 seconds</source>
        <translation>%1 × %2 = %3: giusta una volta finora, in %4 secondi</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: missed %4 of the last %5</source>
        <translation>%1 × %2 = %3: sbagliata %4 delle ultime %5</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: right %4 of the last %4, usually in %5 seconds</source>
        <translation>%1 × %2 = %3: giusta le ultime %4, di solito in %5 secondi</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: right %4 of the last %4</source>
        <translation>%1 × %2 = %3: giusta le ultime %4</translation>
    </message>
</context>
<context>
    <name>quintarlow::MediaWords</name>
    <message>
        <source>Quintarlow!: the sound %1 is missing or damaged; a short beep plays instead.</source>
        <translation>Quintarlow!: il suono %1 manca o è danneggiato; al suo posto suona un breve bip.</translation>
    </message>
    <message>
        <source>eSpeak NG has no voice for &quot;%1&quot; (install the package espeak-ng-data)</source>
        <translation>eSpeak NG non ha una voce per «%1» (installa il pacchetto espeak-ng-data)</translation>
    </message>
    <message>
        <source>Speech: %1; the game shows its texts and stays silent.</source>
        <translation>Voce: %1; il gioco mostra i suoi testi e resta muto.</translation>
    </message>
    <message>
        <source>Quintarlow!: the picture %1 is missing or damaged; the game goes on without it.</source>
        <translation>Quintarlow!: l&apos;immagine %1 manca o è danneggiata; il gioco va avanti senza.</translation>
    </message>
    <message>
        <source>eSpeak NG is not installed (install the package libespeak-ng1)</source>
        <translation>eSpeak NG non è installato (installa il pacchetto libespeak-ng1)</translation>
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
    <name>quintarlow::NameWords</name>
    <message>
        <source>player holds a control or invisible character (%1)</source>
        <translation>player contiene un carattere di controllo o invisibile (%1)</translation>
    </message>
    <message>
        <source>player has %1 characters, more than %2</source>
        <translation>player ha %1 caratteri, più di %2</translation>
    </message>
    <message>
        <source>“%1” is a child of more than one class: “%2”. Name one of them as shown and try again.</source>
        <translation>«%1» è un bambino di più classi: «%2». Indicane uno come mostrato e riprova.</translation>
    </message>
    <message>
        <source>nobody called “%1” is in the practice record.</source>
        <translation>nessuno di nome «%1» è nel quaderno degli esercizi.</translation>
    </message>
    <message>
        <source> Did you mean “%1”? Check the spelling and try again.</source>
        <translation> Intendevi «%1»? Controlla come è scritto e riprova.</translation>
    </message>
    <message>
        <source> Nobody has played yet.</source>
        <translation> Nessuno ha ancora giocato.</translation>
    </message>
    <message>
        <source> The players are “%1” and %L2 more. Check the spelling and try again.</source>
        <translation> I giocatori sono «%1» e altri %L2. Controlla come è scritto e riprova.</translation>
    </message>
    <message>
        <source> The players are “%1”. Check the spelling and try again.</source>
        <translation> I giocatori sono «%1». Controlla come è scritto e riprova.</translation>
    </message>
</context>
<context>
    <name>quintarlow::PathWords</name>
    <message>
        <source>%1 knows %2 of 144 facts</source>
        <translation>%1 sa %2 moltiplicazioni su 144</translation>
    </message>
    <message>
        <source>%1 knows %2 of 144 facts; this week %1 learned %3</source>
        <translation>%1 sa %2 moltiplicazioni su 144; questa settimana %1 ha imparato %3</translation>
    </message>
    <message>
        <source>%1 knows %2 of 144 facts; to practise again today: %3</source>
        <translation>%1 sa %2 moltiplicazioni su 144; da ripassare oggi: %3</translation>
    </message>
    <message>
        <source>%1 knows %2 of 144 facts; this week %1 learned %3; to practise again today: %4</source>
        <translation>%1 sa %2 moltiplicazioni su 144; questa settimana %1 ha imparato %3; da ripassare oggi: %4</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more</source>
        <translation>
            <numerusform>%1 e un&apos;altra</numerusform>
            <numerusform>%1 e altre %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quintarlow::PlayerList</name>
    <message>
        <source>%1, has practice settings of their own</source>
        <translation>%1, ha impostazioni di esercizio proprie</translation>
    </message>
    <message>
        <source>Has practice settings of their own</source>
        <translation>Ha impostazioni di esercizio proprie</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Giocatori</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Risposte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Sbaglia</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Knows</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Usually</source>
        <translation>Di solito</translation>
    </message>
    <message>
        <source>To practise</source>
        <translation>Da ripassare</translation>
    </message>
    <message>
        <source>Moved on</source>
        <translation>Avanza</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Ultima volta</translation>
    </message>
    <message>
        <source>How many answers in the period shown</source>
        <translation>Quante risposte nel periodo mostrato</translation>
    </message>
    <message>
        <source>How many facts the player keeps missing at the end of the period shown</source>
        <translation>Quante moltiplicazioni sbaglia ancora alla fine del periodo mostrato</translation>
    </message>
    <message>
        <source>Whether right answers got faster or slower in the period shown; slower first</source>
        <translation>Se le risposte giuste sono diventate più veloci o più lente nel periodo; prima le più lente</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>d MMM yy</source>
        <comment>a date&apos;s format</comment>
        <translation>d/M/yy</translation>
    </message>
    <message>
        <source>Class</source>
        <comment>the row of the whole class</comment>
        <translation>Classe</translation>
    </message>
</context>
<context>
    <name>quintarlow::PracticeEditor</name>
    <message>
        <source>Practice settings</source>
        <translation>Impostazioni di esercizio</translation>
    </message>
    <message>
        <source>&amp;Tables:</source>
        <translation>&amp;Tabelline:</translation>
    </message>
    <message>
        <source>The %1s</source>
        <translation>La tabellina del %1</translation>
    </message>
    <message>
        <source>Practise the %1s</source>
        <translation>Ripassare la tabellina del %1</translation>
    </message>
    <message>
        <source>&amp;All tables</source>
        <translation>&amp;Tutte le tabelline</translation>
    </message>
    <message>
        <source>All tables</source>
        <translation>Tutte le tabelline</translation>
    </message>
    <message>
        <source>Every table from 1 to 12, as in any game</source>
        <translation>Tutte le tabelline dall&apos;1 al 12, come in ogni partita</translation>
    </message>
    <message>
        <source>Ask again what I &amp;miss</source>
        <translation>Richiedere ciò che &amp;sbaglio</translation>
    </message>
    <message>
        <source>Ask again what I miss</source>
        <translation>Richiedere ciò che sbaglio</translation>
    </message>
    <message>
        <source>Follow the learning pat&amp;h</source>
        <translation>Seguire il &amp;percorso</translation>
    </message>
    <message>
        <source>Follow the learning path</source>
        <translation>Seguire il percorso</translation>
    </message>
    <message>
        <source>A few new facts at a time among known ones, each known fact back on its day of review, the tables in the order they build on each other (or the tables chosen)</source>
        <translation>Poche moltiplicazioni nuove alla volta tra quelle sapute, ognuna saputa torna nel suo giorno di ripasso, le tabelline nell&apos;ordine in cui si appoggiano l&apos;una sull&apos;altra (o quelle scelte)</translation>
    </message>
    <message>
        <source>Time to a&amp;nswer:</source>
        <translation>&amp;Tempo per rispondere:</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> secondi</translation>
    </message>
    <message>
        <source>Time to answer</source>
        <translation>Tempo per rispondere</translation>
    </message>
    <message>
        <source>The seconds this child has for each question; the other player keeps their own</source>
        <translation>I secondi che questo bambino ha per ogni domanda; l&apos;altro giocatore tiene i suoi</translation>
    </message>
    <message>
        <source>The &amp;computer plays:</source>
        <translation>Il &amp;computer gioca:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>At the child&apos;s level</source>
        <translation>Al livello del bambino</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>The computer plays</source>
        <translation>Il computer gioca</translation>
    </message>
    <message>
        <source>When this child plays alone: easy is right about half the time and slow, hard nine times in ten and quick, the child&apos;s level as often as the child was in their last 50 answers</source>
        <translation>Quando questo bambino gioca da solo: facile è giusto circa metà delle volte e lento, difficile nove volte su dieci e veloce, al livello del bambino quanto il bambino nelle sue ultime 50 risposte</translation>
    </message>
    <message>
        <source>The practice settings of %1 could not be saved: the record could not be changed. Close the window and try again; if it keeps failing, see the README, Practice record.</source>
        <translation>Le impostazioni di esercizio di %1 non sono state salvate: il quaderno non si è potuto modificare. Chiudi la finestra e riprova; se continua a non riuscire, vedi il README, Practice record.</translation>
    </message>
    <message>
        <source>Practice Settings</source>
        <translation>Impostazioni di esercizio</translation>
    </message>
    <message>
        <source>Settings are made for one player: choose a player above.</source>
        <translation>Le impostazioni valgono per un giocatore: scegline uno sopra.</translation>
    </message>
    <message>
        <source>Every table from 1 to 12, as in any game. Changes count from the next game.</source>
        <translation>Tutte le tabelline dall&apos;1 al 12, come in ogni partita. Le modifiche valgono dalla prossima partita.</translation>
    </message>
    <message>
        <source> Changes count from the next game.</source>
        <translation> Le modifiche valgono dalla prossima partita.</translation>
    </message>
</context>
<context>
    <name>quintarlow::PracticeWords</name>
    <message>
        <source>the list of tables is empty (give tables like 3,4,6 or all)</source>
        <translation>l&apos;elenco delle tabelline è vuoto (indica tabelline come 3,4,6 o all)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has an empty entry</source>
        <translation>«%1» ha una voce vuota</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a table from 1 to 12</source>
        <translation>«%1» non è una tabellina dall&apos;1 al 12</translation>
    </message>
    <message>
        <source>following the learning path</source>
        <translation>segue il percorso</translation>
    </message>
    <message>
        <source>following the learning path over %1</source>
        <translation>segue il percorso su %1</translation>
    </message>
    <message>
        <source>practising %1</source>
        <translation>ripassa %1</translation>
    </message>
    <message>
        <source>missed facts asked again</source>
        <translation>le moltiplicazioni sbagliate vengono richieste</translation>
    </message>
    <message>
        <source>%1 seconds to answer</source>
        <translation>%1 secondi per rispondere</translation>
    </message>
    <message>
        <source>an easy computer</source>
        <translation>un computer facile</translation>
    </message>
    <message>
        <source>a hard computer</source>
        <translation>un computer difficile</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>a times table: the 7s</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>the %1</source>
        <comment>times tables</comment>
        <translation>le tabelline del %1</translation>
    </message>
</context>
<context>
    <name>quintarlow::ProgressWindow</name>
    <message>
        <source>Knows %1 of 144 facts; %2 being learned, %3 new.</source>
        <translation>Sa %1 moltiplicazioni su 144; %2 in corso, %3 nuove.</translation>
    </message>
    <message>
        <source>Every table of the path is learned.</source>
        <translation>Tutte le tabelline del percorso sono imparate.</translation>
    </message>
    <message>
        <source>Learning the %1s, the last table of the path.</source>
        <translation>Impara la tabellina del %1, l&apos;ultima del percorso.</translation>
    </message>
    <message>
        <source>Learning the %1s; the %2s come next.</source>
        <translation>Impara la tabellina del %1; poi viene quella del %2.</translation>
    </message>
    <message>
        <source>Nothing to practise again today.</source>
        <translation>Oggi niente da ripassare.</translation>
    </message>
    <message>
        <source>To practise again today: %1.</source>
        <translation>Da ripassare oggi: %1.</translation>
    </message>
    <message>
        <source>Practice Record</source>
        <translation>Quaderno degli esercizi</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostra</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <comment>a date&apos;s format</comment>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>The term began on</source>
        <translation>Il quadrimestre è iniziato il</translation>
    </message>
    <message>
        <source>The day this term began</source>
        <translation>Il giorno in cui è iniziato questo quadrimestre</translation>
    </message>
    <message>
        <source>&amp;Known when right within</source>
        <translation>&amp;Saputa se giusta in</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondi</translation>
    </message>
    <message>
        <source>Known when right within</source>
        <translation>Saputa se giusta in</translation>
    </message>
    <message>
        <source>&amp;Save Report…</source>
        <translation>&amp;Salva resoconto…</translation>
    </message>
    <message>
        <source>Save A&amp;ll…</source>
        <translation>Salva &amp;tutti…</translation>
    </message>
    <message>
        <source>Every player&apos;s report and the class&apos;s, each a PDF of its own in one folder</source>
        <translation>Il resoconto di ogni giocatore e quello della classe, ognuno un PDF in una cartella</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>S&amp;tampa…</translation>
    </message>
    <message>
        <source>&amp;Forget player…</source>
        <translation>&amp;Dimentica giocatore…</translation>
    </message>
    <message>
        <source>Facts to practise</source>
        <translation>Da ripassare</translation>
    </message>
    <message>
        <source>Share right and usual time per day</source>
        <translation>Quota giuste e tempo abituale al giorno</translation>
    </message>
    <message>
        <source>The practice record could not be read, so there is nothing to show. Nothing in it was changed or deleted.%1

%2</source>
        <translation>Il quaderno degli esercizi non si è potuto leggere, quindi non c&apos;è nulla da mostrare. Nulla è stato modificato o cancellato.%1

%2</translation>
    </message>
    <message>
        <source>Nobody has played yet.

The record fills by itself: every answer in a game of Quintarlow! is kept here. Play a game, then open the Practice Record again to see which facts each player knows.</source>
        <translation>Nessuno ha ancora giocato.

Il quaderno si riempie da solo: ogni risposta di una partita a Quintarlow! viene tenuta qui. Gioca una partita, poi riapri il quaderno per vedere quali moltiplicazioni sa ogni giocatore.</translation>
    </message>
    <message>
        <source>Each child is judged on their own answers: a cell has the colour most children show, its number how many keep missing it. </source>
        <translation>Ogni bambino conta con le sue risposte: una casella ha il colore della maggior parte, il suo numero quanti la sbagliano ancora. </translation>
    </message>
    <message>
        <source>A cell&apos;s number: the seconds its right answers usually take in its last three tries, which its colour is judged on. An orange star: practice settings of their own. </source>
        <translation>Il numero di una casella: i secondi che di solito servono alle risposte giuste negli ultimi tre tentativi, su cui si decide il colore. Una stella arancione: impostazioni di esercizio proprie. </translation>
    </message>
    <message>
        <source>Rows: first factor; columns: second. Colours: where each fact stood at the period&apos;s end, even from tries before it.</source>
        <translation>Righe: primo fattore; colonne: secondo. Colori: com&apos;era ogni moltiplicazione alla fine del periodo, anche da tentativi precedenti.</translation>
    </message>
    <message>
        <source>Facts most children miss</source>
        <translation>Ciò che i più sbagliano</translation>
    </message>
    <message>
        <source>None: every fact asked lately is known.</source>
        <translation>Niente: tutte quelle chieste di recente sono sapute.</translation>
    </message>
    <message>
        <source>Bars: the share right. Line: the seconds right answers usually took; lower is faster. </source>
        <translation>Barre: la quota giuste. Linea: i secondi che di solito servivano alle giuste; più in basso è più veloce. </translation>
    </message>
    <message>
        <source>Moving on</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>Learning path, from all answers</source>
        <translation>Percorso, da tutte le risposte</translation>
    </message>
    <message>
        <source>Learning path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Not on the learning path: tick &quot;Follow the learning path&quot; under Practice settings.</source>
        <translation>Non segue il percorso: spunta «Seguire il percorso» in Impostazioni di esercizio.</translation>
    </message>
    <message>
        <source>The report could not be saved: %1. Choose another folder and try again.</source>
        <translation>Il resoconto non si è potuto salvare: %1. Scegli un&apos;altra cartella e riprova.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salva resoconto</translation>
    </message>
    <message>
        <source>Practice Records</source>
        <translation>Quaderni degli esercizi</translation>
    </message>
    <message>
        <source>Not every report could be saved: %1. Choose another folder and try again.</source>
        <translation>Non tutti i resoconti si sono potuti salvare: %1. Scegli un&apos;altra cartella e riprova.</translation>
    </message>
    <message>
        <source>Save All Reports</source>
        <translation>Salva tutti i resoconti</translation>
    </message>
    <message>
        <source>Forget Player</source>
        <translation>Dimentica giocatore</translation>
    </message>
    <message>
        <source>%1 could not be forgotten: the record could not be changed. Nothing was deleted; close the window and try again.</source>
        <translation>Non è stato possibile dimenticare %1: il quaderno non si è potuto modificare. Nulla è stato cancellato; chiudi la finestra e riprova.</translation>
    </message>
</context>
<context>
    <name>quintarlow::ProgressWords</name>
    <message>
        <source>The whole class</source>
        <translation>Tutta la classe</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>too soon</source>
        <translation>troppo presto</translation>
    </message>
    <message>
        <source>not played</source>
        <translation>non ha giocato</translation>
    </message>
    <message>
        <source>knows all</source>
        <translation>le sa tutte</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>too few to tell</source>
        <translation>troppo poche</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Bambino</translation>
    </message>
    <message>
        <source>Knows (of 144)</source>
        <translation>Sa (su 144)</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Risposte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Usually answers in</source>
        <translation>Di solito risponde in</translation>
    </message>
    <message>
        <source>Answer times</source>
        <translation>Tempi di risposta</translation>
    </message>
    <message>
        <source>To practise</source>
        <translation>Da ripassare</translation>
    </message>
    <message>
        <source>Moved on, last two weeks</source>
        <translation>Avanzato in 2 settimane</translation>
    </message>
    <message>
        <source>Knows %L1 of 144 facts.</source>
        <translation>Sa %L1 moltiplicazioni su 144.</translation>
    </message>
    <message>
        <source>No answers %1.</source>
        <translation>Nessuna risposta %1.</translation>
    </message>
    <message>
        <source>Nothing to practise: every fact asked lately is known.</source>
        <translation>Niente da ripassare: tutte quelle chieste di recente sono sapute.</translation>
    </message>
    <message>
        <source>Practise %1.</source>
        <translation>Da ripassare: %1.</translation>
    </message>
    <message>
        <source>Every child who played in the last two weeks moved on: a fact became known to each.</source>
        <translation>Ogni bambino che ha giocato nelle ultime due settimane è avanzato: ognuno sa una moltiplicazione in più.</translation>
    </message>
    <message>
        <source>Not moved on for two weeks (played, and no fact became known): %1.</source>
        <translation>Fermi da due settimane (hanno giocato, nessuna moltiplicazione nuova saputa): %1.</translation>
    </message>
    <message>
        <source>Known: right within %1 s in 2 of the last 3 tries. Usually: the middle time of right answers.</source>
        <translation>Saputa: giusta entro %1 s in 2 degli ultimi 3 tentativi. Di solito: il tempo medio delle giuste.</translation>
    </message>
    <message>
        <source>No play %1</source>
        <translation>Nessuna partita %1</translation>
    </message>
    <message>
        <source>Day by day, %1</source>
        <translation>Giorno per giorno, %1</translation>
    </message>
    <message>
        <source>Week by week, %1</source>
        <translation>Settimana per settimana, %1</translation>
    </message>
    <message>
        <source>Practice Record - %1.pdf</source>
        <translation>Quaderno degli esercizi - %1.pdf</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>right (%)</source>
        <translation>giuste (%)</translation>
    </message>
    <message>
        <source>time (s)</source>
        <translation>tempo (s)</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a date&apos;s format</comment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>The class, child by child, %1</source>
        <translation>La classe, bambino per bambino, %1</translation>
    </message>
    <message>
        <source>Quintarlow! Practice Record</source>
        <translation>Quintarlow! Quaderno degli esercizi</translation>
    </message>
    <message>
        <source>Answers from %1 to %2. </source>
        <translation>Risposte dal %1 al %2. </translation>
    </message>
    <message>
        <source>A cell&apos;s colour is what most children show; its number, how many keep missing it.</source>
        <translation>Colore della casella: quello dei più; numero: quanti la sbagliano ancora.</translation>
    </message>
    <message>
        <source>The number in a cell: the seconds its right answers usually take, of its last three tries.</source>
        <translation>Numero nella casella: secondi di solito per le giuste (ultimi tre tentativi).</translation>
    </message>
    <message>
        <source>Facts most children miss</source>
        <translation>Ciò che i più sbagliano</translation>
    </message>
    <message>
        <source>Facts to practise</source>
        <translation>Da ripassare</translation>
    </message>
    <message>
        <source>None: every fact asked lately is known.</source>
        <translation>Niente: tutte quelle chieste di recente sono sapute.</translation>
    </message>
    <message>
        <source>Practice Record: %1</source>
        <translation>Quaderno degli esercizi: %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>la cartella %1 non si può creare</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salva resoconto</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save All Reports In</source>
        <translation>Salva tutti i resoconti in</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Stampa resoconto</translation>
    </message>
    <message>
        <source>✓ green: known, right at least 2 of the last 3 times, each within %1 s</source>
        <translation>✓ verde: saputa, giusta almeno 2 delle ultime 3 volte, ognuna entro %1 s</translation>
    </message>
    <message>
        <source>~ yellow, dotted: right but slow, or not yet right twice</source>
        <translation>~ giallo, a puntini: giusta ma lenta, o non ancora giusta due volte</translation>
    </message>
    <message>
        <source>✗ red, striped: missed, wrong or too late more often than right</source>
        <translation>✗ rosso, a righe: più spesso sbagliata o in ritardo che giusta</translation>
    </message>
    <message>
        <source>white: not asked yet</source>
        <translation>bianco: non ancora chiesta</translation>
    </message>
</context>
<context>
    <name>quintarlow::RecordWords</name>
    <message>
        <source>the record holds an answer (%1) with the unknown outcome &quot;%2&quot;</source>
        <translation>il quaderno contiene una risposta (%1) con l&apos;esito sconosciuto «%2»</translation>
    </message>
    <message>
        <source>no id read</source>
        <translation>nessun id letto</translation>
    </message>
    <message>
        <source>The settings are kept in /etc/xdg/quintarlow/quintarlow.conf and ~/.config/quintarlow/quintarlow.conf.</source>
        <translation>Le impostazioni sono in /etc/xdg/quintarlow/quintarlow.conf e ~/.config/quintarlow/quintarlow.conf.</translation>
    </message>
    <message>
        <source>See the README, For schools.</source>
        <translation>Vedi il README, For schools.</translation>
    </message>
    <message>
        <source>the record is at version %1, newer than this program knows (%2)</source>
        <translation>il quaderno è alla versione %1, più nuova di quella che questo programma conosce (%2)</translation>
    </message>
    <message>
        <source>the record&apos;s tables cannot be set up: %1</source>
        <translation>le tabelle del quaderno non si possono preparare: %1</translation>
    </message>
    <message>
        <source>the record&apos;s version cannot be read</source>
        <translation>la versione del quaderno non si può leggere</translation>
    </message>
    <message>
        <source>the record&apos;s write-ahead log could not be emptied while another program reads the record</source>
        <translation>il log write-ahead del quaderno non si è potuto svuotare mentre un altro programma lo legge</translation>
    </message>
    <message>
        <source>locked by another program for more than %1 s</source>
        <translation>bloccato da un altro programma per più di %1 s</translation>
    </message>
    <message>
        <source>Try again once the other program (a game, an import, a backup) is done with it.</source>
        <translation>Riprova quando l&apos;altro programma (una partita, un&apos;importazione, un backup) avrà finito.</translation>
    </message>
    <message>
        <source>damaged and cannot be moved aside</source>
        <translation>danneggiato e non si può spostare</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>danneggiato</translation>
    </message>
    <message>
        <source>no write-ahead log: %1</source>
        <translation>nessun log write-ahead: %1</translation>
    </message>
    <message>
        <source>it is a practice record of a newer version of Quintarlow! (its version %1; this one knows up to %2)</source>
        <translation>è un quaderno di una versione più nuova di Quintarlow! (versione %1; questa conosce fino alla %2)</translation>
    </message>
    <message>
        <source>Use the newer Quintarlow! that wrote it (its --export-record writes a file this version imports), or move the file aside to start a fresh record.</source>
        <translation>Usa il Quintarlow! più nuovo che l&apos;ha scritto (il suo --export-record scrive un file che questa versione importa), o sposta il file per iniziare un quaderno nuovo.</translation>
    </message>
    <message>
        <source>it is another program&apos;s SQLite database (tables %1), not a practice record</source>
        <translation>è il database SQLite di un altro programma (tabelle %1), non un quaderno degli esercizi</translation>
    </message>
    <message>
        <source>Move that file out of the folder %1 (the game then starts a fresh record there), or put the practice record back.</source>
        <translation>Sposta quel file fuori dalla cartella %1 (il gioco vi inizierà un quaderno nuovo), o rimetti il quaderno degli esercizi.</translation>
    </message>
    <message>
        <source>the record server&apos;s settings in [record] hold a password key, which the game refuses to use: remove that line and put the password in the file named by passfile= (see the README, For schools)</source>
        <translation>le impostazioni del server in [record] contengono una chiave password, che il gioco non usa: togli quella riga e metti la password nel file indicato da passfile= (vedi il README, For schools)</translation>
    </message>
    <message>
        <source>the record server&apos;s settings in [record] hold a port= that is not a port number (1 to 65535): correct it (see the README, For schools)</source>
        <translation>le impostazioni del server in [record] contengono un port= che non è un numero di porta (da 1 a 65535): correggilo (vedi il README, For schools)</translation>
    </message>
    <message>
        <source>the record server&apos;s settings in [record] hold an sslmode= that is none of %1: correct it (see the README, For schools)</source>
        <translation>le impostazioni del server in [record] contengono un sslmode= che non è nessuno di %1: correggilo (vedi il README, For schools)</translation>
    </message>
    <message>
        <source>the file named by passfile= in [record] is ignored, since others than its owner may read it (PostgreSQL takes only a file of mode 0600): make it private with chmod 600</source>
        <translation>il file indicato da passfile= in [record] viene ignorato, perché altri oltre al proprietario possono leggerlo (PostgreSQL accetta solo un file di modo 0600): rendilo privato con chmod 600</translation>
    </message>
    <message>
        <source>the school&apos;s record server asks for a password and none was found: add the line host:port:database:user:password to the file named by passfile= in [record] (or ~/.pgpass)</source>
        <translation>il server della scuola chiede una password e non ne è stata trovata nessuna: aggiungi la riga host:port:database:user:password al file indicato da passfile= in [record] (o ~/.pgpass)</translation>
    </message>
    <message>
        <source>the school&apos;s record server refused the login (authentication failed): check user= in [record] and the password in the passfile</source>
        <translation>il server della scuola ha rifiutato l&apos;accesso (autenticazione fallita): controlla user= in [record] e la password nel passfile</translation>
    </message>
    <message>
        <source>the school&apos;s record server lets no one log in from here as that user: its pg_hba.conf needs a line for this computer</source>
        <translation>il server della scuola non fa entrare nessuno da qui con quell&apos;utente: il suo pg_hba.conf deve avere una riga per questo computer</translation>
    </message>
    <message>
        <source>the school&apos;s record server has no database of the name database= in [record] gives: correct it, or set the server up</source>
        <translation>il server della scuola non ha un database con il nome dato da database= in [record]: correggilo, o prepara il server</translation>
    </message>
    <message>
        <source>the school&apos;s record server knows no user of the name user= in [record] gives: correct it, or ask for that login</source>
        <translation>il server della scuola non conosce nessun utente con il nome dato da user= in [record]: correggilo, o chiedi quell&apos;accesso</translation>
    </message>
    <message>
        <source>the encrypted connection to the school&apos;s record server failed: check sslmode= and sslrootcert= in [record]</source>
        <translation>la connessione cifrata al server della scuola non è riuscita: controlla sslmode= e sslrootcert= in [record]</translation>
    </message>
    <message>
        <source>the school&apos;s record server cannot be reached: check that it runs and that host= and port= in [record] name it</source>
        <translation>il server della scuola non è raggiungibile: controlla che sia acceso e che host= e port= in [record] lo indichino</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server is reachable again; kept answers are sent</source>
        <translation>quintarlow: il server della scuola è di nuovo raggiungibile; le risposte conservate vengono inviate</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server cannot be reached; answers are kept on this computer and sent later</source>
        <translation>quintarlow: il server della scuola non è raggiungibile; le risposte restano su questo computer e vengono inviate dopo</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server holds a newer record than this version of the game knows; answers are kept on this computer</source>
        <translation>quintarlow: il server della scuola ha un quaderno più nuovo di quello che questa versione del gioco conosce; le risposte restano su questo computer</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server refused the answers; answers are kept on this computer and sent later</source>
        <translation>quintarlow: il server della scuola ha rifiutato le risposte; le risposte restano su questo computer e vengono inviate dopo</translation>
    </message>
    <message>
        <source>quintarlow: the record on this computer cannot be read, so nothing is sent to the school&apos;s record server</source>
        <translation>quintarlow: il quaderno su questo computer non si può leggere, quindi nulla viene inviato al server della scuola</translation>
    </message>
    <message>
        <source>quintarlow: answers cannot be sent to the school&apos;s record server; answers are kept on this computer and sent later</source>
        <translation>quintarlow: le risposte non si possono inviare al server della scuola; restano su questo computer e vengono inviate dopo</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>See the README, Practice record.</source>
        <translation>Vedi il README, Practice record.</translation>
    </message>
    <message>
        <source>the practice record is locked by another program (another import, a game, a backup) for more than %1 s. Try again once it is done</source>
        <translation>il quaderno degli esercizi è bloccato da un altro programma (un&apos;altra importazione, una partita, un backup) da più di %1 s. Riprova quando avrà finito</translation>
    </message>
    <message>
        <source>Made the role %1.</source>
        <translation>Creato il ruolo %1.</translation>
    </message>
    <message>
        <source>Let %1 connect to the database.</source>
        <translation>%1 può collegarsi al database.</translation>
    </message>
    <message>
        <source>Took TEMPORARY and CONNECT on the database from PUBLIC.</source>
        <translation>Tolti TEMPORARY e CONNECT sul database a PUBLIC.</translation>
    </message>
    <message>
        <source>Gave the tables and functions to %1.</source>
        <translation>Tabelle e funzioni date a %1.</translation>
    </message>
    <message>
        <source>Made %1 a member of %2.</source>
        <translation>%1 è ora membro di %2.</translation>
    </message>
    <message>
        <source>Brought the tables from version %1 to %2.</source>
        <translation>Tabelle portate dalla versione %1 alla %2.</translation>
    </message>
    <message>
        <source>the classes &quot;%1&quot; and &quot;%2&quot; would share the role %3; name them apart by a letter or digit</source>
        <translation>le classi «%1» e «%2» condividerebbero il ruolo %3; distinguile con una lettera o una cifra</translation>
    </message>
    <message>
        <source>Answers are now kept %1 days.</source>
        <translation>Le risposte ora restano %1 giorni.</translation>
    </message>
    <message>
        <source>Answers are now kept until a child is forgotten.</source>
        <translation>Le risposte ora restano finché un bambino non viene dimenticato.</translation>
    </message>
    <message>
        <source>Everything was set up already; nothing changed.</source>
        <translation>Era già tutto pronto; non è cambiato nulla.</translation>
    </message>
    <message>
        <source>the tables are at version %1, this program&apos;s at %2: run --setup-school-server first</source>
        <translation>le tabelle sono alla versione %1, questo programma alla %2: esegui prima --setup-school-server</translation>
    </message>
    <message>
        <source>Answers are kept until a child is forgotten; nothing expired.</source>
        <translation>Le risposte restano finché un bambino non viene dimenticato; non è scaduto nulla.</translation>
    </message>
    <message>
        <source>Deleted what is older than %4 days: answers %1, games %2, settings %3.</source>
        <translation>Cancellato ciò che ha più di %4 giorni: risposte %1, partite %2, impostazioni %3.</translation>
    </message>
    <message>
        <source>the connection broke</source>
        <translation>la connessione si è interrotta</translation>
    </message>
    <message>
        <source>the school&apos;s record server holds a newer record than this version of the game knows</source>
        <translation>il server della scuola ha un quaderno più nuovo di quello che questa versione del gioco conosce</translation>
    </message>
    <message>
        <source>the school&apos;s record server cannot be read</source>
        <translation>il server della scuola non si può leggere</translation>
    </message>
    <message>
        <source>the school&apos;s record server has no practice record this version of the game can read</source>
        <translation>il server della scuola non ha un quaderno che questa versione del gioco sappia leggere</translation>
    </message>
    <message>
        <source>the school&apos;s record server cannot be read (%1)</source>
        <translation>il server della scuola non si può leggere (%1)</translation>
    </message>
    <message>
        <source>the school&apos;s record server refused the answers (%1)</source>
        <translation>il server della scuola ha rifiutato le risposte (%1)</translation>
    </message>
    <message>
        <source>answer_id is not a UUID</source>
        <translation>answer_id non è un UUID</translation>
    </message>
    <message>
        <source>player is empty</source>
        <translation>player è vuoto</translation>
    </message>
    <message>
        <source>played_at is not a date and time with its offset</source>
        <translation>played_at non è una data e ora con il suo scostamento</translation>
    </message>
    <message>
        <source>game is not a UUID</source>
        <translation>game non è un UUID</translation>
    </message>
    <message>
        <source>turn, a, b or product is not a number in range</source>
        <translation>turn, a, b o product non è un numero nell&apos;intervallo</translation>
    </message>
    <message>
        <source>product is not a times b</source>
        <translation>product non è a per b</translation>
    </message>
    <message>
        <source>answered is not a number from 1 to 144</source>
        <translation>answered non è un numero da 1 a 144</translation>
    </message>
    <message>
        <source>outcome is not right, wrong or timeout</source>
        <translation>outcome non è right, wrong o timeout</translation>
    </message>
    <message>
        <source>answered and outcome do not agree</source>
        <translation>answered e outcome non concordano</translation>
    </message>
    <message>
        <source>ms is not a number in range</source>
        <translation>ms non è un numero nell&apos;intervallo</translation>
    </message>
    <message>
        <source>line 1: the file begins with two byte-order marks; save it again as UTF-8 with one (or none)</source>
        <translation>riga 1: il file inizia con due byte-order mark; salvalo di nuovo come UTF-8 con uno (o nessuno)</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text; save it again as UTF-8</source>
        <translation>il file non è testo UTF-8; salvalo di nuovo come UTF-8</translation>
    </message>
    <message>
        <source>line 1: the lines end in a carriage return alone; save it again with CR LF or LF line ends</source>
        <translation>riga 1: le righe finiscono con un solo ritorno a capo; salvalo di nuovo con fine riga CR LF o LF</translation>
    </message>
    <message>
        <source>line 1: the header is not &quot;%1&quot;</source>
        <translation>riga 1: l&apos;intestazione non è «%1»</translation>
    </message>
    <message>
        <source>garbled quotes</source>
        <translation>virgolette malformate</translation>
    </message>
    <message>
        <source>%1 fields instead of %2</source>
        <translation>%1 campi invece di %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>%1; answers are kept on this computer</source>
        <translation>%1; le risposte vengono conservate su questo computer</translation>
    </message>
    <message>
        <source>a school&apos;s record server is set, but Qt&apos;s PostgreSQL driver (Debian: libqt6sql6-psql) is not installed; answers are kept on this computer</source>
        <translation>è impostato un server della scuola, ma il driver PostgreSQL di Qt (Debian: libqt6sql6-psql) non è installato; le risposte vengono conservate su questo computer</translation>
    </message>
    <message>
        <source>erased %1, a damaged copy of the record that held the forgotten name</source>
        <translation>cancellato %1, una copia danneggiata del registro che conteneva il nome dimenticato</translation>
    </message>
    <message>
        <source>no practice record (%1); playing without one</source>
        <translation>nessun registro degli esercizi (%1); si gioca senza</translation>
    </message>
    <message>
        <source>the practice record %1 cannot be written (%2); playing on without it</source>
        <translation>impossibile scrivere nel registro degli esercizi %1 (%2); si continua a giocare senza</translation>
    </message>
    <message>
        <source>cannot keep the waiting answers in %1: %2</source>
        <translation>impossibile conservare le risposte in attesa in %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>added %n answers a game could not write while the practice record was locked</source>
        <translation>
            <numerusform>aggiunta %n risposta che una partita non aveva potuto scrivere mentre il registro degli esercizi era bloccato</numerusform>
            <numerusform>aggiunte %n risposte che una partita non aveva potuto scrivere mentre il registro degli esercizi era bloccato</numerusform>
        </translation>
    </message>
    <message>
        <source>the practice record %1 is locked by another program; the answers wait and are written once it is free</source>
        <translation>il registro degli esercizi %1 è bloccato da un altro programma; le risposte aspettano e vengono scritte appena è libero</translation>
    </message>
    <message numerus="yes">
        <source>%n reports of this session were not written to the practice record %1</source>
        <translation>
            <numerusform>%n resoconto di questa sessione non è stato scritto nel registro degli esercizi %1</numerusform>
            <numerusform>%n resoconti di questa sessione non sono stati scritti nel registro degli esercizi %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the practice record was damaged; kept it as %1 and started a fresh one</source>
        <translation>il registro degli esercizi era danneggiato; è stato conservato come %1 e ne è stato iniziato uno nuovo</translation>
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
