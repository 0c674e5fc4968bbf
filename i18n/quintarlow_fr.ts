<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Names</name>
    <message>
        <source>The Computer</source>
        <translation>L&apos;ordinateur</translation>
    </message>
    <message>
        <source>Red Player - Enter Name Here</source>
        <translation>Rouge - écris ton prénom ici</translation>
    </message>
    <message>
        <source>Blue Player - Enter Name Here</source>
        <translation>Bleu - écris ton prénom ici</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>welcome to quintarlow,, enter your names and we&apos;ll get started!</source>
        <translation>bienvenue dans quintarlow,, entrez vos noms et c&apos;est parti !</translation>
    </message>
    <message>
        <source>FOUR IN A ROW,,ACROSS, UP AND DOWN OR DIAGONALLY WINS,, you have %1 seconds to answer,, blue goes FIRST</source>
        <translation>QUATRE ALIGNÉS,,EN LIGNE, EN COLONNE OU EN DIAGONALE GAGNENT,, vous avez %1 secondes pour répondre,, bleu COMMENCE</translation>
    </message>
    <message>
        <source>FOUR IN A ROW,,ACROSS, UP AND DOWN OR DIAGONALLY WINS,, blue has %1 seconds and red has %2 seconds to answer,, blue goes FIRST</source>
        <translation>QUATRE ALIGNÉS,,EN LIGNE, EN COLONNE OU EN DIAGONALE GAGNENT,, bleu a %1 secondes et rouge a %2 secondes pour répondre,, bleu COMMENCE</translation>
    </message>
    <message>
        <source>blue goes first</source>
        <translation>bleu commence</translation>
    </message>
    <message>
        <source>enter the players names</source>
        <translation>entrez les noms des joueurs</translation>
    </message>
    <message>
        <source>BLUE GOES FIRST</source>
        <translation>BLEU COMMENCE</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>C&apos;EST JUSTE</translation>
    </message>
    <message>
        <source>YOU WERE WRONG</source>
        <translation>C&apos;EST FAUX</translation>
    </message>
    <message>
        <source>WE HAVE A WINNER</source>
        <translation>NOUS AVONS UN GAGNANT</translation>
    </message>
    <message>
        <source>Choose Option Below</source>
        <translation>Choisis ci-dessous</translation>
    </message>
    <message>
        <source>%1, times, %2</source>
        <translation>%1, fois, %2</translation>
    </message>
    <message>
        <source>that is not a valid selection,, try again,, %1, times, %2</source>
        <translation>ce choix n&apos;est pas valable,, essaie encore,, %1, fois, %2</translation>
    </message>
    <message>
        <source>red,, generate your multipliers</source>
        <translation>rouge,, tire ta multiplication</translation>
    </message>
    <message>
        <source>blue,, generate your multipliers</source>
        <translation>bleu,, tire ta multiplication</translation>
    </message>
    <message>
        <source>%1, that is correct, red gets the square. , it is, blues turn</source>
        <translation>%1, c&apos;est juste, rouge prend la case. , c&apos;est au tour, de bleu</translation>
    </message>
    <message>
        <source>%1, that is correct, blue gets the square. , it is, reds turn</source>
        <translation>%1, c&apos;est juste, bleu prend la case. , c&apos;est au tour, de rouge</translation>
    </message>
    <message>
        <source>IT&apos;S RED&apos;s TURN</source>
        <translation>AU TOUR DE ROUGE</translation>
    </message>
    <message>
        <source>IT&apos;S BLUE&apos;s TURN</source>
        <translation>AU TOUR DE BLEU</translation>
    </message>
    <message>
        <source>you are out of time.  the correct answer was,, %1, it is, REDs turn.</source>
        <translation>le temps est écoulé.  la bonne réponse était,, %1, c&apos;est au tour, de ROUGE.</translation>
    </message>
    <message>
        <source>you are out of time.  the correct answer was,, %1, it is, BLUEs turn.</source>
        <translation>le temps est écoulé.  la bonne réponse était,, %1, c&apos;est au tour, de BLEU.</translation>
    </message>
    <message>
        <source>%1  that is wrong.  the correct answer was,, %2, it is, REDs turn.</source>
        <translation>%1  c&apos;est faux.  la bonne réponse était,, %2, c&apos;est au tour, de ROUGE.</translation>
    </message>
    <message>
        <source>%1  that is wrong.  the correct answer was,, %2, it is, BLUEs turn.</source>
        <translation>%1  c&apos;est faux.  la bonne réponse était,, %2, c&apos;est au tour, de BLEU.</translation>
    </message>
    <message>
        <source>attention! attention! we have a winner! congratulations to the,, red, player</source>
        <translation>attention ! attention ! nous avons un gagnant ! bravo,, au joueur, rouge</translation>
    </message>
    <message>
        <source>attention! attention! we have a winner! congratulations to the,, blue, player</source>
        <translation>attention ! attention ! nous avons un gagnant ! bravo,, au joueur, bleu</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Play in LANGUAGE (%1), not the desktop&apos;s.</source>
        <translation>Jouer dans la langue LANGUAGE (%1), et non celle du bureau.</translation>
    </message>
</context>
<context>
    <name>quintarlow::BoardWindow</name>
    <message>
        <source>Generate Multipliers</source>
        <translation>Tirer une multiplication</translation>
    </message>
    <message>
        <source>FOUR IN A ROW - ACROSS, UP AND DOWN OR DIAGONALLY WINS.</source>
        <translation>QUATRE ALIGNÉS - EN LIGNE, EN COLONNE OU EN DIAGONALE GAGNENT.</translation>
    </message>
    <message>
        <source>START NEW GAME</source>
        <translation>NOUVELLE PARTIE</translation>
    </message>
    <message>
        <source>QUIT GAME</source>
        <translation>QUITTER LE JEU</translation>
    </message>
    <message>
        <source>First factor, %1</source>
        <translation>Premier facteur, %1</translation>
    </message>
    <message>
        <source>First factor, none drawn</source>
        <translation>Premier facteur, pas encore tiré</translation>
    </message>
    <message>
        <source>Second factor, %1</source>
        <translation>Second facteur, %1</translation>
    </message>
    <message>
        <source>Second factor, none drawn</source>
        <translation>Second facteur, pas encore tiré</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>encore %n seconde</numerusform>
            <numerusform>encore %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Blue player, %1, to move</source>
        <translation>Joueur bleu, %1, à toi de jouer</translation>
    </message>
    <message>
        <source>Blue player, %1</source>
        <translation>Joueur bleu, %1</translation>
    </message>
    <message>
        <source>Red player, %1, to move</source>
        <translation>Joueur rouge, %1, à toi de jouer</translation>
    </message>
    <message>
        <source>Red player, %1</source>
        <translation>Joueur rouge, %1</translation>
    </message>
    <message>
        <source>Quintarlow! corner</source>
        <translation>Coin Quintarlow!</translation>
    </message>
    <message>
        <source>Cannot be chosen.</source>
        <translation>Ne peut pas être choisi.</translation>
    </message>
    <message>
        <source>FREE square</source>
        <translation>Case LIBRE</translation>
    </message>
    <message>
        <source>Counts for both players in a line. Cannot be chosen.</source>
        <translation>Compte pour les deux joueurs dans un alignement. Ne peut pas être choisie.</translation>
    </message>
    <message>
        <source>%1, Blue</source>
        <translation>%1, bleu</translation>
    </message>
    <message>
        <source>%1, Red</source>
        <translation>%1, rouge</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Tu es sûr ?</translation>
    </message>
    <message>
        <source>Start a New Game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
</context>
<context>
    <name>quintarlow::CorrectAnswerPopup</name>
    <message>
        <source>Correct Answer</source>
        <translation>Bonne réponse</translation>
    </message>
</context>
<context>
    <name>quintarlow::NameEntry</name>
    <message>
        <source>%1 CHARACTERS MAX</source>
        <translation>%1 CARACTÈRES AU PLUS</translation>
    </message>
    <message>
        <source>The Red player&apos;s name has %1 characters, more than %2.<byte value="xd"/>
Please type it again.</source>
        <translation>Le prénom du joueur rouge a %1 caractères, plus de %2.<byte value="xd"/>
Écris-le encore une fois, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>The Blue player&apos;s name has %1 characters, more than %2.<byte value="xd"/>
Please type it again.</source>
        <translation>Le prénom du joueur bleu a %1 caractères, plus de %2.<byte value="xd"/>
Écris-le encore une fois, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>The Red player&apos;s name holds a control or invisible character (U+%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Le prénom du joueur rouge contient un caractère de contrôle ou invisible (U+%1).<byte value="xd"/>
Écris-le encore une fois, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>The Blue player&apos;s name holds a control or invisible character (U+%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Le prénom du joueur bleu contient un caractère de contrôle ou invisible (U+%1).<byte value="xd"/>
Écris-le encore une fois, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>START PLAYING</source>
        <translation>C&apos;EST PARTI !</translation>
    </message>
    <message>
        <source>Play against the computer</source>
        <translation>Jouer contre l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Red is a guest (not recorded)</source>
        <translation>Rouge est invité (non noté)</translation>
    </message>
    <message>
        <source>Red is a guest, not recorded</source>
        <translation>Rouge est invité, non noté</translation>
    </message>
    <message>
        <source>Red player&apos;s name</source>
        <translation>Prénom du joueur rouge</translation>
    </message>
    <message>
        <source>Blue player&apos;s name</source>
        <translation>Prénom du joueur bleu</translation>
    </message>
    <message>
        <source>WELCOME</source>
        <translation>BIENVENUE</translation>
    </message>
    <message>
        <source>The same name cannot be entered for both players!<byte value="xd"/>
please enter another name, or play against the computer.</source>
        <translation>Les deux joueurs ne peuvent pas avoir le même prénom !<byte value="xd"/>
Écris un autre prénom, ou joue contre l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>A name must be entered for the Blue player!<byte value="xd"/>
please retry.</source>
        <translation>Le joueur bleu doit écrire son prénom !<byte value="xd"/>
Réessaie.</translation>
    </message>
    <message>
        <source>Names must be entered for both players!<byte value="xd"/>
please retry.</source>
        <translation>Les deux joueurs doivent écrire leur prénom !<byte value="xd"/>
Réessaie.</translation>
    </message>
</context>
<context>
    <name>quintarlow::ScreenSet</name>
    <message>
        <source>Are you sure?</source>
        <translation>Tu es sûr ?</translation>
    </message>
    <message>
        <source>Close the Program</source>
        <translation>Fermer le programme</translation>
    </message>
</context>
<context>
    <name>quintarlow::SplashScreen</name>
    <message>
        <source>Made by the Quintarlow! team</source>
        <translation>Par l&apos;équipe de Quintarlow!</translation>
    </message>
    <message>
        <source>Voice by Flite, made with Qt</source>
        <translation>Voix d&apos;eSpeak NG, fait avec Qt</translation>
    </message>
    <message>
        <source>Game Loading Please Wait.....</source>
        <translation>Chargement, patiente.....</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Version 3.0</translation>
    </message>
    <message>
        <source>Multiplication Game</source>
        <translation>Jeu de multiplication</translation>
    </message>
</context>
<context>
    <name>quintarlow::WinnerWindow</name>
    <message>
        <source>%1, Blue</source>
        <translation>%1, bleu</translation>
    </message>
    <message>
        <source>%1, Red</source>
        <translation>%1, rouge</translation>
    </message>
    <message>
        <source>Play Again - Same Players</source>
        <translation>Revanche</translation>
    </message>
    <message>
        <source>Play Again - New Players</source>
        <translation>Nouveaux joueurs</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Quitter le jeu</translation>
    </message>
</context>
</TS>
