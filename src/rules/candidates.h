// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/grid.h"

namespace ninebox {

// By the basic rule alone; Map mode, shading and Cheat read these values. map[x][y][n], n = 1..9:
// 1 ruled out (cell filled, or n in its row, column or box); 0 open, the cell seeing at most five
// distinct digits; 6/7/8 open, the cell seeing that many (8: n is its last digit). Else 0.
CandidateMap candidateMap(const Grid& board);

}  // namespace ninebox
