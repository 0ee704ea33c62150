<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>tw::Board</name>
    <message>
        <source>smiling</source>
        <translation>sonriente</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>pulsado</translation>
    </message>
    <message>
        <source>surprised</source>
        <translation>sorprendido</translation>
    </message>
    <message>
        <source>game lost</source>
        <translation>partida perdida</translation>
    </message>
    <message>
        <source>game won</source>
        <translation>partida ganada</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>cubierta</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>bandera</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>mina explotada</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>bandera equivocada</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>signo de interrogación</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>fila %1, columna %2: %3</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Descubrir</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Opens the cell</source>
        <translation>Descubre la casilla</translation>
    </message>
    <message>
        <source>Flags the cell, marks it or takes its mark away</source>
        <translation>Pone una bandera, un signo de interrogación o quita la marca</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>partida nueva</translation>
    </message>
    <message>
        <source>mines left: %1</source>
        <translation>minas restantes: %1</translation>
    </message>
    <message>
        <source>seconds: %1</source>
        <translation>segundos: %1</translation>
    </message>
    <message>
        <source>field</source>
        <translation>campo de minas</translation>
    </message>
    <message>
        <source>Arrow keys move, Home, End, Page Up and Page Down go to the edges, Space opens, F flags, R reads the row, S tells the counters, N the cells a number counts, D a safe cell, F2 starts a new game</source>
        <translation>Las flechas mueven, Inicio, Fin, Re Pág y Av Pág van a los bordes, Espacio abre, F pone bandera, R lee la fila, S dice los contadores, N las casillas que cuenta un número, D una casilla segura, F2 empieza una partida nueva</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>fila %1: %2</translation>
    </message>
    <message>
        <source>%1 cells opened</source>
        <translation>%1 casillas abiertas</translation>
    </message>
    <message>
        <source>new game, %1 columns, %2 rows, %3</source>
        <translation>partida nueva, %1 columnas, %2 filas, %3</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>borde</translation>
    </message>
    <message>
        <source>counts %1 cells: %2 covered, %3 flagged, %4 open</source>
        <translation>cuenta %1 casillas: %2 cubiertas, %3 con bandera, %4 abiertas</translation>
    </message>
    <message>
        <source>no certain move</source>
        <translation>ninguna jugada segura</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the first cell opened never holds a mine</source>
        <translation>fila %1, columna %2 es segura: la primera casilla abierta nunca tiene mina</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the %3 at row %4, column %5 is already touching its mine</source>
        <translation>fila %1, columna %2 es segura: el %3 en fila %4, columna %5 ya toca su mina</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the %3 at row %4, column %5 is already touching its mines</source>
        <translation>fila %1, columna %2 es segura: el %3 en fila %4, columna %5 ya toca sus minas</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the mines the %3 at row %4, column %5 still needs are all the %6 at row %7, column %8 still needs</source>
        <translation>fila %1, columna %2 es segura: las minas que aún le faltan al %3 en fila %4, columna %5 son todas las que le faltan al %6 en fila %7, columna %8</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: no way the mines can lie around the numbers covers it</source>
        <translation>fila %1, columna %2 es segura: ninguna forma de poner las minas alrededor de los números la cubre</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the numbers need every mine that is left</source>
        <translation>fila %1, columna %2 es segura: los números necesitan todas las minas que quedan</translation>
    </message>
    <message>
        <source>width %1, the largest</source>
        <translation>ancho %1, el mayor</translation>
    </message>
    <message>
        <source>width %1</source>
        <translation>ancho %1</translation>
    </message>
    <message>
        <source>height %1, the largest</source>
        <translation>alto %1, el mayor</translation>
    </message>
    <message>
        <source>height %1, the smallest</source>
        <translation>alto %1, el menor</translation>
    </message>
    <message>
        <source>mines %1, the most</source>
        <translation>minas %1, el máximo</translation>
    </message>
    <message>
        <source>mines %1, the fewest</source>
        <translation>minas %1, el mínimo</translation>
    </message>
    <message>
        <source>marks on</source>
        <translation>marcas activadas</translation>
    </message>
    <message>
        <source>marks off</source>
        <translation>marcas desactivadas</translation>
    </message>
</context>
<context>
    <name>tw::CommandLine</name>
    <message>
        <source>Mine-field logic puzzle with a choice of neighbourhood rules.</source>
        <translation>Rompecabezas lógico de campo de minas con reglas de vecindad a elegir.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
</context>
<context>
    <name>tw::CustomDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Custom Field</source>
        <translation>Campo personalizado</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Alto:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>A&amp;ncho:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Minas:</translation>
    </message>
    <message>
        <source>height</source>
        <translation>alto</translation>
    </message>
    <message>
        <source>width</source>
        <translation>ancho</translation>
    </message>
    <message>
        <source>mines</source>
        <translation>minas</translation>
    </message>
</context>
<context>
    <name>tw::HelpWindow</name>
    <message>
        <source>1. Normal - Mines are scattered throughout the board. Each tile tells you how many mines are adjacent or diagonal to it. Your objective is to open all of the squares that do not contain mines. Use right clicks to mark squares you know to be mines.</source>
        <translation>1. Normal - Las minas están repartidas por todo el tablero. Cada casilla indica cuántas minas tiene al lado o en diagonal. El objetivo es abrir todas las casillas que no tienen minas. Usa el clic derecho para marcar las casillas que sabes que son minas.</translation>
    </message>
    <message>
        <source>2. Adjacent - Play and objective are the same as #1, but the cells only tell you the number of mines directly adjacent to them.</source>
        <translation>2. Adyacente - El juego y el objetivo son los mismos que en el n.º&#xa0;1, pero las casillas solo indican las minas directamente adyacentes.</translation>
    </message>
    <message>
        <source>3. Super - Instead of being shown mines that are 1 space away as in #1, you are shown the number of mines that are two spaces or less away.</source>
        <translation>3. Súper - En lugar de las minas a 1 casilla de distancia como en el n.º&#xa0;1, se muestran las minas que están a dos casillas o menos.</translation>
    </message>
    <message>
        <source>4. Knight - In chess, a Knight moves one space and then two. In this version of tilewarden, you are shown the number of mines that are a knight&apos;s move away from the square you clicked.</source>
        <translation>4. Caballo - En el ajedrez, el caballo avanza una casilla y luego dos. En esta versión de Tilewarden se muestran las minas que están a un salto de caballo de la casilla pulsada.</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Tilewarden Help</source>
        <translation>Ayuda de Tilewarden</translation>
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
        <translation>Juego</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Juego nuevo</translation>
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
        <translation>Experto</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizado...</translation>
    </message>
    <message>
        <source>Marks (?)</source>
        <translation>Marcas (?)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Adjacent (rule 00001)</source>
        <translation>Adyacente (regla 00001)</translation>
    </message>
    <message>
        <source>Normal (rule 00011)</source>
        <translation>Normal (regla 00011)</translation>
    </message>
    <message>
        <source>Super Adjacent (rule 01001)</source>
        <translation>Súper adyacente (regla 01001)</translation>
    </message>
    <message>
        <source>Super Normal (rule 11011)</source>
        <translation>Súper normal (regla 11011)</translation>
    </message>
    <message>
        <source>Super Sweeper (rule 11111)</source>
        <translation>Súper barredor (regla 11111)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Cómo jugar</translation>
    </message>
</context>
<context>
    <name>tw::Texts</name>
    <message>
        <source>You have solved this level! Congratulations!</source>
        <translation>¡Has resuelto este nivel! ¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Tilewarden</source>
        <translation>Tilewarden</translation>
    </message>
    <message>
        <source>You have found the Treasure Hunt&apos;s Clue 1! Go to %1 for the second clue!</source>
        <translation>¡Has encontrado la pista 1 de la búsqueda del tesoro! Entra en %1 para conseguir la segunda pista.</translation>
    </message>
</context>
</TS>
