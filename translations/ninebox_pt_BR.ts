<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About this Program....</source>
        <translation>Sobre este programa</translation>
    </message>
    <message>
        <source>close window</source>
        <extracomment>The tooltip of the About window&apos;s X button.</extracomment>
        <translation>Fechar janela</translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>empty, row %1, column %2</source>
        <translation>vazia, linha %1, coluna %2</translation>
    </message>
    <message>
        <source>%1, given, row %2, column %3</source>
        <translation>%1, inicial, linha %2, coluna %3</translation>
    </message>
    <message>
        <source>%1, row %2, column %3</source>
        <translation>%1, linha %2, coluna %3</translation>
    </message>
    <message>
        <source>, candidates %1</source>
        <translation>, candidatos %1</translation>
    </message>
    <message>
        <source>, waiting for a digit</source>
        <translation>, aguardando um número</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Level: Easy</source>
        <translation>Nível: fácil</translation>
    </message>
    <message>
        <source>Level: Medium</source>
        <translation>Nível: médio</translation>
    </message>
    <message>
        <source>Level: Hard</source>
        <translation>Nível: difícil</translation>
    </message>
    <message>
        <source>Level: none</source>
        <translation>Nível: nenhum</translation>
    </message>
    <message>
        <source>Score: %1 right, %2 wrong</source>
        <translation>Pontos: acertos %1, erros %2</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Solução: %1</translation>
    </message>
    <message>
        <source>Answer: not known</source>
        <translation>Solução: desconhecida</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Resolvido</translation>
    </message>
    <message>
        <source>, notes %1</source>
        <translation>, anotações %1</translation>
    </message>
</context>
<context>
    <name>AnswersDialog</name>
    <message>
        <source>Please Choose</source>
        <translation>Escolha uma opção</translation>
    </message>
    <message>
        <source>No answers available</source>
        <extracomment>Save game asks where the answers file&apos;s answers come from: none (an empty answers file), the board as the player solved it, or the answers the program holds.</extracomment>
        <translation>Nenhuma solução disponível</translation>
    </message>
    <message>
        <source>Create answers from Worked puzzle</source>
        <translation>Criar a solução do jogo resolvido</translation>
    </message>
    <message>
        <source>Create Answers from Existing Answers</source>
        <translation>Usar a solução existente</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>New</source>
        <extracomment>The on-board buttons, on small slabs left of the board: keep them short.</extracomment>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Play Mode</source>
        <translation>Modo jogo</translation>
    </message>
    <message>
        <source>Map Mode</source>
        <translation>Modo candidatos</translation>
    </message>
    <message>
        <source>Score On/Off</source>
        <translation>Pontos sim/não</translation>
    </message>
    <message>
        <source>Time On/Off</source>
        <translation>Tempo sim/não</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Level=Easy</source>
        <extracomment>Painted under the keypad when Show Difficulty Level is ticked: the level of the puzzle.</extracomment>
        <translation>Nível=Fácil</translation>
    </message>
    <message>
        <source>Level=Medium</source>
        <translation>Nível=Médio</translation>
    </message>
    <message>
        <source>Level=Hard</source>
        <translation>Nível=Difícil</translation>
    </message>
    <message>
        <source>Level=     </source>
        <extracomment>The level of a puzzle of the player&apos;s own (edit mode, a loaded file): no level.</extracomment>
        <translation>Nível=</translation>
    </message>
    <message>
        <source>R:%1 W:%2</source>
        <extracomment>The score: %1 right entries, %2 wrong ones; one letter each, as short as possible.</extracomment>
        <translation>A:%1 E:%2</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>The key under the keypad that empties the selected cell.</extracomment>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>Painted small inside the cell that waits for a digit from the keypad: a few letters.</extracomment>
        <translation>Digite</translation>
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
        <translation>Ninebox: jogos de sudoku escolhidos pelo número do jogo.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of --help&apos;s argument, then its description and its form in the usage line.</extracomment>
        <translation>arquivo</translation>
    </message>
    <message>
        <source>A game file (*.sud) to open instead of dealing a game.</source>
        <translation>Um arquivo de jogo (*.sud) a abrir em vez de iniciar um novo jogo.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[arquivo]</translation>
    </message>
    <message>
        <source>Only one game file can be opened.</source>
        <translation>Apenas um arquivo de jogo pode ser aberto.</translation>
    </message>
    <message>
        <source>cannot open the display</source>
        <translation>não foi possível abrir a tela</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Sudoku (*.sud)</source>
        <extracomment>The file type in the Load and Save dialogs; keep (*.sud).</extracomment>
        <translation>Jogos de sudoku (*.sud)</translation>
    </message>
</context>
<context>
    <name>GameDialog</name>
    <message>
        <source>Select Using number below</source>
        <translation>Usar o número abaixo</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Game number</source>
        <translation>Número do jogo</translation>
    </message>
    <message>
        <source>To select a game enter a number from 1 to 1000000</source>
        <translation>Digite um número de jogo de 1 a 1000000</translation>
    </message>
    <message>
        <source>Select Easy</source>
        <extracomment>The game dialog&apos;s button for a random game of the level chosen in the Level menu.</extracomment>
        <translation>Jogo fácil</translation>
    </message>
    <message>
        <source>Select Medium</source>
        <translation>Jogo de nível médio</translation>
    </message>
    <message>
        <source>Select Hard</source>
        <translation>Jogo difícil</translation>
    </message>
    <message>
        <source>Select Random</source>
        <translation>Jogo aleatório</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Instructions not found</source>
        <translation>Instruções não encontradas</translation>
    </message>
    <message>
        <source>The page %1 was looked for in:</source>
        <extracomment>%1 is the page&apos;s file name; the folders follow, one a line.</extracomment>
        <translation>A página %1 foi procurada em:</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>The &amp;Vault</source>
        <extracomment>The menu of files (load, save, print): a playful name, a strongroom.</extracomment>
        <translation>&amp;Cofre</translation>
    </message>
    <message>
        <source>&amp;Load game</source>
        <translation>&amp;Carregar jogo</translation>
    </message>
    <message>
        <source>&amp;Save game</source>
        <translation>&amp;Salvar jogo</translation>
    </message>
    <message>
        <source>&amp;Print game</source>
        <translation>&amp;Imprimir jogo</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;reset</source>
        <extracomment>Clears the player&apos;s digits and restarts the clock (lower case in English only).</extracomment>
        <translation>&amp;Reiniciar</translation>
    </message>
    <message>
        <source>&amp;play game</source>
        <extracomment>Play mode, as the on-board button &quot;Play Mode&quot; (lower case in English only).</extracomment>
        <translation>Modo &amp;jogo</translation>
    </message>
    <message>
        <source>&amp;map game</source>
        <extracomment>Map mode: every empty cell shows the digits still possible there.</extracomment>
        <translation>Modo &amp;candidatos</translation>
    </message>
    <message>
        <source>&amp;Enter/edit game</source>
        <extracomment>Edit mode: the player types in a puzzle of their own; every digit becomes a given.</extracomment>
        <translation>&amp;Inserir/editar jogo</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <extracomment>Fills in the board by logic, pass by pass.</extracomment>
        <translation>&amp;Trapacear</translation>
    </message>
    <message>
        <source>&amp;won?</source>
        <extracomment>Always greyed out: would ask whether the board is solved.</extracomment>
        <translation>&amp;Ganhou?</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Show &amp;Score</source>
        <translation>Mostrar &amp;pontos</translation>
    </message>
    <message>
        <source>Show &amp;Time</source>
        <translation>Mostrar &amp;tempo</translation>
    </message>
    <message>
        <source>Show &amp;Difficulty  Level</source>
        <extracomment>Shows the puzzle&apos;s level under the keypad (two spaces in English only).</extracomment>
        <translation>Mostrar nível de &amp;dificuldade</translation>
    </message>
    <message>
        <source>&amp;Remove Wrong Answers</source>
        <extracomment>Empties every cell whose digit is not the answer.</extracomment>
        <translation>&amp;Apagar números errados</translation>
    </message>
    <message>
        <source>&amp;Kanji Numbers</source>
        <extracomment>Digits drawn as Japanese kanji numerals.</extracomment>
        <translation>Números em &amp;kanji</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instruções</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <extracomment>The level of random games.</extracomment>
        <translation>&amp;Nível</translation>
    </message>
    <message>
        <source>&amp;Random Level</source>
        <translation>Nível &amp;aleatório</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fácil</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Médio</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difícil</translation>
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
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Error has occurred, name or permissions may be wrong.</source>
        <translation>Ocorreu um erro. O nome ou as permissões podem estar incorretos.</translation>
    </message>
    <message>
        <source>File already exists, do you wish to overwrite?</source>
        <translation>O arquivo já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Answers file &quot;%1&quot; already exists, do you wish to overwrite?</source>
        <extracomment>%1 is the answers file&apos;s name, such as hard1.ans.</extracomment>
        <translation>O arquivo de solução “%1” já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>problem creating answers</source>
        <extracomment>The game file was saved, but its answers file could not be written.</extracomment>
        <translation>Não foi possível criar o arquivo de solução.</translation>
    </message>
    <message>
        <source>No file loaded, please try again</source>
        <translation>Nenhum arquivo carregado. Tente novamente.</translation>
    </message>
    <message>
        <source>Note, No answers available for this puzzle.</source>
        <translation>Observação: não há solução disponível para este jogo.</translation>
    </message>
    <message>
        <source>This puzzle breaks the rules: a digit appears twice in a row, column or box.</source>
        <translation>Este jogo viola as regras: um número aparece duas vezes em uma linha, coluna ou quadrado.</translation>
    </message>
    <message>
        <source>The clipboard holds no puzzle.</source>
        <translation>A área de transferência não contém nenhum jogo.</translation>
    </message>
    <message>
        <source>If you enjoy Ninebox, please consider supporting its developers.</source>
        <extracomment>Now and then after &quot;Select Random&quot;; its title is &quot;Honesty is the Best!!&quot;.</extracomment>
        <translation>Se você gosta do Ninebox, considere apoiar seus desenvolvedores.</translation>
    </message>
    <message>
        <source>problem</source>
        <extracomment>Title of the message box saying the answers file could not be written.</extracomment>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Honesty is the Best!!</source>
        <extracomment>Title of the occasional request for a donation: playful, like a proverb.</extracomment>
        <translation>Honestidade acima de tudo!!</translation>
    </message>
    <message>
        <source>Your game cannot be kept: %1 cannot be written.</source>
        <extracomment>%1 is a folder; the game plays on, but will not come back at the next start.</extracomment>
        <translation>Seu jogo não pode ser guardado: não é possível gravar em %1.</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Printer</source>
        <extracomment>The print dialog&apos;s title.</extracomment>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>Print Puzzle</source>
        <translation>Imprimir jogo</translation>
    </message>
    <message>
        <source>Print Answers if available</source>
        <translation>Imprimir solução se houver</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF could not be written:
%1</source>
        <extracomment>%1 is the PDF file&apos;s path, on a line of its own.</extracomment>
        <translation>Não foi possível gravar o arquivo PDF:
%1</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Não foi possível imprimir a página.</translation>
    </message>
    <message>
        <source>No printer: print to a PDF file</source>
        <translation>Sem impressora: imprimir em um arquivo PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <extracomment>The file type in the dialog; keep (*.pdf).</extracomment>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Do you want to replace it?</source>
        <extracomment>%1 is the PDF file&apos;s name.</extracomment>
        <translation>“%1” já existe. Deseja substituí-lo?</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Pasta</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda nas opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda com inclusão das opções específicas do Qt.</translation>
    </message>
</context>
</TS>
