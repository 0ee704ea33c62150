<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>tw::Board</name>
    <message>
        <source>smiling</source>
        <translation>souriant</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>enfoncé</translation>
    </message>
    <message>
        <source>surprised</source>
        <translation>surpris</translation>
    </message>
    <message>
        <source>game lost</source>
        <translation>partie perdue</translation>
    </message>
    <message>
        <source>game won</source>
        <translation>partie gagnée</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>couverte</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>drapeau</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mine</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>mine explosée</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>drapeau erroné</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>point d&apos;interrogation</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Découvrir</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Marquer</translation>
    </message>
    <message>
        <source>Opens the cell</source>
        <translation>Découvre la case</translation>
    </message>
    <message>
        <source>Flags the cell, marks it or takes its mark away</source>
        <translation>Pose un drapeau, un point d&apos;interrogation ou retire la marque</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>nouvelle partie</translation>
    </message>
    <message>
        <source>mines left: %1</source>
        <translation>mines restantes : %1</translation>
    </message>
    <message>
        <source>seconds: %1</source>
        <translation>secondes : %1</translation>
    </message>
    <message>
        <source>field</source>
        <translation>champ de mines</translation>
    </message>
    <message>
        <source>Arrow keys move, Home, End, Page Up and Page Down go to the edges, Space opens, F flags, R reads the row, S tells the counters, N the cells a number counts, D a safe cell, F2 starts a new game</source>
        <translation>Les flèches déplacent, Début, Fin, Page précédente et Page suivante vont aux bords, Espace ouvre, F pose un drapeau, R lit la ligne, S donne les compteurs, N les cases que compte un nombre, D une case sûre, F2 commence une nouvelle partie</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>%1 cells opened</source>
        <translation>%1 cases ouvertes</translation>
    </message>
    <message>
        <source>new game, %1 columns, %2 rows, %3</source>
        <translation>nouvelle partie, %1 colonnes, %2 lignes, %3</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>bord</translation>
    </message>
    <message>
        <source>counts %1 cells: %2 covered, %3 flagged, %4 open</source>
        <translation>compte %1 cases : %2 couvertes, %3 avec drapeau, %4 ouvertes</translation>
    </message>
    <message>
        <source>no certain move</source>
        <translation>aucun coup sûr</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the first cell opened never holds a mine</source>
        <translation>ligne %1, colonne %2 est sûre : la première case ouverte ne cache jamais de mine</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the %3 at row %4, column %5 is already touching its mine</source>
        <translation>ligne %1, colonne %2 est sûre : le %3 en ligne %4, colonne %5 touche déjà sa mine</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the %3 at row %4, column %5 is already touching its mines</source>
        <translation>ligne %1, colonne %2 est sûre : le %3 en ligne %4, colonne %5 touche déjà ses mines</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the mines the %3 at row %4, column %5 still needs are all the %6 at row %7, column %8 still needs</source>
        <translation>ligne %1, colonne %2 est sûre : les mines qui manquent encore au %3 en ligne %4, colonne %5 sont toutes celles qui manquent au %6 en ligne %7, colonne %8</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: no way the mines can lie around the numbers covers it</source>
        <translation>ligne %1, colonne %2 est sûre : aucune façon de placer les mines autour des nombres ne la couvre</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the numbers need every mine that is left</source>
        <translation>ligne %1, colonne %2 est sûre : les nombres demandent toutes les mines restantes</translation>
    </message>
    <message>
        <source>width %1, the largest</source>
        <translation>largeur %1, la plus grande</translation>
    </message>
    <message>
        <source>width %1</source>
        <translation>largeur %1</translation>
    </message>
    <message>
        <source>height %1, the largest</source>
        <translation>hauteur %1, la plus grande</translation>
    </message>
    <message>
        <source>height %1, the smallest</source>
        <translation>hauteur %1, la plus petite</translation>
    </message>
    <message>
        <source>mines %1, the most</source>
        <translation>mines %1, le maximum</translation>
    </message>
    <message>
        <source>mines %1, the fewest</source>
        <translation>mines %1, le minimum</translation>
    </message>
    <message>
        <source>marks on</source>
        <translation>marques activées</translation>
    </message>
    <message>
        <source>marks off</source>
        <translation>marques désactivées</translation>
    </message>
</context>
<context>
    <name>tw::CommandLine</name>
    <message>
        <source>Mine-field logic puzzle with a choice of neighbourhood rules.</source>
        <translation>Casse-tête logique de champ de mines aux règles de voisinage au choix.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>tw::CustomDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Custom Field</source>
        <translation>Champ personnalisé</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Mines&#xa0;:</translation>
    </message>
    <message>
        <source>height</source>
        <translation>hauteur</translation>
    </message>
    <message>
        <source>width</source>
        <translation>largeur</translation>
    </message>
    <message>
        <source>mines</source>
        <translation>mines</translation>
    </message>
</context>
<context>
    <name>tw::HelpWindow</name>
    <message>
        <source>1. Normal - Mines are scattered throughout the board. Each tile tells you how many mines are adjacent or diagonal to it. Your objective is to open all of the squares that do not contain mines. Use right clicks to mark squares you know to be mines.</source>
        <translation>1. Normal - Les mines sont dispersées sur tout le plateau. Chaque case indique combien de mines la touchent, par un côté ou en diagonale. Le but est d&apos;ouvrir toutes les cases sans mine. Un clic droit marque une case que vous savez minée.</translation>
    </message>
    <message>
        <source>2. Adjacent - Play and objective are the same as #1, but the cells only tell you the number of mines directly adjacent to them.</source>
        <translation>2. Adjacent - Règles et but comme au n°&#xa0;1, mais les cases ne comptent que les mines qui leur sont directement adjacentes.</translation>
    </message>
    <message>
        <source>3. Super - Instead of being shown mines that are 1 space away as in #1, you are shown the number of mines that are two spaces or less away.</source>
        <translation>3. Super - Au lieu des mines situées à 1 case comme au n°&#xa0;1, vous voyez le nombre de mines situées à deux cases ou moins.</translation>
    </message>
    <message>
        <source>4. Knight - In chess, a Knight moves one space and then two. In this version of tilewarden, you are shown the number of mines that are a knight&apos;s move away from the square you clicked.</source>
        <translation>4. Cavalier - Aux échecs, le cavalier avance d&apos;une case puis de deux. Dans cette version de Tilewarden, vous voyez le nombre de mines situées à un saut de cavalier de la case cliquée.</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tilewarden Help</source>
        <translation>Aide de Tilewarden</translation>
    </message>
</context>
<context>
    <name>tw::MainWindow</name>
    <message>
        <source>Tilewarden</source>
        <translation>Tilewarden</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personnalisé...</translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation>Marques (?)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Adjacent (rule 00001)</source>
        <translation>Adjacent (règle 00001)</translation>
    </message>
    <message>
        <source>Normal (rule 00011)</source>
        <translation>Normal (règle 00011)</translation>
    </message>
    <message>
        <source>Super Adjacent (rule 01001)</source>
        <translation>Super adjacent (règle 01001)</translation>
    </message>
    <message>
        <source>Super Normal (rule 11011)</source>
        <translation>Super normal (règle 11011)</translation>
    </message>
    <message>
        <source>Super Sweeper (rule 11111)</source>
        <translation>Super démineur (règle 11111)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
</context>
<context>
    <name>tw::Texts</name>
    <message>
        <source>You have solved this level! Congratulations!</source>
        <translation>Vous avez résolu ce niveau&#xa0;! Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>Tilewarden</source>
        <translation>Tilewarden</translation>
    </message>
    <message>
        <source>You have found the Treasure Hunt&apos;s Clue 1! Go to %1 for the second clue!</source>
        <translation>Vous avez trouvé l&apos;indice 1 de la chasse au trésor&#xa0;! Rendez-vous sur %1 pour le deuxième indice&#xa0;!</translation>
    </message>
</context>
</TS>
