// SPDX-License-Identifier: GPL-3.0-or-later
#include <cctype>
#include <cstdlib>
#include <tuple>

#include "game/history.h"
#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

struct Press {
    double x, y;
    MouseButton button = MouseButton::left;
};
Press cell(int c, int r, MouseButton button = MouseButton::left) {
    return {20.0 * c + 10, 20.0 * r + 10, button};
}
Press pad(int n) { return {-50.5 + 19 * ((n - 1) % 3), 157.5 + 15 * ((n - 1) / 3)}; }
const Press kDelete{-40, 197};
const auto kPlay = &Game::playMode, kMap = &Game::mapMode, kEdit = &Game::editMode;

// Record A in a mode with cell xy (column * 10 + row) selected: (1, 1), (3, 1) and (8, 9) are
// open, (2, 1) holds the given 3 and (9, 9) the given 2.
struct Board : HeadlessGame {
    Board(void (Game::*mode)(), int xy = 11) {
        playRecordA();
        (game.*mode)();
        s().selectedX = static_cast<std::int16_t>(xy / 10);
        s().selectedY = static_cast<std::int16_t>(xy % 10);
    }
    Board& press(const std::vector<Press>& presses) {
        for (const Press& p : presses) game.mousePressed(p.button, p.x, p.y);
        return *this;
    }
    // Keys as the window delivers them: a character (Enter too, '\n') as key-down then the
    // character, Delete ('\x7f') as key-down alone.
    void type(const std::string& keys) {
        for (const char c : keys) {
            game.keyDown(c == '\x7f' ? key::del : c == '\n' ? key::enter : std::toupper(c));
            if (c != '\x7f') game.characterTyped(c == '\n' ? 13 : c);
        }
    }
    int selected() { return s().selectedX * 10 + s().selectedY; }
};

}  // namespace

TEST(MouseCells, ColumnAndRowBoundaries) {
    const std::vector<std::tuple<double, double, int>> presses = {
        {40, 100, 25},     {39.99, 100, 15},       {20, 180, 19},  {199.99, 199.99, 99}, {200, 100, 11},
        {19.9, 100, 11},   {100, 19.9, 11},        {100, 200, 11}, {205, 100, 11},       {3e9, 100, 11},
        {100, -1e300, 11}, {-1.7e308, 1.7e308, 11}};  // far beyond any window
    for (const auto& [x, y, selected] : presses)      // map mode: only the selection moves
        EXPECT_EQ(Board(kMap).press({{x, y}}).selected(), selected) << x << "," << y;
}

TEST(MouseKeypad, DigitUnderThePress) {
    std::vector<std::tuple<double, double, int>> presses = {
        {-41.5, 157, 1}, {-41.4, 157, 2}, {-22.6, 157, 2}, {-22.5, 157, 3},  // ties to even
        {-63.9, 157, 1}, {-6.1, 157, 3},  {-50, 164.5, 1}, {-50, 164.6, 4}, {-50, 179.5, 7}, {-50, 194.9, 7},
        {-50, 150.1, 1}, {-40, 197, 0},   {-50, 195, 0},   {-64, 160, 0},   {-6, 160, 0},    {-69, 151, 0}};
    for (int n = 1; n <= 9; ++n) presses.emplace_back(pad(n).x, pad(n).y, n);
    for (const auto& [x, y, digit] : presses)
        EXPECT_EQ(Board(kPlay).press({cell(1, 1), pad(5), cell(1, 1), {x, y}}).s().board[1][1], digit)
            << x << "," << y;
}

// The first three cells (a given marked '), whether an entry waits, the current number, and
// how often the answer was shown.
TEST(MouseEntry, WaitsForTheKeypadInEveryMode) {
    const auto right = MouseButton::right;
    const std::vector<std::tuple<void (Game::*)(), std::vector<Press>, std::string>> rows = {
        {kPlay, {{205, 100}}, "03'0 1 0 0"},  // right of the grid: the selected open cell waits
        {kPlay, {cell(1, 1), pad(7), pad(8)}, "73'0 0 0 0"},
        {kPlay, {cell(3, 1), cell(2, 1), pad(5)}, "03'0 0 0 0"},  // a given ends the wait
        {kPlay, {cell(3, 1), cell(1, 1), pad(5)}, "53'0 0 0 0"},  // another open cell takes it over
        {kPlay, {cell(1, 1), pad(7), cell(1, 1), kDelete}, "03'0 0 0 0"},
        {kPlay, {cell(3, 1, right), cell(1, 1)}, "03'0 1 0 1"},  // the answer, shown until the next redraw
        {kMap, {pad(4)}, "03'0 0 4 0"},                          // nothing waits: only the current number
        {kMap, {cell(1, 1), pad(5)}, "53'0 0 5 0"},
        {kMap, {cell(3, 1), cell(2, 1)}, "03'0 0 3 0"},  // a given's digit becomes current
        {kEdit, {cell(1, 1), pad(9)}, "9'3'0 0 0 0"},
        {kEdit, {cell(1, 1), pad(9), cell(1, 1), pad(2)}, "9'3'0 0 0 0"},
        {kEdit, {cell(3, 1, right)}, "03'0 1 0 0"}};  // edit: the right button as the left
    for (const auto& [mode, presses, expected] : rows) {
        Board b(mode);
        const GameState& s = b.press(presses).s();
        std::string summary;
        for (int x = 1; x <= 3; ++x) summary += std::to_string(s.board[x][1]) + (s.given(x, 1) ? "'" : "");
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
            b.s().board[1][1] = 4;
            const GameState& s = b.press({{-45, y, button}}).s();
            const std::string ran = b.window.gameDialogShown     ? "New"
                                    : s.board[1][1] == 0         ? "Reset"
                                    : s.mode == Mode::play       ? "Play"
                                    : s.mode == Mode::map        ? "Map"
                                    : s.checked(Item::showScore) ? "Score"
                                    : s.checked(Item::showTime)  ? "Time"
                                    : b.window.aboutShown        ? "About"
                                                                 : "";
            EXPECT_EQ(ran, what) << y;
        }
    Board b(kPlay);
    EXPECT_TRUE(b.press({{215, 215}}).window.menusVisible);
    EXPECT_FALSE(b.press({{211, 219, MouseButton::right}, {210, 215}}).window.menusVisible);
}

TEST(KeyboardMoves, WrapInsideTheGrid) {
    const std::vector<std::tuple<int, int, int>> moves = {
        {key::right, 99, 11}, {key::right, 94, 15}, {key::right, 33, 43}, {key::enter, 99, 11},
        {key::left, 11, 99},  {key::left, 15, 94},  {key::left, 55, 45},  {key::up, 41, 49},
        {key::up, 45, 44},    {key::down, 69, 61},  {key::down, 62, 63},  {'A', 55, 55}};
    for (const auto& [code, from, to] : moves) {
        Board b(kPlay, from);
        b.game.keyDown(code);
        EXPECT_EQ(b.selected(), to) << "key " << code << " from " << from;
    }
}

// From cell `at`, with or without an entry waiting, the keys leave `cell` holding `after`
// (negative: a given) and select `to`. Every key ends the wait. In play mode a digit is written
// even with no entry waiting, and nothing moves; a non-digit empties the cell, a blank only when
// an entry waits. Givens take nothing, and Delete on one does not move either; elsewhere it
// empties and moves. Enter moves, and empties the next cell when an entry waits unless it is a
// given. In edit mode a digit sets a given, anything else clears it.
TEST(KeyboardKeys, CharactersDeleteAndEnterOnTheSelectedCell) {
    const std::vector<std::tuple<void (Game::*)(), int, int, int, int, std::string, int, int>> rows = {
        {kPlay, 11, 0, 11, 0, "7", 7, 11},    {kPlay, 11, 0, 11, 7, "x", 0, 11},
        {kPlay, 11, 0, 11, 4, " ", 4, 11},    {kPlay, 11, 1, 11, 4, " ", 0, 11},
        {kPlay, 21, 0, 21, -3, "7", -3, 21},  {kMap, 21, 1, 21, -3, "z", -3, 21},
        {kPlay, 21, 1, 21, -3, "\b", -3, 21}, {kPlay, 21, 1, 21, -3, "\x7f", -3, 21},
        {kPlay, 89, 0, 89, 6, "\x7f", 0, 99}, {kPlay, 79, 0, 89, 5, "\n", 5, 89},
        {kPlay, 79, 1, 89, 5, "\n", 0, 89},   {kPlay, 89, 1, 99, -2, "\n", -2, 99},
        {kEdit, 11, 0, 11, 0, "6", -6, 11},   {kEdit, 11, 0, 11, -6, "q", 0, 11},
        {kEdit, 21, 0, 21, -3, "9", -9, 21},  {kEdit, 99, 0, 99, -2, "\x7f", 0, 11},
        {kEdit, 19, 0, 29, -8, "\n", 0, 29}};
    for (const auto& [mode, at, waits, cell, before, keys, after, to] : rows) {
        Board b(mode, at);
        GameState& s = b.s();
        s.waitingForDigit = waits != 0;
        s.board[cell / 10][cell % 10] = static_cast<std::int16_t>(std::abs(before));
        s.givens[cell / 10][cell % 10] = before < 0;
        b.type(keys);
        const int value = s.board[cell / 10][cell % 10];
        EXPECT_EQ(s.given(cell / 10, cell % 10) ? -value : value, after) << at << " '" << keys << "'";
        EXPECT_EQ(b.selected() * 10 + s.waitingForDigit, to * 10) << at << " '" << keys << "'";
    }
}

// Each change of the board by the player is one step, whatever it spans: undo gives back the
// board and its givens and ends a waiting entry, redo puts the change back. Record A holds a
// right entry in (1, 1) and a wrong one in (3, 1).
TEST(Undo, EachChangeOfTheBoardIsOneStep) {
    using Command = void (Game::*)();
    const std::vector<std::tuple<Command, int, std::vector<Press>, std::string, Command>> changes = {
        // mode, cell selected, presses, keys, command
        {kPlay, 11, {cell(1, 1), pad(5)}, "", nullptr},  // a keypad digit
        {kPlay, 11, {}, "\x7f", nullptr},
        {kEdit, 41, {}, "4", nullptr},          // a given typed
        {kEdit, 21, {}, "\x7f", nullptr},       // a given deleted
        {kPlay, 11, {{-45, 30}}, "", nullptr},  // the Reset button
        {kPlay, 11, {}, "", &Game::removeWrongAnswers},
        {kPlay, 11, {}, "", &Game::cheat}};
    for (const auto& row : changes) {
        const auto& [mode, xy, presses, keys, command] = row;
        SCOPED_TRACE(&row - &changes[0]);
        Board b(mode, xy);
        b.s().board[1][1] = 7;
        b.s().board[3][1] = 8;
        const Snapshot before = snapshotOf(b.s());
        b.press(presses).type(keys);
        if (command) (b.game.*command)();
        const Snapshot after = snapshotOf(b.s());
        b.s().waitingForDigit = true;
        b.game.undo();
        EXPECT_TRUE(snapshotOf(b.s()) == before && !b.s().waitingForDigit);
        b.game.undo();
        b.game.redo();  // nothing older to undo
        EXPECT_TRUE(snapshotOf(b.s()) == after && !(after == before));
    }
}
