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
        <source>Note, No answers available for this puzzle.</source>
        <translation>Nota: nessuna soluzione disponibile per questo schema.</translation>
    </message>
    <message>
        <source>This puzzle breaks the rules: a digit appears twice in a row, column or box.</source>
        <translation>Questo schema viola le regole: un numero compare due volte in una riga, colonna o riquadro.</translation>
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
</TS>
