// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One pass of Cheat's two rules on a bare board: a cell that sees eight distinct digits takes
// the ninth, and a digit with one place left in a box goes there. Passes repeat until one
// places nothing; the caller runs them so that it can show the board between passes.

#include "rules/grid.h"

namespace ninebox {

enum class PassOutcome {
    placed,   // at least one digit written: another pass may place more
    nothing,  // no rule applies: logic alone goes no further
    clash,    // a rule asked for a digit its row, column or box already holds
};

// Works from map, the candidate map of board at the start of the pass (rules/candidates.h),
// writing into empty cells of board, digit by digit and box by box. A digit that already
// stands in the cell's row, column or box is never written: the board holds a contradiction
// (clashing givens, a wrong entry), and the pass stops there, keeping what it wrote before.
PassOutcome cheatPass(Grid& board, const CandidateMap& map);

}  // namespace ninebox
