// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exact solver: how many solutions a puzzle has, up to a limit, and the first one found.
// Depth-first search over bit masks: every digit placed is taken from its peers, naked and
// hidden singles are placed until none is left, and the search branches on an empty cell
// with the fewest digits open. Any input gets an answer: clashing givens have no solution,
// an empty board has many, and a search never revisits a state, so it always ends.

#include "rules/candidategrid.h"
#include "rules/grid.h"

namespace ninebox {

struct Solutions {
    int count = 0;  // 0, 1, or 2 for two or more
    Grid first{};   // the first solution found, when count > 0
};

// The filled cells of puzzle are its givens. A cell beyond 0..9 makes it no Sudoku: none.
Solutions solve(const Grid& puzzle);

// The solutions of g's filled cells that take in each empty cell one of its open digits,
// counted up to limit (at least 1); the first lands in first when given.
int countSolutions(const CandidateGrid& g, int limit, Grid* first = nullptr);

}  // namespace ninebox
