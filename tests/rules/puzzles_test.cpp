// SPDX-License-Identifier: GPL-3.0-or-later
// The rules on bare grids: complete units, the candidate map, Cheat's passes, and the puzzles
// a game number gives (the generator's draws, the transformation, the library).
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "rules/candidates.h"
#include "rules/cheat.h"
#include "rules/generator.h"
#include "rules/gridtext.h"
#include "rules/library.h"
#include "rules/transform.h"
#include "rules/units.h"
#include "support/grids.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

// Draws from a script, recording the bounds asked for.
struct ScriptedGenerator : Generator {
    std::vector<std::int32_t> script, bounds;
    void reset() override {}
    void mix(double) override {}
    double next() override { return 0; }
    std::int32_t draw(std::int32_t m) override {
        bounds.push_back(m);
        return script.at(bounds.size() - 1);
    }
};

// Eight draws after seeding a generator that was used before: reset must forget that.
std::vector<std::int32_t> seeded(double seed) {
    static SplitMixGenerator g;
    g.reset();
    g.mix(seed);
    std::vector<std::int32_t> out;
    for (int i = 0; i < 8; ++i) out.push_back(g.draw(1000000));
    return out;
}

}  // namespace

// Game numbers must give the same puzzles on every build: these draws are the contract. A
// seed counts by its value alone (0 and -0, every NaN alike).
TEST(Generator, DrawsArePinnedAndSeedsFoldByValue) {
    using Draws = std::vector<std::int32_t>;
    EXPECT_EQ(seeded(0.0), (Draws{7553, 514455, 328761, 518141, 592927, 819971, 275341, 675958}));
    EXPECT_EQ(seeded(123.0), (Draws{424517, 986306, 45177, 431799, 77933, 685854, 408140, 584239}));
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(seeded(0.0), seeded(-0.0));
    EXPECT_EQ(seeded(nan), seeded(-nan));
    EXPECT_EQ(seeded(nan), seeded(std::numeric_limits<double>::signaling_NaN()));
    const std::vector<double> distinct = {0.0, 1.0, -1.0, 12.5, 12.25, 1e300, -1e-300, inf, -inf, nan};
    for (std::size_t i = 0; i < distinct.size(); ++i)
        for (std::size_t j = i + 1; j < distinct.size(); ++j)
            EXPECT_NE(seeded(distinct[i]), seeded(distinct[j])) << distinct[i] << " vs " << distinct[j];
}

TEST(Transform, WorkedExampleOfRecordA) {
    ScriptedGenerator rng;
    Grid board = library()[0].puzzle, answer = library()[0].solution;
    rng.script = {4, 0, 2, 2, 3, 0, 1, 0, 2, 8, 7, 4, 1, 2, 5, 8, 1, 7};
    transform(board, answer, rng);
    EXPECT_EQ(rng.bounds, (std::vector<std::int32_t>{5, 5, 5, 5, 5, 5, 5, 5, 3, 9, 9, 9, 9, 9, 9, 9, 9, 9}));
    EXPECT_EQ(gridText(board),
              "007004200200900008008320019600800007050740082080002400042608000096000103500030060");
    EXPECT_EQ(gridText(answer),
              "937184256215976348468325719624891537159743682783562491342618975896457123571239864");
}

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
    std::string oneEmpty = kRecordASolution, swapped = kRecordASolution;
    oneEmpty[40] = '0';
    std::swap(swapped[0], swapped[1]);  // rows stay complete, columns do not
    std::string latin;                  // rows and columns complete, boxes not
    for (int i = 0; i < 81; ++i) latin += static_cast<char>('1' + (i / 9 + i % 9) % 9);
    for (const auto& [board, complete] : std::vector<std::pair<std::string, bool>>{
             {kRecordASolution, true}, {oneEmpty, false}, {swapped, false}, {latin, false}})
        EXPECT_EQ(allUnitsComplete(gridFrom(board)), complete) << board;
}

// 1 where a digit cannot go; an open digit shows 6, 7 or 8 when the cell sees that many
// distinct digits, else 0. Boards are given by their first cells, row by row.
TEST(CandidateMap, MarksRuledOutDigitsAndCrowdedCells) {
    using Plane = std::vector<std::int16_t>;
    const auto plane = [](const char* board, int x, int y) {
        const CandidateMap map = candidateMap(gridFrom(board));
        return Plane(map[x][y].begin() + 1, map[x][y].end());
    };
    const Plane none(9, 0), five = {0, 0, 0, 0, 1, 0, 0, 0, 0};
    EXPECT_EQ(plane("5", 1, 1), Plane(9, 1));
    for (const auto& [x, y] : {std::pair{9, 1}, {1, 9}, {3, 3}}) EXPECT_EQ(plane("5", x, y), five) << x << y;
    for (const auto& [x, y] : {std::pair{4, 4}, {2, 4}, {9, 9}}) EXPECT_EQ(plane("5", x, y), none) << x << y;
    EXPECT_EQ(plane("012340000500000000600000000700000000800000000", 1, 1),
              (Plane{1, 1, 1, 1, 1, 1, 1, 1, 8}));
    // (5, 5) sees 1 2 3 in its column and 4 5 6 in its row, then 7 in its box as well
    EXPECT_EQ(plane("000010000000020000000030000000000000456", 5, 5), (Plane{1, 1, 1, 1, 1, 1, 6, 6, 6}));
    EXPECT_EQ(plane("000010000000020000000030000000700000456", 5, 5), (Plane{1, 1, 1, 1, 1, 1, 1, 7, 7}));
    EXPECT_EQ(plane("000010000000020000000030000000700000456", 9, 9), none);
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
