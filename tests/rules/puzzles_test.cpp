#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "rules/gridtext.h"
#include "rules/library.h"
#include "support/fixture.h"

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

// Whatever its number, a dealt game has a valid solution, flagged givens that agree with it,
// a base record's level and given count, and comes out the same again.
void expectSoundDeal(HeadlessGame& h, double number) {
    h.deal(number);
    const GameState first = h.s();
    ASSERT_TRUE(validSolution(first.answer)) << number;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            ASSERT_EQ(first.candidates[x][y][kGiven], first.board[x][y] != 0) << number;
            ASSERT_TRUE(!first.board[x][y] || first.board[x][y] == first.answer[x][y]) << number;
        }
    const auto givens = [](const Grid& g) {
        const std::string t = gridText(g);
        return std::count(t.begin(), t.end(), '0');
    };
    ASSERT_TRUE(std::any_of(library().begin(), library().end(), [&](const BaseRecord& r) {
        return r.level == first.level && givens(r.puzzle) == givens(first.board);
    })) << number;
    h.deal(number);
    ASSERT_TRUE(h.s().board == first.board && h.s().answer == first.answer) << number;
}

constexpr char kLabels[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd";

// Solutions of g from cell i on (row by row), counting no further than two.
int solutions(Grid& g, int i = 0) {
    const int x = i % 9 + 1, y = i / 9 + 1, bx = (x - 1) / 3 * 3 + 1, by = (y - 1) / 3 * 3 + 1;
    if (i == 81 || g[x][y]) return i == 81 ? 1 : solutions(g, i + 1);
    int found = 0;
    for (std::int16_t d = 1; d <= 9 && found < 2; ++d) {
        bool free = true;
        for (int j = 0; j < 9; ++j)
            free = free && g[j + 1][y] != d && g[x][j + 1] != d && g[bx + j % 3][by + j / 3] != d;
        g[x][y] = free ? d : 0;
        found += free ? solutions(g, i + 1) : 0;
    }
    g[x][y] = 0;
    return found;
}

}  // namespace

// Game numbers must give the same puzzles on every build: these draws are the contract. A
// seed counts by its value alone (0 and -0, every NaN alike).
TEST(Generator, DrawsArePinnedAndSeedsFoldByValue) {
    EXPECT_EQ(seeded(0.0),
              (std::vector<std::int32_t>{7553, 514455, 328761, 518141, 592927, 819971, 275341, 675958}));
    EXPECT_EQ(seeded(123.0),
              (std::vector<std::int32_t>{424517, 986306, 45177, 431799, 77933, 685854, 408140, 584239}));
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
    ScriptedWindow window;
    ScriptedGenerator rng;
    MemoryFileSystem files;
    Game game(window, rng, files, [] { return 0.0; });
    game.state().board = library()[0].puzzle;
    game.state().answer = library()[0].solution;
    rng.script = {4, 0, 2, 2, 3, 0, 1, 0, 2, 8, 7, 4, 1, 2, 5, 8, 1, 7};
    game.transform();
    EXPECT_EQ(rng.bounds, (std::vector<std::int32_t>{5, 5, 5, 5, 5, 5, 5, 5, 3, 9, 9, 9, 9, 9, 9, 9, 9, 9}));
    EXPECT_EQ(gridText(game.state().board),
              "007004200200900008008320019600800007050740082080002400042608000096000103500030060");
    EXPECT_EQ(gridText(game.state().answer),
              "937184256215976348468325719624891537159743682783562491342618975896457123571239864");
}

TEST(NewGame, TenThousandNumbersDealSoundGames) {
    HeadlessGame h;
    std::mt19937_64 pick(2026);
    std::uniform_real_distribution<double> wide(-1e9, 1e9);
    for (int i = 0; i < 2500 && !HasFatalFailure(); ++i) {
        expectSoundDeal(h, i);
        expectSoundDeal(h, std::floor(wide(pick) / 1000));
        expectSoundDeal(h, wide(pick) / 7.0);
        h.clock = i * 0.37;  // a random game: its drawn number replays it
        h.game.newGame();
        ASSERT_TRUE(h.s().gameNumber >= 0 && h.s().gameNumber < 1000000 &&
                    h.s().gameNumber == std::floor(h.s().gameNumber));
        expectSoundDeal(h, h.s().gameNumber);
    }
}

TEST(NewGame, LevelFilterAppliesToRandomGamesOnly) {
    HeadlessGame h;
    for (const Level level : {Level::easy, Level::medium, Level::hard}) {
        h.game.chooseLevel(level);
        for (int i = 0; i < 300; ++i) {
            h.clock = 1000.0 + i;
            h.game.newGame();
            ASSERT_EQ(h.s().level, level);
        }
    }
    bool otherLevel = false;  // typed numbers give their own records, Hard chosen or not
    for (int n = 0; n < 100; ++n) {
        h.deal(n);
        otherLevel |= h.s().level != Level::hard;
    }
    EXPECT_TRUE(otherLevel);
}

// The game dealt is the number the text starts with, 0 when there is none or it lies beyond
// a double; the caption shows it in its shortest form.
TEST(GameDialog, AnyTypedTextDealsTheNumberItStartsWith) {
    const std::string nines(400, '9'), twenty(20, '9');
    for (const auto& [typed, caption] : std::vector<std::pair<std::string, std::string>>{
             {"10000", "10000"}, {"  42abc", "42"}, {"\t9", "9"},        {"", "0"},         {"   ", "0"},
             {"abc", "0"},       {"0x1A", "0"},     {"inf", "0"},        {"nan", "0"},      {"1e999", "0"},
             {"-1e999", "0"},    {nines, "0"},      {"1e308", "1e+308"}, {"2.5e3", "2500"}, {"1E-2x", "0.01"},
             {"2e+", "2"},       {"-7", "-7"},      {"+8", "8"},         {"--3", "0"},      {"-0", "0"},
             {"12.5", "12.5"},   {".5", "0.5"},     {"7.", "7"},         {"1 2", "1"},      {"1,5", "1"},
             {"-", "0"},         {"2e", "2"},       {twenty, "1e+20"}}) {
        HeadlessGame h;
        h.s().started = Startup::done;
        h.window.gameDialog.push_back([&h, typed = typed] { h.game.dealNumber(typed); });
        h.game.newGame();
        EXPECT_EQ(h.window.caption, "Ninebox1 --Game# " + caption) << typed;
        EXPECT_TRUE(validSolution(h.s().answer)) << typed;
    }
}

// The texts, byte for byte, are the records laid out as game files are, each under its label.
TEST(Library, TextsAreTheRecordsByteForByte) {
    std::string puzzles, answers;
    for (int k = 0; k < kRecords; ++k) {
        puzzles +=
            std::string{kLabels[k], '\r', '\n'} + writeGrid(library()[static_cast<std::size_t>(k)].puzzle);
        answers +=
            std::string{kLabels[k], '\r', '\n'} + writeGrid(library()[static_cast<std::size_t>(k)].solution);
    }
    EXPECT_EQ(puzzleText(), puzzles);
    EXPECT_EQ(solutionText(), answers);
    EXPECT_EQ(puzzleText().size(), 5220u);
    EXPECT_EQ(gridText(library()[0].puzzle) + gridText(library()[0].solution),
              std::string(kRecordA) + kRecordASolution);
}

// One solution each, its own; Easy means Cheat finishes it, Hard (but record A) that it
// does not.
TEST(Library, EveryRecordHasOneSolutionAndItsLevelMatchesCheat) {
    for (int k = 0; k < kRecords; ++k) {
        BaseRecord record = library()[static_cast<std::size_t>(k)];
        HeadlessGame h;
        setPuzzle(h.s(), gridText(record.puzzle));
        h.game.cheat();
        const bool filled = h.s().board == record.solution;
        EXPECT_TRUE(validSolution(record.solution)) << kLabels[k];
        EXPECT_EQ(solutions(record.puzzle), 1) << kLabels[k];
        const std::string givens = gridText(record.puzzle), solution = gridText(record.solution);
        EXPECT_TRUE(std::equal(givens.begin(), givens.end(), solution.begin(), [](char g, char s) {
            return g == '0' || g == s;
        })) << kLabels[k];
        EXPECT_TRUE(record.level == Level::easy ? filled : record.level == Level::medium || k == 0 || !filled)
            << kLabels[k];
    }
}
