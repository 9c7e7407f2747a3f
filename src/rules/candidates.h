// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The candidate map: which digits each empty cell can still take by the basic rule alone (no
// digit twice in a row, column or box), and how crowded each cell is. Map mode shows it,
// shading reads it and both Cheat rules work from it, so its values are a contract.

#include "rules/grid.h"

namespace ninebox {

// map[x][y][n] for n = 1..9:
//   1      ruled out: the cell is filled, or n stands in its row, column or box;
//   0      open, and the cell sees at most five distinct digits around it;
//   6/7/8  open, and the cell sees that many distinct digits (8: n is the last digit left).
// Every other index holds 0.
CandidateMap candidateMap(const Grid& board);

}  // namespace ninebox
