// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/command.h"

namespace ninebox {

namespace {

// Moves wrap inside the grid: past the last cell to the first and back.
void nextCell(GameState& s) {
    if (++s.selectedX > 9) {
        s.selectedX = 1;
        ++s.selectedY;
    }
    if (s.selectedY > 9) s.selectedX = s.selectedY = 1;
}

void previousCell(GameState& s) {
    if (--s.selectedX < 1) {
        s.selectedX = 9;
        --s.selectedY;
    }
    if (s.selectedY < 1) s.selectedX = s.selectedY = 9;
}

}  // namespace

// Delete empties the selected cell and moves on, except on a given in play and map mode,
// where nothing happens; edit mode takes the given away. Enter moves on and then types a
// blank, as its carriage return does.
void Game::key(Key key) {
    if (key == Key::modifier) {  // it may begin a shortcut (Ctrl+H again): what is explained stays
        if (!s_.paused) draw();
        return;
    }
    const Command command(*this);
    if (s_.paused) {
        resumed();
        return;
    }
    switch (key) {
        case Key::del:
            if (s_.mode == Mode::edit) s_.puzzle.setGiven(s_.selectedX, s_.selectedY, 0);
            if (s_.mode == Mode::edit || s_.puzzle.enter(s_.selectedX, s_.selectedY, 0)) nextCell(s_);
            else ui_.notice({Notice::Kind::refused});
            s_.waitingForDigit = false;
            break;
        case Key::left: previousCell(s_); break;
        case Key::right:
        case Key::enter: nextCell(s_); break;
        case Key::up: s_.selectedY = s_.selectedY == 1 ? 9 : s_.selectedY - 1; break;
        case Key::down: s_.selectedY = s_.selectedY % 9 + 1; break;
        case Key::other:
        case Key::modifier: break;
    }
    draw();
    if (key == Key::enter) blankTyped();
}

void Game::digitTyped(std::int16_t digit) { typed(digit, true); }

void Game::blankTyped() { typed(0, false); }

// Every character ends a waiting entry. Without one, a printable character still writes into
// the selected open cell (a non-digit empties it); with one, a blank empties it too. In edit
// mode a digit sets a given and anything else empties the cell.
void Game::typed(std::int16_t digit, bool printable) {
    const Command command(*this);
    if (resumed()) return;
    const int x = s_.selectedX, y = s_.selectedY;
    bool refused = false;
    if (s_.mode == Mode::edit) s_.puzzle.setGiven(x, y, digit);
    else if (printable || s_.waitingForDigit) refused = !s_.puzzle.enter(x, y, digit);
    s_.waitingForDigit = false;
    draw();
    if (refused) ui_.notice({Notice::Kind::refused});
}

void Game::note(std::int16_t digit) {
    const Command command(*this);
    if (resumed()) return;
    const bool noted = s_.mode == Mode::play && s_.puzzle.toggleNote(s_.selectedX, s_.selectedY, digit);
    if (noted) s_.waitingForDigit = false;
    draw();
    if (!noted) ui_.notice({Notice::Kind::refused});
}

}  // namespace ninebox
