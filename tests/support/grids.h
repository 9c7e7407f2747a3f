// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Grids written as 81 characters, for tests of the rules and of the game alike.

#include <string>
#include <string_view>

#include "rules/grid.h"

namespace ninebox::testing {

// Record A of the library, the classic puzzle, and its solution.
constexpr char kRecordA[] =
    "030002009400900020600013408901000045050020600206804000060007004007200090003041802";
constexpr char kRecordASolution[] =
    "735482169418965723629713458981376245354129687276854931862597314147238596593641872";

// Grids as 81 characters in row order, '0' for an empty cell.
inline Grid gridFrom(std::string_view cells) {
    Grid g{};
    for (std::size_t i = 0; i < 81 && i < cells.size(); ++i)
        g[i % 9 + 1][i / 9 + 1] =
            static_cast<std::int16_t>(cells[i] >= '1' && cells[i] <= '9' ? cells[i] - '0' : 0);
    return g;
}

inline std::string gridText(const Grid& grid) {
    std::string text;
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) text += static_cast<char>('0' + grid[x][y]);
    return text;
}

}  // namespace ninebox::testing
