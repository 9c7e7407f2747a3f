// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"

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

std::int16_t digitValue(int charCode) {
    return charCode >= '0' && charCode <= '9' ? static_cast<std::int16_t>(charCode - '0') : 0;
}

}  // namespace

void Game::keyDown(int keyCode) {
    const StepRecorder step(*this);
    if (keyCode == key::del) {
        auto& cell = s_.board[s_.selectedX][s_.selectedY];
        if (s_.mode != Mode::edit) {
            if (!s_.given(s_.selectedX, s_.selectedY)) {
                cell = 0;
                ++s_.selectedX;
            }
        } else {
            cell = 0;
            s_.givens[s_.selectedX][s_.selectedY] = false;
            ++s_.selectedX;
        }
        if (s_.selectedX > 9) {
            s_.selectedX = 1;
            ++s_.selectedY;
        }
        if (s_.selectedY > 9) s_.selectedX = s_.selectedY = 1;
        s_.waitingForDigit = false;
        if (s_.mode == Mode::map) buildCandidateMap();  // the emptied cell's digit is possible again
    }
    switch (keyCode) {
        case key::left: previousCell(s_); break;
        case key::up:
            if (--s_.selectedY < 1) s_.selectedY = 9;
            break;
        case key::right:
        case key::enter: nextCell(s_); break;
        case key::down:
            if (++s_.selectedY > 9) s_.selectedY = 1;
            break;
        default: break;
    }
    redraw();
}

// Every character ends a pending entry. Without one, printable characters still write into
// the selected open cell (a non-digit empties it); with one, blanks and control characters
// empty it too.
void Game::characterTyped(int charCode) {
    const StepRecorder step(*this);
    const std::int16_t v = digitValue(charCode);
    auto& cell = s_.board[s_.selectedX][s_.selectedY];
    auto& given = s_.givens[s_.selectedX][s_.selectedY];
    const bool editing = s_.mode == Mode::edit;

    if (editing) {
        cell = v;
        given = v >= 1;
    } else if (charCode > 32 && !given) {
        cell = v;
    }
    s_.lastDigit = v;
    if (s_.waitingForDigit) {
        if (editing) {
            cell = s_.lastDigit;
            given = s_.lastDigit > 0;
        } else if (!given) {
            cell = s_.lastDigit;
        }
    }
    s_.waitingForDigit = false;
    if (s_.mode == Mode::map) buildCandidateMap();
    redraw();
}

}  // namespace ninebox
