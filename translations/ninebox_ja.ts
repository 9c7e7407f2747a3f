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
        <source>Note, No answers available for this puzzle.</source>
        <translation>注意: この問題の解答はありません。</translation>
    </message>
    <message>
        <source>This puzzle breaks the rules: a digit appears twice in a row, column or box.</source>
        <translation>この問題はルール違反です。同じ数字が行・列・ブロックのどこかに 2 回出てきます。</translation>
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
</TS>
