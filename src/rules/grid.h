// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace ninebox {

// Indexed [x][y], column and row 1..9 from the top left; 0 = empty, 1..9 a digit. Index 0 and
// 10 always hold 0, so that loops over 0..10 stay in bounds.
using Grid = std::array<std::array<std::int16_t, 11>, 11>;

using Givens = std::array<std::array<bool, 11>, 11>;     // indexed [x][y] as Grid
using CellFlags = std::array<std::array<bool, 11>, 11>;  // indexed [x][y] as Grid

inline Givens givensOf(const Grid& puzzle) {
    Givens givens{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) givens[x][y] = puzzle[x][y] > 0;
    return givens;
}

// Indexed [x][y]: bit n - 1 for digit n, so 0..511; only empty cells hold notes.
using Notes = std::array<std::array<std::uint16_t, 11>, 11>;

// Indexed [x][y][n], n = 1..9, as candidateMap builds it; n = 0 holds 0 (nothing ruled out).
using CandidateMap = std::array<std::array<std::array<std::int16_t, 10>, 11>, 11>;

}  // namespace ninebox
