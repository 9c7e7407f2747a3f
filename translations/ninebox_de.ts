<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About this Program....</source>
        <translation>Über dieses Programm</translation>
    </message>
    <message>
        <source>close window</source>
        <extracomment>The tooltip of the About window&apos;s X button.</extracomment>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>A Sudoku game</source>
        <extracomment>The About picture&apos;s lines, read to a screen reader&apos;s user (the picture keeps the English).</extracomment>
        <translation>Sudoku für einen Spieler</translation>
    </message>
    <message>
        <source>Fill every row, column and box</source>
        <translation>Füllen Sie jede Zeile, jede Spalte und jeden Block</translation>
    </message>
    <message>
        <source>with the numbers one to nine.</source>
        <translation>mit den Ziffern eins bis neun.</translation>
    </message>
    <message>
        <source>by the Ninebox developers</source>
        <translation>von den Ninebox-Entwicklern</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later. Made with Qt 6.</source>
        <translation>Freie Software unter der GNU GPL, Version 3 oder neuer. Erstellt mit Qt 6.</translation>
    </message>
    <message>
        <source>Kanji numerals derived from Noto Serif CJK, SIL Open Font License 1.1.</source>
        <translation>Kanji-Ziffern abgeleitet von Noto Serif CJK, SIL Open Font License 1.1.</translation>
    </message>
    <message>
        <source>Board text in Liberation Sans Narrow (Liberation Fonts licence).</source>
        <translation>Schrift des Spielfelds: Liberation Sans Narrow (Lizenz der Liberation Fonts).</translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>empty, row %1, column %2</source>
        <translation>leer, Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1, given, row %2, column %3</source>
        <translation>%1, vorgegeben, Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>, candidates %1</source>
        <translation>, Kandidaten %1</translation>
    </message>
    <message>
        <source>, waiting for a digit</source>
        <translation>, wartet auf eine Ziffer</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Level: Easy</source>
        <translation>Stufe: Leicht</translation>
    </message>
    <message>
        <source>Level: Medium</source>
        <translation>Stufe: Mittel</translation>
    </message>
    <message>
        <source>Level: Hard</source>
        <translation>Stufe: Schwer</translation>
    </message>
    <message>
        <source>Level: none</source>
        <translation>Stufe: keine</translation>
    </message>
    <message>
        <source>Score: %1 right, %2 wrong</source>
        <translation>Punkte: %1 richtig, %2 falsch</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Lösung: %1</translation>
    </message>
    <message>
        <source>Answer: not known</source>
        <translation>Lösung: unbekannt</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>, notes %1</source>
        <translation>, Notizen %1</translation>
    </message>
    <message>
        <source>%1, given, clash, row %2, column %3</source>
        <extracomment>&quot;clash&quot;: the same digit stands again in this cell&apos;s row, column or box.</extracomment>
        <translation>%1, vorgegeben, Konflikt, Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>%1, clash, row %2, column %3</source>
        <translation>%1, Konflikt, Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>Edit Mode</source>
        <extracomment>Said to a screen reader&apos;s user: the mode in which the player types in a puzzle.</extracomment>
        <translation>Bearbeitungsmodus</translation>
    </message>
    <message>
        <source>Cheat placed 1 digit</source>
        <extracomment>Said to a screen reader&apos;s user after Cheat; %1 is 0 or more than 1.</extracomment>
        <translation>Schummeln hat eine Ziffer gesetzt</translation>
    </message>
    <message>
        <source>Cheat placed %1 digits</source>
        <translation>Schummeln hat %1 Ziffern gesetzt</translation>
    </message>
    <message>
        <source>Removed 1 wrong answer</source>
        <extracomment>Said after Remove Wrong Answers; %1 is 0 or more than 1.</extracomment>
        <translation>Eine falsche Ziffer entfernt</translation>
    </message>
    <message>
        <source>Removed %1 wrong answers</source>
        <translation>%1 falsche Ziffern entfernt</translation>
    </message>
    <message>
        <source>Board reset</source>
        <extracomment>Said after Reset: the player&apos;s digits and notes are gone, the clock is at zero.</extracomment>
        <translation>Spielfeld zurückgesetzt</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <extracomment>Said when Undo (or Redo, below) finds nothing to take back (or to make again).</extracomment>
        <translation>Nichts zum Rückgängigmachen</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nichts zum Wiederholen</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>%1 geladen</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>Puzzle pasted</source>
        <extracomment>The puzzle on the clipboard became a new game (Ctrl+V).</extracomment>
        <translation>Rätsel eingefügt</translation>
    </message>
    <message>
        <source>Resumed</source>
        <extracomment>Said when a paused game runs again (the board shows again).</extracomment>
        <translation>Fortgesetzt</translation>
    </message>
    <message>
        <source>%1 cells changed</source>
        <extracomment>Said to a screen reader&apos;s user when Undo or Redo changed more cells than are worth naming.</extracomment>
        <translation>%1 Felder geändert</translation>
    </message>
</context>
<context>
    <name>Advice</name>
    <message>
        <source>there is another %1 in %2</source>
        <translation>In %2 steht noch eine %1</translation>
    </message>
    <message>
        <source>there are two %1s in %2</source>
        <translation>In %2 steht die %1 doppelt</translation>
    </message>
    <message>
        <source>with it, %1 can hold no digit</source>
        <translation>Mit ihr kann in %1 keine Ziffer mehr stehen</translation>
    </message>
    <message>
        <source>%1 can hold no digit</source>
        <translation>In %1 kann keine Ziffer mehr stehen</translation>
    </message>
    <message>
        <source>with it, %1 has no place left in %2</source>
        <translation>Mit ihr hat die %1 in %2 keinen Platz mehr</translation>
    </message>
    <message>
        <source>%1 has no place left in %2</source>
        <translation>Die %1 hat in %2 keinen Platz mehr</translation>
    </message>
    <message>
        <source>with it, the puzzle has no solution</source>
        <translation>Mit ihr hat das Rätsel keine Lösung</translation>
    </message>
    <message>
        <source>it has no solution</source>
        <translation>Es hat keine Lösung</translation>
    </message>
    <message>
        <source>two %1s would stand in %2</source>
        <translation>stünde die %1 doppelt in %2</translation>
    </message>
    <message>
        <source>%1 could hold no digit</source>
        <translation>könnte in %1 keine Ziffer mehr stehen</translation>
    </message>
    <message>
        <source>%1 would have no place in %2</source>
        <translation>hätte die %1 in %2 keinen Platz mehr</translation>
    </message>
    <message>
        <source>the puzzle would have no solution</source>
        <translation>hätte das Rätsel keine Lösung</translation>
    </message>
    <message>
        <source>%1: %2 is the last empty cell of %3, so it holds %4</source>
        <extracomment>%1 the technique&apos;s name, %2 a cell (&quot;row 4, column 6&quot;), %3 a unit (&quot;box 5&quot;), %4 a digit.</extracomment>
        <translation>%1: %2 ist das letzte freie Feld in %3, also steht dort die %4</translation>
    </message>
    <message>
        <source>%1: %2 can hold only %3</source>
        <translation>%1: In %2 kann nur die %3 stehen</translation>
    </message>
    <message>
        <source>%1: in %2, %3 fits only in %4</source>
        <translation>%1: In %2 kann die %3 nur in %4 stehen</translation>
    </message>
    <message>
        <source>%1: in %2 the %3s all lie in %4, so %5 cannot hold %3</source>
        <extracomment>%1 the technique, %2 and %4 units, %3 a digit (&quot;the 5s&quot;), %5 the cells it leaves.</extracomment>
        <translation>%1: In %2 kann die %3 nur in %4 stehen, also nicht in %5</translation>
    </message>
    <message>
        <source>%1: the %2s of %3 all lie in %4, so %5 cannot hold %2</source>
        <translation>%1: In %3 kann die %2 nur in %4 stehen, also nicht in %5</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, then … %4; so it cannot hold %3</source>
        <extracomment>%1 the technique, %2 a cell, %3 a digit, %4 where the assumption ends.</extracomment>
        <translation>%1: Stünde in %2 die %3, dann … %4; also steht dort keine %3</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, %4; so it cannot hold %3</source>
        <translation>%1: Stünde in %2 die %3, %4; also steht dort keine %3</translation>
    </message>
    <message>
        <source>%1 through %2: %3 cannot hold %4</source>
        <extracomment>%1 the technique, %2 the cells it works through, %3 the cells it leaves, %4 digits.</extracomment>
        <translation>%1 mit %2: In %3 steht keine %4</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell, always named after &quot;in&quot;, &quot;of&quot; or as a subject (&quot;row 4, column 6 can hold only 7&quot;).</extracomment>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Units are always named after &quot;in&quot; or &quot;of&quot; (&quot;in box 5&quot;, &quot;the last empty cell of row 3&quot;).</extracomment>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>Block %1</translation>
    </message>
    <message>
        <source>no solution</source>
        <translation>keine Lösung</translation>
    </message>
    <message>
        <source>more than one solution</source>
        <translation>mehr als eine Lösung</translation>
    </message>
    <message>
        <source>not a puzzle</source>
        <translation>kein Rätsel</translation>
    </message>
    <message>
        <source>%1; then %2</source>
        <extracomment>Two steps of one explanation, the second following from the first.</extracomment>
        <translation>%1; dann %2</translation>
    </message>
    <message>
        <source>The %1 in %2 is wrong: %3.</source>
        <extracomment>%1 a digit, %2 its cell, %3 why it cannot be right.</extracomment>
        <translation>Die %1 in %2 ist falsch: %3.</translation>
    </message>
    <message>
        <source>This board cannot be finished: %1.</source>
        <translation>Das Spielfeld lässt sich nicht vervollständigen: %1.</translation>
    </message>
    <message>
        <source>No step follows from the board alone: this puzzle has more than one solution.</source>
        <translation>Aus dem Spielfeld allein folgt kein Schritt: Das Rätsel hat mehr als eine Lösung.</translation>
    </message>
    <message>
        <source>The board is complete.</source>
        <translation>Das Spielfeld ist vollständig.</translation>
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
        <translation>%1: In %2 können nur %3 stehen, also nicht in %4</translation>
    </message>
    <message>
        <source>%1: in %2 the digits %3 fit only in %4, so these cells hold nothing else</source>
        <extracomment>%1 the technique, %2 a unit (&quot;in box 5&quot;), %3 digits, %4 cells.</extracomment>
        <translation>%1: In %2 können die Ziffern %3 nur in %4 stehen, also steht dort nichts anderes</translation>
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
        <translation>Nach %1 – %2</translation>
    </message>
</context>
<context>
    <name>AnswersDialog</name>
    <message>
        <source>Please Choose</source>
        <translation>Bitte wählen</translation>
    </message>
    <message>
        <source>No answers available</source>
        <extracomment>Save game asks where the answers file&apos;s answers come from: none (an empty answers file), the board as the player solved it, or the answers the program holds.</extracomment>
        <translation>Keine Lösung vorhanden</translation>
    </message>
    <message>
        <source>Create answers from Worked puzzle</source>
        <translation>Lösung aus gelöstem Rätsel erstellen</translation>
    </message>
    <message>
        <source>Create Answers from Existing Answers</source>
        <translation>Vorhandene Lösung übernehmen</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>New</source>
        <extracomment>The on-board buttons, on small slabs left of the board: keep them short.</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Play Mode</source>
        <translation>Spielmodus</translation>
    </message>
    <message>
        <source>Map Mode</source>
        <translation>Kandidatenmodus</translation>
    </message>
    <message>
        <source>Score On/Off</source>
        <translation>Punkte an/aus</translation>
    </message>
    <message>
        <source>Time On/Off</source>
        <translation>Zeit an/aus</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Level=Easy</source>
        <extracomment>Painted under the keypad when Show Difficulty Level is ticked: the level of the puzzle.</extracomment>
        <translation>Stufe=Leicht</translation>
    </message>
    <message>
        <source>Level=Medium</source>
        <translation>Stufe=Mittel</translation>
    </message>
    <message>
        <source>Level=Hard</source>
        <translation>Stufe=Schwer</translation>
    </message>
    <message>
        <source>Level=     </source>
        <extracomment>The level of a puzzle of the player&apos;s own (edit mode, a loaded file): no level.</extracomment>
        <translation>Stufe=</translation>
    </message>
    <message>
        <source>R:%1 W:%2</source>
        <extracomment>The score: %1 right entries, %2 wrong ones; one letter each, as short as possible.</extracomment>
        <translation>R:%1 F:%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>The key under the keypad that empties the selected cell.</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Painted small inside the cell that waits for a digit from the keypad: a few letters.</extracomment>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>NA</source>
        <extracomment>In the small box above the board, when the cell&apos;s answer is not known: one or two letters.</extracomment>
        <translation>k.A.</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Over the hidden board while the game is paused (the clock stopped); a screen reader reads it.</extracomment>
        <translation>Pausiert</translation>
    </message>
</context>
<context>
    <name>Booklet</name>
    <message>
        <source>Print several games</source>
        <extracomment>The title of the dialog that prints several random games at once.</extracomment>
        <translation>Mehrere Spiele drucken</translation>
    </message>
    <message>
        <source>Games (1 to 60):</source>
        <extracomment>How many games to print; the field beside it takes 1 to 60.</extracomment>
        <translation>Spiele (1 bis 60):</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Stufe:</translation>
    </message>
    <message>
        <source>Games on a page:</source>
        <extracomment>How many games are printed on one sheet of paper: 1, 2, 4 or 6.</extracomment>
        <translation>Spiele pro Seite:</translation>
    </message>
    <message>
        <source>Answers at the back</source>
        <extracomment>The games&apos; answers, small, on pages after the games.</extracomment>
        <translation>Lösungen am Ende</translation>
    </message>
    <message>
        <source>Easy</source>
        <extracomment>A puzzle&apos;s level, in the dialog of &quot;Print several games&quot; and in the printed headings.</extracomment>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Random Level</source>
        <extracomment>Games of any level.</extracomment>
        <translation>Zufällige Stufe</translation>
    </message>
    <message>
        <source>Game %1 (%2)</source>
        <extracomment>Above a printed game: %1 its game number (typed into New, it deals the game again), %2 its level.</extracomment>
        <translation>Spiel %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ninebox: Sudoku puzzles picked by game number.</source>
        <translation>Ninebox: Sudoku-Rätsel, ausgewählt per Spielnummer.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of --help&apos;s argument, then its description and its form in the usage line.</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>A game file (*.sud) to open instead of dealing a game.</source>
        <translation>Eine Spieldatei (*.sud), die statt eines neuen Spiels geöffnet wird.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
    <message>
        <source>Only one game file can be opened.</source>
        <translation>Es kann nur eine Spieldatei geöffnet werden.</translation>
    </message>
    <message>
        <source>cannot open the display</source>
        <translation>Anzeige kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Prints how hard each puzzle of a game file, or of a file of 81-character lines, is: the hardest technique it needs, then the steps of each.</source>
        <extracomment>--rate&apos;s description; &quot;file&quot; names its argument as in the usage line.</extracomment>
        <translation>Gibt für jedes Rätsel einer Spieldatei oder einer Datei mit Zeilen aus 81 Zeichen aus, wie schwer es ist: die schwierigste nötige Technik, dann die Schritte jeder Technik.</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Sudoku (*.sud)</source>
        <extracomment>The file type in the Load and Save dialogs; keep (*.sud).</extracomment>
        <translation>Sudoku-Spiele (*.sud)</translation>
    </message>
</context>
<context>
    <name>GameDialog</name>
    <message>
        <source>Select Using number below</source>
        <translation>Nummer unten verwenden</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Spielnummer</translation>
    </message>
    <message>
        <source>To select a game enter a number from 1 to 1000000</source>
        <translation>Spielnummer von 1 bis 1000000 eingeben</translation>
    </message>
    <message>
        <source>Select Easy</source>
        <extracomment>The game dialog&apos;s button for a random game of the level chosen in the Level menu.</extracomment>
        <translation>Leichtes Spiel</translation>
    </message>
    <message>
        <source>Select Medium</source>
        <translation>Mittleres Spiel</translation>
    </message>
    <message>
        <source>Select Hard</source>
        <translation>Schweres Spiel</translation>
    </message>
    <message>
        <source>Select Random</source>
        <translation>Zufälliges Spiel</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Instructions not found</source>
        <translation>Anleitung nicht gefunden</translation>
    </message>
    <message>
        <source>The page %1 was looked for in:</source>
        <extracomment>%1 is the page&apos;s file name; the folders follow, one a line.</extracomment>
        <translation>Die Seite %1 wurde an diesen Orten gesucht:</translation>
    </message>
    <message>
        <source>Instructions</source>
        <extracomment>The instructions page&apos;s name for a screen reader.</extracomment>
        <translation>Anleitung</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>The &amp;Vault</source>
        <extracomment>The menu of files (load, save, print): a playful name, a strongroom.</extracomment>
        <translation>&amp;Tresor</translation>
    </message>
    <message>
        <source>&amp;Load game</source>
        <translation>Spiel &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save game</source>
        <translation>Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Print game</source>
        <translation>Spiel &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;reset</source>
        <extracomment>Clears the player&apos;s digits and restarts the clock (lower case in English only).</extracomment>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;play game</source>
        <extracomment>Play mode, as the on-board button &quot;Play Mode&quot; (lower case in English only).</extracomment>
        <translation>S&amp;pielmodus</translation>
    </message>
    <message>
        <source>&amp;map game</source>
        <extracomment>Map mode: every empty cell shows the digits still possible there.</extracomment>
        <translation>&amp;Kandidatenmodus</translation>
    </message>
    <message>
        <source>&amp;Enter/edit game</source>
        <extracomment>Edit mode: the player types in a puzzle of their own; every digit becomes a given.</extracomment>
        <translation>Spiel &amp;eingeben/bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <extracomment>Fills in the board by logic, pass by pass.</extracomment>
        <translation>Sch&amp;ummeln</translation>
    </message>
    <message>
        <source>&amp;won?</source>
        <extracomment>Always greyed out: would ask whether the board is solved.</extracomment>
        <translation>&amp;Gewonnen?</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Show &amp;Score</source>
        <translation>&amp;Punkte anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Time</source>
        <translation>&amp;Zeit anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Difficulty  Level</source>
        <extracomment>Shows the puzzle&apos;s level under the keypad (two spaces in English only).</extracomment>
        <translation>&amp;Schwierigkeitsstufe anzeigen</translation>
    </message>
    <message>
        <source>&amp;Remove Wrong Answers</source>
        <extracomment>Empties every cell whose digit is not the answer.</extracomment>
        <translation>&amp;Falsche Ziffern entfernen</translation>
    </message>
    <message>
        <source>&amp;Kanji Numbers</source>
        <extracomment>Digits drawn as Japanese kanji numerals.</extracomment>
        <translation>&amp;Kanji-Ziffern</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>The level of random games.</extracomment>
        <translation>St&amp;ufe</translation>
    </message>
    <message>
        <source>&amp;Random Level</source>
        <translation>&amp;Zufällige Stufe</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Leicht</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Schwer</translation>
    </message>
    <message>
        <source>E&amp;xplain a Step</source>
        <extracomment>The next step a player could find, shown and explained; asked again, it is made.</extracomment>
        <translation>&amp;Schritt erklären</translation>
    </message>
    <message>
        <source>Print several &amp;games</source>
        <extracomment>Prints many random games at once, each headed by its game number.</extracomment>
        <translation>&amp;Mehrere Spiele drucken</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <extracomment>Stops the clock and hides the board until the player resumes.</extracomment>
        <translation>P&amp;ause</translation>
    </message>
    <message>
        <source>Show &amp;Conflicts</source>
        <extracomment>Draws in red every digit that stands twice in a row, column or box.</extracomment>
        <translation>K&amp;onflikte anzeigen</translation>
    </message>
    <message>
        <source>&amp;Highlight</source>
        <extracomment>Tints the selected cell&apos;s row, column and box, and marks the cells of its digit.</extracomment>
        <translation>&amp;Hervorheben</translation>
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
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Error has occurred, name or permissions may be wrong.</source>
        <translation>Ein Fehler ist aufgetreten. Möglicherweise sind der Name oder die Zugriffsrechte falsch.</translation>
    </message>
    <message>
        <source>File already exists, do you wish to overwrite?</source>
        <translation>Die Datei existiert bereits. Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>Answers file &quot;%1&quot; already exists, do you wish to overwrite?</source>
        <extracomment>%1 is the answers file&apos;s name, such as hard1.ans.</extracomment>
        <translation>Die Lösungsdatei „%1“ existiert bereits. Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>problem creating answers</source>
        <extracomment>The game file was saved, but its answers file could not be written.</extracomment>
        <translation>Die Lösungsdatei konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>No file loaded, please try again</source>
        <translation>Keine Datei geladen. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <translation>Die Zwischenablage enthält kein Rätsel.</translation>
    </message>
    <message>
        <source>If you enjoy Ninebox, please consider supporting its developers.</source>
        <extracomment>Now and then after &quot;Select Random&quot;; its title is &quot;Honesty is the Best!!&quot;.</extracomment>
        <translation>Wenn Ihnen Ninebox gefällt, freuen sich seine Entwickler über Ihre Unterstützung.</translation>
    </message>
    <message>
        <source>problem</source>
        <extracomment>Title of the message box saying the answers file could not be written.</extracomment>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Honesty is the Best!!</source>
        <extracomment>Title of the occasional request for a donation: playful, like a proverb.</extracomment>
        <translation>Ehrlich währt am längsten!!</translation>
    </message>
    <message>
        <source>Your game cannot be kept: %1 cannot be written.</source>
        <extracomment>%1 is a folder; the game plays on, but will not come back at the next start.</extracomment>
        <translation>Ihr Spiel kann nicht aufbewahrt werden: %1 ist nicht beschreibbar.</translation>
    </message>
    <message>
        <source>Two %1s in %2.</source>
        <extracomment>A puzzle typed or loaded holds a digit twice: &quot;Two 5s in row 3.&quot;; %2 is &quot;row 3&quot;, &quot;column 3&quot; or &quot;box 3&quot;.</extracomment>
        <translation>Die %1 kommt in %2 doppelt vor.</translation>
    </message>
    <message>
        <source>This puzzle has no solution.</source>
        <translation>Dieses Rätsel hat keine Lösung.</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution.</source>
        <translation>Dieses Rätsel hat mehr als eine Lösung.</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Printer</source>
        <extracomment>The print dialog&apos;s title.</extracomment>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Rätsel drucken</translation>
    </message>
    <message>
        <source>Print Answers if available</source>
        <translation>Lösung mitdrucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF could not be written:
%1</source>
        <extracomment>%1 is the PDF file&apos;s path, on a line of its own.</extracomment>
        <translation>Die PDF-Datei konnte nicht geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Die Seite konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>No printer: print to a PDF file</source>
        <translation>Kein Drucker: in eine PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>The file type in the dialog; keep (*.pdf).</extracomment>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <extracomment>%1 is the PDF file&apos;s name.</extracomment>
        <translation>„%1“ existiert bereits. Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
</context>
<context>
    <name>Technique</name>
    <message>
        <source>Full house</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Naked single</source>
        <translation>Nackter Einer</translation>
    </message>
    <message>
        <source>Hidden single</source>
        <translation>Versteckter Einer</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Pointing</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>Claiming</translation>
    </message>
    <message>
        <source>Naked pair</source>
        <translation>Nacktes Paar</translation>
    </message>
    <message>
        <source>Hidden pair</source>
        <translation>Verstecktes Paar</translation>
    </message>
    <message>
        <source>Naked triple</source>
        <translation>Nackter Dreier</translation>
    </message>
    <message>
        <source>Hidden triple</source>
        <translation>Versteckter Dreier</translation>
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
        <translation>Nackter Vierer</translation>
    </message>
    <message>
        <source>Hidden quad</source>
        <translation>Versteckter Vierer</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>Simple colouring</source>
        <translation>Einfaches Färben</translation>
    </message>
    <message>
        <source>Unique rectangle</source>
        <translation>Ausschlussrechteck</translation>
    </message>
    <message>
        <source>XY-chain</source>
        <translation>XY-Kette</translation>
    </message>
    <message>
        <source>Forcing chain</source>
        <translation>Auswirkungskette</translation>
    </message>
</context>
</TS>
