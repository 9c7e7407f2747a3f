// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of Sudoku judged on a bare grid: no game state, no window.

#include <optional>

#include "rules/grid.h"

namespace ninebox {

// A cell by its place on the board: x the column, y the row, 1..9; {0, 0} is no cell.
struct Cell {
    int x = 0, y = 0;
    bool operator==(const Cell& other) const { return x == other.x && y == other.y; }
    bool operator!=(const Cell& other) const { return !(*this == other); }
};

// A row, column or box, index 1..9 (boxes left to right, then top to bottom).
enum class UnitKind : std::uint8_t { row, column, box };
struct Unit {
    UnitKind kind = UnitKind::row;
    int index = 0;
    bool operator==(const Unit& other) const { return kind == other.kind && index == other.index; }
};

// A digit that stands twice in one unit.
struct Clash {
    int digit = 0;
    Unit unit;
};

// Every row, column and box holds each digit 1..9.
bool allUnitsComplete(const Grid& g);

// Digit n already stands in the row, column or box of cell (x, y), the cell itself aside.
bool seesDigit(const Grid& g, int x, int y, int n);

// The cells whose digit stands again in their row, column or box: both of every such pair.
// Values beyond 1..9 count as empty.
CellFlags clashingCells(const Grid& g);

// Some digit stands twice in a row, column or box.
bool hasClash(const Grid& g);

// The first such digit, looking at rows 1..9, then columns, then boxes, and in each unit at
// the digits from 1 up; none when there is no clash. Values beyond 1..9 count as empty.
std::optional<Clash> findClash(const Grid& g);

// solution is a complete grid that holds every digit of puzzle in its cell.
bool solves(const Grid& solution, const Grid& puzzle);

}  // namespace ninebox
