<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About this Program....</source>
        <translation>Sobre este programa</translation>
    </message>
    <message>
        <source>close window</source>
        <extracomment>The tooltip of the About window&apos;s X button.</extracomment>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>A Sudoku game</source>
        <extracomment>The About picture&apos;s lines, read to a screen reader&apos;s user (the picture keeps the English).</extracomment>
        <translation>Um jogo de sudoku</translation>
    </message>
    <message>
        <source>Fill every row, column and box</source>
        <translation>Preencha cada linha, cada coluna e cada quadrado</translation>
    </message>
    <message>
        <source>with the numbers one to nine.</source>
        <translation>com os números de um a nove.</translation>
    </message>
    <message>
        <source>by the Ninebox developers</source>
        <translation>pelos desenvolvedores do Ninebox</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later. Made with Qt 6.</source>
        <translation>Software livre sob a GNU GPL, versão 3 ou posterior. Feito com Qt 6.</translation>
    </message>
    <message>
        <source>Kanji numerals derived from Noto Serif CJK, SIL Open Font License 1.1.</source>
        <translation>Números em kanji derivados da Noto Serif CJK, SIL Open Font License 1.1.</translation>
    </message>
    <message>
        <source>Board text in Liberation Sans Narrow (Liberation Fonts licence).</source>
        <translation>Texto do tabuleiro em Liberation Sans Narrow (licença Liberation Fonts).</translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>empty, row %1, column %2</source>
        <translation>vazia, linha %1, coluna %2</translation>
    </message>
    <message>
        <source>%1, given, row %2, column %3</source>
        <translation>%1, inicial, linha %2, coluna %3</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, linha %2, coluna %3</translation>
    </message>
    <message>
        <source>, candidates %1</source>
        <translation>, candidatos %1</translation>
    </message>
    <message>
        <source>, waiting for a digit</source>
        <translation>, aguardando um número</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Level: Easy</source>
        <translation>Nível: fácil</translation>
    </message>
    <message>
        <source>Level: Medium</source>
        <translation>Nível: médio</translation>
    </message>
    <message>
        <source>Level: Hard</source>
        <translation>Nível: difícil</translation>
    </message>
    <message>
        <source>Level: none</source>
        <translation>Nível: nenhum</translation>
    </message>
    <message>
        <source>Score: %1 right, %2 wrong</source>
        <translation>Pontos: acertos %1, erros %2</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Solução: %1</translation>
    </message>
    <message>
        <source>Answer: not known</source>
        <translation>Solução: desconhecida</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Resolvido</translation>
    </message>
    <message>
        <source>, notes %1</source>
        <translation>, anotações %1</translation>
    </message>
    <message>
        <source>%1, given, clash, row %2, column %3</source>
        <extracomment>&quot;clash&quot;: the same digit stands again in this cell&apos;s row, column or box.</extracomment>
        <translation>%1, inicial, conflito, linha %2, coluna %3</translation>
    </message>
    <message>
        <source>%1, clash, row %2, column %3</source>
        <translation>%1, conflito, linha %2, coluna %3</translation>
    </message>
    <message>
        <source>Edit Mode</source>
        <extracomment>Said to a screen reader&apos;s user: the mode in which the player types in a puzzle.</extracomment>
        <translation>Modo de edição</translation>
    </message>
    <message>
        <source>Cheat placed 1 digit</source>
        <extracomment>Said to a screen reader&apos;s user after Cheat; %1 is 0 or more than 1.</extracomment>
        <translation>Trapacear: um número colocado</translation>
    </message>
    <message>
        <source>Cheat placed %1 digits</source>
        <translation>Trapacear: %1 números colocados</translation>
    </message>
    <message>
        <source>Removed 1 wrong answer</source>
        <extracomment>Said after Remove Wrong Answers; %1 is 0 or more than 1.</extracomment>
        <translation>Um número errado apagado</translation>
    </message>
    <message>
        <source>Removed %1 wrong answers</source>
        <translation>%1 números errados apagados</translation>
    </message>
    <message>
        <source>Board reset</source>
        <extracomment>Said after Reset: the player&apos;s digits and notes are gone, the clock is at zero.</extracomment>
        <translation>Tabuleiro reiniciado</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <extracomment>Said when Undo (or Redo, below) finds nothing to take back (or to make again).</extracomment>
        <translation>Nada para desfazer</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nada para refazer</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>Jogo carregado: %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>Jogo salvo como %1</translation>
    </message>
    <message>
        <source>Puzzle pasted</source>
        <extracomment>The puzzle on the clipboard became a new game (Ctrl+V).</extracomment>
        <translation>Jogo colado</translation>
    </message>
    <message>
        <source>Resumed</source>
        <extracomment>Said when a paused game runs again (the board shows again).</extracomment>
        <translation>Jogo retomado</translation>
    </message>
    <message>
        <source>%1 cells changed</source>
        <extracomment>Said to a screen reader&apos;s user when Undo or Redo changed more cells than are worth naming.</extracomment>
        <translation>%1 casas alteradas</translation>
    </message>
</context>
<context>
    <name>Advice</name>
    <message>
        <source>there is another %1 in %2</source>
        <translation>há outro %1 %2</translation>
    </message>
    <message>
        <source>there are two %1s in %2</source>
        <translation>há dois %1 %2</translation>
    </message>
    <message>
        <source>with it, %1 can hold no digit</source>
        <translation>com ele, não cabe mais nenhum número %1</translation>
    </message>
    <message>
        <source>%1 can hold no digit</source>
        <translation>não cabe mais nenhum número %1</translation>
    </message>
    <message>
        <source>with it, %1 has no place left in %2</source>
        <translation>com ele, o %1 não tem mais lugar %2</translation>
    </message>
    <message>
        <source>%1 has no place left in %2</source>
        <translation>o %1 não tem mais lugar %2</translation>
    </message>
    <message>
        <source>with it, the puzzle has no solution</source>
        <translation>com ele, o jogo não tem solução</translation>
    </message>
    <message>
        <source>it has no solution</source>
        <translation>não tem solução</translation>
    </message>
    <message>
        <source>two %1s would stand in %2</source>
        <translation>haveria dois %1 %2</translation>
    </message>
    <message>
        <source>%1 could hold no digit</source>
        <translation>não caberia mais nenhum número %1</translation>
    </message>
    <message>
        <source>%1 would have no place in %2</source>
        <translation>o %1 não teria mais lugar %2</translation>
    </message>
    <message>
        <source>the puzzle would have no solution</source>
        <translation>o jogo não teria solução</translation>
    </message>
    <message>
        <source>%1: %2 is the last empty cell of %3, so it holds %4</source>
        <extracomment>%1 the technique&apos;s name, %2 a cell (&quot;row 4, column 6&quot;), %3 a unit (&quot;box 5&quot;), %4 a digit.</extracomment>
        <translation>%1: a casa %2 é a última vazia %3, então leva o %4</translation>
    </message>
    <message>
        <source>%1: %2 can hold only %3</source>
        <translation>%1: %2 só cabe o %3</translation>
    </message>
    <message>
        <source>%1: in %2, %3 fits only in %4</source>
        <translation>%1: %2, o %3 só cabe %4</translation>
    </message>
    <message>
        <source>%1: in %2 the %3s all lie in %4, so %5 cannot hold %3</source>
        <extracomment>%1 the technique, %2 and %4 units, %3 a digit (&quot;the 5s&quot;), %5 the cells it leaves.</extracomment>
        <translation>%1: %2, o %3 só fica %4, então não %5</translation>
    </message>
    <message>
        <source>%1: the %2s of %3 all lie in %4, so %5 cannot hold %2</source>
        <translation>%1: %3, o %2 só fica %4, então não %5</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, then … %4; so it cannot hold %3</source>
        <extracomment>%1 the technique, %2 a cell, %3 a digit, %4 where the assumption ends.</extracomment>
        <translation>%1: se %2 estivesse o %3, então … %4; portanto ali não vai o %3</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, %4; so it cannot hold %3</source>
        <translation>%1: se %2 estivesse o %3, %4; portanto ali não vai o %3</translation>
    </message>
    <message>
        <source>%1 through %2: %3 cannot hold %4</source>
        <extracomment>%1 the technique, %2 the cells it works through, %3 the cells it leaves, %4 digits.</extracomment>
        <translation>%1 pelas casas %2: não há %4 %3</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell, always named after &quot;in&quot;, &quot;of&quot; or as a subject (&quot;row 4, column 6 can hold only 7&quot;).</extracomment>
        <translation>na linha %1, coluna %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Units are always named after &quot;in&quot; or &quot;of&quot; (&quot;in box 5&quot;, &quot;the last empty cell of row 3&quot;).</extracomment>
        <translation>na linha %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>na coluna %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>no quadrado %1</translation>
    </message>
    <message>
        <source>no solution</source>
        <translation>sem solução</translation>
    </message>
    <message>
        <source>more than one solution</source>
        <translation>mais de uma solução</translation>
    </message>
    <message>
        <source>not a puzzle</source>
        <translation>não é um jogo</translation>
    </message>
    <message>
        <source>%1; then %2</source>
        <extracomment>Two steps of one explanation, the second following from the first.</extracomment>
        <translation>%1; depois %2</translation>
    </message>
    <message>
        <source>The %1 in %2 is wrong: %3.</source>
        <extracomment>%1 a digit, %2 its cell, %3 why it cannot be right.</extracomment>
        <translation>O %1 %2 está errado: %3.</translation>
    </message>
    <message>
        <source>This board cannot be finished: %1.</source>
        <translation>Este tabuleiro não pode ser completado: %1.</translation>
    </message>
    <message>
        <source>No step follows from the board alone: this puzzle has more than one solution.</source>
        <translation>Nenhum passo decorre só do tabuleiro: este jogo tem mais de uma solução.</translation>
    </message>
    <message>
        <source>The board is complete.</source>
        <translation>O tabuleiro está completo.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between digits</comment>
        <extracomment>Between the digits of a list (&quot;2, 7&quot;).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>; </source>
        <comment>between places</comment>
        <extracomment>Between the cells or units of a list (&quot;row 1, column 2; row 3, column 4&quot;).</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1: %2 hold only %3 between them, so %4 cannot hold them</source>
        <extracomment>%1 the technique, %2 the cells (each named whole), %3 digits, %4 the cells it leaves.</extracomment>
        <translation>%1: as casas %2 só admitem %3 entre elas, então esses números não vão %4</translation>
    </message>
    <message>
        <source>%1: in %2 the digits %3 fit only in %4, so these cells hold nothing else</source>
        <extracomment>%1 the technique, %2 a unit (&quot;in box 5&quot;), %3 digits, %4 cells.</extracomment>
        <translation>%1: %2, os %3 só cabem %4, então essas casas não levam mais nada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>--rate&apos;s line: %1 the hardest technique, %2 each technique used with its count.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An explanation ends as a sentence.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>After %1 – %2</source>
        <extracomment>%1 the techniques of the steps before (their cells show on the board), %2 the rest.</extracomment>
        <translation>Após %1 — %2</translation>
    </message>
</context>
<context>
    <name>AnswersDialog</name>
    <message>
        <source>Please Choose</source>
        <translation>Escolha uma opção</translation>
    </message>
    <message>
        <source>No answers available</source>
        <extracomment>Save game asks where the answers file&apos;s answers come from: none (an empty answers file), the board as the player solved it, or the answers the program holds.</extracomment>
        <translation>Nenhuma solução disponível</translation>
    </message>
    <message>
        <source>Create answers from Worked puzzle</source>
        <translation>Criar a solução do jogo resolvido</translation>
    </message>
    <message>
        <source>Create Answers from Existing Answers</source>
        <translation>Usar a solução existente</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>New</source>
        <extracomment>The on-board buttons, on small slabs left of the board: keep them short.</extracomment>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Play Mode</source>
        <translation>Modo jogo</translation>
    </message>
    <message>
        <source>Map Mode</source>
        <translation>Modo candidatos</translation>
    </message>
    <message>
        <source>Score On/Off</source>
        <translation>Pontos sim/não</translation>
    </message>
    <message>
        <source>Time On/Off</source>
        <translation>Tempo sim/não</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Level=Easy</source>
        <extracomment>Painted under the keypad when Show Difficulty Level is ticked: the level of the puzzle.</extracomment>
        <translation>Nível=Fácil</translation>
    </message>
    <message>
        <source>Level=Medium</source>
        <translation>Nível=Médio</translation>
    </message>
    <message>
        <source>Level=Hard</source>
        <translation>Nível=Difícil</translation>
    </message>
    <message>
        <source>Level=     </source>
        <extracomment>The level of a puzzle of the player&apos;s own (edit mode, a loaded file): no level.</extracomment>
        <translation>Nível=</translation>
    </message>
    <message>
        <source>R:%1 W:%2</source>
        <extracomment>The score: %1 right entries, %2 wrong ones; one letter each, as short as possible.</extracomment>
        <translation>A:%1 E:%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>The key under the keypad that empties the selected cell.</extracomment>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Painted small inside the cell that waits for a digit from the keypad: a few letters.</extracomment>
        <translation>Digite</translation>
    </message>
    <message>
        <source>NA</source>
        <extracomment>In the small box above the board, when the cell&apos;s answer is not known: one or two letters.</extracomment>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Over the hidden board while the game is paused (the clock stopped); a screen reader reads it.</extracomment>
        <translation>Pausado</translation>
    </message>
</context>
<context>
    <name>Booklet</name>
    <message>
        <source>Print several games</source>
        <extracomment>The title of the dialog that prints several random games at once.</extracomment>
        <translation>Imprimir vários jogos</translation>
    </message>
    <message>
        <source>Games (1 to 60):</source>
        <extracomment>How many games to print; the field beside it takes 1 to 60.</extracomment>
        <translation>Jogos (1 a 60):</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nível:</translation>
    </message>
    <message>
        <source>Games on a page:</source>
        <extracomment>How many games are printed on one sheet of paper: 1, 2, 4 or 6.</extracomment>
        <translation>Jogos por página:</translation>
    </message>
    <message>
        <source>Answers at the back</source>
        <extracomment>The games&apos; answers, small, on pages after the games.</extracomment>
        <translation>Soluções no final</translation>
    </message>
    <message>
        <source>Easy</source>
        <extracomment>A puzzle&apos;s level, in the dialog of &quot;Print several games&quot; and in the printed headings.</extracomment>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Random Level</source>
        <extracomment>Games of any level.</extracomment>
        <translation>Nível aleatório</translation>
    </message>
    <message>
        <source>Game %1 (%2)</source>
        <extracomment>Above a printed game: %1 its game number (typed into New, it deals the game again), %2 its level.</extracomment>
        <translation>Jogo %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ninebox: Sudoku puzzles picked by game number.</source>
        <translation>Ninebox: jogos de sudoku escolhidos pelo número do jogo.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of --help&apos;s argument, then its description and its form in the usage line.</extracomment>
        <translation>arquivo</translation>
    </message>
    <message>
        <source>A game file (*.sud) to open instead of dealing a game.</source>
        <translation>Um arquivo de jogo (*.sud) a abrir em vez de iniciar um novo jogo.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[arquivo]</translation>
    </message>
    <message>
        <source>Only one game file can be opened.</source>
        <translation>Apenas um arquivo de jogo pode ser aberto.</translation>
    </message>
    <message>
        <source>cannot open the display</source>
        <translation>não foi possível abrir a tela</translation>
    </message>
    <message>
        <source>Prints how hard each puzzle of a game file, or of a file of 81-character lines, is: the hardest technique it needs, then the steps of each.</source>
        <extracomment>--rate&apos;s description; &quot;file&quot; names its argument as in the usage line.</extracomment>
        <translation>Mostra a dificuldade de cada jogo de um arquivo de jogo ou de um arquivo de linhas de 81 caracteres: a técnica mais difícil que ele exige e depois os passos de cada técnica.</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>não foi possível ler %1</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Sudoku (*.sud)</source>
        <extracomment>The file type in the Load and Save dialogs; keep (*.sud).</extracomment>
        <translation>Jogos de sudoku (*.sud)</translation>
    </message>
</context>
<context>
    <name>GameDialog</name>
    <message>
        <source>Select Using number below</source>
        <translation>Usar o número abaixo</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Número do jogo</translation>
    </message>
    <message>
        <source>To select a game enter a number from 1 to 1000000</source>
        <translation>Digite um número de jogo de 1 a 1000000</translation>
    </message>
    <message>
        <source>Select Easy</source>
        <extracomment>The game dialog&apos;s button for a random game of the level chosen in the Level menu.</extracomment>
        <translation>Jogo fácil</translation>
    </message>
    <message>
        <source>Select Medium</source>
        <translation>Jogo de nível médio</translation>
    </message>
    <message>
        <source>Select Hard</source>
        <translation>Jogo difícil</translation>
    </message>
    <message>
        <source>Select Random</source>
        <translation>Jogo aleatório</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Instructions not found</source>
        <translation>Instruções não encontradas</translation>
    </message>
    <message>
        <source>The page %1 was looked for in:</source>
        <extracomment>%1 is the page&apos;s file name; the folders follow, one a line.</extracomment>
        <translation>A página %1 foi procurada em:</translation>
    </message>
    <message>
        <source>Instructions</source>
        <extracomment>The instructions page&apos;s name for a screen reader.</extracomment>
        <translation>Instruções</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>The &amp;Vault</source>
        <extracomment>The menu of files (load, save, print): a playful name, a strongroom.</extracomment>
        <translation>&amp;Cofre</translation>
    </message>
    <message>
        <source>&amp;Load game</source>
        <translation>&amp;Carregar jogo</translation>
    </message>
    <message>
        <source>&amp;Save game</source>
        <translation>&amp;Salvar jogo</translation>
    </message>
    <message>
        <source>&amp;Print game</source>
        <translation>&amp;Imprimir jogo</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;reset</source>
        <extracomment>Clears the player&apos;s digits and restarts the clock (lower case in English only).</extracomment>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;play game</source>
        <extracomment>Play mode, as the on-board button &quot;Play Mode&quot; (lower case in English only).</extracomment>
        <translation>Modo &amp;jogo</translation>
    </message>
    <message>
        <source>&amp;map game</source>
        <extracomment>Map mode: every empty cell shows the digits still possible there.</extracomment>
        <translation>Modo &amp;candidatos</translation>
    </message>
    <message>
        <source>&amp;Enter/edit game</source>
        <extracomment>Edit mode: the player types in a puzzle of their own; every digit becomes a given.</extracomment>
        <translation>&amp;Inserir/editar jogo</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <extracomment>Fills in the board by logic, pass by pass.</extracomment>
        <translation>&amp;Trapacear</translation>
    </message>
    <message>
        <source>&amp;won?</source>
        <extracomment>Always greyed out: would ask whether the board is solved.</extracomment>
        <translation>&amp;Ganhou?</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Show &amp;Score</source>
        <translation>Mostrar &amp;pontos</translation>
    </message>
    <message>
        <source>Show &amp;Time</source>
        <translation>Mostrar &amp;tempo</translation>
    </message>
    <message>
        <source>Show &amp;Difficulty  Level</source>
        <extracomment>Shows the puzzle&apos;s level under the keypad (two spaces in English only).</extracomment>
        <translation>Mostrar nível de &amp;dificuldade</translation>
    </message>
    <message>
        <source>&amp;Remove Wrong Answers</source>
        <extracomment>Empties every cell whose digit is not the answer.</extracomment>
        <translation>&amp;Apagar números errados</translation>
    </message>
    <message>
        <source>&amp;Kanji Numbers</source>
        <extracomment>Digits drawn as Japanese kanji numerals.</extracomment>
        <translation>Números em &amp;kanji</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instruções</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>The level of random games.</extracomment>
        <translation>&amp;Nível</translation>
    </message>
    <message>
        <source>&amp;Random Level</source>
        <translation>Nível &amp;aleatório</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fácil</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Médio</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <source>E&amp;xplain a Step</source>
        <extracomment>The next step a player could find, shown and explained; asked again, it is made.</extracomment>
        <translation>&amp;Explicar um passo</translation>
    </message>
    <message>
        <source>Print several &amp;games</source>
        <extracomment>Prints many random games at once, each headed by its game number.</extracomment>
        <translation>Imprimir &amp;vários jogos</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <extracomment>Stops the clock and hides the board until the player resumes.</extracomment>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>Show &amp;Conflicts</source>
        <extracomment>Draws in red every digit that stands twice in a row, column or box.</extracomment>
        <translation>Mostrar &amp;conflitos</translation>
    </message>
    <message>
        <source>&amp;Highlight</source>
        <extracomment>Tints the selected cell&apos;s row, column and box, and marks the cells of its digit.</extracomment>
        <translation>&amp;Realçar</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Sudoku</source>
        <extracomment>Title of the program&apos;s message boxes.</extracomment>
        <translation>Sudoku</translation>
    </message>
    <message>
        <source>cancel selected</source>
        <extracomment>The save was cancelled in its file dialog.</extracomment>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Error has occurred, name or permissions may be wrong.</source>
        <translation>Ocorreu um erro. O nome ou as permissões podem estar incorretos.</translation>
    </message>
    <message>
        <source>File already exists, do you wish to overwrite?</source>
        <translation>O arquivo já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Answers file &quot;%1&quot; already exists, do you wish to overwrite?</source>
        <extracomment>%1 is the answers file&apos;s name, such as hard1.ans.</extracomment>
        <translation>O arquivo de solução “%1” já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>problem creating answers</source>
        <extracomment>The game file was saved, but its answers file could not be written.</extracomment>
        <translation>Não foi possível criar o arquivo de solução.</translation>
    </message>
    <message>
        <source>No file loaded, please try again</source>
        <translation>Nenhum arquivo carregado. Tente novamente.</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <translation>A área de transferência não contém nenhum jogo.</translation>
    </message>
    <message>
        <source>If you enjoy Ninebox, please consider supporting its developers.</source>
        <extracomment>Now and then after &quot;Select Random&quot;; its title is &quot;Honesty is the Best!!&quot;.</extracomment>
        <translation>Se você gosta do Ninebox, considere apoiar seus desenvolvedores.</translation>
    </message>
    <message>
        <source>problem</source>
        <extracomment>Title of the message box saying the answers file could not be written.</extracomment>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Honesty is the Best!!</source>
        <extracomment>Title of the occasional request for a donation: playful, like a proverb.</extracomment>
        <translation>Honestidade acima de tudo!!</translation>
    </message>
    <message>
        <source>Your game cannot be kept: %1 cannot be written.</source>
        <extracomment>%1 is a folder; the game plays on, but will not come back at the next start.</extracomment>
        <translation>Seu jogo não pode ser guardado: não é possível gravar em %1.</translation>
    </message>
    <message>
        <source>Two %1s in %2.</source>
        <extracomment>A puzzle typed or loaded holds a digit twice: &quot;Two 5s in row 3.&quot;; %2 is &quot;row 3&quot;, &quot;column 3&quot; or &quot;box 3&quot;.</extracomment>
        <translation>Dois %1 %2.</translation>
    </message>
    <message>
        <source>This puzzle has no solution.</source>
        <translation>Este jogo não tem solução.</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution.</source>
        <translation>Este jogo tem mais de uma solução.</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Printer</source>
        <extracomment>The print dialog&apos;s title.</extracomment>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Imprimir jogo</translation>
    </message>
    <message>
        <source>Print Answers if available</source>
        <translation>Imprimir solução se houver</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF could not be written:
%1</source>
        <extracomment>%1 is the PDF file&apos;s path, on a line of its own.</extracomment>
        <translation>Não foi possível gravar o arquivo PDF:
%1</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Não foi possível imprimir a página.</translation>
    </message>
    <message>
        <source>No printer: print to a PDF file</source>
        <translation>Sem impressora: imprimir em um arquivo PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>The file type in the dialog; keep (*.pdf).</extracomment>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <extracomment>%1 is the PDF file&apos;s name.</extracomment>
        <translation>“%1” já existe. Deseja substituí-lo?</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Pasta</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda nas opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda com inclusão das opções específicas do Qt.</translation>
    </message>
</context>
<context>
    <name>Technique</name>
    <message>
        <source>Full house</source>
        <translation>Última casa</translation>
    </message>
    <message>
        <source>Naked single</source>
        <translation>Single nu</translation>
    </message>
    <message>
        <source>Hidden single</source>
        <translation>Single oculto</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Apontamento</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>Redução</translation>
    </message>
    <message>
        <source>Naked pair</source>
        <translation>Par nu</translation>
    </message>
    <message>
        <source>Hidden pair</source>
        <translation>Par oculto</translation>
    </message>
    <message>
        <source>Naked triple</source>
        <translation>Trio nu</translation>
    </message>
    <message>
        <source>Hidden triple</source>
        <translation>Trio oculto</translation>
    </message>
    <message>
        <source>X-wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>XY-wing</source>
        <translation>XY-Wing</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>Swordfish</translation>
    </message>
    <message>
        <source>XYZ-wing</source>
        <translation>XYZ-Wing</translation>
    </message>
    <message>
        <source>Naked quad</source>
        <translation>Quarteto nu</translation>
    </message>
    <message>
        <source>Hidden quad</source>
        <translation>Quarteto oculto</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>Simple colouring</source>
        <translation>Coloração simples</translation>
    </message>
    <message>
        <source>Unique rectangle</source>
        <translation>Retângulo único</translation>
    </message>
    <message>
        <source>XY-chain</source>
        <translation>Cadeia XY</translation>
    </message>
    <message>
        <source>Forcing chain</source>
        <translation>Cadeia forçada</translation>
    </message>
</context>
</TS>
