<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About this Program....</source>
        <translation>Informazioni su questo programma</translation>
    </message>
    <message>
        <source>close window</source>
        <extracomment>The tooltip of the About window&apos;s X button.</extracomment>
        <translation>Chiudi la finestra</translation>
    </message>
    <message>
        <source>A Sudoku game</source>
        <extracomment>The About picture&apos;s lines, read to a screen reader&apos;s user (the picture keeps the English).</extracomment>
        <translation>Un gioco di sudoku</translation>
    </message>
    <message>
        <source>Fill every row, column and box</source>
        <translation>Riempi ogni riga, ogni colonna e ogni riquadro</translation>
    </message>
    <message>
        <source>with the numbers one to nine.</source>
        <translation>con i numeri da uno a nove.</translation>
    </message>
    <message>
        <source>by the Ninebox developers</source>
        <translation>dagli sviluppatori di Ninebox</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later. Made with Qt 6.</source>
        <translation>Software libero sotto la GNU GPL, versione 3 o successiva. Realizzato con Qt 6.</translation>
    </message>
    <message>
        <source>Kanji numerals derived from Noto Serif CJK, SIL Open Font License 1.1.</source>
        <translation>Numeri kanji derivati da Noto Serif CJK, SIL Open Font License 1.1.</translation>
    </message>
    <message>
        <source>Board text in Liberation Sans Narrow (Liberation Fonts licence).</source>
        <translation>Testo della griglia in Liberation Sans Narrow (licenza Liberation Fonts).</translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>empty, row %1, column %2</source>
        <translation>vuota, riga %1, colonna %2</translation>
    </message>
    <message>
        <source>%1, given, row %2, column %3</source>
        <translation>%1, iniziale, riga %2, colonna %3</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, riga %2, colonna %3</translation>
    </message>
    <message>
        <source>, candidates %1</source>
        <translation>, candidati %1</translation>
    </message>
    <message>
        <source>, waiting for a digit</source>
        <translation>, in attesa di un numero</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Level: Easy</source>
        <translation>Livello: facile</translation>
    </message>
    <message>
        <source>Level: Medium</source>
        <translation>Livello: medio</translation>
    </message>
    <message>
        <source>Level: Hard</source>
        <translation>Livello: difficile</translation>
    </message>
    <message>
        <source>Level: none</source>
        <translation>Livello: nessuno</translation>
    </message>
    <message>
        <source>Score: %1 right, %2 wrong</source>
        <translation>Punteggio: giusti %1, sbagliati %2</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Soluzione: %1</translation>
    </message>
    <message>
        <source>Answer: not known</source>
        <translation>Soluzione: sconosciuta</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Risolto</translation>
    </message>
    <message>
        <source>, notes %1</source>
        <translation>, note %1</translation>
    </message>
    <message>
        <source>%1, given, clash, row %2, column %3</source>
        <extracomment>&quot;clash&quot;: the same digit stands again in this cell&apos;s row, column or box.</extracomment>
        <translation>%1, iniziale, conflitto, riga %2, colonna %3</translation>
    </message>
    <message>
        <source>%1, clash, row %2, column %3</source>
        <translation>%1, conflitto, riga %2, colonna %3</translation>
    </message>
    <message>
        <source>Edit Mode</source>
        <extracomment>Said to a screen reader&apos;s user: the mode in which the player types in a puzzle.</extracomment>
        <translation>Modalità modifica</translation>
    </message>
    <message>
        <source>Cheat placed 1 digit</source>
        <extracomment>Said to a screen reader&apos;s user after Cheat; %1 is 0 or more than 1.</extracomment>
        <translation>Trucco: un numero inserito</translation>
    </message>
    <message>
        <source>Cheat placed %1 digits</source>
        <translation>Trucco: %1 numeri inseriti</translation>
    </message>
    <message>
        <source>Removed 1 wrong answer</source>
        <extracomment>Said after Remove Wrong Answers; %1 is 0 or more than 1.</extracomment>
        <translation>Un numero errato cancellato</translation>
    </message>
    <message>
        <source>Removed %1 wrong answers</source>
        <translation>%1 numeri errati cancellati</translation>
    </message>
    <message>
        <source>Board reset</source>
        <extracomment>Said after Reset: the player&apos;s digits and notes are gone, the clock is at zero.</extracomment>
        <translation>Partita ricominciata</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <extracomment>Said when Undo (or Redo, below) finds nothing to take back (or to make again).</extracomment>
        <translation>Niente da annullare</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Niente da ripetere</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>Partita caricata: %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>Partita salvata come %1</translation>
    </message>
    <message>
        <source>Puzzle pasted</source>
        <extracomment>The puzzle on the clipboard became a new game (Ctrl+V).</extracomment>
        <translation>Schema incollato</translation>
    </message>
    <message>
        <source>Resumed</source>
        <extracomment>Said when a paused game runs again (the board shows again).</extracomment>
        <translation>Partita ripresa</translation>
    </message>
    <message>
        <source>%1 cells changed</source>
        <extracomment>Said to a screen reader&apos;s user when Undo or Redo changed more cells than are worth naming.</extracomment>
        <translation>%1 caselle cambiate</translation>
    </message>
</context>
<context>
    <name>Advice</name>
    <message>
        <source>there is another %1 in %2</source>
        <translation>c&apos;è un altro %1 %2</translation>
    </message>
    <message>
        <source>there are two %1s in %2</source>
        <translation>ci sono due %1 %2</translation>
    </message>
    <message>
        <source>with it, %1 can hold no digit</source>
        <translation>con esso, %1 non va più nessun numero</translation>
    </message>
    <message>
        <source>%1 can hold no digit</source>
        <translation>%1 non va più nessun numero</translation>
    </message>
    <message>
        <source>with it, %1 has no place left in %2</source>
        <translation>con esso, il numero %1 non ha più posto %2</translation>
    </message>
    <message>
        <source>%1 has no place left in %2</source>
        <translation>il numero %1 non ha più posto %2</translation>
    </message>
    <message>
        <source>with it, the puzzle has no solution</source>
        <translation>con esso, lo schema non ha soluzione</translation>
    </message>
    <message>
        <source>it has no solution</source>
        <translation>non ha soluzione</translation>
    </message>
    <message>
        <source>two %1s would stand in %2</source>
        <translation>ci sarebbero due %1 %2</translation>
    </message>
    <message>
        <source>%1 could hold no digit</source>
        <translation>%1 non andrebbe più nessun numero</translation>
    </message>
    <message>
        <source>%1 would have no place in %2</source>
        <translation>il numero %1 non avrebbe più posto %2</translation>
    </message>
    <message>
        <source>the puzzle would have no solution</source>
        <translation>lo schema non avrebbe soluzione</translation>
    </message>
    <message>
        <source>%1: %2 is the last empty cell of %3, so it holds %4</source>
        <extracomment>%1 the technique&apos;s name, %2 a cell (&quot;row 4, column 6&quot;), %3 a unit (&quot;box 5&quot;), %4 a digit.</extracomment>
        <translation>%1: la casella %2 è l&apos;ultima vuota %3, quindi è un %4</translation>
    </message>
    <message>
        <source>%1: %2 can hold only %3</source>
        <translation>%1: %2 ci va solo un %3</translation>
    </message>
    <message>
        <source>%1: in %2, %3 fits only in %4</source>
        <translation>%1: %2, un %3 può andare solo %4</translation>
    </message>
    <message>
        <source>%1: in %2 the %3s all lie in %4, so %5 cannot hold %3</source>
        <extracomment>%1 the technique, %2 and %4 units, %3 a digit (&quot;the 5s&quot;), %5 the cells it leaves.</extracomment>
        <translation>%1: %2, un %3 sta solo %4, quindi non %5</translation>
    </message>
    <message>
        <source>%1: the %2s of %3 all lie in %4, so %5 cannot hold %2</source>
        <translation>%1: %3, un %2 sta solo %4, quindi non %5</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, then … %4; so it cannot hold %3</source>
        <extracomment>%1 the technique, %2 a cell, %3 a digit, %4 where the assumption ends.</extracomment>
        <translation>%1: se %2 ci fosse un %3, allora … %4; quindi lì non va un %3</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, %4; so it cannot hold %3</source>
        <translation>%1: se %2 ci fosse un %3, %4; quindi lì non va un %3</translation>
    </message>
    <message>
        <source>%1 through %2: %3 cannot hold %4</source>
        <extracomment>%1 the technique, %2 the cells it works through, %3 the cells it leaves, %4 digits.</extracomment>
        <translation>%1 tramite le caselle %2: niente %4 %3</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell, always named after &quot;in&quot;, &quot;of&quot; or as a subject (&quot;row 4, column 6 can hold only 7&quot;).</extracomment>
        <translation>in riga %1, colonna %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Units are always named after &quot;in&quot; or &quot;of&quot; (&quot;in box 5&quot;, &quot;the last empty cell of row 3&quot;).</extracomment>
        <translation>in riga %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>in colonna %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>nel riquadro %1</translation>
    </message>
    <message>
        <source>no solution</source>
        <translation>nessuna soluzione</translation>
    </message>
    <message>
        <source>more than one solution</source>
        <translation>più di una soluzione</translation>
    </message>
    <message>
        <source>not a puzzle</source>
        <translation>non è uno schema</translation>
    </message>
    <message>
        <source>%1; then %2</source>
        <extracomment>Two steps of one explanation, the second following from the first.</extracomment>
        <translation>%1; poi %2</translation>
    </message>
    <message>
        <source>The %1 in %2 is wrong: %3.</source>
        <extracomment>%1 a digit, %2 its cell, %3 why it cannot be right.</extracomment>
        <translation>Il numero %1 %2 è sbagliato: %3.</translation>
    </message>
    <message>
        <source>This board cannot be finished: %1.</source>
        <translation>Questa griglia non si può completare: %1.</translation>
    </message>
    <message>
        <source>No step follows from the board alone: this puzzle has more than one solution.</source>
        <translation>Dalla sola griglia non segue nessuna mossa: questo schema ha più di una soluzione.</translation>
    </message>
    <message>
        <source>The board is complete.</source>
        <translation>La griglia è completa.</translation>
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
        <translation>%1: le caselle %2 ammettono solo %3 fra loro, quindi questi numeri non vanno %4</translation>
    </message>
    <message>
        <source>%1: in %2 the digits %3 fit only in %4, so these cells hold nothing else</source>
        <extracomment>%1 the technique, %2 a unit (&quot;in box 5&quot;), %3 digits, %4 cells.</extracomment>
        <translation>%1: %2, i numeri %3 possono andare solo %4, quindi queste caselle non contengono altro</translation>
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
        <translation>Dopo %1 – %2</translation>
    </message>
</context>
<context>
    <name>AnswersDialog</name>
    <message>
        <source>Please Choose</source>
        <translation>Scegli un&apos;opzione</translation>
    </message>
    <message>
        <source>No answers available</source>
        <extracomment>Save game asks where the answers file&apos;s answers come from: none (an empty answers file), the board as the player solved it, or the answers the program holds.</extracomment>
        <translation>Nessuna soluzione disponibile</translation>
    </message>
    <message>
        <source>Create answers from Worked puzzle</source>
        <translation>Crea la soluzione dallo schema risolto</translation>
    </message>
    <message>
        <source>Create Answers from Existing Answers</source>
        <translation>Usa la soluzione esistente</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>New</source>
        <extracomment>The on-board buttons, on small slabs left of the board: keep them short.</extracomment>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Play Mode</source>
        <translation>Modalità gioco</translation>
    </message>
    <message>
        <source>Map Mode</source>
        <translation>Modalità candidati</translation>
    </message>
    <message>
        <source>Score On/Off</source>
        <translation>Punteggio sì/no</translation>
    </message>
    <message>
        <source>Time On/Off</source>
        <translation>Tempo sì/no</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Level=Easy</source>
        <extracomment>Painted under the keypad when Show Difficulty Level is ticked: the level of the puzzle.</extracomment>
        <translation>Livello=Facile</translation>
    </message>
    <message>
        <source>Level=Medium</source>
        <translation>Livello=Medio</translation>
    </message>
    <message>
        <source>Level=Hard</source>
        <translation>Livello=Difficile</translation>
    </message>
    <message>
        <source>Level=     </source>
        <extracomment>The level of a puzzle of the player&apos;s own (edit mode, a loaded file): no level.</extracomment>
        <translation>Livello=</translation>
    </message>
    <message>
        <source>R:%1 W:%2</source>
        <extracomment>The score: %1 right entries, %2 wrong ones; one letter each, as short as possible.</extracomment>
        <translation>G:%1 S:%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>The key under the keypad that empties the selected cell.</extracomment>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Painted small inside the cell that waits for a digit from the keypad: a few letters.</extracomment>
        <translation>Immetti</translation>
    </message>
    <message>
        <source>NA</source>
        <extracomment>In the small box above the board, when the cell&apos;s answer is not known: one or two letters.</extracomment>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Over the hidden board while the game is paused (the clock stopped); a screen reader reads it.</extracomment>
        <translation>In pausa</translation>
    </message>
</context>
<context>
    <name>Booklet</name>
    <message>
        <source>Print several games</source>
        <extracomment>The title of the dialog that prints several random games at once.</extracomment>
        <translation>Stampa più partite</translation>
    </message>
    <message>
        <source>Games (1 to 60):</source>
        <extracomment>How many games to print; the field beside it takes 1 to 60.</extracomment>
        <translation>Partite (da 1 a 60):</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Livello:</translation>
    </message>
    <message>
        <source>Games on a page:</source>
        <extracomment>How many games are printed on one sheet of paper: 1, 2, 4 or 6.</extracomment>
        <translation>Partite per pagina:</translation>
    </message>
    <message>
        <source>Answers at the back</source>
        <extracomment>The games&apos; answers, small, on pages after the games.</extracomment>
        <translation>Soluzioni in fondo</translation>
    </message>
    <message>
        <source>Easy</source>
        <extracomment>A puzzle&apos;s level, in the dialog of &quot;Print several games&quot; and in the printed headings.</extracomment>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Random Level</source>
        <extracomment>Games of any level.</extracomment>
        <translation>Livello casuale</translation>
    </message>
    <message>
        <source>Game %1 (%2)</source>
        <extracomment>Above a printed game: %1 its game number (typed into New, it deals the game again), %2 its level.</extracomment>
        <translation>Partita %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ninebox: Sudoku puzzles picked by game number.</source>
        <translation>Ninebox: schemi di sudoku scelti in base al numero di partita.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of --help&apos;s argument, then its description and its form in the usage line.</extracomment>
        <translation>file</translation>
    </message>
    <message>
        <source>A game file (*.sud) to open instead of dealing a game.</source>
        <translation>Un file di partita (*.sud) da aprire invece di avviare una nuova partita.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[file]</translation>
    </message>
    <message>
        <source>Only one game file can be opened.</source>
        <translation>È possibile aprire un solo file di partita.</translation>
    </message>
    <message>
        <source>cannot open the display</source>
        <translation>impossibile aprire il display</translation>
    </message>
    <message>
        <source>Prints how hard each puzzle of a game file, or of a file of 81-character lines, is: the hardest technique it needs, then the steps of each.</source>
        <extracomment>--rate&apos;s description; &quot;file&quot; names its argument as in the usage line.</extracomment>
        <translation>Indica la difficoltà di ogni schema di un file di partita o di un file di righe di 81 caratteri: la tecnica più difficile che richiede, poi i passi di ciascuna tecnica.</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossibile leggere %1</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Sudoku (*.sud)</source>
        <extracomment>The file type in the Load and Save dialogs; keep (*.sud).</extracomment>
        <translation>Partite di sudoku (*.sud)</translation>
    </message>
</context>
<context>
    <name>GameDialog</name>
    <message>
        <source>Select Using number below</source>
        <translation>Usa il numero qui sotto</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Numero della partita</translation>
    </message>
    <message>
        <source>To select a game enter a number from 1 to 1000000</source>
        <translation>Inserisci un numero di partita da 1 a 1000000</translation>
    </message>
    <message>
        <source>Select Easy</source>
        <extracomment>The game dialog&apos;s button for a random game of the level chosen in the Level menu.</extracomment>
        <translation>Partita facile</translation>
    </message>
    <message>
        <source>Select Medium</source>
        <translation>Partita di livello medio</translation>
    </message>
    <message>
        <source>Select Hard</source>
        <translation>Partita difficile</translation>
    </message>
    <message>
        <source>Select Random</source>
        <translation>Partita casuale</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Instructions not found</source>
        <translation>Istruzioni non trovate</translation>
    </message>
    <message>
        <source>The page %1 was looked for in:</source>
        <extracomment>%1 is the page&apos;s file name; the folders follow, one a line.</extracomment>
        <translation>La pagina %1 è stata cercata in:</translation>
    </message>
    <message>
        <source>Instructions</source>
        <extracomment>The instructions page&apos;s name for a screen reader.</extracomment>
        <translation>Istruzioni</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>The &amp;Vault</source>
        <extracomment>The menu of files (load, save, print): a playful name, a strongroom.</extracomment>
        <translation>&amp;Cassaforte</translation>
    </message>
    <message>
        <source>&amp;Load game</source>
        <translation>&amp;Carica partita</translation>
    </message>
    <message>
        <source>&amp;Save game</source>
        <translation>&amp;Salva partita</translation>
    </message>
    <message>
        <source>&amp;Print game</source>
        <translation>S&amp;tampa partita</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;reset</source>
        <extracomment>Clears the player&apos;s digits and restarts the clock (lower case in English only).</extracomment>
        <translation>&amp;Ricomincia</translation>
    </message>
    <message>
        <source>&amp;play game</source>
        <extracomment>Play mode, as the on-board button &quot;Play Mode&quot; (lower case in English only).</extracomment>
        <translation>Modalità &amp;gioco</translation>
    </message>
    <message>
        <source>&amp;map game</source>
        <extracomment>Map mode: every empty cell shows the digits still possible there.</extracomment>
        <translation>Modalità &amp;candidati</translation>
    </message>
    <message>
        <source>&amp;Enter/edit game</source>
        <extracomment>Edit mode: the player types in a puzzle of their own; every digit becomes a given.</extracomment>
        <translation>&amp;Inserisci/modifica schema</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <extracomment>Fills in the board by logic, pass by pass.</extracomment>
        <translation>&amp;Trucco</translation>
    </message>
    <message>
        <source>&amp;won?</source>
        <extracomment>Always greyed out: would ask whether the board is solved.</extracomment>
        <translation>Hai &amp;vinto?</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Show &amp;Score</source>
        <translation>Mostra &amp;punteggio</translation>
    </message>
    <message>
        <source>Show &amp;Time</source>
        <translation>Mostra &amp;tempo</translation>
    </message>
    <message>
        <source>Show &amp;Difficulty  Level</source>
        <extracomment>Shows the puzzle&apos;s level under the keypad (two spaces in English only).</extracomment>
        <translation>Mostra livello di &amp;difficoltà</translation>
    </message>
    <message>
        <source>&amp;Remove Wrong Answers</source>
        <extracomment>Empties every cell whose digit is not the answer.</extracomment>
        <translation>&amp;Cancella numeri errati</translation>
    </message>
    <message>
        <source>&amp;Kanji Numbers</source>
        <extracomment>Digits drawn as Japanese kanji numerals.</extracomment>
        <translation>Numeri in &amp;kanji</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Istruzioni</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>I&amp;nformazioni</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>The level of random games.</extracomment>
        <translation>&amp;Livello</translation>
    </message>
    <message>
        <source>&amp;Random Level</source>
        <translation>Livello &amp;casuale</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difficile</translation>
    </message>
    <message>
        <source>E&amp;xplain a Step</source>
        <extracomment>The next step a player could find, shown and explained; asked again, it is made.</extracomment>
        <translation>&amp;Spiega una mossa</translation>
    </message>
    <message>
        <source>Print several &amp;games</source>
        <extracomment>Prints many random games at once, each headed by its game number.</extracomment>
        <translation>Stampa &amp;più partite</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <extracomment>Stops the clock and hides the board until the player resumes.</extracomment>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Show &amp;Conflicts</source>
        <extracomment>Draws in red every digit that stands twice in a row, column or box.</extracomment>
        <translation>Mostra con&amp;flitti</translation>
    </message>
    <message>
        <source>&amp;Highlight</source>
        <extracomment>Tints the selected cell&apos;s row, column and box, and marks the cells of its digit.</extracomment>
        <translation>&amp;Evidenzia</translation>
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
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>Error has occurred, name or permissions may be wrong.</source>
        <translation>Si è verificato un errore: il nome o i permessi potrebbero essere errati.</translation>
    </message>
    <message>
        <source>File already exists, do you wish to overwrite?</source>
        <translation>Il file esiste già. Vuoi sovrascriverlo?</translation>
    </message>
    <message>
        <source>Answers file &quot;%1&quot; already exists, do you wish to overwrite?</source>
        <extracomment>%1 is the answers file&apos;s name, such as hard1.ans.</extracomment>
        <translation>Il file della soluzione «%1» esiste già. Vuoi sovrascriverlo?</translation>
    </message>
    <message>
        <source>problem creating answers</source>
        <extracomment>The game file was saved, but its answers file could not be written.</extracomment>
        <translation>Impossibile creare il file della soluzione.</translation>
    </message>
    <message>
        <source>No file loaded, please try again</source>
        <translation>Nessun file caricato, riprova.</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <translation>Gli appunti non contengono alcuno schema.</translation>
    </message>
    <message>
        <source>If you enjoy Ninebox, please consider supporting its developers.</source>
        <extracomment>Now and then after &quot;Select Random&quot;; its title is &quot;Honesty is the Best!!&quot;.</extracomment>
        <translation>Se Ninebox ti piace, valuta di sostenere i suoi sviluppatori.</translation>
    </message>
    <message>
        <source>problem</source>
        <extracomment>Title of the message box saying the answers file could not be written.</extracomment>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Honesty is the Best!!</source>
        <extracomment>Title of the occasional request for a donation: playful, like a proverb.</extracomment>
        <translation>L&apos;onestà prima di tutto!!</translation>
    </message>
    <message>
        <source>Your game cannot be kept: %1 cannot be written.</source>
        <extracomment>%1 is a folder; the game plays on, but will not come back at the next start.</extracomment>
        <translation>La partita non può essere conservata: impossibile scrivere in %1.</translation>
    </message>
    <message>
        <source>Two %1s in %2.</source>
        <extracomment>A puzzle typed or loaded holds a digit twice: &quot;Two 5s in row 3.&quot;; %2 is &quot;row 3&quot;, &quot;column 3&quot; or &quot;box 3&quot;.</extracomment>
        <translation>Due %1 %2.</translation>
    </message>
    <message>
        <source>This puzzle has no solution.</source>
        <translation>Questo schema non ha soluzione.</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution.</source>
        <translation>Questo schema ha più di una soluzione.</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Printer</source>
        <extracomment>The print dialog&apos;s title.</extracomment>
        <translation>Stampante</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Stampa schema</translation>
    </message>
    <message>
        <source>Print Answers if available</source>
        <translation>Stampa soluzione se nota</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF could not be written:
%1</source>
        <extracomment>%1 is the PDF file&apos;s path, on a line of its own.</extracomment>
        <translation>Impossibile scrivere il file PDF:
%1</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Impossibile stampare la pagina.</translation>
    </message>
    <message>
        <source>No printer: print to a PDF file</source>
        <translation>Nessuna stampante: stampa su un file PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>The file type in the dialog; keep (*.pdf).</extracomment>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <extracomment>%1 is the PDF file&apos;s name.</extracomment>
        <translation>«%1» esiste già. Vuoi sostituirlo?</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Cartella</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida sulle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra la guida, incluse le opzioni specifiche di Qt.</translation>
    </message>
</context>
<context>
    <name>Technique</name>
    <message>
        <source>Full house</source>
        <translation>Ultima casella</translation>
    </message>
    <message>
        <source>Naked single</source>
        <translation>Singolo nudo</translation>
    </message>
    <message>
        <source>Hidden single</source>
        <translation>Singolo nascosto</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Puntamento</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>Riduzione</translation>
    </message>
    <message>
        <source>Naked pair</source>
        <translation>Coppia nuda</translation>
    </message>
    <message>
        <source>Hidden pair</source>
        <translation>Coppia nascosta</translation>
    </message>
    <message>
        <source>Naked triple</source>
        <translation>Tripla nuda</translation>
    </message>
    <message>
        <source>Hidden triple</source>
        <translation>Tripla nascosta</translation>
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
        <translation>Quadrupla nuda</translation>
    </message>
    <message>
        <source>Hidden quad</source>
        <translation>Quadrupla nascosta</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>Simple colouring</source>
        <translation>Colorazione semplice</translation>
    </message>
    <message>
        <source>Unique rectangle</source>
        <translation>Rettangolo unico</translation>
    </message>
    <message>
        <source>XY-chain</source>
        <translation>Catena XY</translation>
    </message>
    <message>
        <source>Forcing chain</source>
        <translation>Catena forzata</translation>
    </message>
</context>
</TS>
