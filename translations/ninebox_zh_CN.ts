<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About this Program....</source>
        <translation>关于本程序</translation>
    </message>
    <message>
        <source>close window</source>
        <extracomment>The tooltip of the About window&apos;s X button.</extracomment>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>A Sudoku game</source>
        <extracomment>The About picture&apos;s lines, read to a screen reader&apos;s user (the picture keeps the English).</extracomment>
        <translation>一款数独游戏</translation>
    </message>
    <message>
        <source>Fill every row, column and box</source>
        <translation>在每一行、每一列和每一宫中</translation>
    </message>
    <message>
        <source>with the numbers one to nine.</source>
        <translation>填入 1 到 9 这九个数字。</translation>
    </message>
    <message>
        <source>by the Ninebox developers</source>
        <translation>由 Ninebox 开发者制作</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later. Made with Qt 6.</source>
        <translation>自由软件，采用 GNU GPL 第 3 版或更高版本授权。使用 Qt 6 制作。</translation>
    </message>
    <message>
        <source>Kanji numerals derived from Noto Serif CJK, SIL Open Font License 1.1.</source>
        <translation>汉字数字源自 Noto Serif CJK（SIL Open Font License 1.1）。</translation>
    </message>
    <message>
        <source>Board text in Liberation Sans Narrow (Liberation Fonts licence).</source>
        <translation>盘面文字使用 Liberation Sans Narrow（Liberation Fonts 许可证）。</translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>empty, row %1, column %2</source>
        <translation>空，第%1行，第%2列</translation>
    </message>
    <message>
        <source>%1, given, row %2, column %3</source>
        <translation>%1，已知数，第%2行，第%3列</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1，第%2行，第%3列</translation>
    </message>
    <message>
        <source>, candidates %1</source>
        <translation>，候选数 %1</translation>
    </message>
    <message>
        <source>, waiting for a digit</source>
        <translation>，等待输入数字</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>盘面</translation>
    </message>
    <message>
        <source>Level: Easy</source>
        <translation>难度：简单</translation>
    </message>
    <message>
        <source>Level: Medium</source>
        <translation>难度：中等</translation>
    </message>
    <message>
        <source>Level: Hard</source>
        <translation>难度：困难</translation>
    </message>
    <message>
        <source>Level: none</source>
        <translation>难度：无</translation>
    </message>
    <message>
        <source>Score: %1 right, %2 wrong</source>
        <translation>得分：正确 %1，错误 %2</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>时间：%1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>答案：%1</translation>
    </message>
    <message>
        <source>Answer: not known</source>
        <translation>答案：未知</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>已解出</translation>
    </message>
    <message>
        <source>, notes %1</source>
        <translation>，笔记 %1</translation>
    </message>
    <message>
        <source>%1, given, clash, row %2, column %3</source>
        <extracomment>&quot;clash&quot;: the same digit stands again in this cell&apos;s row, column or box.</extracomment>
        <translation>%1，已知数，冲突，第%2行，第%3列</translation>
    </message>
    <message>
        <source>%1, clash, row %2, column %3</source>
        <translation>%1，冲突，第%2行，第%3列</translation>
    </message>
    <message>
        <source>Edit Mode</source>
        <extracomment>Said to a screen reader&apos;s user: the mode in which the player types in a puzzle.</extracomment>
        <translation>编辑模式</translation>
    </message>
    <message>
        <source>Cheat placed 1 digit</source>
        <extracomment>Said to a screen reader&apos;s user after Cheat; %1 is 0 or more than 1.</extracomment>
        <translation>作弊填入了一个数字</translation>
    </message>
    <message>
        <source>Cheat placed %1 digits</source>
        <translation>作弊填入了 %1 个数字</translation>
    </message>
    <message>
        <source>Removed 1 wrong answer</source>
        <extracomment>Said after Remove Wrong Answers; %1 is 0 or more than 1.</extracomment>
        <translation>已清除一个错误数字</translation>
    </message>
    <message>
        <source>Removed %1 wrong answers</source>
        <translation>已清除 %1 个错误数字</translation>
    </message>
    <message>
        <source>Board reset</source>
        <extracomment>Said after Reset: the player&apos;s digits and notes are gone, the clock is at zero.</extracomment>
        <translation>盘面已重置</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <extracomment>Said when Undo (or Redo, below) finds nothing to take back (or to make again).</extracomment>
        <translation>没有可撤销的操作</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>没有可重做的操作</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>已载入 %1</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>已保存为 %1</translation>
    </message>
    <message>
        <source>Puzzle pasted</source>
        <extracomment>The puzzle on the clipboard became a new game (Ctrl+V).</extracomment>
        <translation>已粘贴题目</translation>
    </message>
    <message>
        <source>Resumed</source>
        <extracomment>Said when a paused game runs again (the board shows again).</extracomment>
        <translation>已继续</translation>
    </message>
    <message>
        <source>%1 cells changed</source>
        <extracomment>Said to a screen reader&apos;s user when Undo or Redo changed more cells than are worth naming.</extracomment>
        <translation>%1 个格子已更改</translation>
    </message>
</context>
<context>
    <name>Advice</name>
    <message>
        <source>there is another %1 in %2</source>
        <translation>%2中还有一个%1</translation>
    </message>
    <message>
        <source>there are two %1s in %2</source>
        <translation>%2中有两个%1</translation>
    </message>
    <message>
        <source>with it, %1 can hold no digit</source>
        <translation>有了它，%1将没有数可填</translation>
    </message>
    <message>
        <source>%1 can hold no digit</source>
        <translation>%1没有数可填</translation>
    </message>
    <message>
        <source>with it, %1 has no place left in %2</source>
        <translation>有了它，%1在%2中将无处可填</translation>
    </message>
    <message>
        <source>%1 has no place left in %2</source>
        <translation>%1在%2中无处可填</translation>
    </message>
    <message>
        <source>with it, the puzzle has no solution</source>
        <translation>有了它，题目将无解</translation>
    </message>
    <message>
        <source>it has no solution</source>
        <translation>无解</translation>
    </message>
    <message>
        <source>two %1s would stand in %2</source>
        <translation>%2中会出现两个%1</translation>
    </message>
    <message>
        <source>%1 could hold no digit</source>
        <translation>%1将没有数可填</translation>
    </message>
    <message>
        <source>%1 would have no place in %2</source>
        <translation>%1在%2中将无处可填</translation>
    </message>
    <message>
        <source>the puzzle would have no solution</source>
        <translation>题目将无解</translation>
    </message>
    <message>
        <source>%1: %2 is the last empty cell of %3, so it holds %4</source>
        <extracomment>%1 the technique&apos;s name, %2 a cell (&quot;row 4, column 6&quot;), %3 a unit (&quot;box 5&quot;), %4 a digit.</extracomment>
        <translation>%1：%2是%3中最后一个空格， 所以填%4</translation>
    </message>
    <message>
        <source>%1: %2 can hold only %3</source>
        <translation>%1：%2只能填%3</translation>
    </message>
    <message>
        <source>%1: in %2, %3 fits only in %4</source>
        <translation>%1：%2中，%3只能填在%4</translation>
    </message>
    <message>
        <source>%1: in %2 the %3s all lie in %4, so %5 cannot hold %3</source>
        <extracomment>%1 the technique, %2 and %4 units, %3 a digit (&quot;the 5s&quot;), %5 the cells it leaves.</extracomment>
        <translation>%1：%2中的%3都在%4， 所以%5不能填%3</translation>
    </message>
    <message>
        <source>%1: the %2s of %3 all lie in %4, so %5 cannot hold %2</source>
        <translation>%1：%3中的%2都在%4， 所以%5不能填%2</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, then … %4; so it cannot hold %3</source>
        <extracomment>%1 the technique, %2 a cell, %3 a digit, %4 where the assumption ends.</extracomment>
        <translation>%1：如果%2填%3，那么……%4； 所以这里不能填%3</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, %4; so it cannot hold %3</source>
        <translation>%1：如果%2填%3， %4； 所以这里不能填%3</translation>
    </message>
    <message>
        <source>%1 through %2: %3 cannot hold %4</source>
        <extracomment>%1 the technique, %2 the cells it works through, %3 the cells it leaves, %4 digits.</extracomment>
        <translation>%1（经由%2）：%3不能填%4</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell, always named after &quot;in&quot;, &quot;of&quot; or as a subject (&quot;row 4, column 6 can hold only 7&quot;).</extracomment>
        <translation>第%1行第%2列</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Units are always named after &quot;in&quot; or &quot;of&quot; (&quot;in box 5&quot;, &quot;the last empty cell of row 3&quot;).</extracomment>
        <translation>第%1行</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>第%1列</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>第%1宫</translation>
    </message>
    <message>
        <source>no solution</source>
        <translation>无解</translation>
    </message>
    <message>
        <source>more than one solution</source>
        <translation>多个解</translation>
    </message>
    <message>
        <source>not a puzzle</source>
        <translation>不是题目</translation>
    </message>
    <message>
        <source>%1; then %2</source>
        <extracomment>Two steps of one explanation, the second following from the first.</extracomment>
        <translation>%1； 接着%2</translation>
    </message>
    <message>
        <source>The %1 in %2 is wrong: %3.</source>
        <extracomment>%1 a digit, %2 its cell, %3 why it cannot be right.</extracomment>
        <translation>%2的%1是错的：%3。</translation>
    </message>
    <message>
        <source>This board cannot be finished: %1.</source>
        <translation>这个盘面无法完成：%1。</translation>
    </message>
    <message>
        <source>No step follows from the board alone: this puzzle has more than one solution.</source>
        <translation>仅凭盘面推不出下一步：这道题有多个解。</translation>
    </message>
    <message>
        <source>The board is complete.</source>
        <translation>盘面已完成。</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between digits</comment>
        <extracomment>Between the digits of a list (&quot;2, 7&quot;).</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between places</comment>
        <extracomment>Between the cells or units of a list (&quot;row 1, column 2; row 3, column 4&quot;).</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1: %2 hold only %3 between them, so %4 cannot hold them</source>
        <extracomment>%1 the technique, %2 the cells (each named whole), %3 digits, %4 the cells it leaves.</extracomment>
        <translation>%1：%2只能填%3， 所以%4不能填这些数</translation>
    </message>
    <message>
        <source>%1: in %2 the digits %3 fit only in %4, so these cells hold nothing else</source>
        <extracomment>%1 the technique, %2 a unit (&quot;in box 5&quot;), %3 digits, %4 cells.</extracomment>
        <translation>%1：%2中，%3只能填在%4， 所以这些格不能填其他数</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>--rate&apos;s line: %1 the hardest technique, %2 each technique used with its count.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>An explanation ends as a sentence.</extracomment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>After %1 – %2</source>
        <extracomment>%1 the techniques of the steps before (their cells show on the board), %2 the rest.</extracomment>
        <translation>%1之后， %2</translation>
    </message>
</context>
<context>
    <name>AnswersDialog</name>
    <message>
        <source>Please Choose</source>
        <translation>请选择</translation>
    </message>
    <message>
        <source>No answers available</source>
        <extracomment>Save game asks where the answers file&apos;s answers come from: none (an empty answers file), the board as the player solved it, or the answers the program holds.</extracomment>
        <translation>无可用答案</translation>
    </message>
    <message>
        <source>Create answers from Worked puzzle</source>
        <translation>用已解的盘面生成答案</translation>
    </message>
    <message>
        <source>Create Answers from Existing Answers</source>
        <translation>使用现有答案</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>New</source>
        <extracomment>The on-board buttons, on small slabs left of the board: keep them short.</extracomment>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Play Mode</source>
        <translation>普通模式</translation>
    </message>
    <message>
        <source>Map Mode</source>
        <translation>候选数模式</translation>
    </message>
    <message>
        <source>Score On/Off</source>
        <translation>得分 开/关</translation>
    </message>
    <message>
        <source>Time On/Off</source>
        <translation>时间 开/关</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Level=Easy</source>
        <extracomment>Painted under the keypad when Show Difficulty Level is ticked: the level of the puzzle.</extracomment>
        <translation>难度=简单</translation>
    </message>
    <message>
        <source>Level=Medium</source>
        <translation>难度=中等</translation>
    </message>
    <message>
        <source>Level=Hard</source>
        <translation>难度=困难</translation>
    </message>
    <message>
        <source>Level=     </source>
        <extracomment>The level of a puzzle of the player&apos;s own (edit mode, a loaded file): no level.</extracomment>
        <translation>难度=</translation>
    </message>
    <message>
        <source>R:%1 W:%2</source>
        <extracomment>The score: %1 right entries, %2 wrong ones; one letter each, as short as possible.</extracomment>
        <translation>对:%1 错:%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>The key under the keypad that empties the selected cell.</extracomment>
        <translation>清除</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Painted small inside the cell that waits for a digit from the keypad: a few letters.</extracomment>
        <translation>输入</translation>
    </message>
    <message>
        <source>NA</source>
        <extracomment>In the small box above the board, when the cell&apos;s answer is not known: one or two letters.</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Over the hidden board while the game is paused (the clock stopped); a screen reader reads it.</extracomment>
        <translation>已暂停</translation>
    </message>
</context>
<context>
    <name>Booklet</name>
    <message>
        <source>Print several games</source>
        <extracomment>The title of the dialog that prints several random games at once.</extracomment>
        <translation>打印多个游戏</translation>
    </message>
    <message>
        <source>Games (1 to 60):</source>
        <extracomment>How many games to print; the field beside it takes 1 to 60.</extracomment>
        <translation>游戏数（1～60）：</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>难度：</translation>
    </message>
    <message>
        <source>Games on a page:</source>
        <extracomment>How many games are printed on one sheet of paper: 1, 2, 4 or 6.</extracomment>
        <translation>每页游戏数：</translation>
    </message>
    <message>
        <source>Answers at the back</source>
        <extracomment>The games&apos; answers, small, on pages after the games.</extracomment>
        <translation>答案附在最后</translation>
    </message>
    <message>
        <source>Easy</source>
        <extracomment>A puzzle&apos;s level, in the dialog of &quot;Print several games&quot; and in the printed headings.</extracomment>
        <translation>简单</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>Random Level</source>
        <extracomment>Games of any level.</extracomment>
        <translation>随机难度</translation>
    </message>
    <message>
        <source>Game %1 (%2)</source>
        <extracomment>Above a printed game: %1 its game number (typed into New, it deals the game again), %2 its level.</extracomment>
        <translation>游戏 %1（%2）</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ninebox: Sudoku puzzles picked by game number.</source>
        <translation>Ninebox：按游戏编号选出的数独题目。</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of --help&apos;s argument, then its description and its form in the usage line.</extracomment>
        <translation>文件</translation>
    </message>
    <message>
        <source>A game file (*.sud) to open instead of dealing a game.</source>
        <translation>要打开的游戏文件 (*.sud)，代替新开一局。</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[文件]</translation>
    </message>
    <message>
        <source>Only one game file can be opened.</source>
        <translation>只能打开一个游戏文件。</translation>
    </message>
    <message>
        <source>cannot open the display</source>
        <translation>无法打开显示</translation>
    </message>
    <message>
        <source>Prints how hard each puzzle of a game file, or of a file of 81-character lines, is: the hardest technique it needs, then the steps of each.</source>
        <extracomment>--rate&apos;s description; &quot;file&quot; names its argument as in the usage line.</extracomment>
        <translation>显示游戏文件或由 81 个字符的行组成的文件中每道题的难度：所需的最难技巧，以及每种技巧的步数。</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>无法读取 %1</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Sudoku (*.sud)</source>
        <extracomment>The file type in the Load and Save dialogs; keep (*.sud).</extracomment>
        <translation>数独游戏 (*.sud)</translation>
    </message>
</context>
<context>
    <name>GameDialog</name>
    <message>
        <source>Select Using number below</source>
        <translation>使用下方编号</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>游戏编号</translation>
    </message>
    <message>
        <source>To select a game enter a number from 1 to 1000000</source>
        <translation>请输入游戏编号（1～1000000）</translation>
    </message>
    <message>
        <source>Select Easy</source>
        <extracomment>The game dialog&apos;s button for a random game of the level chosen in the Level menu.</extracomment>
        <translation>简单游戏</translation>
    </message>
    <message>
        <source>Select Medium</source>
        <translation>中等游戏</translation>
    </message>
    <message>
        <source>Select Hard</source>
        <translation>困难游戏</translation>
    </message>
    <message>
        <source>Select Random</source>
        <translation>随机游戏</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Instructions not found</source>
        <translation>未找到游戏说明</translation>
    </message>
    <message>
        <source>The page %1 was looked for in:</source>
        <extracomment>%1 is the page&apos;s file name; the folders follow, one a line.</extracomment>
        <translation>已在以下位置查找页面 %1：</translation>
    </message>
    <message>
        <source>Instructions</source>
        <extracomment>The instructions page&apos;s name for a screen reader.</extracomment>
        <translation>游戏说明</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>The &amp;Vault</source>
        <extracomment>The menu of files (load, save, print): a playful name, a strongroom.</extracomment>
        <translation>保险箱(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Load game</source>
        <translation>载入游戏(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Save game</source>
        <translation>保存游戏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print game</source>
        <translation>打印游戏(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;reset</source>
        <extracomment>Clears the player&apos;s digits and restarts the clock (lower case in English only).</extracomment>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;play game</source>
        <extracomment>Play mode, as the on-board button &quot;Play Mode&quot; (lower case in English only).</extracomment>
        <translation>普通模式(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;map game</source>
        <extracomment>Map mode: every empty cell shows the digits still possible there.</extracomment>
        <translation>候选数模式(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Enter/edit game</source>
        <extracomment>Edit mode: the player types in a puzzle of their own; every digit becomes a given.</extracomment>
        <translation>输入/编辑题目(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <extracomment>Fills in the board by logic, pass by pass.</extracomment>
        <translation>作弊(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;won?</source>
        <extracomment>Always greyed out: would ask whether the board is solved.</extracomment>
        <translation>赢了吗？(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Show &amp;Score</source>
        <translation>显示得分(&amp;S)</translation>
    </message>
    <message>
        <source>Show &amp;Time</source>
        <translation>显示时间(&amp;T)</translation>
    </message>
    <message>
        <source>Show &amp;Difficulty  Level</source>
        <extracomment>Shows the puzzle&apos;s level under the keypad (two spaces in English only).</extracomment>
        <translation>显示难度(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Remove Wrong Answers</source>
        <extracomment>Empties every cell whose digit is not the answer.</extracomment>
        <translation>清除错误数字(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Kanji Numbers</source>
        <extracomment>Digits drawn as Japanese kanji numerals.</extracomment>
        <translation>汉字数字(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>游戏说明(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>The level of random games.</extracomment>
        <translation>难度(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Random Level</source>
        <translation>随机难度(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>简单(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>中等(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>困难(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xplain a Step</source>
        <extracomment>The next step a player could find, shown and explained; asked again, it is made.</extracomment>
        <translation>解释一步(&amp;X)</translation>
    </message>
    <message>
        <source>Print several &amp;games</source>
        <extracomment>Prints many random games at once, each headed by its game number.</extracomment>
        <translation>打印多个游戏(&amp;G)</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <extracomment>Stops the clock and hides the board until the player resumes.</extracomment>
        <translation>暂停(&amp;A)</translation>
    </message>
    <message>
        <source>Show &amp;Conflicts</source>
        <extracomment>Draws in red every digit that stands twice in a row, column or box.</extracomment>
        <translation>显示冲突(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Highlight</source>
        <extracomment>Tints the selected cell&apos;s row, column and box, and marks the cells of its digit.</extracomment>
        <translation>高亮显示(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Sudoku</source>
        <extracomment>Title of the program&apos;s message boxes.</extracomment>
        <translation>数独</translation>
    </message>
    <message>
        <source>cancel selected</source>
        <extracomment>The save was cancelled in its file dialog.</extracomment>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Error has occurred, name or permissions may be wrong.</source>
        <translation>发生错误，名称或权限可能有误。</translation>
    </message>
    <message>
        <source>File already exists, do you wish to overwrite?</source>
        <translation>文件已存在，是否覆盖？</translation>
    </message>
    <message>
        <source>Answers file &quot;%1&quot; already exists, do you wish to overwrite?</source>
        <extracomment>%1 is the answers file&apos;s name, such as hard1.ans.</extracomment>
        <translation>答案文件“%1”已存在，是否覆盖？</translation>
    </message>
    <message>
        <source>problem creating answers</source>
        <extracomment>The game file was saved, but its answers file could not be written.</extracomment>
        <translation>无法创建答案文件。</translation>
    </message>
    <message>
        <source>No file loaded, please try again</source>
        <translation>未加载任何文件，请重试。</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <translation>剪贴板中没有题目。</translation>
    </message>
    <message>
        <source>If you enjoy Ninebox, please consider supporting its developers.</source>
        <extracomment>Now and then after &quot;Select Random&quot;; its title is &quot;Honesty is the Best!!&quot;.</extracomment>
        <translation>如果您喜欢 Ninebox，请考虑支持它的开发者。</translation>
    </message>
    <message>
        <source>problem</source>
        <extracomment>Title of the message box saying the answers file could not be written.</extracomment>
        <translation>问题</translation>
    </message>
    <message>
        <source>Honesty is the Best!!</source>
        <extracomment>Title of the occasional request for a donation: playful, like a proverb.</extracomment>
        <translation>诚信为本！！</translation>
    </message>
    <message>
        <source>Your game cannot be kept: %1 cannot be written.</source>
        <extracomment>%1 is a folder; the game plays on, but will not come back at the next start.</extracomment>
        <translation>无法保留您的游戏：无法写入 %1。</translation>
    </message>
    <message>
        <source>Two %1s in %2.</source>
        <extracomment>A puzzle typed or loaded holds a digit twice: &quot;Two 5s in row 3.&quot;; %2 is &quot;row 3&quot;, &quot;column 3&quot; or &quot;box 3&quot;.</extracomment>
        <translation>%2中有两个%1。</translation>
    </message>
    <message>
        <source>This puzzle has no solution.</source>
        <translation>这道题无解。</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution.</source>
        <translation>这道题有多个解。</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Printer</source>
        <extracomment>The print dialog&apos;s title.</extracomment>
        <translation>打印机</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>打印题目</translation>
    </message>
    <message>
        <source>Print Answers if available</source>
        <translation>打印答案（如有）</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF could not be written:
%1</source>
        <extracomment>%1 is the PDF file&apos;s path, on a line of its own.</extracomment>
        <translation>无法写入 PDF 文件：
%1</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>无法打印该页面。</translation>
    </message>
    <message>
        <source>No printer: print to a PDF file</source>
        <translation>没有打印机：打印到 PDF 文件</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>The file type in the dialog; keep (*.pdf).</extracomment>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <extracomment>%1 is the PDF file&apos;s name.</extracomment>
        <translation>“%1”已存在。是否替换？</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>文件夹</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>在命令行选项上显示帮助。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>显示包括 Qt 特有选项的帮助。</translation>
    </message>
</context>
<context>
    <name>Technique</name>
    <message>
        <source>Full house</source>
        <translation>最后一格</translation>
    </message>
    <message>
        <source>Naked single</source>
        <translation>唯一余数</translation>
    </message>
    <message>
        <source>Hidden single</source>
        <translation>隐性唯一</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>宫区块</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>行列区块</translation>
    </message>
    <message>
        <source>Naked pair</source>
        <translation>显性数对</translation>
    </message>
    <message>
        <source>Hidden pair</source>
        <translation>隐性数对</translation>
    </message>
    <message>
        <source>Naked triple</source>
        <translation>显性三数组</translation>
    </message>
    <message>
        <source>Hidden triple</source>
        <translation>隐性三数组</translation>
    </message>
    <message>
        <source>X-wing</source>
        <translation>X翼</translation>
    </message>
    <message>
        <source>XY-wing</source>
        <translation>XY翼</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>剑鱼</translation>
    </message>
    <message>
        <source>XYZ-wing</source>
        <translation>XYZ翼</translation>
    </message>
    <message>
        <source>Naked quad</source>
        <translation>显性四数组</translation>
    </message>
    <message>
        <source>Hidden quad</source>
        <translation>隐性四数组</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>水母</translation>
    </message>
    <message>
        <source>Simple colouring</source>
        <translation>简单染色</translation>
    </message>
    <message>
        <source>Unique rectangle</source>
        <translation>唯一矩形</translation>
    </message>
    <message>
        <source>XY-chain</source>
        <translation>XY链</translation>
    </message>
    <message>
        <source>Forcing chain</source>
        <translation>强制链</translation>
    </message>
</context>
</TS>
