<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>tw::Board</name>
    <message>
        <source>smiling</source>
        <translation>sorridente</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>pressionado</translation>
    </message>
    <message>
        <source>surprised</source>
        <translation>surpreso</translation>
    </message>
    <message>
        <source>game lost</source>
        <translation>jogo perdido</translation>
    </message>
    <message>
        <source>game won</source>
        <translation>jogo ganho</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>coberta</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>bandeira</translation>
    </message>
    <message>
        <source>mine</source>
        <translation>mina</translation>
    </message>
    <message>
        <source>exploded mine</source>
        <translation>mina explodida</translation>
    </message>
    <message>
        <source>wrong flag</source>
        <translation>bandeira errada</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>ponto de interrogação</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>linha %1, coluna %2: %3</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Opens the cell</source>
        <translation>Abre a casa</translation>
    </message>
    <message>
        <source>Flags the cell, marks it or takes its mark away</source>
        <translation>Coloca uma bandeira, um ponto de interrogação ou tira a marca</translation>
    </message>
    <message>
        <source>new game</source>
        <translation>novo jogo</translation>
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
        <translation>campo minado</translation>
    </message>
    <message>
        <source>Arrow keys move, Home, End, Page Up and Page Down go to the edges, Space opens, F flags, R reads the row, S tells the counters, N the cells a number counts, D a safe cell, F2 starts a new game</source>
        <translation>As setas movem, Home, End, Page Up e Page Down vão às bordas, Espaço abre, F marca com bandeira, R lê a linha, S diz os contadores, N as casas que um número conta, D uma casa segura, F2 começa um novo jogo</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>%1 cells opened</source>
        <translation>%1 casas abertas</translation>
    </message>
    <message>
        <source>new game, %1 columns, %2 rows, %3</source>
        <translation>novo jogo, %1 colunas, %2 linhas, %3</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>borda</translation>
    </message>
    <message>
        <source>counts %1 cells: %2 covered, %3 flagged, %4 open</source>
        <translation>conta %1 casas: %2 cobertas, %3 com bandeira, %4 abertas</translation>
    </message>
    <message>
        <source>no certain move</source>
        <translation>nenhuma jogada certa</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the first cell opened never holds a mine</source>
        <translation>linha %1, coluna %2 é segura: a primeira casa aberta nunca tem mina</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the %3 at row %4, column %5 is already touching its mine</source>
        <translation>linha %1, coluna %2 é segura: o %3 na linha %4, coluna %5 já toca sua mina</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the %3 at row %4, column %5 is already touching its mines</source>
        <translation>linha %1, coluna %2 é segura: o %3 na linha %4, coluna %5 já toca suas minas</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the mines the %3 at row %4, column %5 still needs are all the %6 at row %7, column %8 still needs</source>
        <translation>linha %1, coluna %2 é segura: as minas que ainda faltam ao %3 na linha %4, coluna %5 são todas as que faltam ao %6 na linha %7, coluna %8</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: no way the mines can lie around the numbers covers it</source>
        <translation>linha %1, coluna %2 é segura: nenhuma forma de pôr as minas em volta dos números a cobre</translation>
    </message>
    <message>
        <source>row %1, column %2 is safe: the numbers need every mine that is left</source>
        <translation>linha %1, coluna %2 é segura: os números precisam de todas as minas que restam</translation>
    </message>
    <message>
        <source>width %1, the largest</source>
        <translation>largura %1, a maior</translation>
    </message>
    <message>
        <source>width %1</source>
        <translation>largura %1</translation>
    </message>
    <message>
        <source>height %1, the largest</source>
        <translation>altura %1, a maior</translation>
    </message>
    <message>
        <source>height %1, the smallest</source>
        <translation>altura %1, a menor</translation>
    </message>
    <message>
        <source>mines %1, the most</source>
        <translation>minas %1, o máximo</translation>
    </message>
    <message>
        <source>mines %1, the fewest</source>
        <translation>minas %1, o mínimo</translation>
    </message>
    <message>
        <source>marks on</source>
        <translation>marcas ligadas</translation>
    </message>
    <message>
        <source>marks off</source>
        <translation>marcas desligadas</translation>
    </message>
</context>
<context>
    <name>tw::CommandLine</name>
    <message>
        <source>Mine-field logic puzzle with a choice of neighbourhood rules.</source>
        <translation>Quebra-cabeça lógico de campo minado com regras de vizinhança à escolha.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Custom Field</source>
        <translation>Campo personalizado</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Altura:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largura:</translation>
    </message>
    <message>
        <source>&amp;Mines:</source>
        <translation>&amp;Minas:</translation>
    </message>
    <message>
        <source>height</source>
        <translation>altura</translation>
    </message>
    <message>
        <source>width</source>
        <translation>largura</translation>
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
        <translation>1. Normal - As minas estão espalhadas por todo o tabuleiro. Cada quadrado mostra quantas minas há ao lado ou na diagonal dele. O objetivo é abrir todos os quadrados que não têm minas. Use o clique direito para marcar os quadrados que você sabe que são minas.</translation>
    </message>
    <message>
        <source>2. Adjacent - Play and objective are the same as #1, but the cells only tell you the number of mines directly adjacent to them.</source>
        <translation>2. Adjacente - O jogo e o objetivo são os mesmos do nº&#xa0;1, mas os quadrados mostram só o número de minas diretamente adjacentes.</translation>
    </message>
    <message>
        <source>3. Super - Instead of being shown mines that are 1 space away as in #1, you are shown the number of mines that are two spaces or less away.</source>
        <translation>3. Super - Em vez das minas a 1 casa de distância como no nº&#xa0;1, você vê o número de minas que estão a duas casas ou menos.</translation>
    </message>
    <message>
        <source>4. Knight - In chess, a Knight moves one space and then two. In this version of tilewarden, you are shown the number of mines that are a knight&apos;s move away from the square you clicked.</source>
        <translation>4. Cavalo - No xadrez, o cavalo anda uma casa e depois duas. Nesta versão do Tilewarden, você vê o número de minas que estão a um lance de cavalo do quadrado clicado.</translation>
    </message>
    <message>
        <source>How To Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tilewarden Help</source>
        <translation>Ajuda do Tilewarden</translation>
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
        <translation>Jogo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermediário</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Especialista</translation>
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
        <translation>Sair</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Modalidade</translation>
    </message>
    <message>
        <source>Adjacent (rule 00001)</source>
        <translation>Adjacente (regra 00001)</translation>
    </message>
    <message>
        <source>Normal (rule 00011)</source>
        <translation>Normal (regra 00011)</translation>
    </message>
    <message>
        <source>Super Adjacent (rule 01001)</source>
        <translation>Super adjacente (regra 01001)</translation>
    </message>
    <message>
        <source>Super Normal (rule 11011)</source>
        <translation>Super normal (regra 11011)</translation>
    </message>
    <message>
        <source>Super Sweeper (rule 11111)</source>
        <translation>Super varredor (regra 11111)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Como jogar</translation>
    </message>
</context>
<context>
    <name>tw::Texts</name>
    <message>
        <source>You have solved this level! Congratulations!</source>
        <translation>Você resolveu este nível! Parabéns!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>Tilewarden</source>
        <translation>Tilewarden</translation>
    </message>
    <message>
        <source>You have found the Treasure Hunt&apos;s Clue 1! Go to %1 for the second clue!</source>
        <translation>Você encontrou a pista 1 da caça ao tesouro! Acesse %1 para ver a segunda pista!</translation>
    </message>
</context>
</TS>
