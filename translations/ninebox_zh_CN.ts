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
        <source>Note, No answers available for this puzzle.</source>
        <translation>注意：此题目没有可用的答案。</translation>
    </message>
    <message>
        <source>This puzzle breaks the rules: a digit appears twice in a row, column or box.</source>
        <translation>此题目违反规则：某个数字在同一行、列或宫中出现了两次。</translation>
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
</TS>
