#include <gtest/gtest.h>

#include "puzzles/library.h"
#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

constexpr char kSolution[] =
    "735482169418965723629713458981376245354129687276854931862597314147238596593641872";
constexpr char kPuzzle[] =
    "030002009400900020600013408901000045050020600206804000060007004007200090003041802";

struct Checked : HeadlessGame {
    Checked() {
        s().started = 2;
        setPuzzle(s(), kPuzzle);
        s().answer = gridFrom(kSolution);
    }
};

}  // namespace

TEST(Won, JudgesTheBoardAloneNotTheAnswers) {
    struct Case {
        const char* name;
        std::string board;
        int solved;
    };
    std::string relabelled = kSolution;  // swap 1 and 2 everywhere: still complete
    for (char& c : relabelled) c = c == '1' ? '2' : c == '2' ? '1' : c;
    std::string oneEmpty = kSolution;
    oneEmpty[40] = '0';
    std::string repeated = kSolution;
    std::swap(repeated[0], repeated[1]);  // rows stay complete, columns do not
    for (const Case& c : std::vector<Case>{{"solution", kSolution, 1},
                                           {"other complete grid", relabelled, 1},
                                           {"one empty cell", oneEmpty, 0},
                                           {"swapped pair", repeated, 0}}) {
        Checked h;
        h.s().board = gridFrom(c.board);
        h.game.showboard();
        EXPECT_EQ(h.s().solved, c.solved) << c.name;
        h.s().solved = c.solved ? 0 : 1;
        h.game.cs_Click();
        EXPECT_EQ(h.s().solved, c.solved) << c.name;
    }
}

TEST(Won, SolvedBoardFreezesTheClockUntilItBreaks) {
    Checked h;
    h.s().board = gridFrom(kSolution);
    h.s().secs = 59;
    h.game.showboard();
    h.game.Timer1_Timer();
    EXPECT_EQ(h.s().secs, 59);
    h.game.Form_KeyDown(key::del);  // empties (1, 1): counting resumes from the frozen value
    h.game.Timer1_Timer();
    EXPECT_EQ(h.s().secs, 60);
}

TEST(RemoveWrong, LeavesExactlyTheRightEntriesAndEveryGiven) {
    Checked h;
    h.s().board[1][1] = 7;  // right
    h.s().board[3][1] = 9;  // wrong
    h.s().board[2][1] = 8;  // a given that disagrees with the answers: kept
    h.game.rwa_Click();
    EXPECT_EQ(h.s().board[1][1], 7);
    EXPECT_EQ(h.s().board[3][1], 0);
    EXPECT_EQ(h.s().board[2][1], 8);

    h.s().board[3][1] = 9;
    h.s().answer = Grid{};  // no answers known: nothing is removed
    EXPECT_FALSE(h.game.ansvalid());
    h.game.rwa_Click();
    EXPECT_EQ(h.s().board[3][1], 9);
}

TEST(AnswersValid, NeedsEveryUnitOfTheAnswersComplete) {
    Checked h;
    EXPECT_TRUE(h.game.ansvalid());
    h.s().answer[5][5] = 0;
    EXPECT_FALSE(h.game.ansvalid());
    h.s().answer = gridFrom(kSolution);
    h.s().answer[5][5] = 12;
    EXPECT_FALSE(h.game.ansvalid());
}

TEST(Cheat, FillsEveryEasyGameAndReturnsToItsMode) {
    for (int number = 0, easy = 0; easy < 40; ++number) {
        HeadlessGame h;
        h.deal(number);
        if (h.s().level != 1) continue;
        ++easy;
        const Mode start = easy % 2 ? Mode::play : Mode::map;
        if (start == Mode::map) h.game.sh_Click();
        h.game.af_Click();
        EXPECT_EQ(h.s().board, h.s().answer) << "game " << number;
        EXPECT_EQ(h.s().mode, start) << "game " << number;
        EXPECT_EQ(h.s().solved, 1);
    }
}

TEST(Cheat, DoesNothingInEditMode) {
    Checked h;
    h.game.em_Click();
    const GameState before = h.s();
    const int paints = h.window.paints;
    h.game.af_Click();
    EXPECT_EQ(h.s().board, before.board);
    EXPECT_EQ(h.s().mode, Mode::edit);
    EXPECT_EQ(h.window.paints, paints);
}

TEST(Cheat, EndsWithAWrongEntryOnTheBoard) {
    for (int number = 0; number < 30; ++number) {
        HeadlessGame h;
        h.deal(number);
        int x = 1, y = 1;  // one wrong digit in the first open cell
        while (h.s().board[x][y] != 0) x = x % 9 + 1, y += x == 1;
        h.s().board[x][y] = static_cast<std::int16_t>(h.s().answer[x][y] % 9 + 1);
        h.game.af_Click();  // must return; the board may fill with consequences
        EXPECT_EQ(h.s().mode, Mode::play);
        EXPECT_EQ(h.s().solved, 0) << "game " << number;  // the puzzle's one solution is out of reach
    }
}

TEST(Cheat, ShowsEveryPass) {
    Checked h;
    h.window.keepPaints = true;
    h.game.af_Click();
    int mapPasses = 0;
    for (const GameState& painted : h.window.painted) mapPasses += painted.mode == Mode::map;
    EXPECT_GT(mapPasses, 2);  // the board fills in pass by pass
}

TEST(Switches, ScoreAndKanjiToggleAndRedraw) {
    Checked h;
    const int paints = h.window.paints;
    h.game.sb_Click();
    EXPECT_TRUE(h.window.checks[Item::sb]);
    h.game.snds_Click();
    EXPECT_EQ(h.s().kanji, 1);
    EXPECT_TRUE(h.window.checks[Item::snds]);
    h.game.snds_Click();
    h.game.sb_Click();
    EXPECT_EQ(h.s().kanji, 0);
    EXPECT_FALSE(h.window.checks[Item::snds]);
    EXPECT_FALSE(h.window.checks[Item::sb]);
    EXPECT_EQ(h.window.paints, paints + 4);
}
