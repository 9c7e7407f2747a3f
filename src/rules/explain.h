// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The next step a player could find, reasoned from the board alone, never from the notes.

#include <optional>
#include <string>
#include <vector>

#include "rules/candidategrid.h"
#include "rules/grid.h"
#include "rules/techniques.h"

namespace ninebox {

struct Explanation {
    // Eliminations, each needed by a later one, and last the deduction that places the digit.
    std::vector<Deduction> steps;

    Cell cell() const { return steps.back().target; }
    int digit() const { return steps.back().placed; }
};

// A single when one shows, else the easiest technique that eliminates anything, and again.
// None on a full board, a contradiction, or when nothing on the ladder moves it (several
// solutions). With a unique solution every placement is right.
std::optional<Explanation> explainStep(const Grid& board);
std::optional<Explanation> explainStep(CandidateGrid g);  // eliminated digits stay eliminated

std::optional<Contradiction> findWrongDigit(const Grid& board);  // findClash, else findContradiction

// English, as the tests read a step: "Hidden single: in box 5, 7 fits only in r4c6";
// an explanation's deductions joined by "; then ".
std::string describe(const Deduction& d);
std::string describe(const Explanation& e);

}  // namespace ninebox
