// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "rules/explain.h"
#include "rules/puzzle.h"

namespace ninebox {

struct Advice {
    enum class Kind {
        step,           // `step` places a digit
        wrongDigit,     // the player's `digit` in `cell` is not the answer; `reason`, if any, shows it
        contradiction,  // with the answers unknown, the board cannot be finished: `reason` shows where
        noStep,         // the puzzle has more than one solution: no step follows from it alone
        complete,       // every cell is filled and the board is solved
    };
    Kind kind = Kind::noStep;
    Explanation step;
    Cell cell;
    int digit = 0;
    std::optional<Contradiction> reason;
};

// When the answers solve the givens, the first wrong digit in row order, else a step. Without
// them, the board decides: a contradiction, else a step when it has one solution.
Advice adviceFor(const Puzzle& puzzle);

}  // namespace ninebox
