// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The next step a player could find on a board, and why: the easiest technique of the ladder
// (rules/techniques.h) that places a digit, after the eliminations it takes to get there.
// The engine reasons from the board alone (the givens and the player's right digits), never
// from the player's notes.

#include <optional>
#include <string>
#include <vector>

#include "rules/candidategrid.h"
#include "rules/grid.h"
#include "rules/techniques.h"

namespace ninebox {

struct Explanation {
    // In the order they apply: eliminations, each needed by a later deduction, and last the
    // deduction that places the digit.
    std::vector<Deduction> steps;

    Cell cell() const { return steps.back().target; }
    int digit() const { return steps.back().placed; }
    Technique hardest() const;
};

// Starting from the open digits of the basic rule, places a digit by a single when one shows;
// otherwise applies the easiest technique that eliminates anything and looks again. None when
// the board is full, or holds a contradiction, or nothing on the ladder moves it (a board with
// several solutions). On a board with a unique solution every placement is right.
std::optional<Explanation> explainStep(const Grid& board);
// The same from a candidate grid (digits eliminated beforehand stay eliminated).
std::optional<Explanation> explainStep(CandidateGrid g);

// What shows at once that a board cannot be finished: a digit twice in a unit (findClash),
// else an empty cell with no digit open or a digit with no place in a unit (findContradiction).
std::optional<Contradiction> findWrongDigit(const Grid& board);

// One line of English, for tests and the command line: "Hidden single: in box 5, 7 fits only
// in r4c6" (cells as rRcC); an explanation's deductions joined by "; then ".
std::string describe(const Deduction& d);
std::string describe(const Explanation& e);

}  // namespace ninebox
