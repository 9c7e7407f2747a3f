// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Depth-first search over bit masks: singles placed until none is left, then a branch on an
// empty cell with the fewest digits open. Any input ends: clashing givens have no solution.

#include "rules/candidategrid.h"
#include "rules/grid.h"

namespace ninebox {

struct Solutions {
    int count = 0;  // 0, 1, or 2 for two or more
    Grid first{};   // the first solution found, when count > 0
};

Solutions solve(const Grid& puzzle);  // none for a cell beyond 0..9

// The solutions that keep to g's open digits, counted up to limit (at least 1).
int countSolutions(const CandidateGrid& g, int limit, Grid* first = nullptr);

}  // namespace ninebox
