<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About this Program....</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>close window</source>
        <extracomment>The tooltip of the About window&apos;s X button.</extracomment>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>A Sudoku game</source>
        <extracomment>The About picture&apos;s lines, read to a screen reader&apos;s user (the picture keeps the English).</extracomment>
        <translation>Игра в судоку</translation>
    </message>
    <message>
        <source>Fill every row, column and box</source>
        <translation>Заполните каждую строку, каждый столбец и каждый квадрат</translation>
    </message>
    <message>
        <source>with the numbers one to nine.</source>
        <translation>цифрами от одного до девяти.</translation>
    </message>
    <message>
        <source>by the Ninebox developers</source>
        <translation>от разработчиков Ninebox</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later. Made with Qt 6.</source>
        <translation>Свободная программа под лицензией GNU GPL версии 3 или более поздней. Сделано на Qt 6.</translation>
    </message>
    <message>
        <source>Kanji numerals derived from Noto Serif CJK, SIL Open Font License 1.1.</source>
        <translation>Цифры кандзи созданы на основе Noto Serif CJK, SIL Open Font License 1.1.</translation>
    </message>
    <message>
        <source>Board text in Liberation Sans Narrow (Liberation Fonts licence).</source>
        <translation>Шрифт поля: Liberation Sans Narrow (лицензия Liberation Fonts).</translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>empty, row %1, column %2</source>
        <translation>пусто, строка %1, столбец %2</translation>
    </message>
    <message>
        <source>%1, given, row %2, column %3</source>
        <translation>%1, исходная, строка %2, столбец %3</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, строка %2, столбец %3</translation>
    </message>
    <message>
        <source>, candidates %1</source>
        <translation>, кандидаты %1</translation>
    </message>
    <message>
        <source>, waiting for a digit</source>
        <translation>, ожидается цифра</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Level: Easy</source>
        <translation>Уровень: лёгкий</translation>
    </message>
    <message>
        <source>Level: Medium</source>
        <translation>Уровень: средний</translation>
    </message>
    <message>
        <source>Level: Hard</source>
        <translation>Уровень: трудный</translation>
    </message>
    <message>
        <source>Level: none</source>
        <translation>Уровень: нет</translation>
    </message>
    <message>
        <source>Score: %1 right, %2 wrong</source>
        <translation>Счёт: верно %1, неверно %2</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Время: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Ответ: %1</translation>
    </message>
    <message>
        <source>Answer: not known</source>
        <translation>Ответ: неизвестен</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Решено</translation>
    </message>
    <message>
        <source>, notes %1</source>
        <translation>, заметки %1</translation>
    </message>
    <message>
        <source>%1, given, clash, row %2, column %3</source>
        <extracomment>&quot;clash&quot;: the same digit stands again in this cell&apos;s row, column or box.</extracomment>
        <translation>%1, исходная, конфликт, строка %2, столбец %3</translation>
    </message>
    <message>
        <source>%1, clash, row %2, column %3</source>
        <translation>%1, конфликт, строка %2, столбец %3</translation>
    </message>
    <message>
        <source>Edit Mode</source>
        <extracomment>Said to a screen reader&apos;s user: the mode in which the player types in a puzzle.</extracomment>
        <translation>Режим редактирования</translation>
    </message>
    <message>
        <source>Cheat placed 1 digit</source>
        <extracomment>Said to a screen reader&apos;s user after Cheat; %1 is 0 or more than 1.</extracomment>
        <translation>Схитрить. Поставлена одна цифра</translation>
    </message>
    <message>
        <source>Cheat placed %1 digits</source>
        <translation>Схитрить. Поставлено цифр: %1</translation>
    </message>
    <message>
        <source>Removed 1 wrong answer</source>
        <extracomment>Said after Remove Wrong Answers; %1 is 0 or more than 1.</extracomment>
        <translation>Удалена одна неверная цифра</translation>
    </message>
    <message>
        <source>Removed %1 wrong answers</source>
        <translation>Удалено неверных цифр: %1</translation>
    </message>
    <message>
        <source>Board reset</source>
        <extracomment>Said after Reset: the player&apos;s digits and notes are gone, the clock is at zero.</extracomment>
        <translation>Игра начата заново</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <extracomment>Said when Undo (or Redo, below) finds nothing to take back (or to make again).</extracomment>
        <translation>Нечего отменять</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Нечего повторять</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>Игра загружена: %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>Игра сохранена как %1</translation>
    </message>
    <message>
        <source>Puzzle pasted</source>
        <extracomment>The puzzle on the clipboard became a new game (Ctrl+V).</extracomment>
        <translation>Головоломка вставлена</translation>
    </message>
    <message>
        <source>Resumed</source>
        <extracomment>Said when a paused game runs again (the board shows again).</extracomment>
        <translation>Игра продолжена</translation>
    </message>
    <message>
        <source>%1 cells changed</source>
        <extracomment>Said to a screen reader&apos;s user when Undo or Redo changed more cells than are worth naming.</extracomment>
        <translation>Изменено клеток: %1</translation>
    </message>
</context>
<context>
    <name>Advice</name>
    <message>
        <source>there is another %1 in %2</source>
        <translation>%2 есть ещё одна цифра %1</translation>
    </message>
    <message>
        <source>there are two %1s in %2</source>
        <translation>%2 две цифры %1</translation>
    </message>
    <message>
        <source>with it, %1 can hold no digit</source>
        <translation>с ней %1 не может стоять ни одна цифра</translation>
    </message>
    <message>
        <source>%1 can hold no digit</source>
        <translation>%1 не может стоять ни одна цифра</translation>
    </message>
    <message>
        <source>with it, %1 has no place left in %2</source>
        <translation>с ней цифре %1 не остаётся места %2</translation>
    </message>
    <message>
        <source>%1 has no place left in %2</source>
        <translation>цифре %1 не остаётся места %2</translation>
    </message>
    <message>
        <source>with it, the puzzle has no solution</source>
        <translation>с ней у головоломки нет решения</translation>
    </message>
    <message>
        <source>it has no solution</source>
        <translation>у него нет решения</translation>
    </message>
    <message>
        <source>two %1s would stand in %2</source>
        <translation>%2 оказались бы две цифры %1</translation>
    </message>
    <message>
        <source>%1 could hold no digit</source>
        <translation>%1 не могла бы стоять ни одна цифра</translation>
    </message>
    <message>
        <source>%1 would have no place in %2</source>
        <translation>цифре %1 не нашлось бы места %2</translation>
    </message>
    <message>
        <source>the puzzle would have no solution</source>
        <translation>у головоломки не было бы решения</translation>
    </message>
    <message>
        <source>%1: %2 is the last empty cell of %3, so it holds %4</source>
        <extracomment>%1 the technique&apos;s name, %2 a cell (&quot;row 4, column 6&quot;), %3 a unit (&quot;box 5&quot;), %4 a digit.</extracomment>
        <translation>%1: %3 осталась одна пустая клетка — %2, значит, там %4</translation>
    </message>
    <message>
        <source>%1: %2 can hold only %3</source>
        <translation>%1: %2 — только %3</translation>
    </message>
    <message>
        <source>%1: in %2, %3 fits only in %4</source>
        <translation>%1: %2 цифра %3 — только %4</translation>
    </message>
    <message>
        <source>%1: in %2 the %3s all lie in %4, so %5 cannot hold %3</source>
        <extracomment>%1 the technique, %2 and %4 units, %3 a digit (&quot;the 5s&quot;), %5 the cells it leaves.</extracomment>
        <translation>%1: %3 %2 только %4 — не %5</translation>
    </message>
    <message>
        <source>%1: the %2s of %3 all lie in %4, so %5 cannot hold %2</source>
        <translation>%1: %2 %3 только %4 — не %5</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, then … %4; so it cannot hold %3</source>
        <extracomment>%1 the technique, %2 a cell, %3 a digit, %4 where the assumption ends.</extracomment>
        <translation>%1: если бы %2 стояла цифра %3, то … %4; значит, её там нет</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, %4; so it cannot hold %3</source>
        <translation>%1: если бы %2 стояла цифра %3, %4; значит, её там нет</translation>
    </message>
    <message>
        <source>%1 through %2: %3 cannot hold %4</source>
        <extracomment>%1 the technique, %2 the cells it works through, %3 the cells it leaves, %4 digits.</extracomment>
        <translation>%1 (%2): %3 не может стоять %4</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell, always named after &quot;in&quot;, &quot;of&quot; or as a subject (&quot;row 4, column 6 can hold only 7&quot;).</extracomment>
        <translation>в строке %1, столбце %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Units are always named after &quot;in&quot; or &quot;of&quot; (&quot;in box 5&quot;, &quot;the last empty cell of row 3&quot;).</extracomment>
        <translation>в строке %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>в столбце %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>в квадрате %1</translation>
    </message>
    <message>
        <source>no solution</source>
        <translation>нет решения</translation>
    </message>
    <message>
        <source>more than one solution</source>
        <translation>больше одного решения</translation>
    </message>
    <message>
        <source>not a puzzle</source>
        <translation>не головоломка</translation>
    </message>
    <message>
        <source>%1; then %2</source>
        <extracomment>Two steps of one explanation, the second following from the first.</extracomment>
        <translation>%1; затем %2</translation>
    </message>
    <message>
        <source>The %1 in %2 is wrong: %3.</source>
        <extracomment>%1 a digit, %2 its cell, %3 why it cannot be right.</extracomment>
        <translation>Цифра %1 %2 неверна: %3.</translation>
    </message>
    <message>
        <source>This board cannot be finished: %1.</source>
        <translation>Игровое поле нельзя заполнить до конца: %1.</translation>
    </message>
    <message>
        <source>No step follows from the board alone: this puzzle has more than one solution.</source>
        <translation>Из одного лишь игрового поля ход не следует: у головоломки больше одного решения.</translation>
    </message>
    <message>
        <source>The board is complete.</source>
        <translation>Игровое поле заполнено.</translation>
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
        <translation>%1: %2 могут стоять только %3, значит, их нет %4</translation>
    </message>
    <message>
        <source>%1: in %2 the digits %3 fit only in %4, so these cells hold nothing else</source>
        <extracomment>%1 the technique, %2 a unit (&quot;in box 5&quot;), %3 digits, %4 cells.</extracomment>
        <translation>%1: %2 цифры %3 — только %4, значит, других цифр там нет</translation>
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
        <translation>После приёмов %1 — %2</translation>
    </message>
</context>
<context>
    <name>AnswersDialog</name>
    <message>
        <source>Please Choose</source>
        <translation>Выберите вариант</translation>
    </message>
    <message>
        <source>No answers available</source>
        <extracomment>Save game asks where the answers file&apos;s answers come from: none (an empty answers file), the board as the player solved it, or the answers the program holds.</extracomment>
        <translation>Решение отсутствует</translation>
    </message>
    <message>
        <source>Create answers from Worked puzzle</source>
        <translation>Создать решение из решённой головоломки</translation>
    </message>
    <message>
        <source>Create Answers from Existing Answers</source>
        <translation>Использовать имеющееся решение</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>New</source>
        <extracomment>The on-board buttons, on small slabs left of the board: keep them short.</extracomment>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Начать заново</translation>
    </message>
    <message>
        <source>Play Mode</source>
        <translation>Режим игры</translation>
    </message>
    <message>
        <source>Map Mode</source>
        <translation>Режим кандидатов</translation>
    </message>
    <message>
        <source>Score On/Off</source>
        <translation>Счёт вкл/выкл</translation>
    </message>
    <message>
        <source>Time On/Off</source>
        <translation>Время вкл/выкл</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Level=Easy</source>
        <extracomment>Painted under the keypad when Show Difficulty Level is ticked: the level of the puzzle.</extracomment>
        <translation>Уровень=Лёгкий</translation>
    </message>
    <message>
        <source>Level=Medium</source>
        <translation>Уровень=Средний</translation>
    </message>
    <message>
        <source>Level=Hard</source>
        <translation>Уровень=Трудный</translation>
    </message>
    <message>
        <source>Level=     </source>
        <extracomment>The level of a puzzle of the player&apos;s own (edit mode, a loaded file): no level.</extracomment>
        <translation>Уровень=</translation>
    </message>
    <message>
        <source>R:%1 W:%2</source>
        <extracomment>The score: %1 right entries, %2 wrong ones; one letter each, as short as possible.</extracomment>
        <translation>П:%1 О:%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>The key under the keypad that empties the selected cell.</extracomment>
        <translation>Стереть</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Painted small inside the cell that waits for a digit from the keypad: a few letters.</extracomment>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>NA</source>
        <extracomment>In the small box above the board, when the cell&apos;s answer is not known: one or two letters.</extracomment>
        <translation>Н/Д</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Over the hidden board while the game is paused (the clock stopped); a screen reader reads it.</extracomment>
        <translation>Пауза</translation>
    </message>
</context>
<context>
    <name>Booklet</name>
    <message>
        <source>Print several games</source>
        <extracomment>The title of the dialog that prints several random games at once.</extracomment>
        <translation>Напечатать несколько игр</translation>
    </message>
    <message>
        <source>Games (1 to 60):</source>
        <extracomment>How many games to print; the field beside it takes 1 to 60.</extracomment>
        <translation>Число игр (1–60):</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Уровень:</translation>
    </message>
    <message>
        <source>Games on a page:</source>
        <extracomment>How many games are printed on one sheet of paper: 1, 2, 4 or 6.</extracomment>
        <translation>Игр на странице:</translation>
    </message>
    <message>
        <source>Answers at the back</source>
        <extracomment>The games&apos; answers, small, on pages after the games.</extracomment>
        <translation>Решения в конце</translation>
    </message>
    <message>
        <source>Easy</source>
        <extracomment>A puzzle&apos;s level, in the dialog of &quot;Print several games&quot; and in the printed headings.</extracomment>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Трудный</translation>
    </message>
    <message>
        <source>Random Level</source>
        <extracomment>Games of any level.</extracomment>
        <translation>Случайный</translation>
    </message>
    <message>
        <source>Game %1 (%2)</source>
        <extracomment>Above a printed game: %1 its game number (typed into New, it deals the game again), %2 its level.</extracomment>
        <translation>Игра %1 (уровень: %2)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ninebox: Sudoku puzzles picked by game number.</source>
        <translation>Ninebox: головоломки судоку, выбираемые по номеру игры.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of --help&apos;s argument, then its description and its form in the usage line.</extracomment>
        <translation>файл</translation>
    </message>
    <message>
        <source>A game file (*.sud) to open instead of dealing a game.</source>
        <translation>Файл игры (*.sud), который открывается вместо новой игры.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[файл]</translation>
    </message>
    <message>
        <source>Only one game file can be opened.</source>
        <translation>Можно открыть только один файл игры.</translation>
    </message>
    <message>
        <source>cannot open the display</source>
        <translation>не удаётся открыть дисплей</translation>
    </message>
    <message>
        <source>Prints how hard each puzzle of a game file, or of a file of 81-character lines, is: the hardest technique it needs, then the steps of each.</source>
        <extracomment>--rate&apos;s description; &quot;file&quot; names its argument as in the usage line.</extracomment>
        <translation>Выводит сложность каждой головоломки из файла игры или из файла строк по 81 символу: самую сложную нужную технику, затем число шагов каждой техники.</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Sudoku (*.sud)</source>
        <extracomment>The file type in the Load and Save dialogs; keep (*.sud).</extracomment>
        <translation>Игры судоку (*.sud)</translation>
    </message>
</context>
<context>
    <name>GameDialog</name>
    <message>
        <source>Select Using number below</source>
        <translation>Выбрать по номеру ниже</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Номер игры</translation>
    </message>
    <message>
        <source>To select a game enter a number from 1 to 1000000</source>
        <translation>Введите номер игры от 1 до 1000000</translation>
    </message>
    <message>
        <source>Select Easy</source>
        <extracomment>The game dialog&apos;s button for a random game of the level chosen in the Level menu.</extracomment>
        <translation>Лёгкая игра</translation>
    </message>
    <message>
        <source>Select Medium</source>
        <translation>Игра среднего уровня</translation>
    </message>
    <message>
        <source>Select Hard</source>
        <translation>Трудная игра</translation>
    </message>
    <message>
        <source>Select Random</source>
        <translation>Случайная игра</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Instructions not found</source>
        <translation>Инструкция не найдена</translation>
    </message>
    <message>
        <source>The page %1 was looked for in:</source>
        <extracomment>%1 is the page&apos;s file name; the folders follow, one a line.</extracomment>
        <translation>Страница %1 искалась в следующих папках:</translation>
    </message>
    <message>
        <source>Instructions</source>
        <extracomment>The instructions page&apos;s name for a screen reader.</extracomment>
        <translation>Инструкция</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>The &amp;Vault</source>
        <extracomment>The menu of files (load, save, print): a playful name, a strongroom.</extracomment>
        <translation>&amp;Хранилище</translation>
    </message>
    <message>
        <source>&amp;Load game</source>
        <translation>&amp;Загрузить игру</translation>
    </message>
    <message>
        <source>&amp;Save game</source>
        <translation>&amp;Сохранить игру</translation>
    </message>
    <message>
        <source>&amp;Print game</source>
        <translation>&amp;Напечатать игру</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;reset</source>
        <extracomment>Clears the player&apos;s digits and restarts the clock (lower case in English only).</extracomment>
        <translation>Начать &amp;заново</translation>
    </message>
    <message>
        <source>&amp;play game</source>
        <extracomment>Play mode, as the on-board button &quot;Play Mode&quot; (lower case in English only).</extracomment>
        <translation>Режим &amp;игры</translation>
    </message>
    <message>
        <source>&amp;map game</source>
        <extracomment>Map mode: every empty cell shows the digits still possible there.</extracomment>
        <translation>Режим &amp;кандидатов</translation>
    </message>
    <message>
        <source>&amp;Enter/edit game</source>
        <extracomment>Edit mode: the player types in a puzzle of their own; every digit becomes a given.</extracomment>
        <translation>&amp;Ввести/изменить головоломку</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <extracomment>Fills in the board by logic, pass by pass.</extracomment>
        <translation>С&amp;хитрить</translation>
    </message>
    <message>
        <source>&amp;won?</source>
        <extracomment>Always greyed out: would ask whether the board is solved.</extracomment>
        <translation>&amp;Победа?</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Show &amp;Score</source>
        <translation>Показывать &amp;счёт</translation>
    </message>
    <message>
        <source>Show &amp;Time</source>
        <translation>Показывать &amp;время</translation>
    </message>
    <message>
        <source>Show &amp;Difficulty  Level</source>
        <extracomment>Shows the puzzle&apos;s level under the keypad (two spaces in English only).</extracomment>
        <translation>Показывать &amp;уровень сложности</translation>
    </message>
    <message>
        <source>&amp;Remove Wrong Answers</source>
        <extracomment>Empties every cell whose digit is not the answer.</extracomment>
        <translation>Удалить &amp;неверные цифры</translation>
    </message>
    <message>
        <source>&amp;Kanji Numbers</source>
        <extracomment>Digits drawn as Japanese kanji numerals.</extracomment>
        <translation>Цифры &amp;кандзи</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Инструкция</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>О &amp;программе</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>The level of random games.</extracomment>
        <translation>&amp;Уровень</translation>
    </message>
    <message>
        <source>&amp;Random Level</source>
        <translation>Слу&amp;чайный уровень</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Лёгкий</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Средний</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Трудный</translation>
    </message>
    <message>
        <source>E&amp;xplain a Step</source>
        <extracomment>The next step a player could find, shown and explained; asked again, it is made.</extracomment>
        <translation>&amp;Объяснить ход</translation>
    </message>
    <message>
        <source>Print several &amp;games</source>
        <extracomment>Prints many random games at once, each headed by its game number.</extracomment>
        <translation>Напечатать несколько &amp;игр</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <extracomment>Stops the clock and hides the board until the player resumes.</extracomment>
        <translation>П&amp;ауза</translation>
    </message>
    <message>
        <source>Show &amp;Conflicts</source>
        <extracomment>Draws in red every digit that stands twice in a row, column or box.</extracomment>
        <translation>Показывать к&amp;онфликты</translation>
    </message>
    <message>
        <source>&amp;Highlight</source>
        <extracomment>Tints the selected cell&apos;s row, column and box, and marks the cells of its digit.</extracomment>
        <translation>По&amp;дсветка</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Sudoku</source>
        <extracomment>Title of the program&apos;s message boxes.</extracomment>
        <translation>Судоку</translation>
    </message>
    <message>
        <source>cancel selected</source>
        <extracomment>The save was cancelled in its file dialog.</extracomment>
        <translation>Отменено.</translation>
    </message>
    <message>
        <source>Error has occurred, name or permissions may be wrong.</source>
        <translation>Произошла ошибка: возможно, неверно указано имя или недостаточно прав.</translation>
    </message>
    <message>
        <source>File already exists, do you wish to overwrite?</source>
        <translation>Файл уже существует. Перезаписать его?</translation>
    </message>
    <message>
        <source>Answers file &quot;%1&quot; already exists, do you wish to overwrite?</source>
        <extracomment>%1 is the answers file&apos;s name, such as hard1.ans.</extracomment>
        <translation>Файл решения «%1» уже существует. Перезаписать его?</translation>
    </message>
    <message>
        <source>problem creating answers</source>
        <extracomment>The game file was saved, but its answers file could not be written.</extracomment>
        <translation>Не удалось создать файл решения.</translation>
    </message>
    <message>
        <source>No file loaded, please try again</source>
        <translation>Файл не загружен. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <translation>В буфере обмена нет головоломки.</translation>
    </message>
    <message>
        <source>If you enjoy Ninebox, please consider supporting its developers.</source>
        <extracomment>Now and then after &quot;Select Random&quot;; its title is &quot;Honesty is the Best!!&quot;.</extracomment>
        <translation>Если вам нравится Ninebox, пожалуйста, поддержите его разработчиков.</translation>
    </message>
    <message>
        <source>problem</source>
        <extracomment>Title of the message box saying the answers file could not be written.</extracomment>
        <translation>Проблема</translation>
    </message>
    <message>
        <source>Honesty is the Best!!</source>
        <extracomment>Title of the occasional request for a donation: playful, like a proverb.</extracomment>
        <translation>Честность превыше всего!!</translation>
    </message>
    <message>
        <source>Your game cannot be kept: %1 cannot be written.</source>
        <extracomment>%1 is a folder; the game plays on, but will not come back at the next start.</extracomment>
        <translation>Игру не удаётся сохранить: запись в %1 невозможна.</translation>
    </message>
    <message>
        <source>Two %1s in %2.</source>
        <extracomment>A puzzle typed or loaded holds a digit twice: &quot;Two 5s in row 3.&quot;; %2 is &quot;row 3&quot;, &quot;column 3&quot; or &quot;box 3&quot;.</extracomment>
        <translation>Две цифры %1 %2.</translation>
    </message>
    <message>
        <source>This puzzle has no solution.</source>
        <translation>У этой головоломки нет решения.</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution.</source>
        <translation>У этой головоломки больше одного решения.</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Printer</source>
        <extracomment>The print dialog&apos;s title.</extracomment>
        <translation>Принтер</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Печатать поле</translation>
    </message>
    <message>
        <source>Print Answers if available</source>
        <translation>Печатать решение</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF could not be written:
%1</source>
        <extracomment>%1 is the PDF file&apos;s path, on a line of its own.</extracomment>
        <translation>Не удалось записать файл PDF:
%1</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Не удалось напечатать страницу.</translation>
    </message>
    <message>
        <source>No printer: print to a PDF file</source>
        <translation>Нет принтера: печать в файл PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>The file type in the dialog; keep (*.pdf).</extracomment>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <extracomment>%1 is the PDF file&apos;s name.</extracomment>
        <translation>«%1» уже существует. Заменить его?</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Папка</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Вывод справки по параметрам командной строки.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Вывод справки с особыми параметрами Qt.</translation>
    </message>
</context>
<context>
    <name>Technique</name>
    <message>
        <source>Full house</source>
        <translation>Последняя клетка</translation>
    </message>
    <message>
        <source>Naked single</source>
        <translation>Одиночка</translation>
    </message>
    <message>
        <source>Hidden single</source>
        <translation>Скрытая одиночка</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>Указывающая пара</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>Запертые кандидаты</translation>
    </message>
    <message>
        <source>Naked pair</source>
        <translation>Очевидная пара</translation>
    </message>
    <message>
        <source>Hidden pair</source>
        <translation>Скрытая пара</translation>
    </message>
    <message>
        <source>Naked triple</source>
        <translation>Очевидная тройка</translation>
    </message>
    <message>
        <source>Hidden triple</source>
        <translation>Скрытая тройка</translation>
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
        <translation>Рыба-меч</translation>
    </message>
    <message>
        <source>XYZ-wing</source>
        <translation>XYZ-Wing</translation>
    </message>
    <message>
        <source>Naked quad</source>
        <translation>Очевидная четвёрка</translation>
    </message>
    <message>
        <source>Hidden quad</source>
        <translation>Скрытая четвёрка</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Медуза</translation>
    </message>
    <message>
        <source>Simple colouring</source>
        <translation>Простая раскраска</translation>
    </message>
    <message>
        <source>Unique rectangle</source>
        <translation>Уникальный прямоугольник</translation>
    </message>
    <message>
        <source>XY-chain</source>
        <translation>XY-цепочка</translation>
    </message>
    <message>
        <source>Forcing chain</source>
        <translation>Форсирующая цепочка</translation>
    </message>
</context>
</TS>
