// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>
#include <functional>
#include <tuple>

#include "game/printpage.h"
#include "rules/candidates.h"
#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

const Press kDelete{-40, 197};
const auto kPlay = &Game::playMode, kMap = &Game::mapMode, kEdit = &Game::editMode;

// Record A in a mode with cell xy (column * 10 + row) selected: (1, 1), (3, 1) and (8, 9) are
// open, (2, 1) holds the given 3 and (9, 9) the given 2.
struct Board : HeadlessGame {
    Board(void (Game::*inMode)(), int xy = 11) : mode(inMode) {
        playRecordA();
        (game.*mode)();
        select(xy / 10, xy % 10);
    }
    // Cell xy holds value, a given when negative: typed in play mode, or in edit mode.
    void put(int xy, int value) {
        (game.*(value < 0 ? kEdit : kPlay))();
        select(xy / 10, xy % 10);
        type(std::to_string(std::abs(value)));
        (game.*mode)();
    }
    // The selected cell waits for a digit; a given is reached from the open cell left of it.
    void waitHere() {
        const int x = s().selectedX, y = s().selectedY;
        const bool given = puzzle().given(x, y);
        presses({cell(given ? x - 1 : x, y)});
        if (given) game.key(Key::right);
    }
    int value(int xy) const {
        return (puzzle().given(xy / 10, xy % 10) ? -1 : 1) * puzzle().digit(xy / 10, xy % 10);
    }
    void (Game::*mode)();
};

}  // namespace

TEST(MouseCells, ColumnAndRowBoundaries) {
    const std::vector<std::tuple<double, double, int>> presses = {
        {40, 100, 25},     {39.99, 100, 15},       {20, 180, 19},  {199.99, 199.99, 99}, {200, 100, 11},
        {19.9, 100, 11},   {100, 19.9, 11},        {100, 200, 11}, {205, 100, 11},       {3e9, 100, 11},
        {100, -1e300, 11}, {-1.7e308, 1.7e308, 11}};  // far beyond any window
    for (const auto& [x, y, selected] : presses)      // map mode: only the selection moves
        EXPECT_EQ(Board(kMap).presses({{x, y}}).selected(), selected) << x << "," << y;
}

TEST(MouseKeypad, DigitUnderThePress) {
    std::vector<std::tuple<double, double, int>> presses = {
        {-41.5, 157, 1}, {-41.4, 157, 2}, {-22.6, 157, 2}, {-22.5, 157, 3},  // ties to even
        {-63.9, 157, 1}, {-6.1, 157, 3},  {-50, 164.5, 1}, {-50, 164.6, 4}, {-50, 179.5, 7}, {-50, 194.9, 7},
        {-50, 150.1, 1}, {-40, 197, 0},   {-50, 195, 0},   {-64, 160, 0},   {-6, 160, 0},    {-69, 151, 0}};
    for (int n = 1; n <= 9; ++n) presses.emplace_back(pad(n).x, pad(n).y, n);
    for (const auto& [x, y, digit] : presses)
        EXPECT_EQ(Board(kPlay).presses({cell(1, 1), pad(5), cell(1, 1), {x, y}}).puzzle().digit(1, 1), digit)
            << x << "," << y;
}

// The first three cells (a given marked '), whether an entry waits, the shaded digit, and how
// often the answer was shown.
TEST(MouseEntry, WaitsForTheKeypadInEveryMode) {
    const auto right = MouseButton::right;
    const std::vector<std::tuple<void (Game::*)(), std::vector<Press>, std::string>> rows = {
        {kPlay, {{205, 100}}, "03'0 1 0 0"},  // right of the grid: the selected open cell waits
        {kPlay, {cell(1, 1), pad(7), pad(8)}, "73'0 0 0 0"},
        {kPlay, {cell(3, 1), cell(2, 1), pad(5)}, "03'0 0 0 0"},  // a given ends the wait
        {kPlay, {cell(3, 1), cell(1, 1), pad(5)}, "53'0 0 0 0"},  // another open cell takes it over
        {kPlay, {cell(1, 1), pad(7), cell(1, 1), kDelete}, "03'0 0 0 0"},
        {kPlay, {cell(3, 1, right), cell(1, 1)}, "03'0 1 0 1"},  // the answer, in the next drawing only
        {kMap, {pad(4)}, "03'0 0 4 0"},                          // nothing waits: only the shading
        {kMap, {cell(1, 1), pad(5)}, "53'0 0 5 0"},
        {kMap, {cell(3, 1), cell(2, 1)}, "03'0 0 3 0"},  // a given's digit shades
        {kEdit, {cell(1, 1), pad(9)}, "9'3'0 0 0 0"},
        {kEdit, {cell(1, 1), pad(9), cell(1, 1), pad(2)}, "9'3'0 0 0 0"},
        {kEdit, {cell(3, 1, right)}, "03'0 1 0 0"},              // edit: the right button as the left,
        {kEdit, {cell(2, 1, right)}, "03'0 0 0 0"},              // never an answer: not on a given,
        {kEdit, {cell(1, 1), cell(3, 1, right)}, "03'0 1 0 0"},  // nor while an entry waits
        {kMap, {pad(4), {-45, 47}, {-45, 62}}, "03'0 0 0 0"}};   // a mode change ends the shading
    for (const auto& [mode, presses, expected] : rows) {
        Board b(mode);
        const GameState& s = b.presses(presses).s();
        std::string summary;
        for (int x = 1; x <= 3; ++x)
            summary += std::to_string(s.puzzle.digit(x, 1)) + (s.puzzle.given(x, 1) ? "'" : "");
        summary += " " + std::to_string(s.waitingForDigit) + " " + std::to_string(s.shadedDigit) + " " +
                   std::to_string(b.window.answerPaints);
        EXPECT_EQ(summary, expected) << static_cast<int>(s.mode) << " " << presses.size();
    }
}

// Any mouse button runs a band's command; the bounds are exclusive, and the gaps and the
// level, score and clock below the bands do nothing. The corner toggles the menu bar.
TEST(MouseButtons, BandsRunTheirCommandsWithinExclusiveBounds) {
    const std::vector<std::pair<double, std::string>> rows = {
        {15, "New"}, {30, "Reset"}, {47, "Play"}, {62, "Map"}, {77, "Score"}, {92, "Time"}, {108, "About"},
        {10, ""},    {20, ""},      {22, ""},     {25, ""},    {35, ""},      {42, ""},     {52, ""},
        {57, ""},    {67, ""},      {72, ""},     {82, ""},    {87, ""},      {97, ""},     {100, ""},
        {103, ""},   {113, ""},     {114.9, ""},  {125, ""},   {140, ""},     {150, ""}};
    for (const MouseButton button : {MouseButton::left, MouseButton::right, MouseButton::other})
        for (const auto& [y, what] : rows) {
            Board b(kEdit);
            b.put(11, 4);
            const GameState& s = b.presses({{-45, y, button}}).s();
            const std::string ran = b.window.gameDialogShown     ? "New"
                                    : s.puzzle.digit(1, 1) == 0  ? "Reset"
                                    : s.mode == Mode::play       ? "Play"
                                    : s.mode == Mode::map        ? "Map"
                                    : s.checked(Item::showScore) ? "Score"
                                    : s.checked(Item::showTime)  ? "Time"
                                    : b.window.aboutShown        ? "About"
                                                                 : "";
            EXPECT_EQ(ran, what) << y;
        }
    Board b(kPlay);
    EXPECT_TRUE(b.presses({{215, 215}}).window.menusVisible);
    EXPECT_FALSE(b.presses({{211, 219, MouseButton::right}, {210, 215}}).window.menusVisible);
}

// Moves wrap inside the grid; a key of no meaning moves nothing.
TEST(KeyboardMoves, WrapInsideTheGrid) {
    const std::vector<std::tuple<Key, int, int>> moves = {
        {Key::right, 99, 11}, {Key::right, 94, 15}, {Key::right, 33, 43}, {Key::enter, 99, 11},
        {Key::left, 11, 99},  {Key::left, 15, 94},  {Key::left, 55, 45},  {Key::up, 41, 49},
        {Key::up, 45, 44},    {Key::down, 69, 61},  {Key::down, 62, 63},  {Key::other, 55, 55}};
    for (const auto& [key, from, to] : moves) {  // a waiting entry keeps waiting, but for Enter's
        Board b(kPlay, from);
        const bool waits = !b.puzzle().given(from / 10, from % 10);
        if (waits) b.waitHere();
        b.game.key(key);
        EXPECT_EQ(b.selected() * 10 + b.s().waitingForDigit, to * 10 + (waits && key != Key::enter)) << from;
    }
}

// Cell `cell` holds `before` (negative: a given); from cell `at`, with or without an entry
// waiting, the keys leave it holding `after` and select `to`. Every key ends the wait. In
// play mode a digit is written even with no entry waiting, and nothing moves; a non-digit
// empties the cell, a blank only when an entry waits. Givens take nothing, and Delete on one
// does not move either; elsewhere it empties and moves. Enter moves, and empties the next
// cell when an entry waits unless it is a given. In edit mode a digit sets a given, anything
// else clears it.
TEST(KeyboardKeys, CharactersDeleteAndEnterOnTheSelectedCell) {
    const std::vector<std::tuple<void (Game::*)(), int, int, int, int, std::string, int, int>> rows = {
        // mode, cell, before, at, waits, keys, after, to
        {kPlay, 11, 0, 11, 0, "7", 7, 11},    {kPlay, 11, 7, 11, 0, "x", 0, 11},
        {kPlay, 11, 4, 11, 0, " ", 4, 11},    {kPlay, 11, 4, 11, 1, " ", 0, 11},
        {kPlay, 21, -3, 21, 0, "7", -3, 21},  {kMap, 21, -3, 21, 1, "z", -3, 21},
        {kPlay, 21, -3, 21, 1, "\b", -3, 21}, {kPlay, 21, -3, 21, 1, "\x7f", -3, 21},
        {kPlay, 81, 6, 81, 0, "\x7f", 0, 91}, {kPlay, 41, 5, 31, 0, "\n", 5, 41},
        {kPlay, 41, 5, 31, 1, "\n", 0, 41},   {kPlay, 91, -9, 81, 1, "\n", -9, 91},
        {kEdit, 11, 0, 11, 0, "6", -6, 11},   {kEdit, 11, -6, 11, 0, "q", 0, 11},
        {kEdit, 21, -3, 21, 0, "9", -9, 21},  {kEdit, 99, -2, 99, 0, "\x7f", 0, 11},
        {kEdit, 29, -8, 19, 0, "\n", 0, 29}};
    for (const auto& [mode, cell, before, at, waits, keys, after, to] : rows) {
        Board b(mode);
        if (before != 0) b.put(cell, before);
        b.select(at / 10, at % 10);
        if (waits) b.waitHere();
        b.type(keys);
        EXPECT_EQ(b.value(cell), after) << at << " '" << keys << "'";
        EXPECT_EQ(b.selected() * 10 + b.s().waitingForDigit, to * 10) << at << " '" << keys << "'";
    }
}

// Each change of the puzzle by the player is one step, whatever it spans: undo gives back the
// board and its givens and ends a waiting entry, redo puts the change back, and the map
// follows the board every way. Record A holds a right entry in (1, 1) and a wrong one in (3, 1).
TEST(Undo, EachChangeOfTheBoardIsOneStep) {
    using Command = void (Game::*)();
    const std::vector<std::tuple<Command, int, std::vector<Press>, std::string, Command>> changes = {
        // mode, cell selected, presses, keys, command
        {kPlay, 11, {cell(1, 1), pad(5)}, "", nullptr},  // a keypad digit
        {kPlay, 11, {}, "\x7f", nullptr},
        {kMap, 81, {}, "7", nullptr},
        {kEdit, 41, {}, "4", nullptr},          // a given typed
        {kEdit, 99, {}, "\x7f", nullptr},       // a given deleted, in the last cell
        {kPlay, 11, {{-45, 30}}, "", nullptr},  // the Reset button
        {kPlay, 11, {}, "", &Game::removeWrongAnswers},
        {kMap, 11, {}, "", &Game::cheat}};
    const auto board = [](const Board& b) {
        EXPECT_EQ(b.puzzle().candidates(), candidateMap(b.puzzle().board())) << "a stale map";
        return std::pair(b.puzzle().board(), b.puzzle().givens());
    };
    for (const auto& row : changes) {
        const auto& [mode, xy, presses, keys, command] = row;
        SCOPED_TRACE(&row - &changes[0]);
        Board b(mode, xy);
        b.put(11, 7);
        b.put(31, 8);
        b.select(xy / 10, xy % 10);
        const auto before = board(b);
        b.presses(presses).type(keys);
        if (command) (b.game.*command)();
        EXPECT_EQ(b.s().mode == Mode::map, mode == kMap) << "Cheat keeps the mode it started in";
        const auto after = board(b);
        b.waitHere();
        b.game.undo();
        EXPECT_TRUE(board(b) == before && !b.s().waitingForDigit);
        for (int i = 0; i < 2; ++i) b.game.undo();  // the entries put
        for (int i = 0; i < 3; ++i) b.game.redo();
        EXPECT_TRUE(board(b) == after && after != before);
    }
}

// Notes go into empty cells in play mode only, by key or by a Ctrl-click on the keypad (which
// ends a wait); a digit written takes its cell's notes and that digit's in its row, column and
// box away (not (4, 4)'s), and one undo brings them back. Reset and Cheat leave none, and
// neither the game file nor the printout ever holds one. Masks of 11 21 31 18 33 44.
TEST(Notes, OnlyInEmptyCellsTakenByADigitBackByOneUndo) {
    Board b(kPlay);
    const auto noted = [&] {
        std::string masks;
        for (const int xy : {11, 21, 31, 18, 33, 44})
            masks += std::to_string(b.puzzle().notes(xy / 10, xy % 10)) + " ";
        return masks;
    };
    for (const auto& [xy, digits] : std::vector<std::pair<int, std::vector<int>>>{
             {31, {5, 7}}, {18, {5}}, {33, {5}}, {44, {5, 1, 1}}, {21, {5}}, {11, {5, 8, 8, 8}}}) {
        b.select(xy / 10, xy % 10);
        for (const int d : digits) b.game.note(static_cast<std::int16_t>(d));
    }
    b.game.mapMode();
    b.game.note(1);  // taken only in play mode
    b.game.playMode();
    b.presses({cell(1, 1)}).game.press(MouseButton::left, pad(3).x, pad(3).y, true);
    EXPECT_EQ(noted() + std::to_string(b.s().waitingForDigit), "148 0 80 16 16 16 0");
    b.type("5");
    EXPECT_EQ(noted(), "0 0 64 0 0 16 ");
    b.game.undo();
    EXPECT_EQ(noted(), "148 0 80 16 16 16 ");
    b.select(3, 1);
    b.game.press(MouseButton::left, kDelete.x, kDelete.y, true);
    EXPECT_EQ(noted(), "148 0 0 16 16 16 ");
    b.window.files.push_back(chosen("/g/n.sud"));
    b.game.save();  // the givens alone, in the file and on paper
    EXPECT_TRUE(b.files.files["/g/n.sud"] == writeGrid(gridFrom(kRecordA)) &&
                printPage(b.puzzle(), true, false).texts.size() == 33u);
    for (const auto command : {&Game::reset, &Game::cheat}) {
        b.game.note(4);
        (b.game.*command)();
        EXPECT_EQ(noted(), "0 0 0 0 0 0 ");
    }
}

// Highlight, in play mode alone: the selected cell's row, column and box tinted, the cells of its
// digit marked (Record A's 2s at (5, 5), (6, 1), (8, 2), (9, 9)); an empty cell marks no digit.
TEST(Highlight, TintsTheSelectedCellsUnitsAndMarksItsDigit) {
    using T = GameState::Tint;
    const T u = T::unit, d = T::digit, o = T::none;
    const std::vector<std::tuple<void (Game::*)(), int, std::vector<std::pair<int, T>>>> rows = {
        {kPlay, 55, {{55, d}, {61, d}, {82, d}, {99, d}, {15, u}, {53, u}, {46, u}, {11, o}, {77, o}}},
        {kPlay, 11, {{11, u}, {61, u}, {22, u}, {19, u}, {82, o}, {55, o}}},
        {kMap, 55, {{61, o}, {15, o}}},
        {kEdit, 55, {{61, o}, {15, o}}}};
    for (const auto& [mode, xy, cells] : rows) {
        Board b(mode, xy);
        for (const bool on : {false, true}) {
            if (on) b.game.toggleHighlight();
            for (const auto& [at, tint] : cells)
                EXPECT_EQ(b.s().tint(at / 10, at % 10), on ? tint : o) << xy << " " << at;
        }
    }
}

// What a screen reader hears beyond the board's change: a key the selected cell refuses, the
// mode chosen (though it was on), never a mode the game switches itself (a new game, Cheat's
// passes), what Cheat, Remove Wrong Answers and Reset did, an undo or redo with nothing to take
// back, the file saved or loaded and a puzzle pasted.
TEST(Notices, SayWhatTheBoardAloneDoesNot) {
    using K = Notice::Kind;
    const std::vector<std::pair<std::function<void(Board&)>, std::vector<Notice>>> cases = {
        {[](Board& b) { b.type("5"), b.select(3, 1), b.game.note(4), b.type("\x7f"); }, {}},
        {[](Board& b) { b.select(2, 1), b.type("5\x7f" "a").game.note(4); }, std::vector<Notice>(4, K::refused)},
        {[](Board& b) { b.type("5").game.note(4); }, {K::refused}},
        {[](Board& b) { b.game.mapMode(); b.game.note(4); }, {K::mode, K::refused}},
        {[](Board& b) { b.game.playMode(); b.game.editMode(); }, {K::mode, K::mode}},
        {[](Board& b) { b.deal(7); }, {}},
        {[](Board& b) { b.game.cheat(); }, {{K::cheated, 48}}},
        {[](Board& b) { b.type("1"), b.select(3, 1), b.type("1").game.removeWrongAnswers(); }, {{K::wrongRemoved, 2}}},
        {[](Board& b) { b.game.reset(); }, {K::reset}},
        {[](Board& b) { b.game.redo(); b.type("5").game.undo(); b.game.undo(); }, {K::nothingToRedo, K::nothingToUndo}},
        {[](Board& b) {
             b.window.files.push_back(chosen("/g/n.sud"));
             b.game.save();
             b.play(kRecordA);
             b.window.clipboard = kRecordA;
             b.game.pastePuzzle();
         },
         {{K::saved, 0, "n.sud"}, {K::loaded, 0, "puzzle.sud"}, K::pasted}}};
    for (const auto& [act, expected] : cases) {
        SCOPED_TRACE(&act - &cases[0].first);
        Board b(kPlay);
        b.window.notices.clear();
        act(b);
        const std::vector<Notice>& got = b.window.notices;
        ASSERT_EQ(got.size(), expected.size());
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_TRUE(got[i].kind == expected[i].kind && got[i].count == expected[i].count &&
                        got[i].name == expected[i].name) << i << ": " << int(got[i].kind) << " " << got[i].count;
    }
}
