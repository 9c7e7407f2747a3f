// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of Sudoku judged on a bare grid: no game state, no window.

#include "rules/grid.h"

namespace ninebox {

// Every row, column and box holds each digit 1..9.
bool allUnitsComplete(const Grid& g);

// Digit n already stands in the row, column or box of cell (x, y), the cell itself aside.
bool seesDigit(const Grid& g, int x, int y, int n);

// Some digit stands twice in a row, column or box.
bool hasClash(const Grid& g);

// solution is a complete grid that holds every digit of puzzle in its cell.
bool solves(const Grid& solution, const Grid& puzzle);

}  // namespace ninebox
