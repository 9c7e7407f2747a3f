// SPDX-License-Identifier: GPL-3.0-or-later
// The exact solver and the clash finder on bare grids: every kind of input gets its count.
#include <gtest/gtest.h>

#include <string>

#include "rules/solver.h"
#include "rules/units.h"
#include "support/grids.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

// Record A with one cell changed: (x, y) takes digit ('0' empties it).
std::string recordAWith(int x, int y, char digit) {
    std::string cells = kRecordA;
    cells[static_cast<std::size_t>((y - 1) * 9 + x - 1)] = digit;
    return cells;
}

}  // namespace

TEST(Solver, CountsUpToTwoSolutionsOfAnyBoard) {
    const std::string oneGiven = "5" + std::string(80, '0');
    // Row 1's 4 has no place: boxes 1 and 2 hold a 4, its other cells hold 1, 2 and 3.
    const std::string noPlaceFor4 = "000000123400000000000400000" + std::string(54, '0');
    const struct {
        const char* name;
        std::string puzzle;
        int count;
    } cases[] = {
        {"the classic puzzle", kRecordA, 1},
        {"its solution", kRecordASolution, 1},
        {"clashing givens: two 3s in row 1", recordAWith(1, 1, '3'), 0},
        {"no clash, no empty cell, still no solution", recordAWith(2, 1, '7'), 0},
        {"no place left for a digit", noPlaceFor4, 0},
        {"a given taken away: two solutions", recordAWith(2, 1, '0'), 2},
        {"the empty board", std::string(81, '0'), 2},
        {"one given", oneGiven, 2},
    };
    for (const auto& c : cases) {
        const Solutions s = solve(gridFrom(c.puzzle));
        EXPECT_EQ(s.count, c.count) << c.name;
        if (c.count) EXPECT_TRUE(solves(s.first, gridFrom(c.puzzle))) << c.name;
        else EXPECT_EQ(s.first, Grid{}) << c.name;
    }
    EXPECT_EQ(gridText(solve(gridFrom(kRecordA)).first), kRecordASolution);
    EXPECT_FALSE(hasClash(gridFrom(recordAWith(2, 1, '7'))));
    EXPECT_FALSE(findContradiction(candidateGrid(gridFrom(recordAWith(2, 1, '7')))));
}

TEST(Solver, RefusesValuesBeyondTheDigits) {
    for (const int v : {-1, 10, 32767}) {
        Grid g = gridFrom(kRecordA);
        g[1][1] = static_cast<std::int16_t>(v);
        EXPECT_EQ(solve(g).count, 0) << v;
    }
}

// The count stops at the limit asked for; the open digits of a candidate grid bind the search.
TEST(Solver, CountsCandidateGridsUpToTheLimit) {
    CandidateGrid g = candidateGrid(Grid{});
    EXPECT_EQ(countSolutions(g, 1), 1);
    EXPECT_EQ(countSolutions(g, 5), 5);
    g = candidateGrid(gridFrom(kRecordA));
    const Grid answer = gridFrom(kRecordASolution);
    g.eliminate(0, answer[1][1]);  // r1c1 may not take its answer
    EXPECT_EQ(countSolutions(g, 2), 0);
}

// "Two 5s in row 3": the digit and the unit, rows before columns before boxes.
TEST(ClashFinder, NamesTheDigitAndTheUnitItStandsTwiceIn) {
    const struct {
        const char* name;
        std::string board;
        int digit;
        UnitKind kind;
        int index;
    } cases[] = {
        {"row", std::string(18, '0') + "500050000", 5, UnitKind::row, 3},
        {"column", std::string(4, '0') + "7" + std::string(67, '0') + "000070000", 7, UnitKind::column, 5},
        {"box", std::string(60, '0') + "900" + std::string(7, '0') + "09", 9, UnitKind::box, 9},
        {"row before column", "110" + std::string(6, '0') + "1", 1, UnitKind::row, 1},
    };
    for (const auto& c : cases) {
        const auto clash = findClash(gridFrom(c.board));
        ASSERT_TRUE(clash) << c.name;
        EXPECT_EQ(clash->digit, c.digit) << c.name;
        EXPECT_EQ(clash->unit, (Unit{c.kind, c.index})) << c.name;
    }
    EXPECT_FALSE(findClash(gridFrom(kRecordA)));
}
