// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 9 x 9 grids that boards, answers, puzzles and their givens share, and the candidate
// map built on them. Plain arrays indexed from 1, as the board is numbered on screen.

#include <array>
#include <cstdint>

namespace ninebox {

// Indexed [x][y]: x is the column 1..9 from the left, y the row 1..9 from the top.
// Index 0 and 10 exist so that loops over 0..10 stay in bounds; they always hold 0.
// 0 = empty or none, 1..9 = a digit.
using Grid = std::array<std::array<std::int16_t, 11>, 11>;

// Indexed [x][y] as Grid: true where the cell holds one of the puzzle's givens.
using Givens = std::array<std::array<bool, 11>, 11>;

// Indexed [x][y] as Grid: true for each cell of a set of cells.
using CellFlags = std::array<std::array<bool, 11>, 11>;

// The givens of a puzzle: its filled cells.
inline Givens givensOf(const Grid& puzzle) {
    Givens givens{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) givens[x][y] = puzzle[x][y] > 0;
    return givens;
}

// Indexed [x][y] as Grid: the player's notes in a cell, bit n - 1 set for digit n = 1..9 (so
// 0..511). Only empty cells hold notes.
using Notes = std::array<std::array<std::uint16_t, 11>, 11>;

// Indexed [x][y][n]: the state of digit n = 1..9 in cell (x, y), as candidateMap builds it
// (rules/candidates.h). n = 0 always holds 0: with no digit chosen nothing is ruled out.
using CandidateMap = std::array<std::array<std::array<std::int16_t, 10>, 11>, 11>;

}  // namespace ninebox
