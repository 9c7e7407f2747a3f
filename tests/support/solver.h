#pragma once
// An independent backtracking solver, so tests judge puzzles without the game's own code.

#include "app/gamestate.h"

namespace ninebox::testing {

// Number of solutions of the puzzle (0 = empty cell), counting no further than limit.
int countSolutions(const Grid& puzzle, int limit = 2, Grid* first = nullptr);

}  // namespace ninebox::testing
