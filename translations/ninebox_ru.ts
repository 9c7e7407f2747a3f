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
        <source>Note, No answers available for this puzzle.</source>
        <translation>Внимание: решение для этой головоломки недоступно.</translation>
    </message>
    <message>
        <source>This puzzle breaks the rules: a digit appears twice in a row, column or box.</source>
        <translation>Эта головоломка нарушает правила: цифра повторяется в строке, столбце или квадрате.</translation>
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
</TS>
