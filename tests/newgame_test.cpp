#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "puzzles/library.h"
#include "puzzles/newgame.h"
#include "support/fixture.h"
#include "support/scriptedgenerator.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

int givens(const Grid& g) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) n += g[x][y] != 0;
    return n;
}

// The properties every dealt game must have, whatever its number.
void expectSoundDeal(HeadlessGame& h, double number) {
    h.deal(number);
    const GameState& s = h.s();
    ASSERT_TRUE(validSolution(s.answer)) << number;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            ASSERT_EQ(s.cellmap[x][y][kGiven], s.board[x][y] != 0 ? 1 : 0) << number;
            if (s.board[x][y] != 0) {
                ASSERT_EQ(s.board[x][y], s.answer[x][y]) << number;
            }
            for (int k = 0; k < 10; ++k) ASSERT_EQ(s.cellmap[x][y][k], 0);
        }
    int record = -1;
    for (int k = 0; k < kRecords; ++k)
        if (library()[static_cast<std::size_t>(k)].level == s.level &&
            givens(library()[static_cast<std::size_t>(k)].puzzle) == givens(s.board))
            record = k;
    ASSERT_GE(record, 0) << "no base record with this level and given count, game " << number;

    const Grid board = s.board, answer = s.answer;
    const std::int16_t level = s.level;
    h.deal(number);
    ASSERT_EQ(h.s().board, board) << number;
    ASSERT_EQ(h.s().answer, answer) << number;
    ASSERT_EQ(h.s().level, level) << number;
}

}  // namespace

// Record A with these draws must come out exactly as the worked example.
TEST(Pandora, WorkedExampleOfRecordA) {
    ScriptedWindow window;
    ScriptedGenerator rng;
    MemoryFileSystem files;
    Game game(window, rng, files, [] { return 0.0; });
    game.state().board = library()[0].puzzle;
    game.state().answer = library()[0].solution;
    rng.script = {4, 0, 2, 2, 3, 0, 1, 0, 2, 8, 7, 4, 1, 2, 5, 8, 1, 7};
    game.pandora();

    EXPECT_EQ(rng.bounds, (std::vector<std::int32_t>{5, 5, 5, 5, 5, 5, 5, 5, 3, 9, 9, 9, 9, 9, 9, 9, 9, 9}));
    EXPECT_EQ(gridText(game.state().board),
              "007004200200900008008320019600800007050740082080002400042608000096000103500030060");
    EXPECT_EQ(gridText(game.state().answer),
              "937184256215976348468325719624891537159743682783562491342618975896457123571239864");
    EXPECT_EQ(window.paints, 1);  // ends with a redraw
}

TEST(NewGame, CaptionShowsTheNumberInItsShortestForm) {
    for (const auto& [number, text] : std::vector<std::pair<double, std::string>>{
             {10000, "10000"}, {12.5, "12.5"}, {-7, "-7"}, {0, "0"}, {-0.0, "0"},
             {999999, "999999"}, {1000000, "1000000"}, {0.1, "0.1"}, {1e20, "1e+20"}}) {
        HeadlessGame h;
        h.deal(number);
        EXPECT_EQ(h.window.caption, "Ninebox1 --Game# " + text);
    }
}

TEST(NewGame, FirstActivationDealsWithoutTheDialog) {
    HeadlessGame h;
    h.game.Form_activate();
    EXPECT_EQ(h.s().started, 2);
    EXPECT_EQ(h.window.gameDialogShown, 0);
    EXPECT_GE(h.s().gamenum, 0);
    EXPECT_LT(h.s().gamenum, 1000000);
    EXPECT_EQ(h.s().gamenum, std::floor(h.s().gamenum));
    EXPECT_EQ(h.window.caption, "Ninebox1 --Game# " + numberText(h.s().gamenum));
    h.game.ng_Click();  // every later game asks
    EXPECT_EQ(h.window.gameDialogShown, 1);
}

TEST(NewGame, ResetsTheGameAroundIt) {
    HeadlessGame h;
    h.deal(5);
    h.game.sh_Click();
    h.s().secs = 99;
    h.s().cellsel = 1;
    h.deal(6);
    EXPECT_EQ(h.s().mode, Mode::play);
    EXPECT_EQ(h.s().secs, 0);
    EXPECT_EQ(h.s().cellsel, 0);
    EXPECT_EQ(h.s().numchosen, 0);
    EXPECT_TRUE(h.window.checks[Item::pmd]);
    EXPECT_FALSE(h.window.checks[Item::sh]);
}

TEST(NewGame, TenThousandNumbersDealSoundGames) {
    HeadlessGame h;
    std::mt19937_64 pick(2026);
    std::uniform_real_distribution<double> wide(-1e9, 1e9);
    for (int i = 0; i < 2500; ++i) expectSoundDeal(h, i);                            // typed
    for (int i = 0; i < 2500; ++i) expectSoundDeal(h, std::floor(wide(pick) / 1000));  // negative too
    for (int i = 0; i < 2500; ++i) expectSoundDeal(h, wide(pick) / 7.0);            // fractional
    for (int i = 0; i < 2500; ++i) {                                                // random
        h.clock = i * 0.37;
        h.window.gameDialog.push_back([](Game&) {});
        h.game.ng_Click();
        const double number = h.s().gamenum;
        ASSERT_TRUE(number >= 0 && number < 1000000 && number == std::floor(number));
        expectSoundDeal(h, number);  // the drawn number replays its own game
    }
}

TEST(NewGame, LevelFilterAppliesToRandomGamesOnly) {
    HeadlessGame h;
    const std::vector<void (Game::*)()> levels = {&Game::easoc_Click, &Game::medoc_Click, &Game::Hardoc_Click};
    for (std::size_t l = 0; l < levels.size(); ++l) {
        (h.game.*levels[l])();
        for (int i = 0; i < 300; ++i) {
            h.clock = 1000.0 + i;
            h.window.gameDialog.push_back([](Game&) {});
            h.game.ng_Click();
            ASSERT_EQ(h.s().level, static_cast<std::int16_t>(l + 1));
        }
    }
    // Typed numbers give their own record whatever the level; with Hard chosen some of the
    // first hundred numbers must still come out Easy or Medium.
    bool otherLevel = false;
    for (int n = 0; n < 100; ++n) {
        h.deal(n);
        otherLevel |= h.s().level != 3;
    }
    EXPECT_TRUE(otherLevel);
}

TEST(Numdate, CountsOpenCellsAgainstTheAnswers) {
    HeadlessGame h;
    h.deal(42);
    GameState& s = h.s();
    h.game.numdate();
    EXPECT_EQ(s.nright, 0);
    EXPECT_EQ(s.nwrong, 0);
    int placed = 0;
    for (int x = 1; x <= 9 && placed < 3; ++x)
        for (int y = 1; y <= 9 && placed < 3; ++y)
            if (s.board[x][y] == 0) {
                s.board[x][y] = placed == 0 ? static_cast<std::int16_t>(s.answer[x][y] % 9 + 1) : s.answer[x][y];
                ++placed;
            }
    h.game.numdate();
    EXPECT_EQ(s.nright, 2);
    EXPECT_EQ(s.nwrong, 1);
    s.answer = Grid{};  // unknown answers: every entry is wrong, givens never count
    h.game.numdate();
    EXPECT_EQ(s.nright, 0);
    EXPECT_EQ(s.nwrong, 3);
}
