// SPDX-License-Identifier: GPL-3.0-or-later
// The rules on bare grids: complete units, the candidate map, Cheat's passes, the library of
// base puzzles, and a puzzle in play.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "rules/candidates.h"
#include "rules/cheat.h"
#include "rules/gridtext.h"
#include "rules/library.h"
#include "rules/puzzle.h"
#include "rules/units.h"
#include "support/grids.h"

using namespace ninebox;
using namespace ninebox::testing;

// The texts, byte for byte, are the records laid out as game files are, each under its label.
// Every answer solves its puzzle; Easy means Cheat finishes it, Hard (but record A) that it
// does not. (Each puzzle's single solution is the puzzle maker's check of the same texts.)
TEST(Library, RecordsAreTheTextsAndTheirLevelsMatchCheat) {
    std::string puzzles, answers;
    for (std::size_t k = 0; k < kRecords; ++k) {
        const BaseRecord& record = library()[k];
        const std::string label{"ABCDEFGHIJKLMNOPQRSTUVWXYZabcd"[k], '\r', '\n'};
        puzzles += label + writeGrid(record.puzzle);
        answers += label + writeGrid(record.solution);
        Grid board = record.puzzle;
        while (cheatPass(board, candidateMap(board)) == PassOutcome::placed) {
        }
        const bool filled = board == record.solution;
        EXPECT_TRUE(solves(record.solution, record.puzzle)) << label[0];
        EXPECT_TRUE(record.level == Level::easy ? filled : record.level == Level::medium || k == 0 || !filled)
            << label[0];
    }
    EXPECT_EQ(puzzleText(), puzzles);
    EXPECT_EQ(solutionText(), answers);
}

TEST(Units, CompleteOnlyWhenEveryRowColumnAndBoxIs) {
    std::string oneEmpty = kRecordASolution, swapped = kRecordASolution, latin;
    oneEmpty[40] = '0';
    std::swap(swapped[0], swapped[1]);  // rows stay complete, columns do not
    for (int i = 0; i < 81; ++i) latin += static_cast<char>('1' + (i / 9 + i % 9) % 9);  // boxes not
    EXPECT_TRUE(allUnitsComplete(gridFrom(kRecordASolution)));
    for (const std::string& board : {oneEmpty, swapped, latin})
        EXPECT_FALSE(allUnitsComplete(gridFrom(board))) << board;
}

// Show Conflicts: both of every pair of one digit in a row, a column or a box, several pairs at
// once; a digit alone in its units, or twice in no unit, is no clash.
TEST(Units, ClashingCellsAreBothOfEveryPair) {
    const std::vector<std::pair<std::vector<int>, std::set<int>>> cases = {  // digit * 100 + xy; clashing xy
        {{511, 551}, {11, 51}},      {{511, 513}, {11, 13}}, {{511, 522}, {11, 22}},
        {{511, 542, 599}, {}}, {{511, 551, 515, 599, 733, 722, 788}, {11, 51, 15, 33, 22}}};
    for (const auto& [digits, clashing] : cases) {
        Grid g{};
        for (const int d : digits) g[d / 10 % 10][d % 10] = static_cast<std::int16_t>(d / 100);
        const CellFlags flags = clashingCells(g);
        std::set<int> found;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (flags[x][y]) found.insert(x * 10 + y);
        EXPECT_EQ(found, clashing) << digits.size();
    }
    EXPECT_EQ(clashingCells(gridFrom(kRecordASolution)), CellFlags{});
}

// 1 where a digit cannot go; an open digit shows 6, 7 or 8 when the cell sees that many
// distinct digits, else 0. Boards are given by their first cells, row by row.
TEST(CandidateMap, MarksRuledOutDigitsAndCrowdedCells) {
    const auto plane = [](const char* board, int x, int y) {  // digits 1..9 of cell (x, y)
        std::string values;
        for (int k = 1; k <= 9; ++k) values += std::to_string(candidateMap(gridFrom(board))[x][y][k]);
        return values;
    };
    EXPECT_EQ(plane("5", 1, 1), "111111111");
    for (const auto& [x, y, sees] :
         {std::tuple{9, 1, true}, {1, 9, true}, {3, 3, true}, {4, 4, false}, {2, 4, false}, {9, 9, false}})
        EXPECT_EQ(plane("5", x, y), sees ? "000010000" : "000000000") << x << y;
    EXPECT_EQ(plane("012340000500000000600000000700000000800000000", 1, 1), "111111118");
    // (5, 5) sees 1 2 3 in its column and 4 5 6 in its row, then 7 in its box as well
    EXPECT_EQ(plane("000010000000020000000030000000000000456", 5, 5), "111111666");
    EXPECT_EQ(plane("000010000000020000000030000000700000456", 5, 5), "111111177");
}

// Passes stop rather than write a digit that stands in the cell's row, column or box: after
// clashing givens (a second 6 in column 1), or where the two rules disagree (9 for (1, 1),
// (5, 1)).
TEST(CheatPass, NeverWritesADigitTwiceInARowColumnOrBox) {
    for (const char* puzzle :
         {"630002009400900020600013408901000045050020600206804000060007004007200090003041802",
          "000000000100040000200050000300000000400900000500000000600000000700009000800000000"}) {
        const Grid givens = gridFrom(puzzle);
        Grid board = givens;
        PassOutcome pass = PassOutcome::placed;
        while (pass == PassOutcome::placed) pass = cheatPass(board, candidateMap(board));
        EXPECT_EQ(pass, PassOutcome::clash) << puzzle;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                EXPECT_TRUE(givens[x][y] || !board[x][y] || !seesDigit(board, x, y, board[x][y]))
                    << puzzle << " " << x << y << " " << gridText(board);
    }
}

// Play never writes over a given. Remove Wrong Answers keeps every given, even one that
// disagrees with the answers, and removes nothing while the answers are no solution; the score
// counts the player's digits alike, all wrong while the answers are unknown. The candidate
// map is the board's after every change.
TEST(Puzzle, GivensStayAndTheScoreAndMapFollowTheBoard) {
    Grid answers = gridFrom(kRecordASolution);
    Puzzle p(gridFrom(kRecordA), answers);
    EXPECT_EQ(p.candidates(), candidateMap(p.board()));                      // built before the entries
    EXPECT_TRUE(!p.enter(2, 1, 5) && p.enter(1, 1, 7) && p.enter(3, 1, 9));  // a right entry, a wrong one
    EXPECT_EQ(p.score(), (Score{1, 1}));
    EXPECT_EQ(p.candidates(), candidateMap(p.board()));
    p.setGiven(2, 1, 8);
    p.clearWrongEntries();
    EXPECT_EQ(gridText(p.board()).substr(0, 3), "780");
    EXPECT_EQ(p.candidates(), candidateMap(p.board()));
    answers[5][5] = 0;
    for (const Grid& unknown : {answers, Grid{}}) {
        Puzzle q(gridFrom(kRecordA), unknown);
        q.enter(1, 1, 7);
        q.enter(3, 1, 9);
        q.clearWrongEntries();
        EXPECT_EQ(gridText(q.board()).substr(0, 3), "739");
        EXPECT_EQ(q.score().wrong, unknown == Grid{} ? 2 : 1);
    }
}
