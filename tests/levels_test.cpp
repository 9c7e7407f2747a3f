#include <gtest/gtest.h>

#include <cmath>

#include "puzzles/levels.h"
#include "support/fixture.h"
#include "support/scriptedgenerator.h"

using namespace ninebox;
using namespace ninebox::testing;

TEST(TypedNumber, ReadsTheNumberAtTheStart) {
    struct Case {
        const char* text;
        double value;
    };
    for (const Case& c : std::vector<Case>{
             {"123", 123},      {"  42abc", 42},   {"", 0},           {"abc", 0},
             {"12.5", 12.5},    {"-7", -7},        {"+8", 8},         {".5", 0.5},
             {"7.", 7},         {"1e3", 1000},     {"1E-2x", 0.01},   {"2e", 2},
             {"2e+", 2},        {"-", 0},          {"--3", 0},        {"1 2", 1},
             {"0x1A", 0},       {"inf", 0},        {"nan", 0},        {"1e999", 0},
             {"-1e999", 0},     {"\t9", 9},        {"000123", 123},   {"1,5", 1},
             {"99999999999999999999", 1e20}}) {
        EXPECT_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(GameDialog, EnterAndTheNumberButtonDealTheTypedGame) {
    HeadlessGame h;
    h.s().started = 2;
    h.window.gameDialog.push_back([](Game& g) { g.Form2_Command2_Click("123"); });
    h.game.ng_Click();
    EXPECT_EQ(h.window.caption, "Ninebox1 --Game# 123");
    EXPECT_EQ(h.s().gamenum, 123);
    const Grid first = h.s().board;
    h.window.gameDialog.push_back([](Game& g) { g.Form2_Command2_Click(" 123xyz"); });
    h.game.ng_Click();
    EXPECT_EQ(h.s().board, first);
    h.window.gameDialog.push_back([](Game& g) { g.Form2_Command2_Click(""); });
    h.game.ng_Click();
    EXPECT_EQ(h.window.caption, "Ninebox1 --Game# 0");
}

// Whatever is typed, the game dealt is the number the text starts with: 0 when there is none
// or it lies beyond a double.
TEST(GameDialog, AnyTypedTextDealsTheNumberItStartsWith) {
    for (const auto& row : std::vector<std::pair<std::string, std::string>>{
             {"", "0"},           {"   ", "0"},         {"abc", "0"},    {"1e999", "0"},
             {"-1e999", "0"},     {std::string(400, '9'), "0"},        {"1e308", "1e+308"},
             {"2.5e3", "2500"},   {"-7", "-7"},         {"+8", "8"},     {"12.5", "12.5"},
             {"1,5", "1"},        {"  42abc", "42"},    {"\t9", "9"}}) {
        const std::string typed = row.first;
        HeadlessGame h;
        h.s().started = 2;
        h.window.gameDialog.push_back([typed](Game& g) { g.Form2_Command2_Click(typed); });
        h.game.ng_Click();
        EXPECT_EQ(h.window.caption, "Ninebox1 --Game# " + row.second) << typed;
        EXPECT_TRUE(validSolution(h.s().answer)) << typed;
    }
}

TEST(GameDialog, RandomButtonNamesTheLevel) {
    HeadlessGame h;
    EXPECT_EQ(h.game.Form2_Activate(), "Select Random");
    h.game.easoc_Click();
    EXPECT_EQ(h.game.Form2_Activate(), "Select Easy");
    h.game.medoc_Click();
    EXPECT_EQ(h.game.Form2_Activate(), "Select Medium");
    h.game.Hardoc_Click();
    EXPECT_EQ(h.game.Form2_Activate(), "Select Hard");
    h.game.randoc_Click();
    EXPECT_EQ(h.game.Form2_Activate(), "Select Random");
}

TEST(GameDialog, RandomButtonAsksForSupportOnAMultipleOfTen) {
    ScriptedWindow window;
    ScriptedGenerator rng;
    MemoryFileSystem files;
    Game game(window, rng, files, [] { return 0.0; });
    for (const auto& [draw, asks] : std::vector<std::pair<int, bool>>{{370, true}, {0, true}, {371, false}, {9, false}}) {
        window.messages.clear();
        rng.script = {draw};
        game.Form2_Command1_Click();
        ASSERT_EQ(window.messages.size(), asks ? 1u : 0u) << draw;
        if (asks) {
            EXPECT_EQ(window.messages[0].title, "Honesty is the Best!!");
            EXPECT_EQ(window.messages[0].buttons, Buttons::ok);
        }
        EXPECT_EQ(game.state().numchosen, 0);  // the game that follows draws its own number
    }
    EXPECT_EQ(rng.bounds, (std::vector<std::int32_t>{1000000, 1000000, 1000000, 1000000}));
}

TEST(GameDialog, RandomChoiceGetsAFreshNumber) {
    HeadlessGame h;
    h.s().started = 2;
    h.window.gameDialog.push_back([](Game& g) { g.Form2_Command1_Click(); });
    h.game.ng_Click();
    EXPECT_EQ(h.window.caption, "Ninebox1 --Game# " + std::to_string(static_cast<long>(h.s().gamenum)));
    EXPECT_EQ(h.s().numchosen, 0);
}

TEST(LevelMenu, LeavesOnlyTheChosenLevelCheckedAndTheGameAlone) {
    HeadlessGame h;
    h.deal(9);
    const Grid board = h.s().board;
    const int paints = h.window.paints;
    for (const auto& [command, item, value] : std::vector<std::tuple<void (Game::*)(), Item, int>>{
             {&Game::easoc_Click, Item::easoc, 1}, {&Game::medoc_Click, Item::medoc, 2},
             {&Game::Hardoc_Click, Item::Hardoc, 3}, {&Game::randoc_Click, Item::randoc, 0}}) {
        (h.game.*command)();
        EXPECT_EQ(h.s().levelsel, value);
        for (const Item each : {Item::randoc, Item::easoc, Item::medoc, Item::Hardoc})
            EXPECT_EQ(h.window.checks[each], each == item);
    }
    EXPECT_EQ(h.s().board, board);
    EXPECT_EQ(h.window.paints, paints);
}

TEST(LevelDisplay, TogglesAndRedraws) {
    HeadlessGame h;
    EXPECT_TRUE(h.s().checked(Item::wonka));
    h.window.keepPaints = true;
    h.game.wonka_Click();
    ASSERT_EQ(h.window.painted.size(), 1u);
    EXPECT_FALSE(h.window.painted[0].checked(Item::wonka));
    h.game.wonka_Click();
    EXPECT_TRUE(h.window.painted[1].checked(Item::wonka));
}
