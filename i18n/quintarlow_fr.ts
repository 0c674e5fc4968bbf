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
        <source>1 new fact known</source>
        <translation>1 nouveau calcul appris</translation>
    </message>
    <message>
        <source>%1 new facts known</source>
        <translation>%1 nouveaux calculs appris</translation>
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
    <message>
        <source>%1: %2 of %3 right</source>
        <translation>%1 : %2 sur %3 justes</translation>
    </message>
    <message>
        <source>%1,, %2 of %3 right</source>
        <translation>%1,, %2 sur %3 justes</translation>
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
