// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cheat's two rules: a cell that sees eight distinct digits takes the ninth, and a digit with one
// place left in a box goes there. The caller repeats passes, showing the board between them.

#include "rules/grid.h"

namespace ninebox {

enum class PassOutcome {
    placed,   // another pass may place more
    nothing,  // no rule applies
    clash,    // a rule asked for a digit its row, column or box already holds
};

// map: board's candidate map as the pass starts. Digit by digit, box by box; a clash stops the
// pass, keeping what it wrote before.
PassOutcome cheatPass(Grid& board, const CandidateMap& map);

}  // namespace ninebox
