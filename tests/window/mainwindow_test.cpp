// SPDX-License-Identifier: GPL-3.0-or-later
// The real board window, offscreen: start-up, keys, dialogs, the instructions page, About.
#include <sys/resource.h>

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegion>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWindow>

#include "game/layout.h"
#include "support/grids.h"
#include "support/modals.h"
#include "support/pixels.h"
#include "window/board/glyphs.h"
#include "window/board/painter.h"
#include "window/board/view.h"
#include "window/dialogs/about.h"
#include "window/resources.h"
#include "window/settings.h"

namespace ninebox::testing {
namespace {

// The board's fonts come with the program (this suite runs again where fontconfig knows only
// DejaVu); the board's picture is decoded and stretched beside start-up.
TEST(StartUp, FontsAndPicturesCarriedByTheProgram) {
    loadResources();
    EXPECT_TRUE(kanjiFontLoaded());
    QFont narrow{QString(kWindowFamily)};
    narrow.setBold(true);
    EXPECT_TRUE(QFontInfo(narrow).family().contains("Narrow")) << QFontInfo(narrow).family().toStdString();
    // Stretched on the start-up thread (qtmain starts as the program does) as a redraw would.
    EXPECT_EQ(boardPictureAtStart(), stretchedBackground(boardPicture(), kStartArea));
}

// Before the window is on the screen, redraws are kept and painted when first needed. Then a
// right click on a cell shows its answer in the box above the board, "NA" with none known; a
// system repaint only copies the board's image, so the answer stays, and the next redraw takes
// it away. A resize redraws at the new size, with the board's corners at the drawing area's.
TEST(StartUp, RedrawsBeforeShowingArePaintedWhenNeeded) {
    MainWindow mainWindow;
    mainWindow.show();  // on the screen only once its events have run
    QGuiApplication::clipboard()->setText(QString(40, u'0') + u'8' + QString(40, u'0'));
    ModalScript script;
    script.then([](QWidget* box) { acknowledge(box, "This puzzle has more than one solution."); });
    shortcut(mainWindow, QKeySequence(Qt::CTRL | Qt::Key_V));
    ASSERT_EQ(mainWindow.board().image().size(), kStartArea * mainWindow.board().devicePixelRatio());
    EXPECT_GT(ink(mainWindow.board().image(), {101, 101, 18, 18}, dark).pixels, 20) << "no digit in (5, 5)";
    start(mainWindow);
    const QImage& image = mainWindow.board().image();  // a right click on (4, 6)
    QTest::mouseClick(&mainWindow.board(), Qt::RightButton, {},
                      at(image, 90, 130) / image.devicePixelRatio());
    const GameState& s = mainWindow.state();
    EXPECT_EQ(s.selectedX * 10 + s.selectedY, 46);
    const auto answerShown = [&] { return rgb(mainWindow.board().image(), 118.5, 8) == "250,250,200"; };
    ASSERT_TRUE(answerShown());
    EXPECT_GT(ink(mainWindow.board().image(), {101, 1.5, 18, 12}, dark).pixels, 20) << "no NA";
    mainWindow.repaint();
    EXPECT_TRUE(answerShown());
    QTest::keyClick(&mainWindow.board(), Qt::Key_Shift);  // a key that types nothing draws anew
    EXPECT_FALSE(answerShown());
    for (const QSize size : {QSize(774, 494), QSize(1200, 800)}) {
        mainWindow.resize(size);
        QApplication::processEvents();
        EXPECT_EQ(mainWindow.board().image().size(), size * mainWindow.board().devicePixelRatio());
        EXPECT_EQ(mainWindow.board().toBoard(QPointF(size.width(), size.height())), QPointF(220, 220));
    }
}

// The choices and the window's place come back in the next run from the settings file. It is
// written only when this program changed something, and only with that (two programs at once
// keep each other's choices), as a new file in its place: a link there is replaced, never
// written through. A damaged file, a value that cannot be read and a place on no screen are
// not used: the window starts as on a first run, no Level ticked; one too big to be a
// settings file is neither read nor ever written.
TEST(StartUp, SettingsBringBackChoicesAndPlaceButNothingUnreadable) {
    QTemporaryDir dir;
    const QString file = dir.filePath("ninebox.ini"), other = dir.filePath("other");
    const auto marks = [](MainWindow& form) {  // Show Score, Time, Level, Kanji, Hard, Random Level
        std::string on;
        for (const Item i :
             {Item::showScore, Item::showTime, Item::showLevel, Item::kanji, Item::hard, Item::randomLevel})
            on += form.action(i)->isChecked() ? '1' : '0';
        return on;
    };
    writeFile(other, "precious");
    QByteArray junk, big = "[options]\nshowScore=true\n" + QByteArray(64 * 1024, ';');
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>(i * 7919 % 251);
    // A link to another file, then damaged files; the last, values that cannot be read.
    for (const QByteArray& found : {QByteArray(), junk, big,
                                    QByteArray("[window]\nx=5000\ny=0\nwidth=700\nheight=450\n"
                                               "[options]\nshowScore=1\nlevel=7\n")}) {
        QFile::remove(file);
        if (found.isEmpty()) ASSERT_TRUE(QFile::link(other, file));
        else writeFile(file, found);
        MainWindow form;
        const QPoint at = form.pos();
        Settings settings(form, file);
        start(form);
        QApplication::processEvents();
        EXPECT_TRUE(marks(form) == "001000" && form.pos() == at);
        EXPECT_EQ(fileBytes(file), found.isEmpty() ? "precious" : found) << "written with nothing changed";
        for (const char* name : {"toggleScore", "toggleKanji", "hardLevel"}) trigger(form, name);
        QApplication::processEvents();
        EXPECT_EQ(QSettings(file, QSettings::IniFormat).value("options/level") == "hard", found != big);
        EXPECT_TRUE(fileBytes(other) == "precious" && !QFileInfo(file).isSymLink());
        form.move(40, 30);
        form.resize(700, 450);
    }
    {
        MainWindow form, second;
        Settings settings(form, file), secondSettings(second, file);
        EXPECT_EQ(QRect(form.pos(), form.size()), QRect(40, 30, 700, 450));
        start(form);
        EXPECT_EQ(marks(form), "101110");
        trigger(form, "toggleTime");
        trigger(second, "toggleLevelShown");
        trigger(form, "toggleConflicts");
        trigger(second, "toggleHighlight");
        QApplication::processEvents();
    }
    MainWindow form;
    Settings settings(form, file);
    start(form);
    EXPECT_EQ(marks(form), "110110");
    EXPECT_TRUE(form.state().kanji && form.state().conflictsShown && form.state().highlightOn);
}

// A game file named at start that cannot be loaded: its message shows over the board, drawn.
TEST(StartUp, AFileThatCannotBeLoadedIsReportedOverTheBoard) {
    MainWindow mainWindow;
    mainWindow.openAtStart("/nowhere/game.sud");
    ModalScript script;
    script.then([&](QWidget* box) {
        EXPECT_EQ(rgb(mainWindow.board().image(), 15, 110), "255,255,0");  // the frame's left edge
        acknowledge(box, "No file loaded, please try again");
    });
    start(mainWindow);
}

// Keys go to the game by their meaning: the arrows, Delete and Enter (the keypad's too) by
// their Qt key alone, so the characters % & ' ( . or a French keyboard's digit row move and
// delete nothing; other keys by the character they type: a digit, another printable
// character (0), or a blank; keys that type nothing are just keys. Ctrl with a digit or Delete
// is a note (200 + its digit), and so is a click with Ctrl held. Tab and Shift+Tab go round
// the buttons and keys, marked in the frame's yellow; Space presses the one marked, an arrow
// goes back to the cells, to the cell left. The keyboard never leaves the board.
TEST(WindowKeys, KeysByTheirMeaningOnEveryLayout) {
    MainWindow mainWindow;
    start(mainWindow);
    BoardView& board = mainWindow.board();
    std::vector<int> got;  // digits as 0..9, a blank as -1, keys as 100 + their value
    QObject::connect(&board, &BoardView::keyPressed, [&](Key key) { got.push_back(100 + int(key)); });
    QObject::connect(&board, &BoardView::digitTyped, [&](int digit) { got.push_back(digit); });
    QObject::connect(&board, &BoardView::blankTyped, [&] { got.push_back(-1); });
    QObject::connect(&board, &BoardView::noteTyped, [&](int digit) { got.push_back(200 + digit); });
    QObject::connect(&board, &BoardView::pressed,
                     [&](MouseButton, double, double, bool noting) { got.push_back(300 + noting); });
    const auto none = Qt::NoModifier, shift = Qt::ShiftModifier, keypad = Qt::KeypadModifier;
    const auto ctrl = Qt::ControlModifier;
    const int left = 100 + int(Key::left), down = 100 + int(Key::down), del = 100 + int(Key::del),
              enter = 100 + int(Key::enter), other = 100 + int(Key::other),
              modifier = 100 + int(Key::modifier);
    const std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*, int>> cases = {
        {Qt::Key_A, none, "a", 0},
        {Qt::Key_5, none, "5", 5},
        {Qt::Key_5, keypad, "5", 5},
        {Qt::Key_Percent, shift, "%", 0},
        {Qt::Key_Ampersand, shift, "&", 0},
        {Qt::Key_Apostrophe, none, "'", 0},
        {Qt::Key_ParenLeft, shift, "(", 0},
        {Qt::Key_Period, none, ".", 0},
        {Qt::Key_Eacute, none, "\u00e9", 0},
        {Qt::Key_QuoteDbl, none, "\"", 0},
        {Qt::Key_Agrave, none, "\u00e0", 0},
        {Qt::Key_Escape, none, "\x1b", -1},
        {Qt::Key_Space, none, " ", -1},
        {Qt::Key_Left, none, "", left},
        {Qt::Key_Down, keypad, "", down},
        {Qt::Key_Delete, none, "\x7f", del},
        {Qt::Key_Delete, keypad, "\x7f", del},
        {Qt::Key_Return, none, "\r", enter},
        {Qt::Key_Enter, keypad, "\r", enter},
        {Qt::Key_Shift, shift, "", modifier},
        {Qt::Key_Home, none, "", other},
        {Qt::Key_5, ctrl | keypad, "5", 205},
        {Qt::Key_1, ctrl | shift, "1", 201},  // a French keyboard's digit row
        {Qt::Key_Delete, ctrl, "\x7f", 200},
        {Qt::Key_0, ctrl, "0", 200}};
    for (const auto& [key, modifiers, text, meaning] : cases) {
        got.clear();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString::fromUtf8(text));
        QApplication::sendEvent(&board, &press);
        EXPECT_EQ(got, std::vector{meaning}) << text << " " << key;
    }
    got.clear();
    for (const auto held : {none, ctrl}) QTest::mouseClick(&board, Qt::LeftButton, held, {10, 400});
    EXPECT_EQ(got, (std::vector{300, 301}));
    std::vector<layout::Point> presses;
    QObject::connect(&board, &BoardView::pressed, [&](MouseButton, double x, double y) {
        presses.push_back({x, y});
    });
    for (const auto held : {none, none, none, shift}) QTest::keyClick(&board, Qt::Key_Tab, held);
    const layout::Area reset = layout::stopArea(1);
    EXPECT_EQ(board.focusStop(), 1);
    EXPECT_EQ(rgb(board.image(), reset.left, (reset.top + reset.bottom) / 2), "255,255,0");
    QTest::keyClick(&board, Qt::Key_Space);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_TRUE(presses[0].x == layout::stopPoint(1).x && presses[0].y == layout::stopPoint(1).y);
    const int selected = mainWindow.state().selectedX;
    QTest::keyClick(&board, Qt::Key_Left);
    EXPECT_TRUE(board.focusStop() == -1 && QApplication::focusWidget() == &board);
    EXPECT_EQ(mainWindow.state().selectedX, selected) << "the arrow moved the selection too";
}

// The Pause key and the Game menu's item pause and resume; any key on the board resumes, Ctrl
// alone does not. Minimised, the window pauses its game. The menu's mark and the reader's
// "Paused" text show while the game is paused.
TEST(WindowKeys, PauseByKeyMenuAndMinimisingAndTheReadersPausedText) {
    MainWindow mainWindow;
    start(mainWindow);
    QAccessibleInterface *board = QAccessible::queryAccessibleInterface(&mainWindow.board()), *word = nullptr;
    for (int i = 0; i < board->childCount(); ++i)
        if (board->child(i)->text(QAccessible::Name) == "Paused") word = board->child(i);
    ASSERT_TRUE(word);
    std::string seen;  // after each step: paused (P) or not (-), ? where the mark or the text disagree
    const auto look = [&] {
        const bool on = mainWindow.state().paused;
        seen += mainWindow.action(Item::paused)->isChecked() != on || word->state().invisible == on ? '?'
                : on                                                                                ? 'P'
                                                                                                    : '-';
    };
    look();  // which builds the menus, whose keys the Pause key is
    for (const auto key : {Qt::Key_Pause, Qt::Key_Control, Qt::Key_A}) {
        QTest::keyClick(&mainWindow.board(), key);
        look();
    }
    for (int i = 0; i < 2; ++i) trigger(mainWindow, "pause"), look();
    mainWindow.showMinimized();
    look();
    EXPECT_EQ(seen, "-PP-P-P");
}

// The tree a screen reader reads, where Orca's own test (tests/e2e/orca_test.sh) does not
// reach: each cell's own row and column, a keypad key pressed through its action, the score
// and the clock there for flat review though the board hides them, the mode buttons' checked
// state, and the instructions page among the board's parts while it shows.
TEST(Reader, TheTreeHoldsWhatOrcaDoesNotSay) {
    MainWindow mainWindow;
    start(mainWindow);
    ModalScript script;
    const GameState& s = emptyBoard(mainWindow, script);
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&mainWindow.board());
    const auto part = [&](QAccessible::Role role, const QString& name) -> QAccessibleInterface* {
        for (int i = 0; i < board->childCount(); ++i)
            if (board->child(i)->role() == role && board->child(i)->text(QAccessible::Name).startsWith(name))
                return board->child(i);
        return nullptr;
    };
    QAccessibleTableInterface* table = part(QAccessible::Table, "Board")->tableInterface();
    for (const auto& [row, column] : {std::pair{0, 0}, {2, 7}, {8, 4}}) {
        QAccessibleTableCellInterface* cell = table->cellAt(row, column)->tableCellInterface();
        EXPECT_TRUE(cell->rowIndex() == row && cell->columnIndex() == column) << row << "," << column;
    }
    const auto press = [](QAccessibleInterface* on) {
        on->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    press(table->cellAt(0, 2));  // it waits for the keypad
    press(part(QAccessible::Button, "5"));
    EXPECT_EQ(s.puzzle.digit(3, 1), 5);
    for (const char* hidden : {"Score: ", "Time: "})
        EXPECT_FALSE(part(QAccessible::StaticText, hidden)->state().invisible);
    QAccessibleInterface *play = part(QAccessible::RadioButton, "Play Mode"),
                         *map = part(QAccessible::RadioButton, "Map Mode");
    EXPECT_TRUE(play->state().checked && !map->state().checked);
    press(map);
    EXPECT_TRUE(!play->state().checked && map->state().checked);
    trigger(mainWindow, "toggleInstructions");
    EXPECT_TRUE(part(QAccessible::StaticText, "Instructions"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(part(QAccessible::StaticText, "Instructions"));
}

// F10, and Alt pressed and released alone, show the hidden menu bar with its first menu open;
// Escape closes it and the bar hides again. Commands have keys of their own, shown in the
// menus, that work with the bar hidden.
TEST(WindowKeys, MenuBarAndShortcutsFromTheKeyboard) {
    MainWindow mainWindow;
    start(mainWindow);
    QWidget* board = &mainWindow.board();
    EXPECT_EQ(mainWindow.command("newGame")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    for (const auto key : {Qt::Key_F10, Qt::Key_Alt}) {
        QTest::keyClick(board, key);
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget(); }, 2000)) << key;
        EXPECT_EQ(qobject_cast<QMenu*>(QApplication::activePopupWidget())->title(), "The &Vault");
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !mainWindow.menuBar()->isVisible(); }, 2000)) << key;
    }
    ModalScript script;
    script.then([](QWidget* dialog) { click(dialog, "numberButton"); });  // the game dialog
    QTest::keySequence(board, QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(mainWindow.windowTitle(), "Ninebox1 --Game# 0");
}

// Undo, redo and paste are keys of the window itself: they reach the game with the menu bar
// hidden. A clipboard text too long to be a puzzle is refused without a copy of it.
TEST(WindowKeys, UndoRedoAndPasteWithTheMenuBarHidden) {
    MainWindow mainWindow;
    start(mainWindow);
    ModalScript script;
    const GameState& s = emptyBoard(mainWindow, script);
    QTest::keyClick(&mainWindow.board(), Qt::Key_5);
    ASSERT_FALSE(mainWindow.menuBar()->isVisible());
    const auto undo = Qt::CTRL | Qt::Key_Z, redo = Qt::CTRL | Qt::SHIFT | Qt::Key_Z, y = Qt::CTRL | Qt::Key_Y;
    for (const auto& [keys, digit] : {std::pair{undo, 0}, {redo, 5}, {undo, 0}, {y, 5}}) {
        QTest::keySequence(&mainWindow.board(), keys);
        EXPECT_EQ(s.puzzle.digit(1, 1), digit) << QKeySequence(keys).toString().toStdString();
    }
    QGuiApplication::clipboard()->setText(QString(50'000'000, QLatin1Char('7')));
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    script.then([](QWidget* box) { acknowledge(box, "The clipboard holds no puzzle."); });
    QTest::keySequence(&mainWindow.board(), QKeySequence(Qt::CTRL | Qt::Key_V));
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 10 * 1024) << "KiB more at the peak";
    QGuiApplication::clipboard()->clear();
}

// No title text, yet not an empty title: for that the window system shows the program's name.
void expectNoTitleText(MainWindow& mainWindow, const char* dialog) {
    const QString title = mainWindow.findChild<QWidget*>(dialog)->windowHandle()->title();
    EXPECT_TRUE(!title.isEmpty() && title.trimmed().isEmpty()) << dialog << title.toStdString();
}

// Enter, the keypad's Enter and "Select Using number below" deal the number the text starts
// with; Escape does nothing; closing the dialog deals a random game.
TEST(GameDialog, TypedNumberDealtByEnterOrTheButtonClosingDealsARandomGame) {
    MainWindow mainWindow;
    start(mainWindow);
    ModalScript script;
    // typed; the key that ends it, else the number button, else (nothing dealt) the close
    const std::vector<std::tuple<std::string, Qt::Key, std::string>> cases = {
        {"123\x1b", Qt::Key_Return, "123"}, {"7", Qt::Key_Enter, "7"}, {"  42abc", {}, "42"}, {"55", {}, ""}};
    for (const auto& [typed, key, dealt] : cases) {
        script.then([&](QWidget* dialog) {
            auto* text = dialog->findChild<QLineEdit*>("numberEdit");
            QTest::keyClicks(text, typed.c_str());
            EXPECT_TRUE(dialog->isVisible());
            if (key) QTest::keyClick(text, key);
            else if (!dealt.empty()) click(dialog, "numberButton");
            else dialog->close();
        });
        trigger(mainWindow, "newGame");
        const std::string caption = mainWindow.windowTitle().toStdString();
        EXPECT_EQ(caption.rfind("Ninebox1 --Game# ", 0), 0u);
        EXPECT_EQ(caption == "Ninebox1 --Game# " + (dealt.empty() ? typed : dealt), !dealt.empty());
    }
    expectNoTitleText(mainWindow, "NewGameDialog");
}

// A puzzle typed in edit mode, saved without answers and loaded again; the file dialogs add
// no suffix, and cancelling them is reported.
TEST(FileDialogs, EditedPuzzleSavedAndLoadedComesBackAsGivens) {
    QTemporaryDir dir;
    const QString file = dir.filePath("mygame001");
    MainWindow mainWindow;
    start(mainWindow);
    ModalScript script;
    const GameState& s = emptyBoard(mainWindow, script);  // so the givens typed cannot clash with dealt ones
    trigger(mainWindow, "editMode");
    for (const auto key : {Qt::Key_7, Qt::Key_Right, Qt::Key_8, Qt::Key_Down, Qt::Key_9})
        QTest::keyClick(&mainWindow.board(), key);
    const Puzzle typed = s.puzzle;
    EXPECT_EQ(typed.digit(1, 1) * 100 + typed.digit(2, 1) * 10 + typed.digit(2, 2), 789);
    const auto reject = [](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); };
    script.then([](QWidget* dialog) { click(dialog, "workedPuzzleButton"); })
        .then(reject)
        .then([](QWidget* box) { acknowledge(box, "cancel selected"); })
        .then([](QWidget* dialog) { click(dialog, "noAnswersButton"); })
        .then([&](QWidget* dialog) { pickFile(dialog, file); });
    trigger(mainWindow, "save");
    expectNoTitleText(mainWindow, "AnswersDialog");
    trigger(mainWindow, "save");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"mygame001", "mygame001.ans"}));
    EXPECT_EQ(QFileInfo(file + ".ans").size(), 0);
    script.then([](QWidget* dialog) { dialog->close(); });
    EXPECT_EQ(mainWindow.chooseAnswers(), std::nullopt) << "closed, Save goes on with the last choice";
    emptyBoard(mainWindow, script);
    script.then(reject)
        .then([](QWidget* box) { acknowledge(box, "No file loaded, please try again"); })
        .then([&](QWidget* dialog) { pickFile(dialog, file); })
        .then([](QWidget* box) { acknowledge(box, "This puzzle has more than one solution."); });
    for (int i = 0; i < 2; ++i) trigger(mainWindow, "load");  // cancelled, then the file
    EXPECT_TRUE(s.puzzle.board() == typed.board() && s.puzzle.givens() == typed.givens());
    EXPECT_EQ(mainWindow.windowTitle().toStdString(), "Ninebox1 --mygame001");
}

// While the page shows it has the keyboard, clicked into or not: keys scroll it and copy its
// text, and none reaches the board behind it. The menu item shows and hides it with its tick;
// it keeps covering the board when the window is resized, and a close request only hides it,
// as Escape and F1 do. Once it hides (an activation hides it too), keys reach the board again.
TEST(Instructions, ThePageShownHasTheKeyboard) {
    QApplication::setQuitOnLastWindowClosed(false);
    MainWindow mainWindow;
    start(mainWindow);
    ModalScript script;
    const GameState& s = emptyBoard(mainWindow, script);
    QTest::keyClick(&mainWindow.board(), Qt::Key_5);  // a step to undo
    const GameState before = s;
    trigger(mainWindow, "toggleInstructions");
    auto* page = mainWindow.findChild<QTextBrowser*>("instructionsPage");
    const auto shown = [&] {  // and clicked into
        const bool visible = page->isVisible();
        EXPECT_EQ(visible, mainWindow.action(Item::instructions)->isChecked()) << "the tick";
        if (visible) {
            EXPECT_EQ(page->geometry(), mainWindow.board().rect());
            QTest::mouseClick(page->viewport(), Qt::LeftButton);
        }
        EXPECT_EQ(QApplication::focusWidget(), visible ? static_cast<QWidget*>(page) : &mainWindow.board());
        return visible;
    };
    for (const auto key : {Qt::Key_Down, Qt::Key_4}) QTest::keyClick(QApplication::focusWidget(), key);
    for (const auto& keys : {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_V),
                             QKeySequence(Qt::CTRL | Qt::Key_N)})
        QTest::keySequence(QApplication::focusWidget(), keys);
    page->selectAll();
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Copy);
    EXPECT_GT(page->verticalScrollBar()->value(), 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), page->toPlainText());
    EXPECT_TRUE(s.puzzle.board() == before.puzzle.board() && s.selectedY == before.selectedY);
    const auto toggled = [&] { return trigger(mainWindow, "toggleInstructions"), shown(); };
    EXPECT_TRUE(shown());
    EXPECT_FALSE(toggled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(s.selectedY, before.selectedY % 9 + 1);
    EXPECT_TRUE(toggled());
    QEvent activation(QEvent::ActivationChange);
    QApplication::sendEvent(&mainWindow, &activation);  // keeps the tick
    EXPECT_EQ(QApplication::focusWidget(), &mainWindow.board());
    EXPECT_TRUE(!toggled() && toggled());
    mainWindow.resize(mainWindow.width() + 200, mainWindow.height() + 150);
    ASSERT_TRUE(QTest::qWaitFor([&] { return mainWindow.board().width() == 974; }, 5000));
    EXPECT_TRUE(shown());
    EXPECT_FALSE(mainWindow.close());
    EXPECT_FALSE(shown());
    for (const auto key : {Qt::Key_Escape, Qt::Key_F1}) {  // and Ctrl+Q, which is the close request
        EXPECT_TRUE(toggled());
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_FALSE(shown()) << key;
    }
    EXPECT_TRUE(mainWindow.close());
}

// The window shows the picture at its natural size in its fixed area, and all the picture
// draws (text, emblem, stone frame: everything lighter than its purple background), the
// credits and licence lines too, lies there, clear of the "X".
TEST(About, WindowShowsAllThePictureDraws) {
    const QImage& picture = aboutPicture();
    AboutDialog about(picture, nullptr);
    QWidget* button = about.findChild<QWidget*>("closeButton");
    button->hide();  // to see the picture under it
    about.show();
    EXPECT_EQ(about.grab().toImage().convertToFormat(QImage::Format_RGB32), picture.copy(0, 0, 760, 364));
    const QRegion shown = QRegion(0, 0, 760, 364) - button->geometry();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_TRUE(qGreen(picture.pixel(x, y)) <= 120 || shown.contains({x, y})) << x << ", " << y;
    // A screen reader reads the lines the picture's maker paints, top to bottom.
    QFile maker(NINEBOX_SOURCE_DIR "/tools/make_about_picture.py");
    ASSERT_TRUE(maker.open(QIODevice::ReadOnly));
    const QString painted = maker.readAll();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&about);
    int lines = 0, top = 0;
    for (int i = 0; i < window->childCount(); ++i)
        if (QAccessibleInterface* line = window->child(i); line->role() == QAccessible::StaticText) {
            const QString name = line->text(QAccessible::Name);
            EXPECT_TRUE(painted.contains(QString("\"%1\"").arg(name)) && line->rect().top() > top)
                << name.toStdString();
            top = line->rect().top(), ++lines;
        }
    EXPECT_EQ(lines, 8) << "the name, four lines and three of credits and licences";
}

}  // namespace
}  // namespace ninebox::testing
