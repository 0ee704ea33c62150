<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>tw::Board</name>
    <message>
        <source>smiling</source>
        <translation>lächelnd</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>gedrückt</translation>
    </message>
    <message>
        <source>surprised</source>
        <translation>überrascht</translation>
    </message>
    <message>
        <source>game lost</source>
        <translation>Spiel verloren</translation>
    </message>
    <message>
        <source>game won</source>
        <translation>Spiel gewonnen</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>Fahne</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>Mine</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>explodierte Mine</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>falsche Fahne</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aufdecken</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <source>Opens the cell</source>
        <translation>Deckt das Feld auf</translation>
    </message>
    <message>
        <source>Flags the cell, marks it or takes its mark away</source>
        <translation>Setzt eine Fahne, ein Fragezeichen oder nimmt die Markierung weg</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>neues Spiel</translation>
    </message>
    <message>
        <source>mines left: %1</source>
        <translation>verbleibende Minen: %1</translation>
    </message>
    <message>
        <source>seconds: %1</source>
        <translation>Sekunden: %1</translation>
    </message>
    <message>
        <source>field</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Arrow keys move, Home, End, Page Up and Page Down go to the edges, Space opens, F flags, R reads the row, S tells the counters, N the cells a number counts, D a safe cell, F2 starts a new game</source>
        <translation>Pfeiltasten bewegen, Pos1, Ende, Bild auf und Bild ab springen an die Ränder, Leertaste öffnet, F markiert, R liest die Zeile, S nennt die Zähler, N die Felder, die eine Zahl zählt, D ein sicheres Feld, F2 beginnt ein neues Spiel</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 cells opened</source>
        <translation>%1 Felder geöffnet</translation>
    </message>
    <message>
        <source>new game, %1 columns, %2 rows, %3</source>
        <translation>neues Spiel, %1 Spalten, %2 Zeilen, %3</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>counts %1 cells: %2 covered, %3 flagged, %4 open</source>
        <translation>zählt %1 Felder: %2 verdeckt, %3 mit Fahne, %4 offen</translation>
    </message>
    <message>
        <source>no certain move</source>
        <translation>kein sicherer Zug</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the first cell opened never holds a mine</source>
        <translation>Zeile %1, Spalte %2 ist sicher: das erste geöffnete Feld enthält nie eine Mine</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the %3 at row %4, column %5 is already touching its mine</source>
        <translation>Zeile %1, Spalte %2 ist sicher: die %3 in Zeile %4, Spalte %5 berührt ihre Mine schon</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the %3 at row %4, column %5 is already touching its mines</source>
        <translation>Zeile %1, Spalte %2 ist sicher: die %3 in Zeile %4, Spalte %5 berührt ihre Minen schon</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the mines the %3 at row %4, column %5 still needs are all the %6 at row %7, column %8 still needs</source>
        <translation>Zeile %1, Spalte %2 ist sicher: die Minen, die der %3 in Zeile %4, Spalte %5 noch fehlen, sind alle, die der %6 in Zeile %7, Spalte %8 noch fehlen</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: no way the mines can lie around the numbers covers it</source>
        <translation>Zeile %1, Spalte %2 ist sicher: keine Lage der Minen um die Zahlen trifft es</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the numbers need every mine that is left</source>
        <translation>Zeile %1, Spalte %2 ist sicher: die Zahlen brauchen jede übrige Mine</translation>
    </message>
    <message>
        <source>width %1, the largest</source>
        <translation>Breite %1, die größte</translation>
    </message>
    <message>
        <source>width %1</source>
        <translation>Breite %1</translation>
    </message>
    <message>
        <source>height %1, the largest</source>
        <translation>Höhe %1, die größte</translation>
    </message>
    <message>
        <source>height %1, the smallest</source>
        <translation>Höhe %1, die kleinste</translation>
    </message>
    <message>
        <source>mines %1, the most</source>
        <translation>Minen %1, die meisten</translation>
    </message>
    <message>
        <source>mines %1, the fewest</source>
        <translation>Minen %1, die wenigsten</translation>
    </message>
    <message>
        <source>marks on</source>
        <translation>Markierungen ein</translation>
    </message>
    <message>
        <source>marks off</source>
        <translation>Markierungen aus</translation>
    </message>
</context>
<context>
    <name>tw::CommandLine</name>
    <message>
        <source>Mine-field logic puzzle with a choice of neighbourhood rules.</source>
        <translation>Minenfeld-Logikrätsel mit wählbaren Nachbarschaftsregeln.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Custom Field</source>
        <translation>Eigenes Spielfeld</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Minen:</translation>
    </message>
    <message>
        <source>height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>mines</source>
        <translation>Minen</translation>
    </message>
</context>
<context>
    <name>tw::HelpWindow</name>
    <message>
        <source>1. Normal - Mines are scattered throughout the board. Each tile tells you how many mines are adjacent or diagonal to it. Your objective is to open all of the squares that do not contain mines. Use right clicks to mark squares you know to be mines.</source>
        <translation>1. Normal - Die Minen sind über das ganze Spielfeld verstreut. Jedes Feld zeigt, wie viele Minen direkt oder diagonal daneben liegen. Ziel ist es, alle Felder ohne Mine aufzudecken. Mit der rechten Maustaste markierst du Felder, die sicher Minen sind.</translation>
    </message>
    <message>
        <source>2. Adjacent - Play and objective are the same as #1, but the cells only tell you the number of mines directly adjacent to them.</source>
        <translation>2. Angrenzend - Spielweise und Ziel wie bei #1, aber die Felder zählen nur die Minen, die direkt an sie angrenzen.</translation>
    </message>
    <message>
        <source>3. Super - Instead of being shown mines that are 1 space away as in #1, you are shown the number of mines that are two spaces or less away.</source>
        <translation>3. Super - Statt der Minen im Abstand von 1 Feld wie bei #1 siehst du die Zahl der Minen, die höchstens zwei Felder entfernt sind.</translation>
    </message>
    <message>
        <source>4. Knight - In chess, a Knight moves one space and then two. In this version of tilewarden, you are shown the number of mines that are a knight&apos;s move away from the square you clicked.</source>
        <translation>4. Springer - Im Schach zieht der Springer ein Feld und dann zwei. Hier zählen die Minen, die einen Springerzug vom angeklickten Feld entfernt sind.</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tilewarden Help</source>
        <translation>Tilewarden-Hilfe</translation>
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
        <translation>Spiel</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Fortgeschrittener</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Eigenes Spielfeld...</translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation>Markierungen (?)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>Adjacent (rule 00001)</source>
        <translation>Angrenzend (Regel 00001)</translation>
    </message>
    <message>
        <source>Normal (rule 00011)</source>
        <translation>Normal (Regel 00011)</translation>
    </message>
    <message>
        <source>Super Adjacent (rule 01001)</source>
        <translation>Super-Angrenzend (Regel 01001)</translation>
    </message>
    <message>
        <source>Super Normal (rule 11011)</source>
        <translation>Super-Normal (Regel 11011)</translation>
    </message>
    <message>
        <source>Super Sweeper (rule 11111)</source>
        <translation>Super-Räumer (Regel 11111)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
</context>
<context>
    <name>tw::Texts</name>
    <message>
        <source>You have solved this level! Congratulations!</source>
        <translation>Du hast dieses Level gelöst! Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>Tilewarden</source>
        <translation>Tilewarden</translation>
    </message>
    <message>
        <source>You have found the Treasure Hunt&apos;s Clue 1! Go to %1 for the second clue!</source>
        <translation>Du hast Hinweis 1 der Schatzsuche gefunden! Den zweiten Hinweis findest du unter %1!</translation>
    </message>
</context>
</TS>
