// The real board window, offscreen: start-up, resources, keys, dialogs, file dialogs, the
// instructions page and the About window.
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWindow>

#include "window/embedded.h"
#include "window/jpeg.h"
#include "window/resources.h"
#include "window/boardpainter.h"
#include "window/boardview.h"
#include "window/glyphs.h"
#include "window/pagedimage.h"
#include "support/modals.h"

namespace ninebox::testing {
namespace {

// A system repaint only copies the board's image (a redraw would clear a pending hint); a
// resize redraws at the new size, with the board's corners at the drawing area's.
TEST(StartUp, RepaintsCopyTheImageResizesRedrawIt) {
    MainWindow form;
    start(form);
    form.game().state().showAnswerOnce = 1;
    form.repaint();
    EXPECT_EQ(form.game().state().showAnswerOnce, 1);
    for (const QSize size : {QSize(774, 494), QSize(1200, 800)}) {
        form.resize(size);
        QApplication::processEvents();
        EXPECT_EQ(form.board().image().size(), size * form.board().devicePixelRatio());
        EXPECT_EQ(form.board().toBoard(QPointF(size.width(), size.height())), QPointF(220, 220));
    }
}

// The board's fonts come with the program (this suite runs again where fontconfig knows only
// DejaVu); the pictures decode as Qt's own reader gives them.
TEST(StartUp, FontsAndPicturesCarriedByTheProgram) {
    loadResources();
    EXPECT_TRUE(kanjiFontLoaded());
    QFont narrow{QString(kWindowFamily)};
    narrow.setBold(true);
    EXPECT_TRUE(QFontInfo(narrow).family().contains("Narrow")) << QFontInfo(narrow).family().toStdString();
    for (const std::string_view bytes : {embedded::board, embedded::about}) {
        const QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
        EXPECT_EQ(decodeJpeg(bytes), QImage::fromData(data, "JPG").convertToFormat(QImage::Format_RGB32));
    }
    // Stretched on the start-up thread (this suite starts as the program does) exactly as a
    // redraw would stretch it.
    EXPECT_EQ(boardPictureAtStart(), stretchedBackground(boardPicture(), kStartArea));
}

// Big images live in memory of their own: every row must be there, and copies must not
// share the pixels they change.
TEST(StartUp, PagedImagesHoldEveryPixelAndDetachOnWrite) {
    for (const QSize size : {QSize(774, 494), QSize(1001, 777), QSize(3840, 2160), QSize(20, 10)}) {
        QImage image = pagedImage(size, QImage::Format_RGB32);
        ASSERT_EQ(image.size(), size);
        ASSERT_GE(image.bytesPerLine(), size.width() * 4);
        for (int y = 0; y < size.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < size.width(); ++x) row[x] = qRgb(x % 256, y % 256, 7);
        }
        const QImage copy = image;
        image.setPixel(0, 0, qRgb(1, 2, 3));
        EXPECT_EQ(copy.pixel(0, 0), qRgb(0, 0, 7));
        EXPECT_EQ(copy.pixel(size.width() - 1, size.height() - 1),
                  qRgb((size.width() - 1) % 256, (size.height() - 1) % 256, 7));
    }
}

// Before the window is on the screen, redraws are kept and painted when first needed.
TEST(StartUp, RedrawsBeforeShowingArePaintedWhenNeeded) {
    MainWindow form;
    form.show();  // on the screen only once its events have run
    GameState& s = form.game().state();
    s.board[5][5] = 8;
    form.game().redraw();
    const QImage& image = form.board().image();
    ASSERT_EQ(image.size(), kStartArea * form.board().devicePixelRatio());
    int ink = 0;  // in cell (5, 5), white but for its digit: board units 101..119 both ways
    for (int y = image.height() * 101 / 220; y < image.height() * 119 / 220; ++y)
        for (int x = image.width() * 171 / 290; x < image.width() * 189 / 290; ++x)
            ink += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(ink, 20) << "no digit";
}

// Character keys give the key-down and then the character, arrows and Delete the key-down
// only, Enter both; keys without a character leave a waiting entry alone.
TEST(WindowKeys, CharactersGiveKeyDownThenCharacterArrowsOnlyKeyDown) {
    MainWindow form;
    start(form);
    const struct {
        Qt::Key key;
        const char* text;
        int cell1, cell2, selectedX, waiting;  // after: cells (1, 1) and (2, 1), the selection's column
    } cases[] = {
        {Qt::Key_F1, "", 6, 4, 1, 1},           {Qt::Key_Shift, "", 6, 4, 1, 1},
        {Qt::Key_Home, "", 6, 4, 1, 1},         {Qt::Key_Insert, "", 6, 4, 1, 1},
        {Qt::Key_PageDown, "", 6, 4, 1, 1},     {Qt::Key_CapsLock, "", 6, 4, 1, 1},
        {Qt::Key_7, "7", 7, 4, 1, 0},           {Qt::Key_Escape, "\x1b", 0, 4, 1, 0},
        {Qt::Key_Eacute, "\u00e9", 0, 4, 1, 0}, {Qt::Key_Tab, "\t", 0, 4, 1, 0},
        {Qt::Key_Right, "", 6, 4, 2, 1},        {Qt::Key_Delete, "\x7f", 0, 4, 2, 0},
        {Qt::Key_Return, "\r", 6, 0, 2, 0},
    };
    GameState& s = form.game().state();
    for (const auto& c : cases) {
        s.board = Grid{};
        s.candidates = CandidateMap{};
        s.board[1][1] = 6;
        s.board[2][1] = 4;
        s.selectedX = s.selectedY = s.waitingForDigit = 1;
        QTest::sendKeyEvent(QTest::Click, &form.board(), c.key, QString::fromUtf8(c.text), Qt::NoModifier);
        EXPECT_EQ(std::vector<int>({s.board[1][1], s.board[2][1], s.selectedX, s.selectedY, s.waitingForDigit}),
                  std::vector<int>({c.cell1, c.cell2, c.selectedX, 1, c.waiting}))
            << c.key;
    }
    EXPECT_EQ(QApplication::focusWidget(), &form.board()) << "Tab is a key of the board";
}

// Each key gives its own key-down code (0 where it has none) and then its character: on a
// US and a French layout only the arrows, Delete and Enter, the keypad's too, give the codes
// of a move or of Delete (Qt's values for % & ' ( . are those codes).
TEST(WindowKeys, UsAndFrenchKeysGiveTheirOwnKeyDownCodes) {
    MainWindow form;
    start(form);
    std::vector<int> got;  // key-down codes, characters as 1000 + their code
    QObject::connect(&form.board(), &BoardView::keyDown, [&](int code) { got.push_back(code); });
    QObject::connect(&form.board(), &BoardView::keyPress, [&](int code) { got.push_back(1000 + code); });
    const auto shift = Qt::ShiftModifier, keypad = Qt::KeypadModifier;
    // key, modifiers, text, key-down code, character (-1: none)
    const std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*, int, int>> cases = {
        {Qt::Key_A, {}, "a", 65, 'a'},           {Qt::Key_5, {}, "5", 53, '5'},
        {Qt::Key_Percent, shift, "%", 0, '%'},   {Qt::Key_Ampersand, shift, "&", 0, '&'},
        {Qt::Key_Apostrophe, {}, "'", 0, '\''},  {Qt::Key_ParenLeft, shift, "(", 0, '('},
        {Qt::Key_Period, {}, ".", 190, '.'},     {Qt::Key_QuoteLeft, {}, "`", 0, '`'},
        {Qt::Key_5, keypad, "5", 101, '5'},      {Qt::Key_Period, keypad, ".", 110, '.'},
        {Qt::Key_Ampersand, {}, "&", 0, '&'},    {Qt::Key_Eacute, {}, "\u00e9", 0, 0xe9},  // French
        {Qt::Key_QuoteDbl, {}, "\"", 0, '"'},    {Qt::Key_Minus, {}, "-", 189, '-'},
        {Qt::Key_Agrave, {}, "\u00e0", 0, 0xe0}, {Qt::Key_1, shift, "1", 49, '1'},
        {Qt::Key_Ugrave, {}, "\u00f9", 0, 0xf9}, {Qt::Key_Period, shift, ".", 190, '.'},
        {Qt::Key_NumberSign, {}, "#", 0, '#'},   {Qt::Key_BracketLeft, {}, "[", 0, '['},
        {Qt::Key_Left, {}, "", 37, -1},          {Qt::Key_Down, keypad, "", 40, -1},
        {Qt::Key_Delete, {}, "\x7f", 46, -1},    {Qt::Key_Delete, keypad, "\x7f", 46, -1},
        {Qt::Key_Return, {}, "\r", 13, 13},      {Qt::Key_Enter, keypad, "\r", 13, 13},
    };
    for (const auto& [key, modifiers, text, keyDown, character] : cases) {
        got.clear();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString::fromUtf8(text));
        QApplication::sendEvent(&form.board(), &press);
        std::vector<int> expected{keyDown};
        if (character >= 0) expected.push_back(1000 + character);
        EXPECT_EQ(got, expected) << text << " " << key;
    }
}

// No title text, yet not an empty title: for that the window system shows the program's name.
void expectNoTitleText(MainWindow& form, const char* dialog) {
    const QString title = form.findChild<QWidget*>(dialog)->windowHandle()->title();
    EXPECT_TRUE(!title.isEmpty() && title.trimmed().isEmpty()) << dialog << title.toStdString();
}

// Enter, the keypad's Enter and "Select Using number below" deal the number the text starts
// with; Escape does nothing; closing the dialog deals a random game.
TEST(GameDialog, TypedNumberDealtByEnterOrTheButtonClosingDealsARandomGame) {
    MainWindow form;
    start(form);
    ModalScript script;
    const struct {
        const char* typed;
        Qt::Key key;  // or, without one, Command2 when a game is expected, else close
        const char* dealt;
    } cases[] = {{"123\x1b", Qt::Key_Return, "123"},
                 {"7", Qt::Key_Enter, "7"},
                 {"  42abc", {}, "42"},
                 {"55", {}, nullptr}};
    for (const auto& c : cases) {
        script.then([&](QWidget* dialog) {
            auto* text = dialog->findChild<QLineEdit*>("Text1");
            QTest::keyClicks(text, c.typed);
            EXPECT_TRUE(dialog->isVisible());
            if (c.key) QTest::keyClick(text, c.key);
            else if (c.dealt) click(dialog, "Command2");
            else dialog->close();
        });
        trigger(form, "newGame");
        const std::string caption = form.windowTitle().toStdString();
        EXPECT_EQ(caption.rfind("Ninebox1 --Game# ", 0), 0u);
        EXPECT_EQ(caption == std::string("Ninebox1 --Game# ") + (c.dealt ? c.dealt : c.typed),
                  c.dealt != nullptr);
    }
    expectNoTitleText(form, "NewGameDialog");
}

TEST(AnswersDialog, ButtonsAnswerOneTwoThreeAndClosingAnswersNothing) {
    MainWindow form;
    start(form);
    ModalScript script;
    for (const char* name : {"Command1", "Command2", "Command3"})
        script.then([=](QWidget* dialog) { click(dialog, name); });
    script.then([](QWidget* dialog) { dialog->close(); });
    for (std::int16_t choice = 1; choice <= 3; ++choice) EXPECT_EQ(form.showAnswersDialog(), choice);
    EXPECT_EQ(form.showAnswersDialog(), std::nullopt);
    expectNoTitleText(form, "AnswersDialog");
}

// A puzzle typed in edit mode, saved without answers and loaded again; the file dialogs add
// no suffix, and cancelling them is reported.
TEST(FileDialogs, EditedPuzzleSavedAndLoadedComesBackAsGivens) {
    QTemporaryDir dir;
    const QString file = dir.filePath("mygame001");
    MainWindow form;
    start(form);
    ModalScript script;
    trigger(form, "editMode");
    // An empty board, so the three givens typed cannot clash with the dealt ones.
    form.game().state().board = Grid{};
    form.game().state().candidates = CandidateMap{};
    for (const auto key : {Qt::Key_7, Qt::Key_Right, Qt::Key_8, Qt::Key_Down, Qt::Key_9})
        QTest::keyClick(&form.board(), key);
    const GameState typed = form.game().state();
    EXPECT_EQ(typed.board[1][1] * 100 + typed.board[2][1] * 10 + typed.board[2][2], 789);

    script.then([](QWidget* dialog) { click(dialog, "Command2"); })
        .then([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); })
        .then([](QWidget* box) { acknowledge(box, "cancel selected"); })
        .then([](QWidget* dialog) { click(dialog, "Command1"); })  // "No answers available"
        .then([&](QWidget* dialog) { pickFile(dialog, file); });
    trigger(form, "save");
    EXPECT_EQ(form.game().state().answersChoice, 2) << "chosen before the file dialog";
    trigger(form, "save");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"mygame001", "mygame001.ans"}));
    EXPECT_EQ(QFileInfo(file + ".ans").size(), 0);

    form.game().state().board = Grid{};
    script.then([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); })
        .then([](QWidget* box) { acknowledge(box, "No file loaded, please try again"); })
        .then([&](QWidget* dialog) {
            EXPECT_EQ(qobject_cast<QFileDialog*>(dialog)->selectedFiles().value(0), file) << "the last path";
            pickFile(dialog, file);
        })
        .then([](QWidget* box) { acknowledge(box, "Note, No answers available for this puzzle."); });
    trigger(form, "load");
    trigger(form, "load");
    EXPECT_EQ(form.game().state().board, typed.board);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(form.game().state().given(x, y), typed.given(x, y)) << x << y;
    EXPECT_EQ(form.windowTitle().toStdString(), "Ninebox1 --mygame001");
}

// The menu item shows and hides the page with its tick; the page keeps covering the board
// when the window is resized; a close request only hides it. Once the page hides (an
// activation hides it too), keys reach the board again, though the page was clicked into.
TEST(Instructions, MenuItemResizeAndCloseRequest) {
    QApplication::setQuitOnLastWindowClosed(false);
    MainWindow form;
    start(form);
    const auto shown = [&] {
        auto* page = form.findChild<QTextBrowser*>("WebBrowser1");
        const bool visible = page && page->isVisible();
        EXPECT_EQ(visible, form.action(Item::instructions)->isChecked()) << "the tick";
        if (visible) {
            EXPECT_EQ(page->geometry(), form.board().rect());
            EXPECT_EQ(page->documentTitle().toStdString(), "Ninebox: how to play");
            QTest::mouseClick(page->viewport(), Qt::LeftButton);
        }
        EXPECT_EQ(QApplication::focusWidget(), visible ? static_cast<QWidget*>(page) : &form.board());
        return visible;
    };
    trigger(form, "toggleInstructions");
    EXPECT_TRUE(shown());
    trigger(form, "toggleInstructions");
    EXPECT_FALSE(shown());
    trigger(form, "toggleInstructions");
    EXPECT_TRUE(shown());
    form.game().activated();  // keeps the tick
    EXPECT_EQ(QApplication::focusWidget(), &form.board());
    trigger(form, "toggleInstructions");
    trigger(form, "toggleInstructions");
    form.resize(form.width() + 200, form.height() + 150);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.board().width() == 974; }, 5000));
    EXPECT_TRUE(shown());
    EXPECT_FALSE(form.close());
    EXPECT_FALSE(shown());
    EXPECT_TRUE(form.close());
}

// "X" and the window's close button only hide the About window: it comes back the same,
// with the same picture.
TEST(About, XAndTheCloseButtonKeepThePicture) {
    MainWindow form;
    start(form);
    ModalScript script;
    QWidget* first = nullptr;
    for (const bool byX : {true, false, true}) {
        script.then([&, byX](QWidget* about) {
            first = first ? first : about;
            EXPECT_EQ(about, first);
            const QRect left(0, 0, 700, 364);  // of the picture at its natural size, outside the "X"
            EXPECT_EQ(about->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(left),
                      aboutPicture().convertToFormat(QImage::Format_RGB32).copy(left));
            if (byX) click(about, "Command1");
            else about->close();
        });
        trigger(form, "about");
        EXPECT_FALSE(first->isVisible());
    }
}

}  // namespace
}  // namespace ninebox::testing
