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

// No game or answers file comes near this size; a bigger one is refused before it is read,
// so a huge file cannot stall the window.
constexpr std::size_t kMaxGridFile = 64 * 1024;

// The answers file beside a game file: the game file's name up to its first "." followed by
// "ans", or the name followed by ".ans" when it has no ".". Only the file's own name counts,
// never a dotted folder above it.
std::string answersPath(const std::string& path);
// The file's own name, without its folders.
std::string fileName(const std::string& path);

// Row by row, column by column; cells the filter leaves out are written as 0.
std::string writeGrid(const Grid& grid, const std::function<bool(int x, int y)>& include = {});

// Reads 81 fields in row order into grid[x][y]. Commas and line ends both separate fields,
// blanks around a field are skipped, fractions round half to even, and whatever follows the
// 81st field is never read. Fails on a short text or a field that is not a number in the
// 16-bit range.
std::optional<Grid> readGrid(std::istream& in);

// Every cell 0..9: the only values the board, the map and the glyphs can show.
bool digitsOnly(const Grid& grid);

}  // namespace ninebox
