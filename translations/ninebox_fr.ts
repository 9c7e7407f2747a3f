<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About this Program....</source>
        <translation>À propos de ce programme</translation>
    </message>
    <message>
        <source>close window</source>
        <extracomment>The tooltip of the About window&apos;s X button.</extracomment>
        <translation>Fermer la fenêtre</translation>
    </message>
    <message>
        <source>A Sudoku game</source>
        <extracomment>The About picture&apos;s lines, read to a screen reader&apos;s user (the picture keeps the English).</extracomment>
        <translation>Un jeu de sudoku</translation>
    </message>
    <message>
        <source>Fill every row, column and box</source>
        <translation>Remplissez chaque ligne, chaque colonne et chaque carré</translation>
    </message>
    <message>
        <source>with the numbers one to nine.</source>
        <translation>avec les chiffres de un à neuf.</translation>
    </message>
    <message>
        <source>by the Ninebox developers</source>
        <translation>par les développeurs de Ninebox</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later. Made with Qt 6.</source>
        <translation>Logiciel libre sous licence GNU GPL, version 3 ou ultérieure. Réalisé avec Qt 6.</translation>
    </message>
    <message>
        <source>Kanji numerals derived from Noto Serif CJK, SIL Open Font License 1.1.</source>
        <translation>Chiffres kanji dérivés de Noto Serif CJK, SIL Open Font License 1.1.</translation>
    </message>
    <message>
        <source>Board text in Liberation Sans Narrow (Liberation Fonts licence).</source>
        <translation>Texte de la grille en Liberation Sans Narrow (licence Liberation Fonts).</translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>empty, row %1, column %2</source>
        <translation>vide, ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1, given, row %2, column %3</source>
        <translation>%1, indice, ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>, candidates %1</source>
        <translation>, candidats %1</translation>
    </message>
    <message>
        <source>, waiting for a digit</source>
        <translation>, attend un chiffre</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Level: Easy</source>
        <translation>Niveau&#xa0;: facile</translation>
    </message>
    <message>
        <source>Level: Medium</source>
        <translation>Niveau&#xa0;: moyen</translation>
    </message>
    <message>
        <source>Level: Hard</source>
        <translation>Niveau&#xa0;: difficile</translation>
    </message>
    <message>
        <source>Level: none</source>
        <translation>Niveau&#xa0;: aucun</translation>
    </message>
    <message>
        <source>Score: %1 right, %2 wrong</source>
        <translation>Score&#xa0;: justes %1, fausses %2</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps&#xa0;: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Solution&#xa0;: %1</translation>
    </message>
    <message>
        <source>Answer: not known</source>
        <translation>Solution&#xa0;: inconnue</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Résolu</translation>
    </message>
    <message>
        <source>, notes %1</source>
        <translation>, notes %1</translation>
    </message>
    <message>
        <source>%1, given, clash, row %2, column %3</source>
        <extracomment>&quot;clash&quot;: the same digit stands again in this cell&apos;s row, column or box.</extracomment>
        <translation>%1, indice, conflit, ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>%1, clash, row %2, column %3</source>
        <translation>%1, conflit, ligne %2, colonne %3</translation>
    </message>
    <message>
        <source>Edit Mode</source>
        <extracomment>Said to a screen reader&apos;s user: the mode in which the player types in a puzzle.</extracomment>
        <translation>Mode saisie</translation>
    </message>
    <message>
        <source>Cheat placed 1 digit</source>
        <extracomment>Said to a screen reader&apos;s user after Cheat; %1 is 0 or more than 1.</extracomment>
        <translation>Tricher&#xa0;: un chiffre placé</translation>
    </message>
    <message>
        <source>Cheat placed %1 digits</source>
        <translation>Tricher&#xa0;: %1 chiffres placés</translation>
    </message>
    <message>
        <source>Removed 1 wrong answer</source>
        <extracomment>Said after Remove Wrong Answers; %1 is 0 or more than 1.</extracomment>
        <translation>Une erreur effacée</translation>
    </message>
    <message>
        <source>Removed %1 wrong answers</source>
        <translation>%1 erreurs effacées</translation>
    </message>
    <message>
        <source>Board reset</source>
        <extracomment>Said after Reset: the player&apos;s digits and notes are gone, the clock is at zero.</extracomment>
        <translation>Grille réinitialisée</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <extracomment>Said when Undo (or Redo, below) finds nothing to take back (or to make again).</extracomment>
        <translation>Rien à annuler</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Rien à rétablir</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>Partie chargée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>Partie enregistrée sous %1</translation>
    </message>
    <message>
        <source>Puzzle pasted</source>
        <extracomment>The puzzle on the clipboard became a new game (Ctrl+V).</extracomment>
        <translation>Grille collée</translation>
    </message>
    <message>
        <source>Resumed</source>
        <extracomment>Said when a paused game runs again (the board shows again).</extracomment>
        <translation>Reprise</translation>
    </message>
    <message>
        <source>%1 cells changed</source>
        <extracomment>Said to a screen reader&apos;s user when Undo or Redo changed more cells than are worth naming.</extracomment>
        <translation>%1 cases modifiées</translation>
    </message>
</context>
<context>
    <name>Advice</name>
    <message>
        <source>there is another %1 in %2</source>
        <translation>il y a un autre %1 %2</translation>
    </message>
    <message>
        <source>there are two %1s in %2</source>
        <translation>il y a deux %1 %2</translation>
    </message>
    <message>
        <source>with it, %1 can hold no digit</source>
        <translation>avec lui, plus aucun chiffre ne va %1</translation>
    </message>
    <message>
        <source>%1 can hold no digit</source>
        <translation>plus aucun chiffre ne va %1</translation>
    </message>
    <message>
        <source>with it, %1 has no place left in %2</source>
        <translation>avec lui, le %1 n&apos;a plus de place %2</translation>
    </message>
    <message>
        <source>%1 has no place left in %2</source>
        <translation>le %1 n&apos;a plus de place %2</translation>
    </message>
    <message>
        <source>with it, the puzzle has no solution</source>
        <translation>avec lui, la grille n&apos;a pas de solution</translation>
    </message>
    <message>
        <source>it has no solution</source>
        <translation>elle n&apos;a pas de solution</translation>
    </message>
    <message>
        <source>two %1s would stand in %2</source>
        <translation>il y aurait deux %1 %2</translation>
    </message>
    <message>
        <source>%1 could hold no digit</source>
        <translation>plus aucun chiffre n&apos;irait %1</translation>
    </message>
    <message>
        <source>%1 would have no place in %2</source>
        <translation>le %1 n&apos;aurait plus de place %2</translation>
    </message>
    <message>
        <source>the puzzle would have no solution</source>
        <translation>la grille n&apos;aurait pas de solution</translation>
    </message>
    <message>
        <source>%1: %2 is the last empty cell of %3, so it holds %4</source>
        <extracomment>%1 the technique&apos;s name, %2 a cell (&quot;row 4, column 6&quot;), %3 a unit (&quot;box 5&quot;), %4 a digit.</extracomment>
        <translation>%1&#xa0;: la case %2 est la dernière vide %3, elle reçoit donc le %4</translation>
    </message>
    <message>
        <source>%1: %2 can hold only %3</source>
        <translation>%1&#xa0;: seul le %3 va %2</translation>
    </message>
    <message>
        <source>%1: in %2, %3 fits only in %4</source>
        <translation>%1&#xa0;: %2, le %3 va seulement %4</translation>
    </message>
    <message>
        <source>%1: in %2 the %3s all lie in %4, so %5 cannot hold %3</source>
        <extracomment>%1 the technique, %2 and %4 units, %3 a digit (&quot;the 5s&quot;), %5 the cells it leaves.</extracomment>
        <translation>%1&#xa0;: %2, le %3 est seulement %4, donc pas %5</translation>
    </message>
    <message>
        <source>%1: the %2s of %3 all lie in %4, so %5 cannot hold %2</source>
        <translation>%1&#xa0;: %3, le %2 est seulement %4, donc pas %5</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, then … %4; so it cannot hold %3</source>
        <extracomment>%1 the technique, %2 a cell, %3 a digit, %4 where the assumption ends.</extracomment>
        <translation>%1&#xa0;: si le %3 était %2, alors … %4&#xa0;; il n&apos;y est donc pas</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, %4; so it cannot hold %3</source>
        <translation>%1&#xa0;: si le %3 était %2, %4&#xa0;; il n&apos;y est donc pas</translation>
    </message>
    <message>
        <source>%1 through %2: %3 cannot hold %4</source>
        <extracomment>%1 the technique, %2 the cells it works through, %3 the cells it leaves, %4 digits.</extracomment>
        <translation>%1 via les cases %2&#xa0;: pas de %4 %3</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell, always named after &quot;in&quot;, &quot;of&quot; or as a subject (&quot;row 4, column 6 can hold only 7&quot;).</extracomment>
        <translation>en ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Units are always named after &quot;in&quot; or &quot;of&quot; (&quot;in box 5&quot;, &quot;the last empty cell of row 3&quot;).</extracomment>
        <translation>en ligne %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>en colonne %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>dans le carré %1</translation>
    </message>
    <message>
        <source>no solution</source>
        <translation>pas de solution</translation>
    </message>
    <message>
        <source>more than one solution</source>
        <translation>plus d&apos;une solution</translation>
    </message>
    <message>
        <source>not a puzzle</source>
        <translation>pas une grille</translation>
    </message>
    <message>
        <source>%1; then %2</source>
        <extracomment>Two steps of one explanation, the second following from the first.</extracomment>
        <translation>%1&#xa0;; puis %2</translation>
    </message>
    <message>
        <source>The %1 in %2 is wrong: %3.</source>
        <extracomment>%1 a digit, %2 its cell, %3 why it cannot be right.</extracomment>
        <translation>Le %1 %2 est faux&#xa0;: %3.</translation>
    </message>
    <message>
        <source>This board cannot be finished: %1.</source>
        <translation>Cette grille ne peut pas être terminée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No step follows from the board alone: this puzzle has more than one solution.</source>
        <translation>Rien ne se déduit de la grille seule&#xa0;: elle a plus d&apos;une solution.</translation>
    </message>
    <message>
        <source>The board is complete.</source>
        <translation>La grille est complète.</translation>
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
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>%1: %2 hold only %3 between them, so %4 cannot hold them</source>
        <extracomment>%1 the technique, %2 the cells (each named whole), %3 digits, %4 the cells it leaves.</extracomment>
        <translation>%1&#xa0;: les cases %2 n&apos;admettent que %3, donc ces chiffres ne vont pas %4</translation>
    </message>
    <message>
        <source>%1: in %2 the digits %3 fit only in %4, so these cells hold nothing else</source>
        <extracomment>%1 the technique, %2 a unit (&quot;in box 5&quot;), %3 digits, %4 cells.</extracomment>
        <translation>%1&#xa0;: %2, les %3 ne vont que dans les cases %4, donc elles ne contiennent rien d&apos;autre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>--rate&apos;s line: %1 the hardest technique, %2 each technique used with its count.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An explanation ends as a sentence.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>After %1 – %2</source>
        <extracomment>%1 the techniques of the steps before (their cells show on the board), %2 the rest.</extracomment>
        <translation>Après %1 – %2</translation>
    </message>
</context>
<context>
    <name>AnswersDialog</name>
    <message>
        <source>Please Choose</source>
        <translation>Faites votre choix</translation>
    </message>
    <message>
        <source>No answers available</source>
        <extracomment>Save game asks where the answers file&apos;s answers come from: none (an empty answers file), the board as the player solved it, or the answers the program holds.</extracomment>
        <translation>Aucune solution disponible</translation>
    </message>
    <message>
        <source>Create answers from Worked puzzle</source>
        <translation>Créer la solution depuis la grille résolue</translation>
    </message>
    <message>
        <source>Create Answers from Existing Answers</source>
        <translation>Reprendre la solution existante</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>New</source>
        <extracomment>The on-board buttons, on small slabs left of the board: keep them short.</extracomment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Play Mode</source>
        <translation>Mode jeu</translation>
    </message>
    <message>
        <source>Map Mode</source>
        <translation>Mode candidats</translation>
    </message>
    <message>
        <source>Score On/Off</source>
        <translation>Score oui/non</translation>
    </message>
    <message>
        <source>Time On/Off</source>
        <translation>Temps oui/non</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Level=Easy</source>
        <extracomment>Painted under the keypad when Show Difficulty Level is ticked: the level of the puzzle.</extracomment>
        <translation>Niveau=Facile</translation>
    </message>
    <message>
        <source>Level=Medium</source>
        <translation>Niveau=Moyen</translation>
    </message>
    <message>
        <source>Level=Hard</source>
        <translation>Niveau=Difficile</translation>
    </message>
    <message>
        <source>Level=     </source>
        <extracomment>The level of a puzzle of the player&apos;s own (edit mode, a loaded file): no level.</extracomment>
        <translation>Niveau=</translation>
    </message>
    <message>
        <source>R:%1 W:%2</source>
        <extracomment>The score: %1 right entries, %2 wrong ones; one letter each, as short as possible.</extracomment>
        <translation>J:%1 F:%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>The key under the keypad that empties the selected cell.</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Painted small inside the cell that waits for a digit from the keypad: a few letters.</extracomment>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>NA</source>
        <extracomment>In the small box above the board, when the cell&apos;s answer is not known: one or two letters.</extracomment>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Over the hidden board while the game is paused (the clock stopped); a screen reader reads it.</extracomment>
        <translation>En pause</translation>
    </message>
</context>
<context>
    <name>Booklet</name>
    <message>
        <source>Print several games</source>
        <extracomment>The title of the dialog that prints several random games at once.</extracomment>
        <translation>Imprimer plusieurs parties</translation>
    </message>
    <message>
        <source>Games (1 to 60):</source>
        <extracomment>How many games to print; the field beside it takes 1 to 60.</extracomment>
        <translation>Parties (1 à 60)&#xa0;:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Niveau&#xa0;:</translation>
    </message>
    <message>
        <source>Games on a page:</source>
        <extracomment>How many games are printed on one sheet of paper: 1, 2, 4 or 6.</extracomment>
        <translation>Parties par page&#xa0;:</translation>
    </message>
    <message>
        <source>Answers at the back</source>
        <extracomment>The games&apos; answers, small, on pages after the games.</extracomment>
        <translation>Solutions à la fin</translation>
    </message>
    <message>
        <source>Easy</source>
        <extracomment>A puzzle&apos;s level, in the dialog of &quot;Print several games&quot; and in the printed headings.</extracomment>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Random Level</source>
        <extracomment>Games of any level.</extracomment>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Game %1 (%2)</source>
        <extracomment>Above a printed game: %1 its game number (typed into New, it deals the game again), %2 its level.</extracomment>
        <translation>Partie %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ninebox: Sudoku puzzles picked by game number.</source>
        <translation>Ninebox&#xa0;: grilles de sudoku choisies par numéro de partie.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of --help&apos;s argument, then its description and its form in the usage line.</extracomment>
        <translation>fichier</translation>
    </message>
    <message>
        <source>A game file (*.sud) to open instead of dealing a game.</source>
        <translation>Un fichier de partie (*.sud) à ouvrir au lieu de lancer une nouvelle partie.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[fichier]</translation>
    </message>
    <message>
        <source>Only one game file can be opened.</source>
        <translation>Un seul fichier de partie peut être ouvert.</translation>
    </message>
    <message>
        <source>cannot open the display</source>
        <translation>impossible d&apos;ouvrir l&apos;affichage</translation>
    </message>
    <message>
        <source>Prints how hard each puzzle of a game file, or of a file of 81-character lines, is: the hardest technique it needs, then the steps of each.</source>
        <extracomment>--rate&apos;s description; &quot;file&quot; names its argument as in the usage line.</extracomment>
        <translation>Indique la difficulté de chaque grille d&apos;un fichier de partie ou d&apos;un fichier de lignes de 81 caractères&#xa0;: la technique la plus difficile qu&apos;elle demande, puis le nombre de coups de chaque technique.</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Sudoku (*.sud)</source>
        <extracomment>The file type in the Load and Save dialogs; keep (*.sud).</extracomment>
        <translation>Parties de sudoku (*.sud)</translation>
    </message>
</context>
<context>
    <name>GameDialog</name>
    <message>
        <source>Select Using number below</source>
        <translation>Utiliser le numéro ci-dessous</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Numéro de partie</translation>
    </message>
    <message>
        <source>To select a game enter a number from 1 to 1000000</source>
        <translation>Saisissez un numéro de partie de 1 à 1000000</translation>
    </message>
    <message>
        <source>Select Easy</source>
        <extracomment>The game dialog&apos;s button for a random game of the level chosen in the Level menu.</extracomment>
        <translation>Partie facile</translation>
    </message>
    <message>
        <source>Select Medium</source>
        <translation>Partie de niveau moyen</translation>
    </message>
    <message>
        <source>Select Hard</source>
        <translation>Partie difficile</translation>
    </message>
    <message>
        <source>Select Random</source>
        <translation>Partie aléatoire</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Instructions not found</source>
        <translation>Instructions introuvables</translation>
    </message>
    <message>
        <source>The page %1 was looked for in:</source>
        <extracomment>%1 is the page&apos;s file name; the folders follow, one a line.</extracomment>
        <translation>La page %1 a été cherchée dans&#xa0;:</translation>
    </message>
    <message>
        <source>Instructions</source>
        <extracomment>The instructions page&apos;s name for a screen reader.</extracomment>
        <translation>Instructions</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>The &amp;Vault</source>
        <extracomment>The menu of files (load, save, print): a playful name, a strongroom.</extracomment>
        <translation>&amp;Coffre-fort</translation>
    </message>
    <message>
        <source>&amp;Load game</source>
        <translation>&amp;Charger une partie</translation>
    </message>
    <message>
        <source>&amp;Save game</source>
        <translation>&amp;Enregistrer la partie</translation>
    </message>
    <message>
        <source>&amp;Print game</source>
        <translation>&amp;Imprimer la partie</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;reset</source>
        <extracomment>Clears the player&apos;s digits and restarts the clock (lower case in English only).</extracomment>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;play game</source>
        <extracomment>Play mode, as the on-board button &quot;Play Mode&quot; (lower case in English only).</extracomment>
        <translation>Mode &amp;jeu</translation>
    </message>
    <message>
        <source>&amp;map game</source>
        <extracomment>Map mode: every empty cell shows the digits still possible there.</extracomment>
        <translation>Mode &amp;candidats</translation>
    </message>
    <message>
        <source>&amp;Enter/edit game</source>
        <extracomment>Edit mode: the player types in a puzzle of their own; every digit becomes a given.</extracomment>
        <translation>&amp;Saisir/modifier une grille</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <extracomment>Fills in the board by logic, pass by pass.</extracomment>
        <translation>&amp;Tricher</translation>
    </message>
    <message>
        <source>&amp;won?</source>
        <extracomment>Always greyed out: would ask whether the board is solved.</extracomment>
        <translation>&amp;Gagné&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Show &amp;Score</source>
        <translation>Afficher le &amp;score</translation>
    </message>
    <message>
        <source>Show &amp;Time</source>
        <translation>Afficher le &amp;temps</translation>
    </message>
    <message>
        <source>Show &amp;Difficulty  Level</source>
        <extracomment>Shows the puzzle&apos;s level under the keypad (two spaces in English only).</extracomment>
        <translation>Afficher le niveau de &amp;difficulté</translation>
    </message>
    <message>
        <source>&amp;Remove Wrong Answers</source>
        <extracomment>Empties every cell whose digit is not the answer.</extracomment>
        <translation>Effacer les &amp;erreurs</translation>
    </message>
    <message>
        <source>&amp;Kanji Numbers</source>
        <extracomment>Digits drawn as Japanese kanji numerals.</extracomment>
        <translation>Chiffres en &amp;kanji</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instructions</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>The level of random games.</extracomment>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;Random Level</source>
        <translation>Niveau &amp;aléatoire</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difficile</translation>
    </message>
    <message>
        <source>E&amp;xplain a Step</source>
        <extracomment>The next step a player could find, shown and explained; asked again, it is made.</extracomment>
        <translation>&amp;Expliquer un coup</translation>
    </message>
    <message>
        <source>Print several &amp;games</source>
        <extracomment>Prints many random games at once, each headed by its game number.</extracomment>
        <translation>Imprimer &amp;plusieurs parties</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <extracomment>Stops the clock and hides the board until the player resumes.</extracomment>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Show &amp;Conflicts</source>
        <extracomment>Draws in red every digit that stands twice in a row, column or box.</extracomment>
        <translation>Afficher les &amp;conflits</translation>
    </message>
    <message>
        <source>&amp;Highlight</source>
        <extracomment>Tints the selected cell&apos;s row, column and box, and marks the cells of its digit.</extracomment>
        <translation>&amp;Mise en évidence</translation>
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
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Error has occurred, name or permissions may be wrong.</source>
        <translation>Une erreur s&apos;est produite&#xa0;: le nom ou les droits d&apos;accès sont peut-être incorrects.</translation>
    </message>
    <message>
        <source>File already exists, do you wish to overwrite?</source>
        <translation>Le fichier existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Answers file &quot;%1&quot; already exists, do you wish to overwrite?</source>
        <extracomment>%1 is the answers file&apos;s name, such as hard1.ans.</extracomment>
        <translation>Le fichier de solution «&#xa0;%1&#xa0;» existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>problem creating answers</source>
        <extracomment>The game file was saved, but its answers file could not be written.</extracomment>
        <translation>Impossible de créer le fichier de solution.</translation>
    </message>
    <message>
        <source>No file loaded, please try again</source>
        <translation>Aucun fichier chargé, veuillez réessayer.</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <translation>Le presse-papiers ne contient aucune grille.</translation>
    </message>
    <message>
        <source>If you enjoy Ninebox, please consider supporting its developers.</source>
        <extracomment>Now and then after &quot;Select Random&quot;; its title is &quot;Honesty is the Best!!&quot;.</extracomment>
        <translation>Si Ninebox vous plaît, pensez à soutenir ses développeurs.</translation>
    </message>
    <message>
        <source>problem</source>
        <extracomment>Title of the message box saying the answers file could not be written.</extracomment>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Honesty is the Best!!</source>
        <extracomment>Title of the occasional request for a donation: playful, like a proverb.</extracomment>
        <translation>L&apos;honnêteté avant tout&#xa0;!!</translation>
    </message>
    <message>
        <source>Your game cannot be kept: %1 cannot be written.</source>
        <extracomment>%1 is a folder; the game plays on, but will not come back at the next start.</extracomment>
        <translation>Votre partie ne peut pas être conservée&#xa0;: impossible d&apos;écrire dans %1.</translation>
    </message>
    <message>
        <source>Two %1s in %2.</source>
        <extracomment>A puzzle typed or loaded holds a digit twice: &quot;Two 5s in row 3.&quot;; %2 is &quot;row 3&quot;, &quot;column 3&quot; or &quot;box 3&quot;.</extracomment>
        <translation>Deux %1 %2.</translation>
    </message>
    <message>
        <source>This puzzle has no solution.</source>
        <translation>Cette grille n&apos;a pas de solution.</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution.</source>
        <translation>Cette grille a plus d&apos;une solution.</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Printer</source>
        <extracomment>The print dialog&apos;s title.</extracomment>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Imprimer la grille</translation>
    </message>
    <message>
        <source>Print Answers if available</source>
        <translation>Imprimer la solution</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF could not be written:
%1</source>
        <extracomment>%1 is the PDF file&apos;s path, on a line of its own.</extracomment>
        <translation>Impossible d&apos;écrire le fichier PDF&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Impossible d&apos;imprimer la page.</translation>
    </message>
    <message>
        <source>No printer: print to a PDF file</source>
        <translation>Aucune imprimante&#xa0;: imprimer dans un fichier PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>The file type in the dialog; keep (*.pdf).</extracomment>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <extracomment>%1 is the PDF file&apos;s name.</extracomment>
        <translation>«&#xa0;%1&#xa0;» existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Dossier</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l&apos;aide, y compris les options propres à Qt.</translation>
    </message>
</context>
<context>
    <name>Technique</name>
    <message>
        <source>Full house</source>
        <translation>Dernière case libre</translation>
    </message>
    <message>
        <source>Naked single</source>
        <translation>Singleton nu</translation>
    </message>
    <message>
        <source>Hidden single</source>
        <translation>Singleton caché</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Pointage</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>Réduction</translation>
    </message>
    <message>
        <source>Naked pair</source>
        <translation>Paire nue</translation>
    </message>
    <message>
        <source>Hidden pair</source>
        <translation>Paire cachée</translation>
    </message>
    <message>
        <source>Naked triple</source>
        <translation>Triplet nu</translation>
    </message>
    <message>
        <source>Hidden triple</source>
        <translation>Triplet caché</translation>
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
        <translation>Quadruplet nu</translation>
    </message>
    <message>
        <source>Hidden quad</source>
        <translation>Quadruplet caché</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Jellyfish</translation>
    </message>
    <message>
        <source>Simple colouring</source>
        <translation>Coloriage simple</translation>
    </message>
    <message>
        <source>Unique rectangle</source>
        <translation>Rectangle unique</translation>
    </message>
    <message>
        <source>XY-chain</source>
        <translation>Chaîne XY</translation>
    </message>
    <message>
        <source>Forcing chain</source>
        <translation>Chaîne forcée</translation>
    </message>
</context>
</TS>
