<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About this Program....</source>
        <translation>このプログラムについて</translation>
    </message>
    <message>
        <source>close window</source>
        <extracomment>The tooltip of the About window&apos;s X button.</extracomment>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>A Sudoku game</source>
        <extracomment>The About picture&apos;s lines, read to a screen reader&apos;s user (the picture keeps the English).</extracomment>
        <translation>数独ゲーム</translation>
    </message>
    <message>
        <source>Fill every row, column and box</source>
        <translation>どの行も、どの列も、どのブロックも</translation>
    </message>
    <message>
        <source>with the numbers one to nine.</source>
        <translation>1 から 9 までの数字で埋めましょう。</translation>
    </message>
    <message>
        <source>by the Ninebox developers</source>
        <translation>制作: Ninebox 開発者一同</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later. Made with Qt 6.</source>
        <translation>GNU GPL バージョン 3 以降で配布されるフリーソフトウェアです。Qt 6 で作られています。</translation>
    </message>
    <message>
        <source>Kanji numerals derived from Noto Serif CJK, SIL Open Font License 1.1.</source>
        <translation>漢数字は Noto Serif CJK を元にしています（SIL Open Font License 1.1）。</translation>
    </message>
    <message>
        <source>Board text in Liberation Sans Narrow (Liberation Fonts licence).</source>
        <translation>盤面の文字は Liberation Sans Narrow（Liberation Fonts ライセンス）。</translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>empty, row %1, column %2</source>
        <translation>空き、%1 行 %2 列</translation>
    </message>
    <message>
        <source>%1, given, row %2, column %3</source>
        <translation>%1、問題の数字、%2 行 %3 列</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1、%2 行 %3 列</translation>
    </message>
    <message>
        <source>, candidates %1</source>
        <translation>、候補 %1</translation>
    </message>
    <message>
        <source>, waiting for a digit</source>
        <translation>、数字の入力待ち</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Level: Easy</source>
        <translation>難易度: 初級</translation>
    </message>
    <message>
        <source>Level: Medium</source>
        <translation>難易度: 中級</translation>
    </message>
    <message>
        <source>Level: Hard</source>
        <translation>難易度: 上級</translation>
    </message>
    <message>
        <source>Level: none</source>
        <translation>難易度: なし</translation>
    </message>
    <message>
        <source>Score: %1 right, %2 wrong</source>
        <translation>スコア: 正解 %1、不正解 %2</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>時間: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>解答: %1</translation>
    </message>
    <message>
        <source>Answer: not known</source>
        <translation>解答: 不明</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>, notes %1</source>
        <translation>、メモ %1</translation>
    </message>
    <message>
        <source>%1, given, clash, row %2, column %3</source>
        <extracomment>&quot;clash&quot;: the same digit stands again in this cell&apos;s row, column or box.</extracomment>
        <translation>%1、問題の数字、重複、%2 行 %3 列</translation>
    </message>
    <message>
        <source>%1, clash, row %2, column %3</source>
        <translation>%1、重複、%2 行 %3 列</translation>
    </message>
    <message>
        <source>Edit Mode</source>
        <extracomment>Said to a screen reader&apos;s user: the mode in which the player types in a puzzle.</extracomment>
        <translation>編集モード</translation>
    </message>
    <message>
        <source>Cheat placed 1 digit</source>
        <extracomment>Said to a screen reader&apos;s user after Cheat; %1 is 0 or more than 1.</extracomment>
        <translation>チートで数字を 1 個置きました</translation>
    </message>
    <message>
        <source>Cheat placed %1 digits</source>
        <translation>チートで数字を %1 個置きました</translation>
    </message>
    <message>
        <source>Removed 1 wrong answer</source>
        <extracomment>Said after Remove Wrong Answers; %1 is 0 or more than 1.</extracomment>
        <translation>間違いを 1 個消去しました</translation>
    </message>
    <message>
        <source>Removed %1 wrong answers</source>
        <translation>間違いを %1 個消去しました</translation>
    </message>
    <message>
        <source>Board reset</source>
        <extracomment>Said after Reset: the player&apos;s digits and notes are gone, the clock is at zero.</extracomment>
        <translation>盤面をリセットしました</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <extracomment>Said when Undo (or Redo, below) finds nothing to take back (or to make again).</extracomment>
        <translation>元に戻す操作はありません</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>やり直す操作はありません</translation>
    </message>
    <message>
        <source>Loaded %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>%1 を開きました</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <extracomment>%1 is the game file&apos;s name.</extracomment>
        <translation>%1 として保存しました</translation>
    </message>
    <message>
        <source>Puzzle pasted</source>
        <extracomment>The puzzle on the clipboard became a new game (Ctrl+V).</extracomment>
        <translation>問題を貼り付けました</translation>
    </message>
    <message>
        <source>Resumed</source>
        <extracomment>Said when a paused game runs again (the board shows again).</extracomment>
        <translation>再開しました</translation>
    </message>
    <message>
        <source>%1 cells changed</source>
        <extracomment>Said to a screen reader&apos;s user when Undo or Redo changed more cells than are worth naming.</extracomment>
        <translation>%1 マスが変わりました</translation>
    </message>
</context>
<context>
    <name>Advice</name>
    <message>
        <source>there is another %1 in %2</source>
        <translation>%2にもう一つ%1があります</translation>
    </message>
    <message>
        <source>there are two %1s in %2</source>
        <translation>%2に%1が二つあります</translation>
    </message>
    <message>
        <source>with it, %1 can hold no digit</source>
        <translation>これがあると%1に入る数字がなくなります</translation>
    </message>
    <message>
        <source>%1 can hold no digit</source>
        <translation>%1に入る数字がありません</translation>
    </message>
    <message>
        <source>with it, %1 has no place left in %2</source>
        <translation>これがあると%2で%1の入るマスがなくなります</translation>
    </message>
    <message>
        <source>%1 has no place left in %2</source>
        <translation>%2で%1の入るマスがありません</translation>
    </message>
    <message>
        <source>with it, the puzzle has no solution</source>
        <translation>これがあると問題に解がなくなります</translation>
    </message>
    <message>
        <source>it has no solution</source>
        <translation>解がありません</translation>
    </message>
    <message>
        <source>two %1s would stand in %2</source>
        <translation>%2に%1が二つ入ってしまう</translation>
    </message>
    <message>
        <source>%1 could hold no digit</source>
        <translation>%1に入る数字がなくなる</translation>
    </message>
    <message>
        <source>%1 would have no place in %2</source>
        <translation>%2で%1の入るマスがなくなる</translation>
    </message>
    <message>
        <source>the puzzle would have no solution</source>
        <translation>問題に解がなくなる</translation>
    </message>
    <message>
        <source>%1: %2 is the last empty cell of %3, so it holds %4</source>
        <extracomment>%1 the technique&apos;s name, %2 a cell (&quot;row 4, column 6&quot;), %3 a unit (&quot;box 5&quot;), %4 a digit.</extracomment>
        <translation>%1：%2は%3の最後の空きマスなので、 %4が入ります</translation>
    </message>
    <message>
        <source>%1: %2 can hold only %3</source>
        <translation>%1：%2に入るのは%3だけです</translation>
    </message>
    <message>
        <source>%1: in %2, %3 fits only in %4</source>
        <translation>%1：%2で%3が入るのは%4だけです</translation>
    </message>
    <message>
        <source>%1: in %2 the %3s all lie in %4, so %5 cannot hold %3</source>
        <extracomment>%1 the technique, %2 and %4 units, %3 a digit (&quot;the 5s&quot;), %5 the cells it leaves.</extracomment>
        <translation>%1：%2の%3は%4だけなので %5には入りません</translation>
    </message>
    <message>
        <source>%1: the %2s of %3 all lie in %4, so %5 cannot hold %2</source>
        <translation>%1：%3の%2は%4だけなので %5には入りません</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, then … %4; so it cannot hold %3</source>
        <extracomment>%1 the technique, %2 a cell, %3 a digit, %4 where the assumption ends.</extracomment>
        <translation>%1：%2に%3を入れると、… %4ので、 %3は入りません</translation>
    </message>
    <message>
        <source>%1: if %2 held %3, %4; so it cannot hold %3</source>
        <translation>%1：%2に%3を入れると %4ので、 %3は入りません</translation>
    </message>
    <message>
        <source>%1 through %2: %3 cannot hold %4</source>
        <extracomment>%1 the technique, %2 the cells it works through, %3 the cells it leaves, %4 digits.</extracomment>
        <translation>%1（%2）：%3には%4が入りません</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <extracomment>A cell, always named after &quot;in&quot;, &quot;of&quot; or as a subject (&quot;row 4, column 6 can hold only 7&quot;).</extracomment>
        <translation>%1行%2列</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Units are always named after &quot;in&quot; or &quot;of&quot; (&quot;in box 5&quot;, &quot;the last empty cell of row 3&quot;).</extracomment>
        <translation>%1行</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>%1列</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>ブロック%1</translation>
    </message>
    <message>
        <source>no solution</source>
        <translation>解なし</translation>
    </message>
    <message>
        <source>more than one solution</source>
        <translation>解が複数</translation>
    </message>
    <message>
        <source>not a puzzle</source>
        <translation>問題ではありません</translation>
    </message>
    <message>
        <source>%1; then %2</source>
        <extracomment>Two steps of one explanation, the second following from the first.</extracomment>
        <translation>%1。 次に%2</translation>
    </message>
    <message>
        <source>The %1 in %2 is wrong: %3.</source>
        <extracomment>%1 a digit, %2 its cell, %3 why it cannot be right.</extracomment>
        <translation>%2の%1は誤りです：%3。</translation>
    </message>
    <message>
        <source>This board cannot be finished: %1.</source>
        <translation>この盤面は完成できません：%1。</translation>
    </message>
    <message>
        <source>No step follows from the board alone: this puzzle has more than one solution.</source>
        <translation>盤面だけからは次の一手が決まりません：この問題には解が複数あります。</translation>
    </message>
    <message>
        <source>The board is complete.</source>
        <translation>盤面は完成しています。</translation>
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
        <translation>%1：%2には%3しか入らないので、 %4にはそれらが入りません</translation>
    </message>
    <message>
        <source>%1: in %2 the digits %3 fit only in %4, so these cells hold nothing else</source>
        <extracomment>%1 the technique, %2 a unit (&quot;in box 5&quot;), %3 digits, %4 cells.</extracomment>
        <translation>%1：%2で%3が入るのは%4だけなので、 そのマスには他の数字が入りません</translation>
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
        <translation>%1の後、 %2</translation>
    </message>
</context>
<context>
    <name>AnswersDialog</name>
    <message>
        <source>Please Choose</source>
        <translation>選択してください</translation>
    </message>
    <message>
        <source>No answers available</source>
        <extracomment>Save game asks where the answers file&apos;s answers come from: none (an empty answers file), the board as the player solved it, or the answers the program holds.</extracomment>
        <translation>解答なし</translation>
    </message>
    <message>
        <source>Create answers from Worked puzzle</source>
        <translation>解いた盤面から解答を作成</translation>
    </message>
    <message>
        <source>Create Answers from Existing Answers</source>
        <translation>既存の解答を使う</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>New</source>
        <extracomment>The on-board buttons, on small slabs left of the board: keep them short.</extracomment>
        <translation>新規ゲーム</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Play Mode</source>
        <translation>通常モード</translation>
    </message>
    <message>
        <source>Map Mode</source>
        <translation>候補モード</translation>
    </message>
    <message>
        <source>Score On/Off</source>
        <translation>スコア表示</translation>
    </message>
    <message>
        <source>Time On/Off</source>
        <translation>時間表示</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Level=Easy</source>
        <extracomment>Painted under the keypad when Show Difficulty Level is ticked: the level of the puzzle.</extracomment>
        <translation>難易度=初級</translation>
    </message>
    <message>
        <source>Level=Medium</source>
        <translation>難易度=中級</translation>
    </message>
    <message>
        <source>Level=Hard</source>
        <translation>難易度=上級</translation>
    </message>
    <message>
        <source>Level=     </source>
        <extracomment>The level of a puzzle of the player&apos;s own (edit mode, a loaded file): no level.</extracomment>
        <translation>難易度=</translation>
    </message>
    <message>
        <source>R:%1 W:%2</source>
        <extracomment>The score: %1 right entries, %2 wrong ones; one letter each, as short as possible.</extracomment>
        <translation>正:%1 誤:%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>The key under the keypad that empties the selected cell.</extracomment>
        <translation>消去</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Painted small inside the cell that waits for a digit from the keypad: a few letters.</extracomment>
        <translation>入力</translation>
    </message>
    <message>
        <source>NA</source>
        <extracomment>In the small box above the board, when the cell&apos;s answer is not known: one or two letters.</extracomment>
        <translation>不明</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Over the hidden board while the game is paused (the clock stopped); a screen reader reads it.</extracomment>
        <translation>一時停止中</translation>
    </message>
</context>
<context>
    <name>Booklet</name>
    <message>
        <source>Print several games</source>
        <extracomment>The title of the dialog that prints several random games at once.</extracomment>
        <translation>複数のゲームを印刷</translation>
    </message>
    <message>
        <source>Games (1 to 60):</source>
        <extracomment>How many games to print; the field beside it takes 1 to 60.</extracomment>
        <translation>ゲーム数（1～60）：</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>難易度：</translation>
    </message>
    <message>
        <source>Games on a page:</source>
        <extracomment>How many games are printed on one sheet of paper: 1, 2, 4 or 6.</extracomment>
        <translation>1ページのゲーム数：</translation>
    </message>
    <message>
        <source>Answers at the back</source>
        <extracomment>The games&apos; answers, small, on pages after the games.</extracomment>
        <translation>解答を最後に印刷</translation>
    </message>
    <message>
        <source>Easy</source>
        <extracomment>A puzzle&apos;s level, in the dialog of &quot;Print several games&quot; and in the printed headings.</extracomment>
        <translation>初級</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中級</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>上級</translation>
    </message>
    <message>
        <source>Random Level</source>
        <extracomment>Games of any level.</extracomment>
        <translation>ランダム</translation>
    </message>
    <message>
        <source>Game %1 (%2)</source>
        <extracomment>Above a printed game: %1 its game number (typed into New, it deals the game again), %2 its level.</extracomment>
        <translation>ゲーム %1（%2）</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Ninebox: Sudoku puzzles picked by game number.</source>
        <translation>Ninebox: ゲーム番号で選ぶ数独パズル。</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of --help&apos;s argument, then its description and its form in the usage line.</extracomment>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>A game file (*.sud) to open instead of dealing a game.</source>
        <translation>新しいゲームの代わりに開くゲームファイル (*.sud)。</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[ファイル]</translation>
    </message>
    <message>
        <source>Only one game file can be opened.</source>
        <translation>開けるゲームファイルは 1 つだけです。</translation>
    </message>
    <message>
        <source>cannot open the display</source>
        <translation>ディスプレイを開けません</translation>
    </message>
    <message>
        <source>Prints how hard each puzzle of a game file, or of a file of 81-character lines, is: the hardest technique it needs, then the steps of each.</source>
        <extracomment>--rate&apos;s description; &quot;file&quot; names its argument as in the usage line.</extracomment>
        <translation>ゲームファイル、または 81 文字の行からなるファイルの各問題の難しさを表示します：必要な最も難しいテクニックと、テクニックごとの手数です。</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 を読み込めません</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Sudoku (*.sud)</source>
        <extracomment>The file type in the Load and Save dialogs; keep (*.sud).</extracomment>
        <translation>数独ゲーム (*.sud)</translation>
    </message>
</context>
<context>
    <name>GameDialog</name>
    <message>
        <source>Select Using number below</source>
        <translation>下の番号で選ぶ</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新規ゲーム</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>ゲーム番号</translation>
    </message>
    <message>
        <source>To select a game enter a number from 1 to 1000000</source>
        <translation>ゲーム番号（1～1000000）を入力してください</translation>
    </message>
    <message>
        <source>Select Easy</source>
        <extracomment>The game dialog&apos;s button for a random game of the level chosen in the Level menu.</extracomment>
        <translation>初級から選ぶ</translation>
    </message>
    <message>
        <source>Select Medium</source>
        <translation>中級から選ぶ</translation>
    </message>
    <message>
        <source>Select Hard</source>
        <translation>上級から選ぶ</translation>
    </message>
    <message>
        <source>Select Random</source>
        <translation>ランダムに選ぶ</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Instructions not found</source>
        <translation>遊び方のページが見つかりません</translation>
    </message>
    <message>
        <source>The page %1 was looked for in:</source>
        <extracomment>%1 is the page&apos;s file name; the folders follow, one a line.</extracomment>
        <translation>ページ %1 を次の場所で探しました:</translation>
    </message>
    <message>
        <source>Instructions</source>
        <extracomment>The instructions page&apos;s name for a screen reader.</extracomment>
        <translation>遊び方</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>The &amp;Vault</source>
        <extracomment>The menu of files (load, save, print): a playful name, a strongroom.</extracomment>
        <translation>金庫(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Load game</source>
        <translation>ゲームを開く(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Save game</source>
        <translation>ゲームを保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print game</source>
        <translation>ゲームを印刷(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>新規ゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;reset</source>
        <extracomment>Clears the player&apos;s digits and restarts the clock (lower case in English only).</extracomment>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;play game</source>
        <extracomment>Play mode, as the on-board button &quot;Play Mode&quot; (lower case in English only).</extracomment>
        <translation>通常モード(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;map game</source>
        <extracomment>Map mode: every empty cell shows the digits still possible there.</extracomment>
        <translation>候補モード(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Enter/edit game</source>
        <extracomment>Edit mode: the player types in a puzzle of their own; every digit becomes a given.</extracomment>
        <translation>問題の入力/編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <extracomment>Fills in the board by logic, pass by pass.</extracomment>
        <translation>チート(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;won?</source>
        <extracomment>Always greyed out: would ask whether the board is solved.</extracomment>
        <translation>クリア？(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Show &amp;Score</source>
        <translation>スコアを表示(&amp;S)</translation>
    </message>
    <message>
        <source>Show &amp;Time</source>
        <translation>時間を表示(&amp;T)</translation>
    </message>
    <message>
        <source>Show &amp;Difficulty  Level</source>
        <extracomment>Shows the puzzle&apos;s level under the keypad (two spaces in English only).</extracomment>
        <translation>難易度を表示(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Remove Wrong Answers</source>
        <extracomment>Empties every cell whose digit is not the answer.</extracomment>
        <translation>間違いを消去(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Kanji Numbers</source>
        <extracomment>Digits drawn as Japanese kanji numerals.</extracomment>
        <translation>漢数字(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>遊び方(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>The level of random games.</extracomment>
        <translation>難易度(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Random Level</source>
        <translation>ランダム(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>初級(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>中級(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>上級(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xplain a Step</source>
        <extracomment>The next step a player could find, shown and explained; asked again, it is made.</extracomment>
        <translation>次の一手を解説(&amp;X)</translation>
    </message>
    <message>
        <source>Print several &amp;games</source>
        <extracomment>Prints many random games at once, each headed by its game number.</extracomment>
        <translation>複数のゲームを印刷(&amp;G)</translation>
    </message>
    <message>
        <source>P&amp;ause</source>
        <extracomment>Stops the clock and hides the board until the player resumes.</extracomment>
        <translation>一時停止(&amp;A)</translation>
    </message>
    <message>
        <source>Show &amp;Conflicts</source>
        <extracomment>Draws in red every digit that stands twice in a row, column or box.</extracomment>
        <translation>重複を表示(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Highlight</source>
        <extracomment>Tints the selected cell&apos;s row, column and box, and marks the cells of its digit.</extracomment>
        <translation>ハイライト(&amp;H)</translation>
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
        <translation>キャンセルしました。</translation>
    </message>
    <message>
        <source>Error has occurred, name or permissions may be wrong.</source>
        <translation>エラーが発生しました。名前またはアクセス権が正しくない可能性があります。</translation>
    </message>
    <message>
        <source>File already exists, do you wish to overwrite?</source>
        <translation>ファイルは既に存在します。上書きしますか？</translation>
    </message>
    <message>
        <source>Answers file &quot;%1&quot; already exists, do you wish to overwrite?</source>
        <extracomment>%1 is the answers file&apos;s name, such as hard1.ans.</extracomment>
        <translation>解答ファイル「%1」は既に存在します。上書きしますか？</translation>
    </message>
    <message>
        <source>problem creating answers</source>
        <extracomment>The game file was saved, but its answers file could not be written.</extracomment>
        <translation>解答ファイルを作成できませんでした。</translation>
    </message>
    <message>
        <source>No file loaded, please try again</source>
        <translation>ファイルを読み込めませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <translation>クリップボードに問題がありません。</translation>
    </message>
    <message>
        <source>If you enjoy Ninebox, please consider supporting its developers.</source>
        <extracomment>Now and then after &quot;Select Random&quot;; its title is &quot;Honesty is the Best!!&quot;.</extracomment>
        <translation>Ninebox を気に入っていただけたら、開発者への支援をご検討ください。</translation>
    </message>
    <message>
        <source>problem</source>
        <extracomment>Title of the message box saying the answers file could not be written.</extracomment>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Honesty is the Best!!</source>
        <extracomment>Title of the occasional request for a donation: playful, like a proverb.</extracomment>
        <translation>正直が一番！！</translation>
    </message>
    <message>
        <source>Your game cannot be kept: %1 cannot be written.</source>
        <extracomment>%1 is a folder; the game plays on, but will not come back at the next start.</extracomment>
        <translation>ゲームを保持できません: %1 に書き込めません。</translation>
    </message>
    <message>
        <source>Two %1s in %2.</source>
        <extracomment>A puzzle typed or loaded holds a digit twice: &quot;Two 5s in row 3.&quot;; %2 is &quot;row 3&quot;, &quot;column 3&quot; or &quot;box 3&quot;.</extracomment>
        <translation>%2に%1が二つあります。</translation>
    </message>
    <message>
        <source>This puzzle has no solution.</source>
        <translation>この問題には解がありません。</translation>
    </message>
    <message>
        <source>This puzzle has more than one solution.</source>
        <translation>この問題には解が複数あります。</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Printer</source>
        <extracomment>The print dialog&apos;s title.</extracomment>
        <translation>プリンター</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>問題を印刷</translation>
    </message>
    <message>
        <source>Print Answers if available</source>
        <translation>解答があれば印刷</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF could not be written:
%1</source>
        <extracomment>%1 is the PDF file&apos;s path, on a line of its own.</extracomment>
        <translation>PDF ファイルを書き込めませんでした:
%1</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>ページを印刷できませんでした。</translation>
    </message>
    <message>
        <source>No printer: print to a PDF file</source>
        <translation>プリンターがありません: PDF ファイルに印刷</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>The file type in the dialog; keep (*.pdf).</extracomment>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <extracomment>%1 is the PDF file&apos;s name.</extracomment>
        <translation>「%1」は既に存在します。置き換えますか？</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>フォルダ</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示する。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt 固有のオプションを含むヘルプを表示する。</translation>
    </message>
</context>
<context>
    <name>Technique</name>
    <message>
        <source>Full house</source>
        <translation>最後の1マス</translation>
    </message>
    <message>
        <source>Naked single</source>
        <translation>裸のシングル</translation>
    </message>
    <message>
        <source>Hidden single</source>
        <translation>隠れたシングル</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>ポインティング</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>クレーミング</translation>
    </message>
    <message>
        <source>Naked pair</source>
        <translation>裸のペア</translation>
    </message>
    <message>
        <source>Hidden pair</source>
        <translation>隠れたペア</translation>
    </message>
    <message>
        <source>Naked triple</source>
        <translation>裸のトリプル</translation>
    </message>
    <message>
        <source>Hidden triple</source>
        <translation>隠れたトリプル</translation>
    </message>
    <message>
        <source>X-wing</source>
        <translation>Xウイング</translation>
    </message>
    <message>
        <source>XY-wing</source>
        <translation>XYウイング</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>ソードフィッシュ</translation>
    </message>
    <message>
        <source>XYZ-wing</source>
        <translation>XYZウイング</translation>
    </message>
    <message>
        <source>Naked quad</source>
        <translation>裸のクアッド</translation>
    </message>
    <message>
        <source>Hidden quad</source>
        <translation>隠れたクアッド</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>ジェリーフィッシュ</translation>
    </message>
    <message>
        <source>Simple colouring</source>
        <translation>シンプルカラー</translation>
    </message>
    <message>
        <source>Unique rectangle</source>
        <translation>ユニークレクタングル</translation>
    </message>
    <message>
        <source>XY-chain</source>
        <translation>XYチェーン</translation>
    </message>
    <message>
        <source>Forcing chain</source>
        <translation>フォーシングチェーン</translation>
    </message>
</context>
</TS>
