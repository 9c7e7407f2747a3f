// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>

#include "game/command.h"
#include "game/layout.h"

namespace ninebox {

namespace {

// The key of a keypad press left of the board and below its top: 1..9 on the 3 x 3 block, 0
// around it ("Delete" included). Ties round to the even neighbour.
std::int16_t keypadDigit(double x, double y) {
    using namespace layout;
    if (!(x > kKeys.left && x < kKeys.right && y > kKeys.top && y < kKeys.bottom)) return 0;
    const int column =
        static_cast<int>(std::nearbyint(x - kKeyColumnsLeft)) / static_cast<int>(kKeyColumnWidth);
    const int row = static_cast<int>(std::nearbyint(y - kKeypadTop)) / static_cast<int>(kKeyRowHeight);
    return static_cast<std::int16_t>(3 * std::min(row, 2) + std::clamp(column, 0, 2) + 1);
}

}  // namespace

// A press takes part in every step it qualifies for, in order: edit mode's entry, map mode's
// shading, the answer of a right press, play and map mode's entry, the keypad, the on-board
// buttons. The cell under it counts only when the press is on the grid; elsewhere the
// selection stays.
void Game::press(MouseButton button, double x, double y, bool noting) {
    if (noting && button == MouseButton::left && s_.mode == Mode::play && x < 0 && y > layout::kKeypadTop)
        return note(keypadDigit(x, y));
    const Command command(*this);
    if (layout::inCorner(x, y)) {
        s_.menusShown = !s_.menusShown;
        draw();
        return;
    }
    if (resumed()) return;
    using layout::kGrid;
    const bool inGrid = x >= kGrid.left && x < kGrid.right && y >= kGrid.top && y < kGrid.bottom;
    // Only a press on the grid is made a cell: a position far outside the window has no int.
    const int cx = inGrid ? static_cast<int>(std::floor(x / layout::kCell)) : 0;
    const int cy = inGrid ? static_cast<int>(std::floor(y / layout::kCell)) : 0;
    const auto select = [&] {
        if (!inGrid) return;
        s_.selectedX = cx;
        s_.selectedY = cy;
    };
    const auto selectedGiven = [&] { return s_.puzzle.given(s_.selectedX, s_.selectedY); };
    const auto startEntry = [&] {
        s_.waitingForDigit = true;
        draw();
    };
    const bool left = button == MouseButton::left, onBoard = x > 0;

    if (s_.mode == Mode::edit) {
        select();
        if (onBoard && !selectedGiven() && !s_.waitingForDigit) return startEntry();
    }
    if (s_.mode == Mode::map && left && onBoard && inGrid && s_.puzzle.given(cx, cy) &&
        s_.puzzle.digit(cx, cy) > 0)
        s_.shadedDigit = s_.puzzle.digit(cx, cy);
    const bool answerShown = s_.mode != Mode::edit && button == MouseButton::right && inGrid;
    if (answerShown) select();
    if (s_.mode != Mode::edit && left) {
        s_.countedScore = s_.puzzle.score();  // before any entry of this press
        select();
        if (onBoard && !selectedGiven() && !s_.waitingForDigit) return startEntry();
        if (selectedGiven()) s_.waitingForDigit = false;
    }
    if ((s_.waitingForDigit || s_.mode == Mode::map) && x < 0 && y > layout::kKeypadTop)
        pressKeypad(keypadDigit(x, y));
    if (x < 0 && y < layout::kButtonsBottom) pressButton(y);
    draw(answerShown);
}

// A key of the keypad: edit mode sets or releases a given; map mode shades for the digit and
// writes it into a waiting cell; play mode writes it into a waiting cell.
void Game::pressKeypad(std::int16_t digit) {
    const int x = s_.selectedX, y = s_.selectedY;
    switch (s_.mode) {
        case Mode::edit:
            if (digit > 0) s_.puzzle.setGiven(x, y, digit);
            else s_.puzzle.releaseGiven(x, y);
            s_.waitingForDigit = false;
            break;
        case Mode::map:
            s_.shadedDigit = digit;
            if (s_.waitingForDigit && s_.puzzle.enter(x, y, digit)) s_.waitingForDigit = false;
            break;
        case Mode::play:
            if (s_.puzzle.enter(x, y, digit)) s_.waitingForDigit = false;
            break;
    }
}

// The button whose band holds y, if any: the command runs as its menu item's does.
void Game::pressButton(double y) {
    for (const layout::ButtonLabel& label : layout::kButtons) {
        if (!(y > label.at.y && y < label.at.y + layout::kButtonHeight)) continue;
        switch (label.button) {
            case layout::Button::newGame: return newGame();
            case layout::Button::reset: return reset();
            case layout::Button::playMode: return playMode();
            case layout::Button::mapMode: return mapMode();
            case layout::Button::score: return toggleScore();
            case layout::Button::time: return toggleTime();
            case layout::Button::about: return about();
        }
    }
}

}  // namespace ninebox
