// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid text of game and answers files: nine lines of nine comma-separated integers,
// CR LF after every line.

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <string>

#include "rules/grid.h"

namespace ninebox {

constexpr std::size_t kMaxGridFile = 64 * 1024;  // bigger is refused unread, not to stall the window

// The file name up to its first "." (never a folder's) and "ans", or the name and ".ans".
std::string answersPath(const std::string& path);
// The file's own name, without its folders.
std::string fileName(const std::string& path);

// Row by row, column by column; cells include leaves out are written as 0.
std::string writeGrid(const Grid& grid, const std::function<bool(int x, int y)>& include = {});

// 81 fields in row order, separated by commas or line ends, blanks skipped, fractions rounded
// half to even; nothing after the 81st is read. None for fewer, or one not a 16-bit number.
std::optional<Grid> readGrid(std::istream& in);

bool digitsOnly(const Grid& grid);  // every cell 0..9, the only values the board can show

}  // namespace ninebox
