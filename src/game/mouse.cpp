// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "game/game.h"

namespace ninebox {

namespace {

// Rounds to the nearest whole number, ties to the even neighbour.
double roundEven(double v) { return std::nearbyint(v); }

// The digit of a keypad press with x < 0 and y > 150: 1..9 on the 3 x 3 block, 0 around it
// (the "Delete" bar below it included).
std::int16_t keypadDigit(double x, double y) {
    if (!(x > -64 && x < -6 && y > 150 && y < 195)) return 0;
    int k = static_cast<int>(roundEven(x + 60)) / 19;
    int j = static_cast<int>(roundEven(y - 150)) / 15;
    k = k < 0 ? 0 : (k > 2 ? 2 : k);
    j = j > 2 ? 2 : j;
    return static_cast<std::int16_t>(3 * j + k + 1);
}

}  // namespace

void Game::mousePressed(MouseButton button, double x, double y) {
    const StepRecorder step(*this);
    // Menu-bar corner.
    if (x > 210 && y > 210) {
        s_.menusShown = !s_.menusShown;
        redraw();
        return;
    }

    // The cell only once the press is known to be on the grid: a position far outside the
    // window has no int.
    const bool inGrid = x >= 20 && x < 200 && y >= 20 && y < 200;
    const int c = inGrid ? static_cast<int>(std::floor(x)) / 20 : 0;
    const int r = inGrid ? static_cast<int>(std::floor(y)) / 20 : 0;
    const auto select = [&] {
        if (!inGrid) return;
        s_.selectedX = static_cast<std::int16_t>(c);
        s_.selectedY = static_cast<std::int16_t>(r);
    };
    const auto selectedGiven = [&] { return s_.given(s_.selectedX, s_.selectedY); };

    if (s_.mode == Mode::edit) {
        select();
        if (x > 0 && !selectedGiven() && !s_.waitingForDigit) {
            s_.waitingForDigit = true;
            redraw();
            return;
        }
    }

    if (s_.mode == Mode::map && button == MouseButton::left && x > 0 && inGrid && s_.given(c, r) &&
        s_.board[c][r] > 0)
        s_.shadedDigit = s_.board[c][r];

    if (s_.mode != Mode::edit && button == MouseButton::right && inGrid) {
        select();
        s_.showAnswerOnce = true;
    }

    if ((s_.mode == Mode::play || s_.mode == Mode::map) && button == MouseButton::left) {
        countEntries();
        select();
        if (x > 0 && !selectedGiven()) {
            if (!s_.waitingForDigit) {
                s_.waitingForDigit = true;
                redraw();
                return;
            }
        } else if (selectedGiven()) {
            s_.waitingForDigit = false;
        }
    }

    if ((s_.waitingForDigit || s_.mode == Mode::map) && x < 0 && y > 150) {
        const std::int16_t d = keypadDigit(x, y);
        s_.lastDigit = d;
        auto& cell = s_.board[s_.selectedX][s_.selectedY];
        switch (s_.mode) {
            case Mode::edit:
                if (d > 0) {
                    s_.givens[s_.selectedX][s_.selectedY] = true;
                    cell = d;
                } else {
                    s_.givens[s_.selectedX][s_.selectedY] = false;
                }
                s_.waitingForDigit = false;
                break;
            case Mode::map:
                s_.shadedDigit = d;
                if (s_.waitingForDigit && !selectedGiven()) {
                    cell = d;
                    buildCandidateMap();
                    s_.waitingForDigit = false;
                }
                break;
            case Mode::play:
                if (!selectedGiven()) {
                    cell = d;
                    s_.waitingForDigit = false;
                }
                break;
        }
    }

    if (x < 0 && y < 115) {
        if (y > 10 && y < 20) newGame();
        else if (y > 25 && y < 35) reset();
        else if (y > 42 && y < 52) playMode();
        else if (y > 57 && y < 67) mapMode();
        else if (y > 72 && y < 82) toggleScore();
        else if (y > 87 && y < 97) toggleTime();
        else if (y > 103 && y < 113) about();
    }

    redraw();
}

}  // namespace ninebox
