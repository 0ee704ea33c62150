<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>tw::Board</name>
    <message>
        <source>smiling</source>
        <translation>sorridente</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>premuto</translation>
    </message>
    <message>
        <source>surprised</source>
        <translation>sorpreso</translation>
    </message>
    <message>
        <source>game lost</source>
        <translation>partita persa</translation>
    </message>
    <message>
        <source>game won</source>
        <translation>partita vinta</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>coperta</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>bandierina</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>mina esplosa</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>bandierina sbagliata</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>punto interrogativo</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>riga %1, colonna %2: %3</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Scopri</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Segna</translation>
    </message>
    <message>
        <source>Opens the cell</source>
        <translation>Scopre la casella</translation>
    </message>
    <message>
        <source>Flags the cell, marks it or takes its mark away</source>
        <translation>Mette una bandierina, un punto interrogativo o toglie il segno</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>nuova partita</translation>
    </message>
    <message>
        <source>mines left: %1</source>
        <translation>mine rimaste: %1</translation>
    </message>
    <message>
        <source>seconds: %1</source>
        <translation>secondi: %1</translation>
    </message>
    <message>
        <source>field</source>
        <translation>campo minato</translation>
    </message>
    <message>
        <source>Arrow keys move, Home, End, Page Up and Page Down go to the edges, Space opens, F flags, R reads the row, S tells the counters, N the cells a number counts, D a safe cell, F2 starts a new game</source>
        <translation>Le frecce spostano, Inizio, Fine, Pag su e Pag giù vanno ai bordi, Spazio apre, F mette una bandiera, R legge la riga, S dice i contatori, N le caselle che conta un numero, D una casella sicura, F2 inizia una nuova partita</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>%1 cells opened</source>
        <translation>%1 caselle aperte</translation>
    </message>
    <message>
        <source>new game, %1 columns, %2 rows, %3</source>
        <translation>nuova partita, %1 colonne, %2 righe, %3</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>bordo</translation>
    </message>
    <message>
        <source>counts %1 cells: %2 covered, %3 flagged, %4 open</source>
        <translation>conta %1 caselle: %2 coperte, %3 con bandierina, %4 aperte</translation>
    </message>
    <message>
        <source>no certain move</source>
        <translation>nessuna mossa sicura</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the first cell opened never holds a mine</source>
        <translation>riga %1, colonna %2 è sicura: la prima casella aperta non ha mai una mina</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the %3 at row %4, column %5 is already touching its mine</source>
        <translation>riga %1, colonna %2 è sicura: il %3 in riga %4, colonna %5 tocca già la sua mina</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the %3 at row %4, column %5 is already touching its mines</source>
        <translation>riga %1, colonna %2 è sicura: il %3 in riga %4, colonna %5 tocca già le sue mine</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the mines the %3 at row %4, column %5 still needs are all the %6 at row %7, column %8 still needs</source>
        <translation>riga %1, colonna %2 è sicura: le mine che mancano ancora al %3 in riga %4, colonna %5 sono tutte quelle che mancano al %6 in riga %7, colonna %8</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: no way the mines can lie around the numbers covers it</source>
        <translation>riga %1, colonna %2 è sicura: nessun modo di disporre le mine intorno ai numeri la copre</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the numbers need every mine that is left</source>
        <translation>riga %1, colonna %2 è sicura: i numeri richiedono tutte le mine rimaste</translation>
    </message>
    <message>
        <source>width %1, the largest</source>
        <translation>colonne %1, il massimo</translation>
    </message>
    <message>
        <source>width %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>height %1, the largest</source>
        <translation>righe %1, il massimo</translation>
    </message>
    <message>
        <source>height %1, the smallest</source>
        <translation>righe %1, il minimo</translation>
    </message>
    <message>
        <source>mines %1, the most</source>
        <translation>mine %1, il massimo</translation>
    </message>
    <message>
        <source>mines %1, the fewest</source>
        <translation>mine %1, il minimo</translation>
    </message>
    <message>
        <source>marks on</source>
        <translation>segni attivi</translation>
    </message>
    <message>
        <source>marks off</source>
        <translation>segni disattivati</translation>
    </message>
</context>
<context>
    <name>tw::CommandLine</name>
    <message>
        <source>Mine-field logic puzzle with a choice of neighbourhood rules.</source>
        <translation>Rompicapo logico a campo minato con regole di vicinato a scelta.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Custom Field</source>
        <translation>Campo personalizzato</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Righe:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Colonne:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Mine:</translation>
    </message>
    <message>
        <source>height</source>
        <translation>righe</translation>
    </message>
    <message>
        <source>width</source>
        <translation>colonne</translation>
    </message>
    <message>
        <source>mines</source>
        <translation>mine</translation>
    </message>
</context>
<context>
    <name>tw::HelpWindow</name>
    <message>
        <source>1. Normal - Mines are scattered throughout the board. Each tile tells you how many mines are adjacent or diagonal to it. Your objective is to open all of the squares that do not contain mines. Use right clicks to mark squares you know to be mines.</source>
        <translation>1. Normale - Le mine sono sparse su tutto il campo. Ogni casella indica quante mine ha accanto o in diagonale. Lo scopo è aprire tutte le caselle che non contengono mine. Usa il clic destro per segnare le caselle che sai essere mine.</translation>
    </message>
    <message>
        <source>2. Adjacent - Play and objective are the same as #1, but the cells only tell you the number of mines directly adjacent to them.</source>
        <translation>2. Adiacente - Gioco e scopo sono gli stessi del n.&#xa0;1, ma le caselle indicano solo il numero di mine direttamente adiacenti.</translation>
    </message>
    <message>
        <source>3. Super - Instead of being shown mines that are 1 space away as in #1, you are shown the number of mines that are two spaces or less away.</source>
        <translation>3. Super - Invece delle mine a 1 casella di distanza come nel n.&#xa0;1, viene mostrato il numero di mine a due caselle o meno.</translation>
    </message>
    <message>
        <source>4. Knight - In chess, a Knight moves one space and then two. In this version of tilewarden, you are shown the number of mines that are a knight&apos;s move away from the square you clicked.</source>
        <translation>4. Cavallo - Negli scacchi il cavallo si muove di una casella e poi di due. In questa versione di Tilewarden viene mostrato il numero di mine a una mossa di cavallo dalla casella cliccata.</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tilewarden Help</source>
        <translation>Guida di Tilewarden</translation>
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
        <translation>Partita</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizzato...</translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation>Segni (?)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Adjacent (rule 00001)</source>
        <translation>Adiacente (regola 00001)</translation>
    </message>
    <message>
        <source>Normal (rule 00011)</source>
        <translation>Normale (regola 00011)</translation>
    </message>
    <message>
        <source>Super Adjacent (rule 01001)</source>
        <translation>Super adiacente (regola 01001)</translation>
    </message>
    <message>
        <source>Super Normal (rule 11011)</source>
        <translation>Super normale (regola 11011)</translation>
    </message>
    <message>
        <source>Super Sweeper (rule 11111)</source>
        <translation>Super sminatore (regola 11111)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Come si gioca</translation>
    </message>
</context>
<context>
    <name>tw::Texts</name>
    <message>
        <source>You have solved this level! Congratulations!</source>
        <translation>Hai risolto questo livello! Congratulazioni!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Congratulazioni!</translation>
    </message>
    <message>
        <source>Tilewarden</source>
        <translation>Tilewarden</translation>
    </message>
    <message>
        <source>You have found the Treasure Hunt&apos;s Clue 1! Go to %1 for the second clue!</source>
        <translation>Hai trovato l&apos;indizio 1 della caccia al tesoro! Vai su %1 per il secondo indizio!</translation>
    </message>
</context>
</TS>
