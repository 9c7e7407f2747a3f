#include <gtest/gtest.h>

#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

std::vector<std::int16_t> plane(const GameState& s, int x, int y) {
    std::vector<std::int16_t> v;
    for (int k = 1; k <= 9; ++k) v.push_back(s.cellmap[x][y][k]);
    return v;
}

}  // namespace

TEST(Makemap, EmptyBoardLeavesEveryDigitOpen) {
    HeadlessGame h;
    h.s().cellmap[4][4][3] = 7;  // a stale value must go
    h.game.makemap();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(plane(h.s(), x, y), std::vector<std::int16_t>(9, 0));
}

TEST(Makemap, ADigitRulesOutItsRowColumnAndBox) {
    HeadlessGame h;
    h.s().board[1][1] = 5;
    h.game.makemap();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const bool sees = x == 1 || y == 1 || (x <= 3 && y <= 3);
            for (int k = 1; k <= 9; ++k) {
                const int expected = (x == 1 && y == 1) || (k == 5 && sees) ? 1 : 0;
                EXPECT_EQ(h.s().cellmap[x][y][k], expected) << x << "," << y << " digit " << k;
            }
        }
}

TEST(Makemap, CrowdedCellsCarryTheirCount) {
    // (1,1) sees 1..8, so 9 is its last digit.
    HeadlessGame last;
    setPuzzle(last.s(), "012340000500000000600000000700000000800000000000000000000000000000000000000000000");
    last.game.makemap();
    EXPECT_EQ(plane(last.s(), 1, 1), (std::vector<std::int16_t>{1, 1, 1, 1, 1, 1, 1, 1, 8}));

    HeadlessGame six;
    setPuzzle(six.s(), "000010000000020000000030000000000000456000000000000000000000000000000000000000000");
    six.game.makemap();
    // Column 5 holds 1 2 3, row 5 holds 4 5 6: 7, 8 and 9 remain, each marked 6.
    EXPECT_EQ(plane(six.s(), 5, 5), (std::vector<std::int16_t>{1, 1, 1, 1, 1, 1, 6, 6, 6}));
    six.s().board[4][4] = 7;  // seven seen: two digits left
    six.game.makemap();
    EXPECT_EQ(plane(six.s(), 5, 5), (std::vector<std::int16_t>{1, 1, 1, 1, 1, 1, 1, 7, 7}));
    EXPECT_EQ(plane(six.s(), 9, 9), std::vector<std::int16_t>(9, 0));  // sees 0 digits
    // (6,5) sees only 4 5 6 7: its open digits stay 0.
    EXPECT_EQ(six.s().cellmap[6][5][1], 0);
}

TEST(ModeCommands, KeepExactlyOneMarkAndTheirOwnEntryRules) {
    HeadlessGame h;
    h.deal(77);
    h.s().cellsel = 1;
    h.s().curnum = 4;
    h.game.pmd_Click();  // play keeps a pending entry
    EXPECT_EQ(h.s().cellsel, 1);
    EXPECT_EQ(h.s().curnum, 0);
    h.game.sh_Click();  // map cancels it and builds the map
    EXPECT_EQ(h.s().mode, Mode::map);
    EXPECT_EQ(h.s().cellsel, 0);
    int ruledOut = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) ruledOut += h.s().cellmap[x][y][1] == 1;
    EXPECT_GT(ruledOut, 0);
    const int paints = h.window.paints;
    h.s().cellsel = 1;
    h.game.em_Click();  // edit: no redraw, marks change at once
    EXPECT_EQ(h.window.paints, paints);
    EXPECT_EQ(h.s().cellsel, 0);
    for (const auto& [mode, item] : std::vector<std::pair<void (Game::*)(), Item>>{
             {&Game::pmd_Click, Item::pmd}, {&Game::sh_Click, Item::sh}, {&Game::em_Click, Item::em}}) {
        (h.game.*mode)();
        for (const Item each : {Item::pmd, Item::sh, Item::em}) {
            EXPECT_EQ(h.window.checks[each], each == item);
            EXPECT_EQ(h.s().checked(each), each == item);
        }
    }
}

TEST(Reset, EmptiesOpenCellsAndRestartsTheClock) {
    HeadlessGame h;
    h.deal(31);
    h.game.sh_Click();
    const Grid givens = h.s().board;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (!h.s().given(x, y)) h.s().board[x][y] = h.s().answer[x][y];
    h.s().secs = 500;
    h.s().curnum = 3;
    h.s().cellsel = 1;
    h.game.rst_Click();
    EXPECT_EQ(h.s().board, givens);
    EXPECT_EQ(h.s().mode, Mode::map);
    EXPECT_EQ(h.s().secs, 0);
    EXPECT_EQ(h.s().curnum, 0);
    EXPECT_EQ(h.s().cellsel, 0);
    EXPECT_EQ(h.s().solved, 0);
    h.game.Timer1_Timer();
    EXPECT_EQ(h.s().secs, 1);
}
