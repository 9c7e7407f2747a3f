#include <gtest/gtest.h>

#include <string>

#include "puzzles/library.h"
#include "support/fixture.h"
#include "support/solver.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

constexpr char kLabels[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd";
constexpr int kGivens[kRecords] = {33, 33, 33, 27, 33, 25, 27, 23, 25, 28, 26, 23, 26, 23, 24,
                                   34, 33, 34, 28, 26, 28, 36, 36, 26, 34, 23, 26, 31, 25, 26};

int givens(const Grid& g) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) n += g[x][y] != 0;
    return n;
}

// The layout the reader trusts: label lines and digit lines, CR LF after each, no blanks.
void expectLayout(std::string_view text, bool solutions) {
    ASSERT_EQ(text.size(), 5220u);
    std::size_t at = 0;
    for (int k = 0; k < kRecords; ++k) {
        EXPECT_EQ(text.substr(at, 3), (std::string{kLabels[k], '\r', '\n'})) << "record " << k;
        at += 3;
        for (int r = 0; r < 9; ++r, at += 19) {
            for (int c = 0; c < 9; ++c) {
                const char d = text[at + 2 * static_cast<std::size_t>(c)];
                EXPECT_TRUE(d >= (solutions ? '1' : '0') && d <= '9') << kLabels[k] << " row " << r;
                EXPECT_EQ(text[at + 2 * static_cast<std::size_t>(c) + 1], c < 8 ? ',' : '\r');
            }
            EXPECT_EQ(text[at + 18], '\n');
        }
    }
}

}  // namespace

TEST(Library, TextsKeepTheirByteLayout) {
    expectLayout(puzzleText(), false);
    expectLayout(solutionText(), true);
}

TEST(Library, RecordAIsTheClassicPuzzle) {
    EXPECT_EQ(puzzleText().substr(0, 174),
              "A\r\n0,3,0,0,0,2,0,0,9\r\n4,0,0,9,0,0,0,2,0\r\n6,0,0,0,1,3,4,0,8\r\n"
              "9,0,1,0,0,0,0,4,5\r\n0,5,0,0,2,0,6,0,0\r\n2,0,6,8,0,4,0,0,0\r\n"
              "0,6,0,0,0,7,0,0,4\r\n0,0,7,2,0,0,0,9,0\r\n0,0,3,0,4,1,8,0,2\r\n");
    EXPECT_EQ(gridText(library()[0].solution),
              "735482169418965723629713458981376245354129687276854931862597314147238596593641872");
}

TEST(Library, EveryRecordHasOneSolutionItsOwn) {
    for (int k = 0; k < kRecords; ++k) {
        const BaseRecord& record = library()[static_cast<std::size_t>(k)];
        SCOPED_TRACE(std::string("record ") + kLabels[k]);
        EXPECT_EQ(record.level, kLevelTable[static_cast<std::size_t>(k)] - '0');
        EXPECT_EQ(givens(record.puzzle), kGivens[k]);
        EXPECT_TRUE(validSolution(record.solution));
        Grid found{};
        EXPECT_EQ(countSolutions(record.puzzle, 2, &found), 1);
        EXPECT_EQ(found, record.solution);
    }
}

// Easy means the game's own Cheat finishes it; Hard (but the classic record A) means it
// does not.
TEST(Library, LevelsMatchWhatCheatCanDo) {
    for (int k = 0; k < kRecords; ++k) {
        const BaseRecord& record = library()[static_cast<std::size_t>(k)];
        HeadlessGame h;
        h.s().board = record.puzzle;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) h.s().cellmap[x][y][kGiven] = record.puzzle[x][y] ? 1 : 0;
        h.game.af_Click();
        const bool filled = h.s().board == record.solution;
        if (record.level == 1) {
            EXPECT_TRUE(filled) << "Easy record " << kLabels[k];
        } else if (record.level == 3 && k != 0) {
            EXPECT_FALSE(filled) << "Hard record " << kLabels[k];
        }
    }
}
