// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the player is told on asking for the next step: a digit of theirs that is wrong and
// why, else the next step a player could find, else why there is none.

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

// Against the answers when they solve the givens: the first wrong digit of the player's (in
// row order), else a step from the givens and the player's digits. With no answers, the
// board itself decides: a contradiction, else a step when the board has one solution.
Advice adviceFor(const Puzzle& puzzle);

}  // namespace ninebox
