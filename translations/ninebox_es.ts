<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About this Program....</source>
        <translation>Acerca de este programa</translation>
    </message>
    <message>
        <source>close window</source>
        <extracomment>The tooltip of the About window&apos;s X button.</extracomment>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>A Sudoku game</source>
        <extracomment>The About picture&apos;s lines, read to a screen reader&apos;s user (the picture keeps the English).</extracomment>
        <translation>Un juego de sudoku</translation>
    </message>
    <message>
        <source>Fill every row, column and box</source>
        <translation>Rellena cada fila, cada columna y cada cuadro</translation>
    </message>
    <message>
        <source>with the numbers one to nine.</source>
        <translation>con los números del uno al nueve.</translation>
    </message>
    <message>
        <source>by the Ninebox developers</source>
        <translation>por los desarrolladores de Ninebox</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later. Made with Qt 6.</source>
        <translation>Software libre bajo la GNU GPL, versión 3 o posterior. Hecho con Qt 6.</translation>
    </message>
    <message>
        <source>Kanji numerals derived from Noto Serif CJK, SIL Open Font License 1.1.</source>
        <translation>Números kanji derivados de Noto Serif CJK, SIL Open Font License 1.1.</translation>
    </message>
    <message>
        <source>Board text in Liberation Sans Narrow (Liberation Fonts licence).</source>
        <translation>Texto del tablero en Liberation Sans Narrow (licencia Liberation Fonts).</translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>empty, row %1, column %2</source>
        <translation>vacía, fila %1, columna %2</translation>
    </message>
    <message>
        <source>%1, given, row %2, column %3</source>
        <translation>%1, inicial, fila %2, columna %3</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, fila %2, columna %3</translation>
    </message>
    <message>
        <source>, candidates %1</source>
        <translation>, candidatos %1</translation>
    </message>
    <message>
        <source>, waiting for a digit</source>
        <translation>, esperando un número</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Level: Easy</source>
        <translation>Nivel: fácil</translation>
    </message>
    <message>
        <source>Level: Medium</source>
        <translation>Nivel: medio</translation>
    </message>
    <message>
        <source>Level: Hard</source>
        <translation>Nivel: difícil</translation>
    </message>
    <message>
        <source>Level: none</source>
        <translation>Nivel: ninguno</translation>
    </message>
    <message>
        <source>Score: %1 right, %2 wrong</source>
        <translation>Puntuación: aciertos %1, errores %2</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Solución: %1</translation>
    </message>
    <message>
        <source>Answer: not known</source>
        <translation>Solución: desconocida</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Resuelto</translation>
    </message>
    <message>
        <source>, notes %1</source>
        <translation>, notas %1</translation>
    </message>
    <message>
        <source>%1, given, clash, row %2, column %3</source>
        <extracomment>&quot;clash&quot;: the same digit stands again in this cell&apos;s row, column or box.</extracomment>
        <translation>%1, inicial, conflicto, fila %2, columna %3</translation>
    </message>
    <message>
        <source>%1, clash, row %2, column %3</source>
        <translation>%1, conflicto, fila %2, columna %3</translation>
    </message>
    <message>
        <source>Edit Mode</source>
        <extracomment>Said to a screen reader&apos;s user: the mode in which the player types in a puzzle.</extracomment>
        <translation>Modo de edición</translation>
    </message>
    <message>
        <source>Cheat placed 1 digit</source>
        <extracomment>Said to a screen reader&apos;s user after Cheat; %1 is 0 or more than 1.</extracomment>
        <translation>Hacer trampa: un número colocado</translation>
    </message>
    <message>
        <source>Cheat placed %1 digits</source>
        <translation>Hacer trampa: %1 números colocados</translation>
    </message>
    <message>
        <source>Removed 1 wrong answer</source>
        <extracomment>Said after Remove Wrong Answers; %1 is 0 or more than 1.</extracomment>
        <translation>Un número incorrecto borrado</translation>
    </message>
    <message>
        <source>Removed %1 wrong answers</source>
        <translation>%1 números incorrectos borrados</translation>
    </message>
    <message>
        <source>Board reset</source>
        <extracomment>Said after Reset: the player&apos;s digits and notes are gone, the clock is at zero.</extracomment>
        <translation>Tablero reiniciado</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <extracomment>Said when Undo (or Redo, below) finds nothing to take back (or to make again).</extracomment>
        <translation>Nada que deshacer</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nada que rehacer</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>Partida cargada: %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>Partida guardada como %1</translation>
    </message>
    <message>
        <source>Puzzle pasted</source>
        <extracomment>The puzzle on the clipboard became a new game (Ctrl+V).</extracomment>
        <translation>Sudoku pegado</translation>
    </message>
    <message>
        <source>Resumed</source>
        <extracomment>Said when a paused game runs again (the board shows again).</extracomment>
        <translation>Partida reanudada</translation>
    </message>
    <message>
        <source>%1 cells changed</source>
        <extracomment>Said to a screen reader&apos;s user when Undo or Redo changed more cells than are worth naming.</extracomment>
        <translation>%1 casillas cambiadas</translation>
    </message>
</context>
<context>
    <name>Advice</name>
    <message>
        <source>there is another %1 in %2</source>
        <translation>hay otro %1 %2</translation>
    </message>
    <message>
        <source>there are two %1s in %2</source>
        <translation>hay dos %1 %2</translation>
    </message>
    <message>
        <source>with it, %1 can hold no digit</source>
        <translation>con él, ya no cabe ningún número %1</translation>
    </message>
    <message>
        <source>%1 can hold no digit</source>
        <translation>ya no cabe ningún número %1</translation>
    </message>
    <message>
        <source>with it, %1 has no place left in %2</source>
        <translation>con él, el %1 ya no tiene sitio %2</translation>
    </message>
    <message>
        <source>%1 has no place left in %2</source>
        <translation>el %1 ya no tiene sitio %2</translation>
    </message>
    <message>
        <source>with it, the puzzle has no solution</source>
        <translation>con él, el sudoku no tiene solución</translation>
    </message>
    <message>
        <source>it has no solution</source>
        <translation>no tiene solución</translation>
    </message>
    <message>
        <source>two %1s would stand in %2</source>
        <translation>habría dos %1 %2</translation>
    </message>
    <message>
        <source>%1 could hold no digit</source>
        <translation>no cabría ningún número %1</translation>
    </message>
    <message>
        <source>%1 would have no place in %2</source>
        <translation>el %1 no tendría sitio %2</translation>
    </message>
    <message>
        <source>the puzzle would have no solution</source>
        <translation>el sudoku no tendría solución</translation>
    </message>
    <message>
        <source>%1: %2 is the last empty cell of %3, so it holds %4</source>
        <extracomment>%1 the technique&apos;s name, %2 a cell (&quot;row 4, column 6&quot;), %3 a unit (&quot;box 5&quot;), %4 a digit.</extracomment>
        <translation>%1: la casilla %2 es la última vacía %3, así que lleva el %4</translation>
    </message>
    <message>
        <source>%1: %2 can hold only %3</source>
        <translation>%1: %2 solo va el %3</translation>
    </message>
    <message>
        <source>%1: in %2, %3 fits only in %4</source>
        <translation>%1: %2, el %3 solo cabe %4</translation>
    </message>
    <message>
        <source>%1: in %2 the %3s all lie in %4, so %5 cannot hold %3</source>
        <extracomment>%1 the technique, %2 and %4 units, %3 a digit (&quot;the 5s&quot;), %5 the cells it leaves.</extracomment>
        <translation>%1: %2, el %3 solo va %4, así que no %5</translation>
    </message>
    <message>
        <source>%1: the %2s of %3 all lie in %4, so %5 cannot hold %2</source>
        <translation>%1: %3, el %2 solo va %4, así que no %5</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, then … %4; so it cannot hold %3</source>
        <extracomment>%1 the technique, %2 a cell, %3 a digit, %4 where the assumption ends.</extracomment>
        <translation>%1: si %2 estuviera el %3, entonces … %4; así que ahí no va el %3</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, %4; so it cannot hold %3</source>
        <translation>%1: si %2 estuviera el %3, %4; así que ahí no va el %3</translation>
    </message>
    <message>
        <source>%1 through %2: %3 cannot hold %4</source>
        <extracomment>%1 the technique, %2 the cells it works through, %3 the cells it leaves, %4 digits.</extracomment>
        <translation>%1 con las casillas %2: no hay %4 %3</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell, always named after &quot;in&quot;, &quot;of&quot; or as a subject (&quot;row 4, column 6 can hold only 7&quot;).</extracomment>
        <translation>en fila %1, columna %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Units are always named after &quot;in&quot; or &quot;of&quot; (&quot;in box 5&quot;, &quot;the last empty cell of row 3&quot;).</extracomment>
        <translation>en fila %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>en columna %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>en el cuadro %1</translation>
    </message>
    <message>
        <source>no solution</source>
        <translation>sin solución</translation>
    </message>
    <message>
        <source>more than one solution</source>
        <translation>más de una solución</translation>
    </message>
    <message>
        <source>not a puzzle</source>
        <translation>no es un sudoku</translation>
    </message>
    <message>
        <source>%1; then %2</source>
        <extracomment>Two steps of one explanation, the second following from the first.</extracomment>
        <translation>%1; luego %2</translation>
    </message>
    <message>
        <source>The %1 in %2 is wrong: %3.</source>
        <extracomment>%1 a digit, %2 its cell, %3 why it cannot be right.</extracomment>
        <translation>El %1 %2 es incorrecto: %3.</translation>
    </message>
    <message>
        <source>This board cannot be finished: %1.</source>
        <translation>Este tablero no se puede completar: %1.</translation>
    </message>
    <message>
        <source>No step follows from the board alone: this puzzle has more than one solution.</source>
        <translation>Del tablero por sí solo no se deduce ningún paso: este sudoku tiene más de una solución.</translation>
    </message>
    <message>
        <source>The board is complete.</source>
        <translation>El tablero está completo.</translation>
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
        <translation>%1: las casillas %2 solo admiten %3, así que esos números no van %4</translation>
    </message>
    <message>
        <source>%1: in %2 the digits %3 fit only in %4, so these cells hold nothing else</source>
        <extracomment>%1 the technique, %2 a unit (&quot;in box 5&quot;), %3 digits, %4 cells.</extracomment>
        <translation>%1: %2, los %3 solo caben %4, así que esas casillas no llevan nada más</translation>
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
        <translation>Tras %1 — %2</translation>
    </message>
</context>
<context>
    <name>AnswersDialog</name>
    <message>
        <source>Please Choose</source>
        <translation>Elige una opción</translation>
    </message>
    <message>
        <source>No answers available</source>
        <extracomment>Save game asks where the answers file&apos;s answers come from: none (an empty answers file), the board as the player solved it, or the answers the program holds.</extracomment>
        <translation>Sin solución disponible</translation>
    </message>
    <message>
        <source>Create answers from Worked puzzle</source>
        <translation>Crear la solución desde el sudoku resuelto</translation>
    </message>
    <message>
        <source>Create Answers from Existing Answers</source>
        <translation>Usar la solución existente</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>New</source>
        <extracomment>The on-board buttons, on small slabs left of the board: keep them short.</extracomment>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Play Mode</source>
        <translation>Modo juego</translation>
    </message>
    <message>
        <source>Map Mode</source>
        <translation>Modo candidatos</translation>
    </message>
    <message>
        <source>Score On/Off</source>
        <translation>Puntuación sí/no</translation>
    </message>
    <message>
        <source>Time On/Off</source>
        <translation>Tiempo sí/no</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Level=Easy</source>
        <extracomment>Painted under the keypad when Show Difficulty Level is ticked: the level of the puzzle.</extracomment>
        <translation>Nivel=Fácil</translation>
    </message>
    <message>
        <source>Level=Medium</source>
        <translation>Nivel=Medio</translation>
    </message>
    <message>
        <source>Level=Hard</source>
        <translation>Nivel=Difícil</translation>
    </message>
    <message>
        <source>Level=     </source>
        <extracomment>The level of a puzzle of the player&apos;s own (edit mode, a loaded file): no level.</extracomment>
        <translation>Nivel=</translation>
    </message>
    <message>
        <source>R:%1 W:%2</source>
        <extracomment>The score: %1 right entries, %2 wrong ones; one letter each, as short as possible.</extracomment>
        <translation>A:%1 E:%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>The key under the keypad that empties the selected cell.</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Painted small inside the cell that waits for a digit from the keypad: a few letters.</extracomment>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>NA</source>
        <extracomment>In the small box above the board, when the cell&apos;s answer is not known: one or two letters.</extracomment>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Over the hidden board while the game is paused (the clock stopped); a screen reader reads it.</extracomment>
        <translation>En pausa</translation>
    </message>
</context>
<context>
    <name>Booklet</name>
    <message>
        <source>Print several games</source>
        <extracomment>The title of the dialog that prints several random games at once.</extracomment>
        <translation>Imprimir varias partidas</translation>
    </message>
    <message>
        <source>Games (1 to 60):</source>
        <extracomment>How many games to print; the field beside it takes 1 to 60.</extracomment>
        <translation>Partidas (1 a 60):</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>Games on a page:</source>
        <extracomment>How many games are printed on one sheet of paper: 1, 2, 4 or 6.</extracomment>
        <translation>Partidas por página:</translation>
    </message>
    <message>
        <source>Answers at the back</source>
        <extracomment>The games&apos; answers, small, on pages after the games.</extracomment>
        <translation>Soluciones al final</translation>
    </message>
    <message>
        <source>Easy</source>
        <extracomment>A puzzle&apos;s level, in the dialog of &quot;Print several games&quot; and in the printed headings.</extracomment>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Random Level</source>
        <extracomment>Games of any level.</extracomment>
        <translation>Nivel aleatorio</translation>
    </message>
    <message>
        <source>Game %1 (%2)</source>
        <extracomment>Above a printed game: %1 its game number (typed into New, it deals the game again), %2 its level.</extracomment>
        <translation>Partida %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ninebox: Sudoku puzzles picked by game number.</source>
        <translation>Ninebox: sudokus elegidos por número de partida.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of --help&apos;s argument, then its description and its form in the usage line.</extracomment>
        <translation>archivo</translation>
    </message>
    <message>
        <source>A game file (*.sud) to open instead of dealing a game.</source>
        <translation>Un archivo de partida (*.sud) que se abre en lugar de empezar una partida nueva.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[archivo]</translation>
    </message>
    <message>
        <source>Only one game file can be opened.</source>
        <translation>Solo se puede abrir un archivo de partida.</translation>
    </message>
    <message>
        <source>cannot open the display</source>
        <translation>no se puede abrir la pantalla</translation>
    </message>
    <message>
        <source>Prints how hard each puzzle of a game file, or of a file of 81-character lines, is: the hardest technique it needs, then the steps of each.</source>
        <extracomment>--rate&apos;s description; &quot;file&quot; names its argument as in the usage line.</extracomment>
        <translation>Indica la dificultad de cada sudoku de un archivo de partida o de un archivo de líneas de 81 caracteres: la técnica más difícil que necesita y luego los pasos de cada técnica.</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Sudoku (*.sud)</source>
        <extracomment>The file type in the Load and Save dialogs; keep (*.sud).</extracomment>
        <translation>Partidas de sudoku (*.sud)</translation>
    </message>
</context>
<context>
    <name>GameDialog</name>
    <message>
        <source>Select Using number below</source>
        <translation>Usar el número de abajo</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Número de partida</translation>
    </message>
    <message>
        <source>To select a game enter a number from 1 to 1000000</source>
        <translation>Escribe un número de partida del 1 al 1000000</translation>
    </message>
    <message>
        <source>Select Easy</source>
        <extracomment>The game dialog&apos;s button for a random game of the level chosen in the Level menu.</extracomment>
        <translation>Partida fácil</translation>
    </message>
    <message>
        <source>Select Medium</source>
        <translation>Partida de nivel medio</translation>
    </message>
    <message>
        <source>Select Hard</source>
        <translation>Partida difícil</translation>
    </message>
    <message>
        <source>Select Random</source>
        <translation>Partida aleatoria</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Instructions not found</source>
        <translation>No se encontraron las instrucciones</translation>
    </message>
    <message>
        <source>The page %1 was looked for in:</source>
        <extracomment>%1 is the page&apos;s file name; the folders follow, one a line.</extracomment>
        <translation>Se buscó la página %1 en:</translation>
    </message>
    <message>
        <source>Instructions</source>
        <extracomment>The instructions page&apos;s name for a screen reader.</extracomment>
        <translation>Instrucciones</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>The &amp;Vault</source>
        <extracomment>The menu of files (load, save, print): a playful name, a strongroom.</extracomment>
        <translation>&amp;Caja fuerte</translation>
    </message>
    <message>
        <source>&amp;Load game</source>
        <translation>&amp;Cargar partida</translation>
    </message>
    <message>
        <source>&amp;Save game</source>
        <translation>&amp;Guardar partida</translation>
    </message>
    <message>
        <source>&amp;Print game</source>
        <translation>&amp;Imprimir partida</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;reset</source>
        <extracomment>Clears the player&apos;s digits and restarts the clock (lower case in English only).</extracomment>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;play game</source>
        <extracomment>Play mode, as the on-board button &quot;Play Mode&quot; (lower case in English only).</extracomment>
        <translation>Modo &amp;juego</translation>
    </message>
    <message>
        <source>&amp;map game</source>
        <extracomment>Map mode: every empty cell shows the digits still possible there.</extracomment>
        <translation>Modo &amp;candidatos</translation>
    </message>
    <message>
        <source>&amp;Enter/edit game</source>
        <extracomment>Edit mode: the player types in a puzzle of their own; every digit becomes a given.</extracomment>
        <translation>&amp;Introducir/editar sudoku</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <extracomment>Fills in the board by logic, pass by pass.</extracomment>
        <translation>&amp;Hacer trampa</translation>
    </message>
    <message>
        <source>&amp;won?</source>
        <extracomment>Always greyed out: would ask whether the board is solved.</extracomment>
        <translation>¿Has &amp;ganado?</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Show &amp;Score</source>
        <translation>Mostrar &amp;puntuación</translation>
    </message>
    <message>
        <source>Show &amp;Time</source>
        <translation>Mostrar &amp;tiempo</translation>
    </message>
    <message>
        <source>Show &amp;Difficulty  Level</source>
        <extracomment>Shows the puzzle&apos;s level under the keypad (two spaces in English only).</extracomment>
        <translation>Mostrar nivel de &amp;dificultad</translation>
    </message>
    <message>
        <source>&amp;Remove Wrong Answers</source>
        <extracomment>Empties every cell whose digit is not the answer.</extracomment>
        <translation>&amp;Borrar números incorrectos</translation>
    </message>
    <message>
        <source>&amp;Kanji Numbers</source>
        <extracomment>Digits drawn as Japanese kanji numerals.</extracomment>
        <translation>Números en &amp;kanji</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>The level of random games.</extracomment>
        <translation>&amp;Nivel</translation>
    </message>
    <message>
        <source>&amp;Random Level</source>
        <translation>Nivel &amp;aleatorio</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fácil</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <source>E&amp;xplain a Step</source>
        <extracomment>The next step a player could find, shown and explained; asked again, it is made.</extracomment>
        <translation>&amp;Explicar un paso</translation>
    </message>
    <message>
        <source>Print several &amp;games</source>
        <extracomment>Prints many random games at once, each headed by its game number.</extracomment>
        <translation>Imprimir &amp;varias partidas</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <extracomment>Stops the clock and hides the board until the player resumes.</extracomment>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Show &amp;Conflicts</source>
        <extracomment>Draws in red every digit that stands twice in a row, column or box.</extracomment>
        <translation>Mostrar &amp;conflictos</translation>
    </message>
    <message>
        <source>&amp;Highlight</source>
        <extracomment>Tints the selected cell&apos;s row, column and box, and marks the cells of its digit.</extracomment>
        <translation>&amp;Resaltar</translation>
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
        <translation>Se ha producido un error; puede que el nombre o los permisos no sean correctos.</translation>
    </message>
    <message>
        <source>File already exists, do you wish to overwrite?</source>
        <translation>El archivo ya existe. ¿Quieres sobrescribirlo?</translation>
    </message>
    <message>
        <source>Answers file &quot;%1&quot; already exists, do you wish to overwrite?</source>
        <extracomment>%1 is the answers file&apos;s name, such as hard1.ans.</extracomment>
        <translation>El archivo de solución «%1» ya existe. ¿Quieres sobrescribirlo?</translation>
    </message>
    <message>
        <source>problem creating answers</source>
        <extracomment>The game file was saved, but its answers file could not be written.</extracomment>
        <translation>No se pudo crear el archivo de solución.</translation>
    </message>
    <message>
        <source>No file loaded, please try again</source>
        <translation>No se ha cargado ningún archivo. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <translation>El portapapeles no contiene ningún sudoku.</translation>
    </message>
    <message>
        <source>If you enjoy Ninebox, please consider supporting its developers.</source>
        <extracomment>Now and then after &quot;Select Random&quot;; its title is &quot;Honesty is the Best!!&quot;.</extracomment>
        <translation>Si te gusta Ninebox, plantéate apoyar a sus desarrolladores.</translation>
    </message>
    <message>
        <source>problem</source>
        <extracomment>Title of the message box saying the answers file could not be written.</extracomment>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Honesty is the Best!!</source>
        <extracomment>Title of the occasional request for a donation: playful, like a proverb.</extracomment>
        <translation>¡¡La honradez ante todo!!</translation>
    </message>
    <message>
        <source>Your game cannot be kept: %1 cannot be written.</source>
        <extracomment>%1 is a folder; the game plays on, but will not come back at the next start.</extracomment>
        <translation>No se puede guardar su partida: no se puede escribir en %1.</translation>
    </message>
    <message>
        <source>Two %1s in %2.</source>
        <extracomment>A puzzle typed or loaded holds a digit twice: &quot;Two 5s in row 3.&quot;; %2 is &quot;row 3&quot;, &quot;column 3&quot; or &quot;box 3&quot;.</extracomment>
        <translation>Dos %1 %2.</translation>
    </message>
    <message>
        <source>This puzzle has no solution.</source>
        <translation>Este sudoku no tiene solución.</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution.</source>
        <translation>Este sudoku tiene más de una solución.</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Printer</source>
        <extracomment>The print dialog&apos;s title.</extracomment>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Imprimir sudoku</translation>
    </message>
    <message>
        <source>Print Answers if available</source>
        <translation>Imprimir solución si la hay</translation>
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
        <translation>No se pudo escribir el archivo PDF:
%1</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>No se pudo imprimir la página.</translation>
    </message>
    <message>
        <source>No printer: print to a PDF file</source>
        <translation>Sin impresora: imprimir en un archivo PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>The file type in the dialog; keep (*.pdf).</extracomment>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <extracomment>%1 is the PDF file&apos;s name.</extracomment>
        <translation>«%1» ya existe. ¿Quieres reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Carpeta</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
</context>
<context>
    <name>Technique</name>
    <message>
        <source>Full house</source>
        <translation>Última casilla</translation>
    </message>
    <message>
        <source>Naked single</source>
        <translation>Single desnudo</translation>
    </message>
    <message>
        <source>Hidden single</source>
        <translation>Single oculto</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Señalamiento</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>Reducción</translation>
    </message>
    <message>
        <source>Naked pair</source>
        <translation>Par desnudo</translation>
    </message>
    <message>
        <source>Hidden pair</source>
        <translation>Par oculto</translation>
    </message>
    <message>
        <source>Naked triple</source>
        <translation>Trío desnudo</translation>
    </message>
    <message>
        <source>Hidden triple</source>
        <translation>Trío oculto</translation>
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
        <translation>Cuarteto desnudo</translation>
    </message>
    <message>
        <source>Hidden quad</source>
        <translation>Cuarteto oculto</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>Simple colouring</source>
        <translation>Coloreado simple</translation>
    </message>
    <message>
        <source>Unique rectangle</source>
        <translation>Rectángulo único</translation>
    </message>
    <message>
        <source>XY-chain</source>
        <translation>Cadena XY</translation>
    </message>
    <message>
        <source>Forcing chain</source>
        <translation>Cadena forzada</translation>
    </message>
</context>
</TS>
