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
        <source>The Red player&apos;s name holds a control or invisible character (U+%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Il nome del giocatore rosso contiene un carattere di controllo o invisibile (U+%1).<byte value="xd"/>
Scrivilo di nuovo, per favore.</translation>
    </message>
    <message>
        <source>The Blue player&apos;s name holds a control or invisible character (U+%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Il nome del giocatore blu contiene un carattere di controllo o invisibile (U+%1).<byte value="xd"/>
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
