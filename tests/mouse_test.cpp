#include <gtest/gtest.h>

#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

// Record A: (2,1) holds the given 3, (1,1) is open.
constexpr char kPuzzle[] =
    "030002009400900020600013408901000045050020600206804000060007004007200090003041802";

struct Board : HeadlessGame {
    Board() {
        s().started = 2;
        setPuzzle(s(), kPuzzle);
        s().answer = gridFrom("735482169418965723629713458981376245354129687276854931862597314147238596593641872");
    }
    void left(double x, double y) { game.Form_MouseDown(MouseButton::left, x, y); }
    void right(double x, double y) { game.Form_MouseDown(MouseButton::right, x, y); }
    // Centre of cell (c, r) and of keypad key n.
    static double cx(int c) { return 20.0 * c + 10; }
    static double kx(int n) { return -50.5 + 19 * ((n - 1) % 3); }
    static double ky(int n) { return 157.5 + 15 * ((n - 1) / 3); }
};

}  // namespace

TEST(MouseCells, ColumnAndRowBoundaries) {
    struct Case {
        double x, y;
        int selx, sely;  // 0: the selection stays at (5, 5)
    };
    for (const Case& c : std::vector<Case>{{40, 100, 2, 5},     {39.99, 100, 1, 5}, {20, 20, 1, 1},
                                           {199.99, 199.99, 9, 9}, {200, 100, 0, 0},  {19.9, 100, 0, 0},
                                           {100, 19.9, 0, 0},    {100, 200, 0, 0},   {205, 100, 0, 0}}) {
        Board b;
        b.s().mode = Mode::map;  // no entry starts, so only the selection moves
        b.s().selx = b.s().sely = 5;
        b.left(c.x, c.y);
        EXPECT_EQ(b.s().selx, c.selx ? c.selx : 5) << c.x << "," << c.y;
        EXPECT_EQ(b.s().sely, c.sely ? c.sely : 5) << c.x << "," << c.y;
    }
}

TEST(MouseKeypad, DigitUnderThePress) {
    struct Case {
        double x, y;
        int digit;
    };
    std::vector<Case> cases;
    for (int n = 1; n <= 9; ++n) cases.push_back({Board::kx(n), Board::ky(n), n});
    cases.insert(cases.end(), {
        {-41.5, 157, 1},  {-41.4, 157, 2},  {-22.6, 157, 2},  {-22.5, 157, 3},  // ties to even
        {-63.9, 157, 1},  {-6.1, 157, 3},   {-50, 164.5, 1},  {-50, 164.6, 4},
        {-50, 179.4, 4},  {-50, 179.5, 7},  {-50, 194.9, 7},  {-50, 150.1, 1},
        {-40, 197, 0},    {-50, 195, 0},    {-50, 219, 0},    {-64, 160, 0},
        {-6, 160, 0},     {-3, 160, 0},     {-69, 151, 0},
    });
    for (const Case& c : cases) {
        Board b;
        b.s().selx = b.s().sely = 1;
        b.s().cellsel = 1;
        b.s().board[1][1] = 5;
        b.left(c.x, c.y);
        EXPECT_EQ(b.s().keyval, c.digit) << c.x << "," << c.y;
        EXPECT_EQ(b.s().board[1][1], c.digit) << c.x << "," << c.y;
        EXPECT_EQ(b.s().cellsel, 0);
    }
}

TEST(MousePlay, EntryWaitsForTheKeypad) {
    Board b;
    b.left(Board::cx(1), Board::cx(1));  // open cell: selected and waiting
    EXPECT_EQ(b.s().cellsel, 1);
    EXPECT_EQ(b.s().board[1][1], 0);
    b.left(Board::kx(7), Board::ky(7));
    EXPECT_EQ(b.s().board[1][1], 7);
    EXPECT_EQ(b.s().cellsel, 0);
    b.left(Board::kx(8), Board::ky(8));  // nothing waits: the keypad does nothing
    EXPECT_EQ(b.s().board[1][1], 7);

    b.left(Board::cx(3), Board::cx(1));  // open (3, 1): waits
    b.left(Board::cx(2), Board::cx(1));  // the given (2, 1) cancels it
    EXPECT_EQ(b.s().cellsel, 0);
    EXPECT_EQ(b.s().selx, 2);
    b.left(Board::kx(5), Board::ky(5));
    EXPECT_EQ(b.s().board[2][1], 3);
    EXPECT_EQ(b.s().board[3][1], 0);

    b.left(Board::cx(3), Board::cx(1));
    b.left(Board::cx(1), Board::cx(1));  // a second open cell moves the waiting entry
    EXPECT_EQ(b.s().cellsel, 1);
    EXPECT_EQ(b.s().selx, 1);
    b.left(-40, 197);  // "Delete" empties it
    EXPECT_EQ(b.s().board[1][1], 0);
}

TEST(MousePlay, PressRightOfTheGridStartsAnEntryOnTheSelectedCell) {
    Board b;
    b.s().selx = 1;
    b.s().sely = 1;
    b.left(205, 100);
    EXPECT_EQ(b.s().cellsel, 1);
    EXPECT_EQ(b.s().selx, 1);
}

TEST(MouseMap, KeypadPicksTheCurrentNumberAndStoresPendingEntries) {
    Board b;
    b.game.sh_Click();
    b.left(Board::kx(4), Board::ky(4));  // nothing pending: only the current number
    EXPECT_EQ(b.s().curnum, 4);
    EXPECT_EQ(b.s().board[1][1], 0);

    b.left(Board::cx(1), Board::cx(1));
    ASSERT_EQ(b.s().cellsel, 1);
    EXPECT_EQ(b.s().cellmap[1][1][5], 0);
    b.left(Board::kx(5), Board::ky(5));  // stored, map rebuilt, same current number
    EXPECT_EQ(b.s().board[1][1], 5);
    EXPECT_EQ(b.s().curnum, 5);
    EXPECT_EQ(b.s().cellsel, 0);
    EXPECT_EQ(b.s().cellmap[1][1][5], 1);
    EXPECT_EQ(b.s().cellmap[9][1][5], 1);  // 5 now rules out its row

    b.left(Board::cx(3), Board::cx(1));
    b.left(Board::cx(2), Board::cx(1));  // a given: its digit becomes current, entry cancelled
    EXPECT_EQ(b.s().curnum, 3);
    EXPECT_EQ(b.s().cellsel, 0);
}

TEST(MouseRight, AsksForTheAnswerOutsideEditMode) {
    for (const Mode mode : {Mode::play, Mode::map}) {
        Board b;
        b.s().mode = mode;
        b.window.keepPaints = true;
        b.right(Board::cx(4), Board::cx(6));
        EXPECT_EQ(b.s().selx, 4);
        EXPECT_EQ(b.s().sely, 6);
        ASSERT_FALSE(b.window.painted.empty());
        EXPECT_EQ(b.window.painted.back().peek, 1);  // drawn once
        EXPECT_EQ(b.s().peek, 0);                      // then cleared
        EXPECT_EQ(b.s().cellsel, 0);
    }
    Board b;
    b.game.em_Click();
    b.window.keepPaints = true;
    b.right(Board::cx(1), Board::cx(1));  // edit mode: like a left press
    EXPECT_EQ(b.s().cellsel, 1);
    for (const GameState& painted : b.window.painted) EXPECT_EQ(painted.peek, 0);
}

TEST(MouseEdit, KeypadSetsAndClearsGivens) {
    Board b;
    b.game.em_Click();
    b.left(Board::cx(1), Board::cx(1));
    ASSERT_EQ(b.s().cellsel, 1);
    b.left(Board::kx(9), Board::ky(9));
    EXPECT_EQ(b.s().board[1][1], 9);
    EXPECT_TRUE(b.s().given(1, 1));
    EXPECT_EQ(b.s().cellsel, 0);

    b.left(Board::cx(1), Board::cx(1));  // now a given: selected, no entry
    EXPECT_EQ(b.s().cellsel, 0);
    b.left(Board::kx(2), Board::ky(2));
    EXPECT_EQ(b.s().board[1][1], 9);

    b.left(Board::cx(3), Board::cx(1));  // open cell: an entry waits...
    b.s().selx = 1;                      // ...and the keyboard moved onto the given
    b.left(-40, 197);                    // "Delete": flag off, digit stays
    EXPECT_FALSE(b.s().given(1, 1));
    EXPECT_EQ(b.s().board[1][1], 9);
}

TEST(MouseButtons, BandsRunTheirCommandsForAnyButton) {
    struct Case {
        double y;
        const char* what;
    };
    for (const MouseButton button : {MouseButton::left, MouseButton::right, MouseButton::other}) {
        for (const Case& c : std::vector<Case>{{15, "New"}, {30, "Reset"}, {47, "Play"}, {62, "Map"},
                                               {77, "Score"}, {92, "Time"}, {108, "About"}}) {
            Board b;
            b.s().board[1][1] = 4;
            b.s().mode = Mode::edit;
            b.game.Form_MouseDown(button, -45, c.y);
            const std::string what = c.what;
            EXPECT_EQ(b.window.gameDialogShown, what == "New" ? 1 : 0) << what;
            EXPECT_EQ(b.s().board[1][1] == 0, what == "Reset" || what == "New") << what;
            EXPECT_EQ(b.s().mode == Mode::play, what == "Play" || what == "New") << what;
            EXPECT_EQ(b.s().mode == Mode::map, what == "Map") << what;
            EXPECT_EQ(b.s().checked(Item::sb), what == "Score") << what;
            EXPECT_EQ(b.s().checked(Item::stm), what == "Time") << what;
            EXPECT_EQ(b.window.aboutShown, what == "About" ? 1 : 0) << what;
        }
    }
}

TEST(MouseButtons, BoundsAreExclusiveAndGapsDoNothing) {
    for (const double y : {10.0, 20.0, 25.0, 35.0, 42.0, 52.0, 57.0, 67.0, 72.0, 82.0, 87.0, 97.0,
                           103.0, 113.0, 22.0, 100.0, 114.9, 125.0, 140.0, 150.0}) {  // last: status, clock
        Board b;
        b.s().board[1][1] = 4;
        b.s().mode = Mode::edit;
        b.left(-45, y);
        EXPECT_EQ(b.window.gameDialogShown + b.window.aboutShown, 0) << y;
        EXPECT_EQ(b.s().board[1][1], 4) << y;
        EXPECT_EQ(b.s().mode, Mode::edit) << y;
        EXPECT_FALSE(b.s().checked(Item::sb) || b.s().checked(Item::stm)) << y;
    }
}

TEST(MouseCorner, TogglesTheMenuBar) {
    Board b;
    const int paints = b.window.paints;
    b.left(215, 215);
    EXPECT_EQ(b.s().menuson, 1);
    EXPECT_TRUE(b.window.menusVisible);
    EXPECT_EQ(b.window.paints, paints + 1);
    b.right(211, 219);
    EXPECT_EQ(b.s().menuson, 0);
    EXPECT_FALSE(b.window.menusVisible);
    b.left(210, 215);  // not the corner
    EXPECT_EQ(b.s().menuson, 0);
}
