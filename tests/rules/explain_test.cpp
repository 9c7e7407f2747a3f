// SPDX-License-Identifier: GPL-3.0-or-later
// The techniques, one or more positions each, the explanation of a step, the wrong-digit
// finder and the rating, on bare grids. Positions are boards met along the explained
// solutions of qqwing's expert puzzles (bench/data), with the open digits the board leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "rules/explain.h"
#include "rules/generator.h"
#include "rules/gridtext.h"
#include "rules/library.h"
#include "rules/puzzletext.h"
#include "rules/rating.h"
#include "rules/solver.h"
#include "rules/transform.h"
#include "support/grids.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

// Cells written as in the explanations: "r5c6" is row 5, column 6.
int cellNamed(const std::string& name) { return (name[1] - '1') * 9 + name[3] - '1'; }

std::string names(const std::vector<Cell>& cells) {
    std::string text;
    for (const Cell& c : cells) text += (text.empty() ? "r" : " r") + std::to_string(c.y) + "c" + std::to_string(c.x);
    return text;
}

// The board's open digits, less those listed as "r5c6-2 r1c1-7".
CandidateGrid candidatesLess(const std::string& board, const std::string& eliminations) {
    CandidateGrid g = candidateGrid(gridFrom(board));
    std::istringstream in(eliminations);
    for (std::string e; in >> e;) g.eliminate(cellNamed(e), e[5] - '0');
    return g;
}

const std::string kStart = "...1..7.6.2..6518...8.9.4......4.......9.......7..65..5.......91..8..6..27.....45";
const std::string kBox3 = "...1..7.6.2..65183..8.9.452....4.......9.......7..65..5.......91..8..6..27.....45";
// Four cells of box 1 empty in a solved grid: no unit has one empty cell left.
const std::string kFourEmpty = "005482169008965723629713458981376245354129687276854931862597314147238596593641872";
// No single anywhere: each of these needs more.
const std::string kColumn6 = "....243.7..3.78..272193..48537489261.9876.453...35.879.7.89.126..6.17934.1..4.785";
const std::string kRow4 = "5.41...83....7.45....3541..148....3.....4..18....1.974..358..41...49.3.5452.318..";
const std::string kColumn6b = "5.41..783....7845....3541..148...53.....4..18...81.974..358..41...49.3.5452631897";
const std::string kFish = "....5....8..24.35.54.8.7.6...8.6.5..2.9.75...45.382......7....5.256.483.3.45.....";
const std::string kChains = "435128796729465183618.9.45236.54.97885.9...64947.865.158.....1919.85.6.727..19845";

}  // namespace

// Each technique finds its step in a position (a placement "r1c8=9" or an elimination
// "r9c6-2", with the cells that force it), and does not fire on a near miss: the same
// position with one digit of the pattern taken away, or a board without the pattern.
TEST(Techniques, EachFindsItsStepAndNotItsNearMiss) {
    const struct {
        Technique technique;
        std::string board;
        const char* step;
        const char* forcing;
        const char* nearMiss;  // eliminations that break the pattern
        std::string missBoard;
    } cases[] = {
        {Technique::fullHouse, kBox3, "r1c8=9", "r1c7 r1c9 r2c7 r2c8 r2c9 r3c7 r3c8 r3c9", "", kFourEmpty},
        {Technique::nakedSingle, kStart, "r2c9=3", "r2c7 r2c2 r3c7 r2c6 r2c5 r1c7 r2c8 r7c9", "", kColumn6},
        {Technique::hiddenSingle, kStart, "r3c2=1", "r1c4 r2c7 r8c1", "", kColumn6},
        {Technique::pointing, kColumn6, "r9c6-2", "r5c6 r6c6", "r5c6-2", kColumn6},
        {Technique::claiming, kColumn6, "r9c6-2", "r8c4 r9c4", "r8c4-2", kColumn6},
        {Technique::nakedPair, kColumn6, "r9c6-2", "r5c6 r6c6", "r5c6-1", kColumn6},
        {Technique::hiddenPair, kRow4, "r4c4-2", "r4c4 r4c6", "r4c4-7", kRow4},
        {Technique::nakedTriple, kRow4, "r4c4-2", "r4c5 r4c7 r4c9", "r4c5-2", kRow4},
        {Technique::hiddenTriple, kColumn6, "r9c6-2", "r3c6 r7c6 r9c6", "r3c6-5", kColumn6},
        {Technique::xWing, kChains, "r5c6-3", "r5c5 r5c7 r7c5 r7c7", "r5c5-3", kChains},
        {Technique::xyWing, "684.357.2.1..4853635.6.7.845287.64.3.3.5.4.2.94...3.75.7.45936.463871259.95362.47",
         "r3c5-9", "r6c4 r1c4 r2c4", "r6c4-1", ""},
        {Technique::swordfish, kFish, "r1c2-3", "r1c3 r1c6 r3c3 r3c5 r7c5 r7c6", "r3c3-3", kFish},
        {Technique::xyzWing, "....3.7.2.....85363..6.7....287..4.3.3.5...2.9....3.7..7.4.936.4.38..2...953.2...",
         "r8c5-1", "r8c6 r7c5 r8c2", "r8c6-1", ""},
        {Technique::nakedQuad, "..3.584...45.3....7..4.1356....17...57124...34.6.851.781457.63...7..4...259.637..",
         "r8c4-9", "r1c4 r2c4 r4c4 r6c4", "r6c4-3", ""},
        {Technique::hiddenQuad, kColumn6b, "r1c6-2", "r1c6 r4c6 r5c6 r6c6", "r5c6-3", kColumn6b},
        {Technique::jellyfish, "..823.54.3...6......4..139...2.4..3.43.....8.9....34216593....4843....5.....5..63",
         "r4c2-6", "r4c4 r4c6 r4c7 r5c3 r5c4 r5c6 r5c7 r6c3 r6c4 r8c4 r8c6", "r5c3-6", ""},
        {Technique::simpleColouring, ".3.9.64722.413796.796.24..1..847...9..9618..3...29..8.9..762...6.23.1.9...7..9..6",
         "r1c5-8", "r1c1 r2c9 r3c4 r1c5 r2c2 r3c7 r9c1 r9c4", "r1c1-8", ""},
        {Technique::uniqueRectangle, kChains, "r5c6-1", "r4c3 r4c6 r5c3", "r4c3-1", kChains},
        {Technique::xyChain, kChains, "r7c4-7", "r3c4 r6c4 r6c8 r5c7 r7c7 r7c5", "r7c7-2", kChains},
        {Technique::forcingChain, kChains, "r7c7-2", "r7c7 r8c8 r6c8 r6c4 r9c4 r7c4", "", std::string(81, '.')},
    };
    for (const auto& c : cases) {
        const std::string name(techniqueName(c.technique));
        const std::optional<Deduction> d = find(c.technique, candidateGrid(gridFrom(c.board)));
        ASSERT_TRUE(d) << name;
        EXPECT_EQ(d->technique, c.technique) << name;
        const std::string step = c.step;
        EXPECT_EQ(cellIndex(d->target), cellNamed(step)) << name;
        const Elimination wanted{d->target, step[5] - '0'};
        if (step[4] == '=') EXPECT_EQ(d->placed, wanted.digit) << name;
        else EXPECT_NE(std::find(d->eliminations.begin(), d->eliminations.end(), wanted), d->eliminations.end()) << name;
        EXPECT_EQ(names(d->forcing), c.forcing) << name;
        const std::string& missBoard = c.missBoard.empty() ? c.board : c.missBoard;
        EXPECT_FALSE(find(c.technique, candidatesLess(missBoard, c.nearMiss))) << name << " near miss";
    }
}

// The easiest placement, after the eliminations it needs and no others: on the board of the
// first line a pointing, a claiming and a naked pair all remove a 2 that no placement needs.
TEST(Explanation, PlacesTheEasiestDigitAfterTheEliminationsItNeeds) {
    const struct {
        std::string board, step;
    } cases[] = {
        {kColumn6, "Unique rectangle on 1/2 (r5c1, r5c6, r6c6): removes 1 from r6c1, 2 from r6c1; then "
                   "Hidden single: in box 4, 1 fits only in r5c1"},
        {kStart, "Naked single: r2c9 can hold only 3"},
        {kBox3, "Full house: r1c8 is the last empty cell of box 3, so it holds 9"},
        {"....243.7..3.78..27219...48.3748.261..87..453...3..879.7.89.126..6..793..1....78.",
         "Pointing on 1 in box 2, column 4 (r1c4, r2c4): removes 1 from r8c4; then Hidden single: in box 8, 1 "
         "fits only in r8c5"},
        {kChains, "X-wing on 3 in column 5, column 7, row 5, row 7 (r5c5, r5c7, r7c5, r7c7): removes 3 from r5c6, "
                  "3 from r7c3, 3 from r7c4, 3 from r7c6; then Simple colouring on 2 in row 6, row 8, column 4, "
                  "column 7, column 8, box 6, box 9 (r5c7, r6c4, r8c8, r6c8, r7c4, r7c7, r8c6): removes 2 from "
                  "r6c8, 2 from r7c4, 2 from r7c7, 2 from r8c6; then Naked single: r6c8 can hold only 3"},
        // Platinum blonde, some steps in: no digit fails by singles alone, so the solver shows one.
        {".......12........3..23..4....18....5.6..7.8.......9.....85.....9...4.5..475..6...",
         "Forcing chain: if r8c3 held 6, the puzzle would have no solution; so r8c3 cannot hold 6; then Naked "
         "single: r8c3 can hold only 3"},
    };
    for (const auto& c : cases) {
        const auto e = explainStep(gridFrom(c.board));
        ASSERT_TRUE(e) << c.board;
        EXPECT_EQ(describe(*e), c.step);
    }
    // A cell where every digit but one fails by a chain: the chains, then its last digit.
    const auto decisive =
        explainStep(gridFrom("28.51.9..5.1.79......2.8...7341.5..2816.27...9258..7....2.81.....875..4....6....8"));
    ASSERT_TRUE(decisive);
    std::string steps;
    for (const Deduction& d : decisive->steps) steps += names({d.target}) + " " + std::string(techniqueName(d.technique)) + ", ";
    EXPECT_EQ(steps, "r1c6 Forcing chain, r1c6 Forcing chain, r1c6 Naked single, ");
    // A full board, one with a clash, one with many solutions: no step.
    for (const std::string& board : {std::string(kRecordASolution), "11" + std::string(79, '0'), std::string(81, '0')})
        EXPECT_FALSE(explainStep(gridFrom(board))) << board;
}

// From game numbers (library records rearranged) and qqwing's puzzles, step after step to the
// end: each step places the solution's digit, none of its eliminations takes a solution's
// digit, and its placement holds on its own once the eliminations it names are made.
TEST(Explanation, EveryStepOfManyPuzzlesPlacesTheRightDigitForTheReasonItGives) {
    std::vector<std::pair<Grid, Grid>> puzzles;
    for (int number = 1; number <= 40; ++number) {
        SplitMixGenerator rng;
        rng.reset();
        rng.mix(number);
        const BaseRecord& record = library()[rng.draw(kRecords)];
        Grid board = record.puzzle, answers = record.solution;
        transform(board, answers, rng);
        puzzles.emplace_back(board, answers);
    }
    std::ifstream qqwing(NINEBOX_BENCH_DATA "/qqwing-expert.txt");
    int line = 0;
    for (std::string text; std::getline(qqwing, text); ++line)
        if (line % 50 == 0) puzzles.emplace_back(*readCompactGrid(text), solve(*readCompactGrid(text)).first);
    ASSERT_EQ(puzzles.size(), 60u);
    for (const auto& [puzzle, answers] : puzzles) {
        Grid board = puzzle;
        while (const auto e = explainStep(board)) {
            const Cell at = e->cell();
            ASSERT_EQ(e->digit(), answers[at.x][at.y]) << describe(*e);
            CandidateGrid g = candidateGrid(board);
            for (const Deduction& d : e->steps)
                for (const Elimination& x : d.eliminations) {
                    EXPECT_NE(answers[x.cell.x][x.cell.y], x.digit) << describe(d);
                    g.eliminate(cellIndex(x.cell), x.digit);
                }
            const Deduction& last = e->steps.back();
            const int i = cellIndex(at);
            if (last.technique == Technique::nakedSingle) {
                EXPECT_EQ(g.open[i], digitBit(last.placed)) << describe(*e);
            } else {
                const CellSet unit = unitTables().unitSet[unitIndex(last.units.front())];
                const CellSet left = last.technique == Technique::fullHouse ? g.emptyCells() : g.cellsWith(last.placed);
                EXPECT_EQ(left & unit, CellSet::of(i)) << describe(*e);
            }
            board[at.x][at.y] = static_cast<std::int16_t>(e->digit());
        }
        EXPECT_EQ(board, answers) << writeCompactGrid(puzzle);
    }
}

// A board that cannot be finished shows it at once: a digit twice, a cell with no digit left,
// a digit with no place in a unit. Each board is the classic puzzle with one digit added.
TEST(WrongDigit, NamesTheClashTheEmptyCellOrTheUnitWithoutAPlace) {
    using Kind = Contradiction::Kind;
    const struct {
        const char* added;
        Kind kind;
        Cell cell;
        Unit unit;
        int digit;
    } cases[] = {
        {"r1c1-3", Kind::clash, {}, {UnitKind::row, 1}, 3},
        {"r1c1-5", Kind::noDigit, {1, 9}, {}, 0},
        {"r1c4-5", Kind::noPlace, {}, {UnitKind::row, 1}, 4},
    };
    for (const auto& c : cases) {
        std::string board = kRecordA;
        board[cellNamed(c.added)] = c.added[5];
        const auto wrong = findWrongDigit(gridFrom(board));
        ASSERT_TRUE(wrong) << c.added;
        EXPECT_EQ(wrong->kind, c.kind) << c.added;
        EXPECT_EQ(wrong->cell, c.cell) << c.added;
        EXPECT_EQ(wrong->unit, c.unit) << c.added;
        EXPECT_EQ(wrong->digit, c.digit) << c.added;
    }
    EXPECT_FALSE(findWrongDigit(gridFrom(kRecordA)));
}

// A file's puzzles rate one a line, in order: the hardest technique, and each technique's
// count; a game file is one puzzle.
TEST(Rating, RatesEachPuzzleOfAFileOnItsLine) {
    const std::string twoSolutions = std::string(kRecordA).replace(1, 1, "0");
    const std::string text = std::string(kRecordA) + "\r\n\n" + ".......12" + std::string(72, '.') + "\n" +
                             twoSolutions + "\nnot a puzzle\n" + std::string(kRecordA).replace(0, 1, "3") + "\n";
    using O = RatedPuzzle::Outcome;
    const std::vector<RatedPuzzle> rated = rateText(text);
    std::vector<O> outcomes;
    for (const RatedPuzzle& each : rated) outcomes.push_back(each.outcome);
    EXPECT_EQ(outcomes, (std::vector{O::rated, O::severalSolutions, O::severalSolutions, O::notAPuzzle, O::noSolution}));
    const Rating& a = rated[0].rating;
    EXPECT_TRUE(a.hardest == Technique::nakedSingle && a.uses[0] == 21 && a.uses[1] == 27 && a.steps == 48);
    const auto game = rateText(writeGrid(gridFrom(kRecordA)));
    EXPECT_TRUE(game.size() == 1 && game[0].rating.uses == a.uses);
    // The hardest puzzles known rate, every step explained.
    const auto rating = ratePuzzle(gridFrom(".......39.....1..5..3.5.8....8.9...6.7...2...1..4.......9.8..5..2....6..4..7....."));
    ASSERT_TRUE(rating);
    EXPECT_EQ(rating->hardest, Technique::forcingChain);
    EXPECT_EQ(rating->steps, 81 - 21);
}
