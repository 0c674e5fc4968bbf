<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Counts</name>
    <message numerus="yes">
        <source>%Ln try</source>
        <translation>
            <numerusform>%Ln essai</numerusform>
            <numerusform>%Ln essais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tries</source>
        <translation>
            <numerusform>%Ln essai</numerusform>
            <numerusform>%Ln essais</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln knows it</source>
        <translation>
            <numerusform>%Ln la connaît</numerusform>
            <numerusform>%Ln la connaissent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln know it</source>
        <translation>
            <numerusform>%Ln la connaît</numerusform>
            <numerusform>%Ln la connaissent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln keeps missing it</source>
        <translation>
            <numerusform>%Ln se trompe encore</numerusform>
            <numerusform>%Ln se trompent encore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln keep missing it</source>
        <translation>
            <numerusform>%Ln se trompe encore</numerusform>
            <numerusform>%Ln se trompent encore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) keeps missing it</source>
        <translation>
            <numerusform>%1 × %2 = %3 : %4 enfant sur %Ln se trompe encore</numerusform>
            <numerusform>%1 × %2 = %3 : %4 enfant sur %Ln se trompe encore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) keep missing it</source>
        <translation>
            <numerusform>%1 × %2 = %3 : %4 enfants sur %Ln se trompent encore</numerusform>
            <numerusform>%1 × %2 = %3 : %4 enfants sur %Ln se trompent encore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) is still learning it</source>
        <translation>
            <numerusform>%1 × %2 = %3 : %4 enfant sur %Ln l&apos;apprend encore</numerusform>
            <numerusform>%1 × %2 = %3 : %4 enfant sur %Ln l&apos;apprend encore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %3: %4 of %Ln child(ren) are still learning it</source>
        <translation>
            <numerusform>%1 × %2 = %3 : %4 enfants sur %Ln l&apos;apprennent encore</numerusform>
            <numerusform>%1 × %2 = %3 : %4 enfants sur %Ln l&apos;apprennent encore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln answer(s) %1, %2 % right by %3.</source>
        <translation>
            <numerusform>%Ln réponse de %3 %1, %2 % justes.</numerusform>
            <numerusform>%Ln réponses de %3 %1, %2 % justes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln child(ren)</source>
        <translation>
            <numerusform>%Ln enfant</numerusform>
            <numerusform>%Ln enfants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln answer(s) %1, %2 % right.</source>
        <translation>
            <numerusform>%Ln réponse %1, %2 % justes.</numerusform>
            <numerusform>%Ln réponses %1, %2 % justes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Played alone against the computer: %Ln game(s), %1 won.</source>
        <translation>
            <numerusform>Seul contre l&apos;ordinateur : %Ln partie, %1 gagnée(s).</numerusform>
            <numerusform>Seul contre l&apos;ordinateur : %Ln parties, %1 gagnée(s).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Answers are kept for %Ln day(s), then deleted.</source>
        <translation>
            <numerusform>Les réponses sont gardées %Ln jour, puis effacées.</numerusform>
            <numerusform>Les réponses sont gardées %Ln jours, puis effacées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Forget %1? All %Ln answer(s) that %1 gave are deleted from the practice record on this computer. This cannot be undone.</source>
        <translation>
            <numerusform>Oublier %1 ? La réponse (%Ln) de %1 est effacée du carnet de cet ordinateur. Impossible de revenir en arrière.</numerusform>
            <numerusform>Oublier %1 ? Les %Ln réponses de %1 sont effacées du carnet de cet ordinateur. Impossible de revenir en arrière.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln learning it</source>
        <translation>
            <numerusform>%Ln l&apos;apprend encore</numerusform>
            <numerusform>%Ln l&apos;apprennent encore</numerusform>
        </translation>
    </message>
</context>
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
    <name>RecordTrouble</name>
    <message>
        <source>On %1 the game could not write the practice record (%2), so the answers played since then are not kept. Make room on the disk or let the game write to its folder, then play again.</source>
        <translation>Le %1, le jeu n&apos;a pas pu écrire le carnet d&apos;entraînement (%2) : les réponses jouées depuis ne sont pas gardées. Libère de la place sur le disque ou laisse le jeu écrire dans son dossier, puis rejoue.</translation>
    </message>
    <message>
        <source>d MMMM yyyy &apos;at&apos; HH:mm</source>
        <translation>d MMMM yyyy &apos;à&apos; HH:mm</translation>
    </message>
    <message>
        <source>Quintarlow! is not keeping its practice record</source>
        <translation>Quintarlow! ne garde plus son carnet d&apos;entraînement</translation>
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
    <message>
        <source>every table learned</source>
        <translation>toutes les tables apprises</translation>
    </message>
    <message>
        <source>learning the %1 times table</source>
        <translation>apprend la table de %1</translation>
    </message>
    <message>
        <source>learning the %1s</source>
        <translation>apprend la table de %1</translation>
    </message>
    <message>
        <source>practising the tables %1</source>
        <translation>s&apos;entraîne aux tables %1</translation>
    </message>
    <message numerus="yes">
        <source>%n new fact known</source>
        <translation>
            <numerusform>%n nouveau calcul appris</numerusform>
            <numerusform>%n nouveaux calculs appris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new facts known</source>
        <translation>
            <numerusform>%n nouveau calcul appris</numerusform>
            <numerusform>%n nouveaux calculs appris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 right</source>
        <translation>
            <numerusform>%1 : %n sur %2 juste</numerusform>
            <numerusform>%1 : %n sur %2 justes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1,, %n of %2 right</source>
        <translation>
            <numerusform>%1,, %n sur %2 juste</numerusform>
            <numerusform>%1,, %n sur %2 justes</numerusform>
        </translation>
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
    <name>quintarlow::CommandText</name>
    <message>
        <source>Two-player spoken multiplication game: four in a line wins.</source>
        <translation>Jeu parlé de multiplication à deux : quatre alignés gagnent.</translation>
    </message>
    <message>
        <source>Open the Practice Record: which facts each player knows.</source>
        <translation>Ouvrir le carnet d&apos;entraînement : les multiplications que chaque joueur connaît.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>%1 See quintarlow --help.</source>
        <translation>%1 Voir quintarlow --help.</translation>
    </message>
    <message>
        <source>cannot open the practice record: %1. Nothing was changed. %2</source>
        <translation>impossible d&apos;ouvrir le carnet d&apos;entraînement : %1. Rien n&apos;a été modifié. %2</translation>
    </message>
    <message>
        <source>%1; kept on this computer until it can be reached</source>
        <translation>%1 ; conservé sur cet ordinateur jusqu&apos;à ce qu&apos;il soit joignable</translation>
    </message>
    <message>
        <source>%1; nor can the practice record on this computer be opened: %2. %3</source>
        <translation>%1 ; le carnet d&apos;entraînement de cet ordinateur ne peut pas non plus être ouvert : %2. %3</translation>
    </message>
    <message>
        <source>no pictures or sounds in %1; playing without them</source>
        <translation>pas d&apos;images ni de sons dans %1 ; la partie se joue sans eux</translation>
    </message>
    <message>
        <source>Print NAME&apos;s practice settings, or set them.</source>
        <translation>Afficher les réglages d&apos;entraînement de NAME, ou les changer.</translation>
    </message>
    <message>
        <source>The tables NAME practises: like 3,4,6, or all (with --practice).</source>
        <translation>Les tables que NAME travaille : comme 3,4,6, ou all (avec --practice).</translation>
    </message>
    <message>
        <source>Ask NAME&apos;s missed facts again: on or off (with --practice).</source>
        <translation>Reposer à NAME les multiplications ratées : on ou off (avec --practice).</translation>
    </message>
    <message>
        <source>NAME follows a learning path over the tables: on or off (with --practice).</source>
        <translation>NAME suit un parcours à travers les tables : on ou off (avec --practice).</translation>
    </message>
    <message>
        <source>The seconds NAME has to answer, 20 to 90 (with --practice).</source>
        <translation>Les secondes dont NAME dispose pour répondre, de 20 à 90 (avec --practice).</translation>
    </message>
    <message>
        <source>How well the computer plays NAME alone: easy, level (NAME&apos;s own) or hard (with --practice).</source>
        <translation>Le niveau de l&apos;ordinateur contre NAME seul : easy, level (celui de NAME) ou hard (avec --practice).</translation>
    </message>
    <message>
        <source>NAME is a new player, not yet in the record (with --practice).</source>
        <translation>NAME est un nouveau joueur, pas encore dans le carnet (avec --practice).</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;</source>
        <translation>inattendu : « %1 »</translation>
    </message>
    <message>
        <source>--tables, --ask-missed, --path, --seconds and --opponent need --practice NAME</source>
        <translation>--tables, --ask-missed, --path, --seconds et --opponent demandent --practice NAME</translation>
    </message>
    <message>
        <source>--practice needs a player&apos;s name</source>
        <translation>--practice demande le prénom d&apos;un joueur</translation>
    </message>
    <message>
        <source>the name has %1 characters, more than %2; a player&apos;s name has at most %2 characters and no control or invisible ones</source>
        <translation>le prénom a %1 caractères, plus de %2 ; un prénom a au plus %2 caractères et aucun caractère de contrôle ou invisible</translation>
    </message>
    <message>
        <source>the name holds a control or invisible character (%1); a player&apos;s name has at most %2 characters and no control or invisible ones</source>
        <translation>le prénom contient un caractère de contrôle ou invisible (%1) ; un prénom a au plus %2 caractères et aucun caractère de contrôle ou invisible</translation>
    </message>
    <message>
        <source>--%1 takes on or off, not &quot;%2&quot;</source>
        <translation>--%1 prend on ou off, pas « %2 »</translation>
    </message>
    <message>
        <source>--seconds takes a number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--seconds prend un nombre de %1 à %2, pas « %3 »</translation>
    </message>
    <message>
        <source>--opponent takes easy, level or hard, not &quot;%1&quot;</source>
        <translation>--opponent prend easy, level ou hard, pas « %1 »</translation>
    </message>
    <message>
        <source>no practice record to keep settings in</source>
        <translation>pas de carnet d&apos;entraînement où garder les réglages</translation>
    </message>
    <message>
        <source>the record has never seen %1: check the spelling, or add --new for a player who has not played yet</source>
        <translation>%1 n&apos;est pas dans le carnet : vérifie l&apos;orthographe, ou ajoute --new pour un joueur qui n&apos;a pas encore joué</translation>
    </message>
    <message>
        <source>could not keep the practice settings of %1</source>
        <translation>impossible de garder les réglages d&apos;entraînement de %1</translation>
    </message>
    <message>
        <source>cannot open the practice record: %1. %2. %3</source>
        <translation>impossible d&apos;ouvrir le carnet d&apos;entraînement : %1. %2. %3</translation>
    </message>
    <message>
        <source>Nothing was changed</source>
        <translation>Rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was exported; choose another file and try again.</source>
        <translation>impossible d&apos;écrire %1 : %2. Rien n&apos;a été exporté ; choisis un autre fichier et réessaie.</translation>
    </message>
    <message numerus="yes">
        <source>Exported %Ln answer(s) to %1.</source>
        <translation>
            <numerusform>%Ln réponse exportée vers %1.</numerusform>
            <numerusform>%Ln réponses exportées vers %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot read %1: it is %2, not a file; nothing imported. Import a CSV file the game exported.</source>
        <translation>impossible de lire %1 : c&apos;est %2, pas un fichier ; rien n&apos;a été importé. Importe un fichier CSV exporté par le jeu.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 %2; nothing imported</source>
        <translation>%1 %2 ; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>Nothing imported</source>
        <translation>Rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>cannot import %1: %2. Nothing imported.</source>
        <translation>impossible d&apos;importer %1 : %2. Rien n&apos;a été importé.</translation>
    </message>
    <message numerus="yes">
        <source>Added %Ln answer(s), skipped %L1 already kept.</source>
        <translation>
            <numerusform>%Ln réponse ajoutée, %L1 déjà gardées ignorées.</numerusform>
            <numerusform>%Ln réponses ajoutées, %L1 déjà gardées ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete every answer and game of %1 from the practice record? [y/N]</source>
        <translation>Effacer toutes les réponses et parties de %1 du carnet d&apos;entraînement ? [y/N]</translation>
    </message>
    <message>
        <source>Nothing deleted.</source>
        <translation>Rien n&apos;a été effacé.</translation>
    </message>
    <message>
        <source>cannot delete %1 from the practice record: it could not be changed. Nothing was deleted; close the game and try again.</source>
        <translation>impossible d&apos;effacer %1 du carnet d&apos;entraînement : il n&apos;a pas pu être modifié. Rien n&apos;a été effacé ; ferme le jeu et réessaie.</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %Ln answer(s) of %1.</source>
        <translation>
            <numerusform>%Ln réponse de %1 effacée.</numerusform>
            <numerusform>%Ln réponses de %1 effacées.</numerusform>
        </translation>
    </message>
    <message>
        <source>no school&apos;s record server is set in [record] (see the README, For schools)</source>
        <translation>aucun serveur de l&apos;école n&apos;est indiqué dans [record] (voir le README, For schools)</translation>
    </message>
    <message>
        <source>--keep-days needs a number of days (0: until forgotten)</source>
        <translation>--keep-days demande un nombre de jours (0 : jusqu&apos;à l&apos;oubli)</translation>
    </message>
    <message>
        <source>cannot set up the school&apos;s record server: %1</source>
        <translation>impossible de préparer le serveur de l&apos;école : %1</translation>
    </message>
    <message>
        <source>Write the practice record (or one player&apos;s part) as CSV.</source>
        <translation>Écrire le carnet d&apos;entraînement (ou la partie d&apos;un joueur) en CSV.</translation>
    </message>
    <message>
        <source>With --export-record or --report: only this player.</source>
        <translation>Avec --export-record ou --report : seulement ce joueur.</translation>
    </message>
    <message>
        <source>Add the answers of a CSV file exported on another computer.</source>
        <translation>Ajouter les réponses d&apos;un fichier CSV exporté sur un autre ordinateur.</translation>
    </message>
    <message>
        <source>Delete a player&apos;s answers and games from the practice record.</source>
        <translation>Effacer les réponses et parties d&apos;un joueur du carnet d&apos;entraînement.</translation>
    </message>
    <message>
        <source>With --forget-player: do not ask first.</source>
        <translation>Avec --forget-player : sans demander avant.</translation>
    </message>
    <message>
        <source>Play without reading or writing the practice record.</source>
        <translation>Jouer sans lire ni écrire le carnet d&apos;entraînement.</translation>
    </message>
    <message>
        <source>Set up the school&apos;s record server named in [record]: tables, roles and their rights (run as the tables&apos; owner).</source>
        <translation>Préparer le serveur de l&apos;école indiqué dans [record] : tables, rôles et leurs droits (à lancer comme propriétaire des tables).</translation>
    </message>
    <message>
        <source>With --setup-school-server: a role for each of these classes.</source>
        <translation>Avec --setup-school-server : un rôle pour chacune de ces classes.</translation>
    </message>
    <message>
        <source>Delete from the school&apos;s record server what it no longer keeps (run as the tables&apos; owner, from a timer).</source>
        <translation>Effacer du serveur de l&apos;école ce qu&apos;il ne garde plus (à lancer comme propriétaire des tables, par un minuteur).</translation>
    </message>
    <message>
        <source>With --setup-school-server: delete answers older than this (0: keep them until forgotten).</source>
        <translation>Avec --setup-school-server : effacer les réponses plus anciennes (0 : les garder jusqu&apos;à l&apos;oubli).</translation>
    </message>
    <message>
        <source>Move a child to another class on the school&apos;s record server, with their answers and settings (a teacher of both classes).</source>
        <translation>Changer un enfant de classe sur le serveur de l&apos;école, avec ses réponses et réglages (un enseignant des deux classes).</translation>
    </message>
    <message>
        <source>With --move-player: the class the child is in.</source>
        <translation>Avec --move-player : la classe où est l&apos;enfant.</translation>
    </message>
    <message>
        <source>With --move-player: the class the child moves to.</source>
        <translation>Avec --move-player : la classe où va l&apos;enfant.</translation>
    </message>
    <message>
        <source>--%1 needs a %2</source>
        <translation>--%1 demande un %2</translation>
    </message>
    <message>
        <source>cannot expire answers on the school&apos;s record server: %1</source>
        <translation>impossible d&apos;effacer les réponses périmées du serveur de l&apos;école : %1</translation>
    </message>
    <message>
        <source>--move-player needs --from-class and --to-class</source>
        <translation>--move-player demande --from-class et --to-class</translation>
    </message>
    <message>
        <source>cannot move a child on the school&apos;s record server: %1</source>
        <translation>impossible de changer l&apos;enfant de classe sur le serveur de l&apos;école : %1</translation>
    </message>
    <message>
        <source>Write the practice record&apos;s report as a PDF (the class&apos;s, or --player&apos;s; with --all one per player into a folder).</source>
        <translation>Écrire le bilan du carnet d&apos;entraînement en PDF (celui de la classe, ou de --player ; avec --all un par joueur dans un dossier).</translation>
    </message>
    <message>
        <source>With --report: only the last N days.</source>
        <translation>Avec --report : seulement les N derniers jours.</translation>
    </message>
    <message>
        <source>With --report: from this day (YYYY-MM-DD).</source>
        <translation>Avec --report : à partir de ce jour (AAAA-MM-JJ).</translation>
    </message>
    <message>
        <source>With --report: up to this day (YYYY-MM-DD).</source>
        <translation>Avec --report : jusqu&apos;à ce jour (AAAA-MM-JJ).</translation>
    </message>
    <message>
        <source>With --report: the class sheet and every child&apos;s page in one PDF to print.</source>
        <translation>Avec --report : la feuille de la classe et la page de chaque enfant dans un seul PDF à imprimer.</translation>
    </message>
    <message>
        <source>Write the class sheet, a line per child, as CSV for a spreadsheet.</source>
        <translation>Écrire la feuille de la classe, une ligne par enfant, en CSV pour un tableur.</translation>
    </message>
    <message>
        <source>With --report: every player&apos;s report and the class&apos;s, each in a file of its own.</source>
        <translation>Avec --report : le bilan de chaque joueur et celui de la classe, chacun dans son propre fichier.</translation>
    </message>
    <message>
        <source>--report needs a FILE (or a FOLDER with --all)</source>
        <translation>--report demande un FILE (ou un FOLDER avec --all)</translation>
    </message>
    <message>
        <source>--all-in-one and --summary are of the whole class: leave out --all and --player</source>
        <translation>--all-in-one et --summary portent sur toute la classe : enlève --all et --player</translation>
    </message>
    <message>
        <source>--all writes every player&apos;s report: leave out --player</source>
        <translation>--all écrit le bilan de chaque joueur : enlève --player</translation>
    </message>
    <message>
        <source>--days counts back from today: leave out --from and --to</source>
        <translation>--days compte à rebours depuis aujourd&apos;hui : enlève --from et --to</translation>
    </message>
    <message>
        <source>--days needs a number of days, 1 or more, such as --days 30</source>
        <translation>--days demande un nombre de jours, 1 ou plus, comme --days 30</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message numerus="yes">
        <source>in the last %Ln day(s)</source>
        <translation>
            <numerusform>le dernier jour</numerusform>
            <numerusform>les %Ln derniers jours</numerusform>
        </translation>
    </message>
    <message>
        <source>--from and --to need days written as 2027-03-01, and --from is needed</source>
        <translation>--from et --to demandent des jours écrits comme 2027-03-01, et --from est nécessaire</translation>
    </message>
    <message>
        <source>--from must not come after --to</source>
        <translation>--from ne doit pas venir après --to</translation>
    </message>
    <message>
        <source>cannot open the practice record: %1. Nothing was written. %2</source>
        <translation>impossible d&apos;ouvrir le carnet d&apos;entraînement : %1. Rien n&apos;a été écrit. %2</translation>
    </message>
    <message>
        <source>cannot read the practice record: %1. Nothing was written.</source>
        <translation>impossible de lire le carnet d&apos;entraînement : %1. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was written; choose another file and try again.</source>
        <translation>impossible d&apos;écrire %1 : %2. Rien n&apos;a été écrit ; choisis un autre fichier et réessaie.</translation>
    </message>
    <message>
        <source>Wrote %1.</source>
        <translation>%1 écrit.</translation>
    </message>
    <message>
        <source>nobody has played yet, so there is no report to write.</source>
        <translation>personne n&apos;a encore joué, il n&apos;y a donc pas de bilan à écrire.</translation>
    </message>
    <message>
        <source>cannot write every report: %1. Choose another folder and try again.</source>
        <translation>impossible d&apos;écrire tous les bilans : %1. Choisis un autre dossier et réessaie.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %Ln report(s) into %1.</source>
        <translation>
            <numerusform>%Ln bilan écrit dans %1.</numerusform>
            <numerusform>%Ln bilans écrits dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wayland session without XWayland (DISPLAY is not set); the game&apos;s windows may not keep their places</source>
        <translation>session Wayland sans XWayland (DISPLAY n&apos;est pas défini) ; les fenêtres du jeu risquent de ne pas rester à leur place</translation>
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
    <name>quintarlow::FactGridModel</name>
    <message>
        <source>%1 times</source>
        <translation>%1 fois</translation>
    </message>
    <message>
        <source>times %1</source>
        <translation>fois %1</translation>
    </message>
    <message>
        <source>Facts, rows the first factor, columns the second</source>
        <translation>Multiplications, lignes le premier facteur, colonnes le second</translation>
    </message>
</context>
<context>
    <name>quintarlow::FactWords</name>
    <message>
        <source>right</source>
        <comment>a try</comment>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <comment>a try</comment>
        <translation>fausse</translation>
    </message>
    <message>
        <source>timed out</source>
        <comment>a try</comment>
        <translation>trop tard</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <comment>a fact</comment>
        <translation>pas encore posée</translation>
    </message>
    <message>
        <source>known</source>
        <comment>a fact</comment>
        <translation>sue</translation>
    </message>
    <message>
        <source>right but slow</source>
        <comment>a fact</comment>
        <translation>juste mais lente</translation>
    </message>
    <message>
        <source>missed</source>
        <comment>a fact</comment>
        <translation>ratée</translation>
    </message>
    <message>
        <source>%1 times %2: %3</source>
        <translation>%1 fois %2 : %3</translation>
    </message>
    <message>
        <source>%L1 right</source>
        <comment>tries</comment>
        <translation>%L1 justes</translation>
    </message>
    <message>
        <source>%1; children: %2, %3, %4; %5, %6</source>
        <translation>%1 ; enfants : %2, %3, %4 ; %5, %6</translation>
    </message>
    <message>
        <source>; missing it: %1</source>
        <translation> ; se trompent : %1</translation>
    </message>
    <message>
        <source>usually answered in %1 seconds</source>
        <translation>en général répondue en %1 secondes</translation>
    </message>
    <message>
        <source>last %L1: %2</source>
        <translation>%L1 dernières : %2</translation>
    </message>
    <message>
        <source>%1 and %L2 more</source>
        <translation>%1 et %L2 autres</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a fact and who misses it</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>this week</source>
        <translation>cette semaine</translation>
    </message>
    <message>
        <source>in the last 30 days</source>
        <translation>ces 30 derniers jours</translation>
    </message>
    <message>
        <source>this term</source>
        <translation>ce trimestre</translation>
    </message>
    <message>
        <source>this school year</source>
        <translation>cette année scolaire</translation>
    </message>
    <message>
        <source>since the first game</source>
        <translation>depuis la première partie</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>a date&apos;s format</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>on %1</source>
        <comment>a day</comment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>a date&apos;s format</comment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>all</source>
        <comment>answers</comment>
        <translation>toutes</translation>
    </message>
    <message>
        <source>faster</source>
        <comment>answers</comment>
        <translation>plus rapide</translation>
    </message>
    <message>
        <source>slower</source>
        <comment>answers</comment>
        <translation>plus lent</translation>
    </message>
    <message>
        <source>same</source>
        <comment>answers&apos; speed</comment>
        <translation>pareil</translation>
    </message>
    <message>
        <source>Too few right answers %1 to say whether answers get faster.</source>
        <translation>Trop peu de bonnes réponses %1 pour dire si les réponses s&apos;accélèrent.</translation>
    </message>
    <message>
        <source>Answers got faster %1: %2 s → %3 s.</source>
        <translation>Les réponses ont été plus rapides %1 : %2 s → %3 s.</translation>
    </message>
    <message>
        <source>Answers got slower %1: %2 s → %3 s.</source>
        <translation>Les réponses ont été plus lentes %1 : %2 s → %3 s.</translation>
    </message>
    <message>
        <source>Answers stayed about as fast %1: %2 s → %3 s.</source>
        <translation>Les réponses sont restées à peu près aussi rapides %1 : %2 s → %3 s.</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: missed its only try</source>
        <translation>%1 × %2 = %3 : ratée au seul essai</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: right once so far, in %4 seconds</source>
        <translation>%1 × %2 = %3 : juste une fois pour l&apos;instant, en %4 secondes</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: missed %4 of the last %5</source>
        <translation>%1 × %2 = %3 : ratée %4 fois sur les %5 dernières</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: right %4 of the last %4, usually in %5 seconds</source>
        <translation>%1 × %2 = %3 : juste les %4 dernières fois, en général en %5 secondes</translation>
    </message>
    <message>
        <source>%1 × %2 = %3: right %4 of the last %4</source>
        <translation>%1 × %2 = %3 : juste les %4 dernières fois</translation>
    </message>
</context>
<context>
    <name>quintarlow::MediaWords</name>
    <message>
        <source>Quintarlow!: the sound %1 is missing or damaged; a short beep plays instead.</source>
        <translation>Quintarlow! : le son %1 manque ou est endommagé ; un bip court le remplace.</translation>
    </message>
    <message>
        <source>eSpeak NG has no voice for &quot;%1&quot; (install the package espeak-ng-data)</source>
        <translation>eSpeak NG n&apos;a pas de voix pour « %1 » (installez le paquet espeak-ng-data)</translation>
    </message>
    <message>
        <source>Speech: %1; the game shows its texts and stays silent.</source>
        <translation>Voix : %1 ; le jeu affiche ses textes et reste muet.</translation>
    </message>
    <message>
        <source>Quintarlow!: the picture %1 is missing or damaged; the game goes on without it.</source>
        <translation>Quintarlow! : l&apos;image %1 manque ou est endommagée ; le jeu continue sans elle.</translation>
    </message>
    <message>
        <source>eSpeak NG is not installed (install the package libespeak-ng1)</source>
        <translation>eSpeak NG n&apos;est pas installé (installez le paquet libespeak-ng1)</translation>
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
    <message>
        <source>The Red player&apos;s name holds a control or invisible character (%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Le prénom du joueur rouge contient un caractère de contrôle ou invisible (%1).<byte value="xd"/>
Écris-le encore une fois, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>The Blue player&apos;s name holds a control or invisible character (%1).<byte value="xd"/>
Please type it again.</source>
        <translation>Le prénom du joueur bleu contient un caractère de contrôle ou invisible (%1).<byte value="xd"/>
Écris-le encore une fois, s&apos;il te plaît.</translation>
    </message>
</context>
<context>
    <name>quintarlow::NameWords</name>
    <message>
        <source>player holds a control or invisible character (%1)</source>
        <translation>player contient un caractère de contrôle ou invisible (%1)</translation>
    </message>
    <message>
        <source>player has %1 characters, more than %2</source>
        <translation>player a %1 caractères, plus de %2</translation>
    </message>
    <message>
        <source>“%1” is a child of more than one class: “%2”. Name one of them as shown and try again.</source>
        <translation>« %1 » est un enfant de plus d&apos;une classe : « %2 ». Nommez l&apos;un d&apos;eux comme affiché et réessayez.</translation>
    </message>
    <message>
        <source>nobody called “%1” is in the practice record.</source>
        <translation>personne du nom de « %1 » n&apos;est dans le carnet d&apos;entraînement.</translation>
    </message>
    <message>
        <source> Did you mean “%1”? Check the spelling and try again.</source>
        <translation> Vouliez-vous dire « %1 » ? Vérifiez l&apos;orthographe et réessayez.</translation>
    </message>
    <message>
        <source> Nobody has played yet.</source>
        <translation> Personne n&apos;a encore joué.</translation>
    </message>
    <message>
        <source> The players are “%1” and %L2 more. Check the spelling and try again.</source>
        <translation> Les joueurs sont « %1 » et %L2 autres. Vérifiez l&apos;orthographe et réessayez.</translation>
    </message>
    <message>
        <source> The players are “%1”. Check the spelling and try again.</source>
        <translation> Les joueurs sont « %1 ». Vérifiez l&apos;orthographe et réessayez.</translation>
    </message>
</context>
<context>
    <name>quintarlow::PathWords</name>
    <message>
        <source>%1 knows %2 of 144 facts</source>
        <translation>%1 sait %2 multiplications sur 144</translation>
    </message>
    <message>
        <source>%1 knows %2 of 144 facts; this week %1 learned %3</source>
        <translation>%1 sait %2 multiplications sur 144 ; cette semaine, %1 a appris %3</translation>
    </message>
    <message>
        <source>%1 knows %2 of 144 facts; to practise again today: %3</source>
        <translation>%1 sait %2 multiplications sur 144 ; à revoir aujourd&apos;hui : %3</translation>
    </message>
    <message>
        <source>%1 knows %2 of 144 facts; this week %1 learned %3; to practise again today: %4</source>
        <translation>%1 sait %2 multiplications sur 144 ; cette semaine, %1 a appris %3 ; à revoir aujourd&apos;hui : %4</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quintarlow::PlayerList</name>
    <message>
        <source>%1, has practice settings of their own</source>
        <translation>%1, a ses propres réglages d&apos;entraînement</translation>
    </message>
    <message>
        <source>Has practice settings of their own</source>
        <translation>A ses propres réglages d&apos;entraînement</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Joueurs</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Ratées</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Rythme</translation>
    </message>
    <message>
        <source>Knows</source>
        <translation>Sait</translation>
    </message>
    <message>
        <source>Usually</source>
        <translation>En général</translation>
    </message>
    <message>
        <source>To practise</source>
        <translation>À revoir</translation>
    </message>
    <message>
        <source>Moved on</source>
        <translation>Progresse</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Dernière fois</translation>
    </message>
    <message>
        <source>How many answers in the period shown</source>
        <translation>Combien de réponses sur la période affichée</translation>
    </message>
    <message>
        <source>How many facts the player keeps missing at the end of the period shown</source>
        <translation>Combien de multiplications l&apos;enfant rate encore à la fin de la période affichée</translation>
    </message>
    <message>
        <source>Whether right answers got faster or slower in the period shown; slower first</source>
        <translation>Si les bonnes réponses sont devenues plus rapides ou plus lentes sur la période ; les plus lentes d&apos;abord</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
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
        <translation>Réglages d&apos;entraînement</translation>
    </message>
    <message>
        <source>&amp;Tables:</source>
        <translation>&amp;Tables :</translation>
    </message>
    <message>
        <source>The %1s</source>
        <translation>La table de %1</translation>
    </message>
    <message>
        <source>Practise the %1s</source>
        <translation>Réviser la table de %1</translation>
    </message>
    <message>
        <source>&amp;All tables</source>
        <translation>&amp;Toutes les tables</translation>
    </message>
    <message>
        <source>All tables</source>
        <translation>Toutes les tables</translation>
    </message>
    <message>
        <source>Every table from 1 to 12, as in any game</source>
        <translation>Toutes les tables de 1 à 12, comme dans toute partie</translation>
    </message>
    <message>
        <source>Ask again what I &amp;miss</source>
        <translation>Redemander ce que je &amp;rate</translation>
    </message>
    <message>
        <source>Ask again what I miss</source>
        <translation>Redemander ce que je rate</translation>
    </message>
    <message>
        <source>Follow the learning pat&amp;h</source>
        <translation>Suivre le &amp;parcours</translation>
    </message>
    <message>
        <source>Follow the learning path</source>
        <translation>Suivre le parcours</translation>
    </message>
    <message>
        <source>A few new facts at a time among known ones, each known fact back on its day of review, the tables in the order they build on each other (or the tables chosen)</source>
        <translation>Quelques nouvelles multiplications à la fois parmi les connues, chaque multiplication sue revient le jour de sa révision, les tables dans l&apos;ordre où elles s&apos;appuient les unes sur les autres (ou les tables choisies)</translation>
    </message>
    <message>
        <source>Time to a&amp;nswer:</source>
        <translation>&amp;Temps pour répondre :</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> secondes</translation>
    </message>
    <message>
        <source>Time to answer</source>
        <translation>Temps pour répondre</translation>
    </message>
    <message>
        <source>The seconds this child has for each question; the other player keeps their own</source>
        <translation>Les secondes de cet enfant pour chaque question ; l&apos;autre joueur garde les siennes</translation>
    </message>
    <message>
        <source>The &amp;computer plays:</source>
        <translation>L&apos;&amp;ordinateur joue :</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>At the child&apos;s level</source>
        <translation>Au niveau de l&apos;enfant</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>The computer plays</source>
        <translation>L&apos;ordinateur joue</translation>
    </message>
    <message>
        <source>When this child plays alone: easy is right about half the time and slow, hard nine times in ten and quick, the child&apos;s level as often as the child was in their last 50 answers</source>
        <translation>Quand cet enfant joue seul : facile a juste une fois sur deux et lentement, difficile neuf fois sur dix et vite, au niveau de l&apos;enfant aussi souvent que l&apos;enfant dans ses 50 dernières réponses</translation>
    </message>
    <message>
        <source>The practice settings of %1 could not be saved: the record could not be changed. Close the window and try again; if it keeps failing, see the README, Practice record.</source>
        <translation>Les réglages d&apos;entraînement de %1 n&apos;ont pas pu être enregistrés : le carnet n&apos;a pas pu être modifié. Fermez la fenêtre et réessayez ; si cela échoue encore, voyez le README, Practice record.</translation>
    </message>
    <message>
        <source>Practice Settings</source>
        <translation>Réglages d&apos;entraînement</translation>
    </message>
    <message>
        <source>Settings are made for one player: choose a player above.</source>
        <translation>Les réglages valent pour un joueur : choisissez-en un ci-dessus.</translation>
    </message>
    <message>
        <source>Every table from 1 to 12, as in any game. Changes count from the next game.</source>
        <translation>Toutes les tables de 1 à 12, comme dans toute partie. Les changements valent dès la prochaine partie.</translation>
    </message>
    <message>
        <source> Changes count from the next game.</source>
        <translation> Les changements valent dès la prochaine partie.</translation>
    </message>
</context>
<context>
    <name>quintarlow::PracticeWords</name>
    <message>
        <source>the list of tables is empty (give tables like 3,4,6 or all)</source>
        <translation>la liste des tables est vide (donnez des tables comme 3,4,6 ou all)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has an empty entry</source>
        <translation>« %1 » contient une entrée vide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a table from 1 to 12</source>
        <translation>« %1 » n&apos;est pas une table de 1 à 12</translation>
    </message>
    <message>
        <source>following the learning path</source>
        <translation>suit le parcours</translation>
    </message>
    <message>
        <source>following the learning path over %1</source>
        <translation>suit le parcours sur %1</translation>
    </message>
    <message>
        <source>practising %1</source>
        <translation>révise %1</translation>
    </message>
    <message>
        <source>missed facts asked again</source>
        <translation>les multiplications ratées sont redemandées</translation>
    </message>
    <message>
        <source>%1 seconds to answer</source>
        <translation>%1 secondes pour répondre</translation>
    </message>
    <message>
        <source>an easy computer</source>
        <translation>un ordinateur facile</translation>
    </message>
    <message>
        <source>a hard computer</source>
        <translation>un ordinateur difficile</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>a times table: the 7s</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>the %1</source>
        <comment>times tables</comment>
        <translation>les tables de %1</translation>
    </message>
</context>
<context>
    <name>quintarlow::ProgressWindow</name>
    <message>
        <source>Knows %1 of 144 facts; %2 being learned, %3 new.</source>
        <translation>Sait %1 multiplications sur 144 ; %2 en cours, %3 nouvelles.</translation>
    </message>
    <message>
        <source>Every table of the path is learned.</source>
        <translation>Toutes les tables du parcours sont apprises.</translation>
    </message>
    <message>
        <source>Learning the %1s, the last table of the path.</source>
        <translation>Apprend la table de %1, la dernière du parcours.</translation>
    </message>
    <message>
        <source>Learning the %1s; the %2s come next.</source>
        <translation>Apprend la table de %1 ; ensuite vient celle de %2.</translation>
    </message>
    <message>
        <source>Nothing to practise again today.</source>
        <translation>Rien à revoir aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>To practise again today: %1.</source>
        <translation>À revoir aujourd&apos;hui : %1.</translation>
    </message>
    <message>
        <source>Practice Record</source>
        <translation>Carnet d&apos;entraînement</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <comment>a date&apos;s format</comment>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>The term began on</source>
        <translation>Le trimestre a commencé le</translation>
    </message>
    <message>
        <source>The day this term began</source>
        <translation>Le jour où ce trimestre a commencé</translation>
    </message>
    <message>
        <source>&amp;Known when right within</source>
        <translation>&amp;Sue si juste en</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>Known when right within</source>
        <translation>Sue si juste en</translation>
    </message>
    <message>
        <source>&amp;Save Report…</source>
        <translation>&amp;Enregistrer le bilan…</translation>
    </message>
    <message>
        <source>Save A&amp;ll…</source>
        <translation>&amp;Tout enregistrer…</translation>
    </message>
    <message>
        <source>Every player&apos;s report and the class&apos;s, each a PDF of its own in one folder</source>
        <translation>Le bilan de chaque joueur et celui de la classe, chacun en PDF dans un dossier</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>Im&amp;primer…</translation>
    </message>
    <message>
        <source>&amp;Forget player…</source>
        <translation>&amp;Oublier le joueur…</translation>
    </message>
    <message>
        <source>Facts to practise</source>
        <translation>À revoir</translation>
    </message>
    <message>
        <source>Share right and usual time per day</source>
        <translation>Part de justes et temps habituel par jour</translation>
    </message>
    <message>
        <source>The practice record could not be read, so there is nothing to show. Nothing in it was changed or deleted.%1

%2</source>
        <translation>Le carnet d&apos;entraînement n&apos;a pas pu être lu, il n&apos;y a donc rien à afficher. Rien n&apos;y a été modifié ni effacé.%1

%2</translation>
    </message>
    <message>
        <source>Nobody has played yet.

The record fills by itself: every answer in a game of Quintarlow! is kept here. Play a game, then open the Practice Record again to see which facts each player knows.</source>
        <translation>Personne n&apos;a encore joué.

Le carnet se remplit tout seul : chaque réponse d&apos;une partie de Quintarlow! y est gardée. Jouez une partie, puis rouvrez le carnet pour voir quelles multiplications chaque joueur connaît.</translation>
    </message>
    <message>
        <source>Each child is judged on their own answers: a cell has the colour most children show, its number how many keep missing it. </source>
        <translation>Chaque enfant est jugé sur ses propres réponses : une case a la couleur de la plupart des enfants, son nombre dit combien la ratent encore. </translation>
    </message>
    <message>
        <source>A cell&apos;s number: the seconds its right answers usually take in its last three tries, which its colour is judged on. An orange star: practice settings of their own. </source>
        <translation>Le nombre d&apos;une case : les secondes que prennent en général ses bonnes réponses sur les trois derniers essais, qui décident de sa couleur. Une étoile orange : des réglages d&apos;entraînement propres. </translation>
    </message>
    <message>
        <source>Rows: first factor; columns: second. Colours: where each fact stood at the period&apos;s end, even from tries before it.</source>
        <translation>Lignes : premier facteur ; colonnes : second. Couleurs : où en était chaque multiplication à la fin de la période, même d&apos;après des essais antérieurs.</translation>
    </message>
    <message>
        <source>Facts most children miss</source>
        <translation>Ce que la plupart ratent</translation>
    </message>
    <message>
        <source>None: every fact asked lately is known.</source>
        <translation>Rien : toutes les multiplications posées récemment sont sues.</translation>
    </message>
    <message>
        <source>Bars: the share right. Line: the seconds right answers usually took; lower is faster. </source>
        <translation>Barres : la part de justes. Ligne : les secondes des bonnes réponses en général ; plus bas, c&apos;est plus rapide. </translation>
    </message>
    <message>
        <source>Moving on</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Learning path, from all answers</source>
        <translation>Parcours, d&apos;après toutes les réponses</translation>
    </message>
    <message>
        <source>Learning path</source>
        <translation>Parcours</translation>
    </message>
    <message>
        <source>Not on the learning path: tick &quot;Follow the learning path&quot; under Practice settings.</source>
        <translation>Pas sur le parcours : cochez « Suivre le parcours » dans Réglages d&apos;entraînement.</translation>
    </message>
    <message>
        <source>The report could not be saved: %1. Choose another folder and try again.</source>
        <translation>Le bilan n&apos;a pas pu être enregistré : %1. Choisissez un autre dossier et réessayez.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le bilan</translation>
    </message>
    <message>
        <source>Practice Records</source>
        <translation>Carnets d&apos;entraînement</translation>
    </message>
    <message>
        <source>Not every report could be saved: %1. Choose another folder and try again.</source>
        <translation>Tous les bilans n&apos;ont pas pu être enregistrés : %1. Choisissez un autre dossier et réessayez.</translation>
    </message>
    <message>
        <source>Save All Reports</source>
        <translation>Enregistrer tous les bilans</translation>
    </message>
    <message>
        <source>Forget Player</source>
        <translation>Oublier le joueur</translation>
    </message>
    <message>
        <source>%1 could not be forgotten: the record could not be changed. Nothing was deleted; close the window and try again.</source>
        <translation>%1 n&apos;a pas pu être oublié : le carnet n&apos;a pas pu être modifié. Rien n&apos;a été effacé ; fermez la fenêtre et réessayez.</translation>
    </message>
</context>
<context>
    <name>quintarlow::ProgressWords</name>
    <message>
        <source>The whole class</source>
        <translation>Toute la classe</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>too soon</source>
        <translation>trop tôt</translation>
    </message>
    <message>
        <source>not played</source>
        <translation>pas joué</translation>
    </message>
    <message>
        <source>knows all</source>
        <translation>sait tout</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>too few to tell</source>
        <translation>trop peu</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Enfant</translation>
    </message>
    <message>
        <source>Knows (of 144)</source>
        <translation>Sait (sur 144)</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Usually answers in</source>
        <translation>Répond en général en</translation>
    </message>
    <message>
        <source>Answer times</source>
        <translation>Temps de réponse</translation>
    </message>
    <message>
        <source>To practise</source>
        <translation>À revoir</translation>
    </message>
    <message>
        <source>Moved on, last two weeks</source>
        <translation>Progrès en 2 semaines</translation>
    </message>
    <message>
        <source>Knows %L1 of 144 facts.</source>
        <translation>Sait %L1 multiplications sur 144.</translation>
    </message>
    <message>
        <source>No answers %1.</source>
        <translation>Aucune réponse %1.</translation>
    </message>
    <message>
        <source>Nothing to practise: every fact asked lately is known.</source>
        <translation>Rien à revoir : toutes les multiplications posées récemment sont sues.</translation>
    </message>
    <message>
        <source>Practise %1.</source>
        <translation>À revoir : %1.</translation>
    </message>
    <message>
        <source>Every child who played in the last two weeks moved on: a fact became known to each.</source>
        <translation>Chaque enfant qui a joué ces deux dernières semaines a progressé : chacun sait une multiplication de plus.</translation>
    </message>
    <message>
        <source>Not moved on for two weeks (played, and no fact became known): %1.</source>
        <translation>Sans progrès depuis deux semaines (a joué, sans nouvelle multiplication sue) : %1.</translation>
    </message>
    <message>
        <source>Known: right within %1 s in 2 of the last 3 tries. Usually: the middle time of right answers.</source>
        <translation>Sue : juste en %1 s au plus sur 2 des 3 derniers essais. En général : le temps médian des bonnes réponses.</translation>
    </message>
    <message>
        <source>No play %1</source>
        <translation>Pas de partie %1</translation>
    </message>
    <message>
        <source>Day by day, %1</source>
        <translation>Jour par jour, %1</translation>
    </message>
    <message>
        <source>Week by week, %1</source>
        <translation>Semaine par semaine, %1</translation>
    </message>
    <message>
        <source>Practice Record - %1.pdf</source>
        <translation>Carnet d&apos;entraînement - %1.pdf</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>right (%)</source>
        <translation>justes (%)</translation>
    </message>
    <message>
        <source>time (s)</source>
        <translation>temps (s)</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>a date&apos;s format</comment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>The class, child by child, %1</source>
        <translation>La classe, enfant par enfant, %1</translation>
    </message>
    <message>
        <source>Quintarlow! Practice Record</source>
        <translation>Quintarlow! Carnet d&apos;entraînement</translation>
    </message>
    <message>
        <source>Answers from %1 to %2. </source>
        <translation>Réponses du %1 au %2. </translation>
    </message>
    <message>
        <source>A cell&apos;s colour is what most children show; its number, how many keep missing it.</source>
        <translation>Couleur d&apos;une case : celle de la plupart ; nombre : combien la ratent encore.</translation>
    </message>
    <message>
        <source>The number in a cell: the seconds its right answers usually take, of its last three tries.</source>
        <translation>Nombre d&apos;une case : secondes habituelles des bonnes réponses (trois derniers essais).</translation>
    </message>
    <message>
        <source>Facts most children miss</source>
        <translation>Ce que la plupart ratent</translation>
    </message>
    <message>
        <source>Facts to practise</source>
        <translation>À revoir</translation>
    </message>
    <message>
        <source>None: every fact asked lately is known.</source>
        <translation>Rien : toutes les multiplications posées récemment sont sues.</translation>
    </message>
    <message>
        <source>Practice Record: %1</source>
        <translation>Carnet d&apos;entraînement : %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le bilan</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save All Reports In</source>
        <translation>Enregistrer tous les bilans dans</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimer le bilan</translation>
    </message>
    <message>
        <source>✓ green: known, right at least 2 of the last 3 times, each within %1 s</source>
        <translation>✓ vert : sue, juste au moins 2 des 3 dernières fois, chaque fois en %1 s</translation>
    </message>
    <message>
        <source>~ yellow, dotted: right but slow, or not yet right twice</source>
        <translation>~ jaune, pointillé : juste mais lente, ou pas encore juste deux fois</translation>
    </message>
    <message>
        <source>✗ red, striped: missed, wrong or too late more often than right</source>
        <translation>✗ rouge, rayé : plus souvent fausse ou trop tard que juste</translation>
    </message>
    <message>
        <source>white: not asked yet</source>
        <translation>blanc : pas encore posée</translation>
    </message>
</context>
<context>
    <name>quintarlow::RecordWords</name>
    <message>
        <source>the record holds an answer (%1) with the unknown outcome &quot;%2&quot;</source>
        <translation>le carnet contient une réponse (%1) au résultat inconnu « %2 »</translation>
    </message>
    <message>
        <source>no id read</source>
        <translation>aucun identifiant lu</translation>
    </message>
    <message>
        <source>The settings are kept in /etc/xdg/quintarlow/quintarlow.conf and ~/.config/quintarlow/quintarlow.conf.</source>
        <translation>Les réglages sont dans /etc/xdg/quintarlow/quintarlow.conf et ~/.config/quintarlow/quintarlow.conf.</translation>
    </message>
    <message>
        <source>See the README, For schools.</source>
        <translation>Voyez le README, For schools.</translation>
    </message>
    <message>
        <source>the record is at version %1, newer than this program knows (%2)</source>
        <translation>le carnet est en version %1, plus récente que ce que ce programme connaît (%2)</translation>
    </message>
    <message>
        <source>the record&apos;s tables cannot be set up: %1</source>
        <translation>les tables du carnet ne peuvent pas être créées : %1</translation>
    </message>
    <message>
        <source>the record&apos;s version cannot be read</source>
        <translation>la version du carnet ne peut pas être lue</translation>
    </message>
    <message>
        <source>the record&apos;s write-ahead log could not be emptied while another program reads the record</source>
        <translation>le journal d&apos;écriture anticipée du carnet n&apos;a pas pu être vidé pendant qu&apos;un autre programme le lit</translation>
    </message>
    <message>
        <source>locked by another program for more than %1 s</source>
        <translation>verrouillé par un autre programme depuis plus de %1 s</translation>
    </message>
    <message>
        <source>Try again once the other program (a game, an import, a backup) is done with it.</source>
        <translation>Réessayez quand l&apos;autre programme (une partie, une importation, une sauvegarde) aura fini.</translation>
    </message>
    <message>
        <source>damaged and cannot be moved aside</source>
        <translation>endommagé et impossible à mettre de côté</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagé</translation>
    </message>
    <message>
        <source>no write-ahead log: %1</source>
        <translation>pas de journal d&apos;écriture anticipée : %1</translation>
    </message>
    <message>
        <source>it is a practice record of a newer version of Quintarlow! (its version %1; this one knows up to %2)</source>
        <translation>c&apos;est un carnet d&apos;une version plus récente de Quintarlow! (sa version %1 ; celle-ci connaît jusqu&apos;à %2)</translation>
    </message>
    <message>
        <source>Use the newer Quintarlow! that wrote it (its --export-record writes a file this version imports), or move the file aside to start a fresh record.</source>
        <translation>Utilisez le Quintarlow! plus récent qui l&apos;a écrit (son --export-record écrit un fichier que cette version importe), ou mettez le fichier de côté pour commencer un nouveau carnet.</translation>
    </message>
    <message>
        <source>it is another program&apos;s SQLite database (tables %1), not a practice record</source>
        <translation>c&apos;est la base SQLite d&apos;un autre programme (tables %1), pas un carnet d&apos;entraînement</translation>
    </message>
    <message>
        <source>Move that file out of the folder %1 (the game then starts a fresh record there), or put the practice record back.</source>
        <translation>Sortez ce fichier du dossier %1 (le jeu y commencera un nouveau carnet), ou remettez le carnet d&apos;entraînement.</translation>
    </message>
    <message>
        <source>the record server&apos;s settings in [record] hold a password key, which the game refuses to use: remove that line and put the password in the file named by passfile= (see the README, For schools)</source>
        <translation>les réglages du serveur dans [record] contiennent une clé password, que le jeu refuse d&apos;utiliser : retirez cette ligne et mettez le mot de passe dans le fichier désigné par passfile= (voyez le README, For schools)</translation>
    </message>
    <message>
        <source>the record server&apos;s settings in [record] hold a port= that is not a port number (1 to 65535): correct it (see the README, For schools)</source>
        <translation>les réglages du serveur dans [record] contiennent un port= qui n&apos;est pas un numéro de port (1 à 65535) : corrigez-le (voyez le README, For schools)</translation>
    </message>
    <message>
        <source>the record server&apos;s settings in [record] hold an sslmode= that is none of %1: correct it (see the README, For schools)</source>
        <translation>les réglages du serveur dans [record] contiennent un sslmode= qui n&apos;est aucun de %1 : corrigez-le (voyez le README, For schools)</translation>
    </message>
    <message>
        <source>the file named by passfile= in [record] is ignored, since others than its owner may read it (PostgreSQL takes only a file of mode 0600): make it private with chmod 600</source>
        <translation>le fichier désigné par passfile= dans [record] est ignoré, car d&apos;autres que son propriétaire peuvent le lire (PostgreSQL ne prend qu&apos;un fichier de mode 0600) : rendez-le privé avec chmod 600</translation>
    </message>
    <message>
        <source>the school&apos;s record server asks for a password and none was found: add the line host:port:database:user:password to the file named by passfile= in [record] (or ~/.pgpass)</source>
        <translation>le serveur de l&apos;école demande un mot de passe et aucun n&apos;a été trouvé : ajoutez la ligne host:port:database:user:password au fichier désigné par passfile= dans [record] (ou ~/.pgpass)</translation>
    </message>
    <message>
        <source>the school&apos;s record server refused the login (authentication failed): check user= in [record] and the password in the passfile</source>
        <translation>le serveur de l&apos;école a refusé la connexion (échec d&apos;authentification) : vérifiez user= dans [record] et le mot de passe dans le passfile</translation>
    </message>
    <message>
        <source>the school&apos;s record server lets no one log in from here as that user: its pg_hba.conf needs a line for this computer</source>
        <translation>le serveur de l&apos;école ne laisse personne se connecter d&apos;ici sous cet utilisateur : son pg_hba.conf doit avoir une ligne pour cet ordinateur</translation>
    </message>
    <message>
        <source>the school&apos;s record server has no database of the name database= in [record] gives: correct it, or set the server up</source>
        <translation>le serveur de l&apos;école n&apos;a pas de base du nom que donne database= dans [record] : corrigez-le, ou installez le serveur</translation>
    </message>
    <message>
        <source>the school&apos;s record server knows no user of the name user= in [record] gives: correct it, or ask for that login</source>
        <translation>le serveur de l&apos;école ne connaît aucun utilisateur du nom que donne user= dans [record] : corrigez-le, ou demandez cet identifiant</translation>
    </message>
    <message>
        <source>the encrypted connection to the school&apos;s record server failed: check sslmode= and sslrootcert= in [record]</source>
        <translation>la connexion chiffrée au serveur de l&apos;école a échoué : vérifiez sslmode= et sslrootcert= dans [record]</translation>
    </message>
    <message>
        <source>the school&apos;s record server cannot be reached: check that it runs and that host= and port= in [record] name it</source>
        <translation>le serveur de l&apos;école est injoignable : vérifiez qu&apos;il tourne et que host= et port= dans [record] le désignent</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server is reachable again; kept answers are sent</source>
        <translation>quintarlow : le serveur de l&apos;école est de nouveau joignable ; les réponses gardées sont envoyées</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server cannot be reached; answers are kept on this computer and sent later</source>
        <translation>quintarlow : le serveur de l&apos;école est injoignable ; les réponses sont gardées sur cet ordinateur et envoyées plus tard</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server holds a newer record than this version of the game knows; answers are kept on this computer</source>
        <translation>quintarlow : le serveur de l&apos;école a un carnet plus récent que ce que connaît cette version du jeu ; les réponses sont gardées sur cet ordinateur</translation>
    </message>
    <message>
        <source>quintarlow: the school&apos;s record server refused the answers; answers are kept on this computer and sent later</source>
        <translation>quintarlow : le serveur de l&apos;école a refusé les réponses ; les réponses sont gardées sur cet ordinateur et envoyées plus tard</translation>
    </message>
    <message>
        <source>quintarlow: the record on this computer cannot be read, so nothing is sent to the school&apos;s record server</source>
        <translation>quintarlow : le carnet de cet ordinateur ne peut pas être lu, rien n&apos;est donc envoyé au serveur de l&apos;école</translation>
    </message>
    <message>
        <source>quintarlow: answers cannot be sent to the school&apos;s record server; answers are kept on this computer and sent later</source>
        <translation>quintarlow : les réponses ne peuvent pas être envoyées au serveur de l&apos;école ; elles sont gardées sur cet ordinateur et envoyées plus tard</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>See the README, Practice record.</source>
        <translation>Voyez le README, Practice record.</translation>
    </message>
    <message>
        <source>the practice record is locked by another program (another import, a game, a backup) for more than %1 s. Try again once it is done</source>
        <translation>le carnet d&apos;entraînement est verrouillé par un autre programme (une autre importation, une partie, une sauvegarde) depuis plus de %1 s. Réessayez quand il aura fini</translation>
    </message>
    <message>
        <source>Made the role %1.</source>
        <translation>Rôle %1 créé.</translation>
    </message>
    <message>
        <source>Let %1 connect to the database.</source>
        <translation>%1 peut se connecter à la base.</translation>
    </message>
    <message>
        <source>Took TEMPORARY and CONNECT on the database from PUBLIC.</source>
        <translation>TEMPORARY et CONNECT sur la base retirés à PUBLIC.</translation>
    </message>
    <message>
        <source>Gave the tables and functions to %1.</source>
        <translation>Tables et fonctions données à %1.</translation>
    </message>
    <message>
        <source>Made %1 a member of %2.</source>
        <translation>%1 est maintenant membre de %2.</translation>
    </message>
    <message>
        <source>Brought the tables from version %1 to %2.</source>
        <translation>Tables passées de la version %1 à %2.</translation>
    </message>
    <message>
        <source>the classes &quot;%1&quot; and &quot;%2&quot; would share the role %3; name them apart by a letter or digit</source>
        <translation>les classes « %1 » et « %2 » partageraient le rôle %3 ; distinguez-les par une lettre ou un chiffre</translation>
    </message>
    <message>
        <source>Answers are now kept %1 days.</source>
        <translation>Les réponses sont maintenant gardées %1 jours.</translation>
    </message>
    <message>
        <source>Answers are now kept until a child is forgotten.</source>
        <translation>Les réponses sont maintenant gardées jusqu&apos;à ce qu&apos;un enfant soit oublié.</translation>
    </message>
    <message>
        <source>Everything was set up already; nothing changed.</source>
        <translation>Tout était déjà en place ; rien n&apos;a changé.</translation>
    </message>
    <message>
        <source>the tables are at version %1, this program&apos;s at %2: run --setup-school-server first</source>
        <translation>les tables sont en version %1, ce programme en %2 : lancez d&apos;abord --setup-school-server</translation>
    </message>
    <message>
        <source>Answers are kept until a child is forgotten; nothing expired.</source>
        <translation>Les réponses sont gardées jusqu&apos;à ce qu&apos;un enfant soit oublié ; rien n&apos;a expiré.</translation>
    </message>
    <message>
        <source>Deleted what is older than %4 days: answers %1, games %2, settings %3.</source>
        <translation>Effacé ce qui a plus de %4 jours : réponses %1, parties %2, réglages %3.</translation>
    </message>
    <message>
        <source>the connection broke</source>
        <translation>la connexion a été coupée</translation>
    </message>
    <message>
        <source>the school&apos;s record server holds a newer record than this version of the game knows</source>
        <translation>le serveur de l&apos;école a un carnet plus récent que ce que connaît cette version du jeu</translation>
    </message>
    <message>
        <source>the school&apos;s record server cannot be read</source>
        <translation>le serveur de l&apos;école ne peut pas être lu</translation>
    </message>
    <message>
        <source>the school&apos;s record server has no practice record this version of the game can read</source>
        <translation>le serveur de l&apos;école n&apos;a pas de carnet que cette version du jeu sache lire</translation>
    </message>
    <message>
        <source>the school&apos;s record server cannot be read (%1)</source>
        <translation>le serveur de l&apos;école ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>the school&apos;s record server refused the answers (%1)</source>
        <translation>le serveur de l&apos;école a refusé les réponses (%1)</translation>
    </message>
    <message>
        <source>answer_id is not a UUID</source>
        <translation>answer_id n&apos;est pas un UUID</translation>
    </message>
    <message>
        <source>player is empty</source>
        <translation>player est vide</translation>
    </message>
    <message>
        <source>played_at is not a date and time with its offset</source>
        <translation>played_at n&apos;est pas une date et heure avec son décalage</translation>
    </message>
    <message>
        <source>game is not a UUID</source>
        <translation>game n&apos;est pas un UUID</translation>
    </message>
    <message>
        <source>turn, a, b or product is not a number in range</source>
        <translation>turn, a, b ou product n&apos;est pas un nombre dans les limites</translation>
    </message>
    <message>
        <source>product is not a times b</source>
        <translation>product n&apos;est pas a fois b</translation>
    </message>
    <message>
        <source>answered is not a number from 1 to 144</source>
        <translation>answered n&apos;est pas un nombre de 1 à 144</translation>
    </message>
    <message>
        <source>outcome is not right, wrong or timeout</source>
        <translation>outcome n&apos;est pas right, wrong ou timeout</translation>
    </message>
    <message>
        <source>answered and outcome do not agree</source>
        <translation>answered et outcome ne concordent pas</translation>
    </message>
    <message>
        <source>ms is not a number in range</source>
        <translation>ms n&apos;est pas un nombre dans les limites</translation>
    </message>
    <message>
        <source>line 1: the file begins with two byte-order marks; save it again as UTF-8 with one (or none)</source>
        <translation>ligne 1 : le fichier commence par deux indicateurs d&apos;ordre des octets ; enregistrez-le à nouveau en UTF-8 avec un seul (ou aucun)</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text; save it again as UTF-8</source>
        <translation>le fichier n&apos;est pas du texte UTF-8 ; enregistrez-le à nouveau en UTF-8</translation>
    </message>
    <message>
        <source>line 1: the lines end in a carriage return alone; save it again with CR LF or LF line ends</source>
        <translation>ligne 1 : les lignes finissent par un retour chariot seul ; enregistrez-le à nouveau avec des fins de ligne CR LF ou LF</translation>
    </message>
    <message>
        <source>line 1: the header is not &quot;%1&quot;</source>
        <translation>ligne 1 : l&apos;en-tête n&apos;est pas « %1 »</translation>
    </message>
    <message>
        <source>garbled quotes</source>
        <translation>guillemets mal formés</translation>
    </message>
    <message>
        <source>%1 fields instead of %2</source>
        <translation>%1 champs au lieu de %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>%1; answers are kept on this computer</source>
        <translation>%1 ; les réponses sont gardées sur cet ordinateur</translation>
    </message>
    <message>
        <source>a school&apos;s record server is set, but Qt&apos;s PostgreSQL driver (Debian: libqt6sql6-psql) is not installed; answers are kept on this computer</source>
        <translation>un serveur de l&apos;école est indiqué, mais le pilote PostgreSQL de Qt (Debian : libqt6sql6-psql) n&apos;est pas installé ; les réponses sont gardées sur cet ordinateur</translation>
    </message>
    <message>
        <source>erased %1, a damaged copy of the record that held the forgotten name</source>
        <translation>%1 effacé, une copie endommagée du carnet qui contenait le nom oublié</translation>
    </message>
    <message>
        <source>no practice record (%1); playing without one</source>
        <translation>pas de carnet d&apos;entraînement (%1) ; la partie se joue sans lui</translation>
    </message>
    <message>
        <source>the practice record %1 cannot be written (%2); playing on without it</source>
        <translation>impossible d&apos;écrire dans le carnet d&apos;entraînement %1 (%2) ; la partie continue sans lui</translation>
    </message>
    <message>
        <source>cannot keep the waiting answers in %1: %2</source>
        <translation>impossible de garder les réponses en attente dans %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>added %n answers a game could not write while the practice record was locked</source>
        <translation>
            <numerusform>%n réponse ajoutée, qu&apos;une partie n&apos;avait pas pu écrire pendant que le carnet d&apos;entraînement était verrouillé</numerusform>
            <numerusform>%n réponses ajoutées, qu&apos;une partie n&apos;avait pas pu écrire pendant que le carnet d&apos;entraînement était verrouillé</numerusform>
        </translation>
    </message>
    <message>
        <source>the practice record %1 is locked by another program; the answers wait and are written once it is free</source>
        <translation>le carnet d&apos;entraînement %1 est verrouillé par un autre programme ; les réponses attendent et seront écrites dès qu&apos;il sera libre</translation>
    </message>
    <message numerus="yes">
        <source>%n reports of this session were not written to the practice record %1</source>
        <translation>
            <numerusform>%n compte rendu de cette session n&apos;a pas été écrit dans le carnet d&apos;entraînement %1</numerusform>
            <numerusform>%n comptes rendus de cette session n&apos;ont pas été écrits dans le carnet d&apos;entraînement %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the practice record was damaged; kept it as %1 and started a fresh one</source>
        <translation>le carnet d&apos;entraînement était endommagé ; il a été gardé sous le nom %1 et un nouveau a été commencé</translation>
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
