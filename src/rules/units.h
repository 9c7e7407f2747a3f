// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "rules/grid.h"

namespace ninebox {

struct Cell {  // x the column, y the row, 1..9; {0, 0} is no cell
    int x = 0, y = 0;
    bool operator==(const Cell& other) const { return x == other.x && y == other.y; }
    bool operator!=(const Cell& other) const { return !(*this == other); }
};

enum class UnitKind : std::uint8_t { row, column, box };
struct Unit {
    UnitKind kind = UnitKind::row;
    int index = 0;  // 1..9, boxes left to right, then top to bottom
    bool operator==(const Unit& other) const { return kind == other.kind && index == other.index; }
};

struct Clash {
    int digit = 0;
    Unit unit;
};

bool allUnitsComplete(const Grid& g);

bool seesDigit(const Grid& g, int x, int y, int n);  // n stands in the cell's row, column or box

// Both cells of every pair that clash. Here and below, values beyond 1..9 count as empty.
CellFlags clashingCells(const Grid& g);

bool hasClash(const Grid& g);

// The first clash: rows, then columns, then boxes, in each unit digits from 1 up.
std::optional<Clash> findClash(const Grid& g);

bool solves(const Grid& solution, const Grid& puzzle);  // complete, with every digit of puzzle

}  // namespace ninebox
