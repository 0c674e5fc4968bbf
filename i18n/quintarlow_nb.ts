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
        <source>The Red player&apos;s name holds a control or invisible character (U+%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Navnet til rød spiller har et kontrolltegn eller et usynlig tegn (U+%1).<byte value="xd"/>
Skriv det på nytt.</translation>
    </message>
    <message>
        <source>The Blue player&apos;s name holds a control or invisible character (U+%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Navnet til blå spiller har et kontrolltegn eller et usynlig tegn (U+%1).<byte value="xd"/>
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
