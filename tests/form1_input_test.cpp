// Mouse and keys through the real window, offscreen: the window converts pixels to board
// units and Qt's key events to the game's key-down and character events.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QTest>

#include "app/form1.h"
#include "board/boardview.h"

using namespace ninebox;

namespace {

// Record A: (1,1) is open, (2,1) holds the given 3.
constexpr char kPuzzle[] =
    "030002009400900020600013408901000045050020600206804000060007004007200090003041802";

struct RealWindow {
    Form1 form;
    RealWindow() {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        QCoreApplication::processEvents();  // the first game
        GameState& s = form.game().state();
        for (int i = 0; i < 81; ++i) {
            const auto v = static_cast<std::int16_t>(kPuzzle[i] - '0');
            s.board[i % 9 + 1][i / 9 + 1] = v;
            s.cellmap[i % 9 + 1][i / 9 + 1][kGiven] = v > 0 ? 1 : 0;
        }
        form.game().showboard();
    }
    GameState& s() { return form.game().state(); }
    BoardView& view() { return form.board(); }
    // Board units to the view's pixels.
    QPoint at(double x, double y) {
        return {static_cast<int>((x + 70) * view().width() / 290), static_cast<int>(y * view().height() / 220)};
    }
    void click(double x, double y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&view(), button, Qt::NoModifier, at(x, y));
    }
    QColor pixel(double x, double y) {
        const QPoint p = at(x, y) * view().devicePixelRatio();
        return view().image().pixelColor(p);
    }
    // Pixels of the cell's inner part near this colour.
    int count(int c, int r, QColor colour) {
        int n = 0;
        for (double x = 20 * c + 3; x < 20 * c + 17; x += 0.25)
            for (double y = 20 * r + 3; y < 20 * r + 17; y += 0.25) {
                const QColor p = pixel(x, y);
                n += std::abs(p.red() - colour.red()) + std::abs(p.green() - colour.green()) +
                         std::abs(p.blue() - colour.blue()) < 60;
            }
        return n;
    }
};

bool menuShown(Form1& form) { return form.menuWidget() && form.menuWidget()->isVisible(); }

}  // namespace

TEST(WindowMouse, ClickAnEmptyCellThenAKeypadDigitStoresItInBlue) {
    RealWindow w;
    w.click(30, 30);  // cell (1, 1)
    EXPECT_EQ(w.s().cellsel, 1);
    EXPECT_EQ(w.pixel(23, 37), QColor(0, 0, 0));  // waiting: black
    w.click(-50.5 + 19, 157.5 + 15);  // keypad 5
    EXPECT_EQ(w.s().board[1][1], 5);
    EXPECT_EQ(w.s().cellsel, 0);
    EXPECT_GT(w.count(1, 1, QColor(0, 0, 255)), 10);
    EXPECT_EQ(w.count(2, 1, QColor(0, 0, 255)), 0);  // the given 3 stays black
    EXPECT_GT(w.count(2, 1, QColor(0, 0, 0)), 10);
}

TEST(WindowMouse, RightClickShowsTheHintBoxOnce) {
    RealWindow w;
    const QColor box(250, 250, 200);
    EXPECT_NE(w.pixel(102, 13), box);
    w.click(90, 130, Qt::RightButton);
    EXPECT_EQ(w.s().selx, 4);
    EXPECT_EQ(w.s().sely, 6);
    EXPECT_EQ(w.pixel(102, 13), box);
    w.form.game().showboard();
    EXPECT_NE(w.pixel(102, 13), box);
}

TEST(WindowMouse, CornerClickShowsAndHidesTheMenuBar) {
    RealWindow w;
    EXPECT_FALSE(menuShown(w.form));
    w.click(216, 216);
    QCoreApplication::processEvents();  // the layout follows the bar
    EXPECT_TRUE(menuShown(w.form));
    EXPECT_LT(w.view().height(), 494);  // the drawing area moved below the bar
    w.click(216, 216);
    QCoreApplication::processEvents();
    EXPECT_FALSE(menuShown(w.form));
    EXPECT_EQ(w.view().height(), 494);
}

TEST(WindowKeys, CharactersGiveKeyDownThenCharacterArrowsOnlyKeyDown) {
    RealWindow w;
    QTest::keyClick(&w.view(), Qt::Key_7);  // written without a pending entry
    EXPECT_EQ(w.s().board[1][1], 7);
    QTest::keyClick(&w.view(), Qt::Key_Right);
    EXPECT_EQ(w.s().selx, 2);
    QTest::keyClick(&w.view(), Qt::Key_Left);
    QTest::keyClick(&w.view(), Qt::Key_Delete);  // clears and moves; no character event
    EXPECT_EQ(w.s().board[1][1], 0);
    EXPECT_EQ(w.s().selx, 2);
    w.s().board[4][1] = 6;
    w.s().selx = 3;
    w.s().cellsel = 1;
    QTest::keyClick(&w.view(), Qt::Key_Return);  // key-down moves, its character empties (4, 1)
    EXPECT_EQ(w.s().selx, 4);
    EXPECT_EQ(w.s().board[4][1], 0);
    w.view().setFocus();
    QTest::keyClick(&w.view(), Qt::Key_Tab);  // a key of the board: focus stays
    EXPECT_EQ(QApplication::focusWidget(), &w.view());
}

// Keys the game has no use for, with an entry waiting in an open cell that holds a 6: keys
// without a character change nothing; a control character or a non-ASCII letter ends the
// entry and empties the cell, as every character does.
TEST(WindowKeys, KeysWithoutACharacterLeaveAWaitingEntryAlone) {
    RealWindow w;
    const struct {
        Qt::Key key;
        QString text;
        bool empties;
    } rows[] = {{Qt::Key_F1, {}, false},       {Qt::Key_Shift, {}, false},
                {Qt::Key_Home, {}, false},     {Qt::Key_Insert, {}, false},
                {Qt::Key_PageDown, {}, false}, {Qt::Key_CapsLock, {}, false},
                {Qt::Key_Escape, QStringLiteral("\x1b"), true},
                {Qt::Key_Eacute, QStringLiteral("\u00e9"), true}};
    for (const auto& row : rows) {
        w.s().selx = w.s().sely = 1;
        w.s().board[1][1] = 6;
        w.s().cellsel = 1;
        QTest::sendKeyEvent(QTest::Click, &w.view(), row.key, row.text, Qt::NoModifier);
        EXPECT_EQ(w.s().board[1][1], row.empties ? 0 : 6) << row.key;
        EXPECT_EQ(w.s().cellsel, row.empties ? 0 : 1) << row.key;
        EXPECT_EQ(w.s().selx * 10 + w.s().sely, 11) << row.key;
    }
}
