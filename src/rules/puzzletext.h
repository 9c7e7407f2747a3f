// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puzzles as people paste and share them: 81 cell characters, beside the game file's grid text.
//
// The compact form: after an optional UTF-8 byte order mark, 81 cells, each '1'..'9' for a
// given or '0' or '.' for an empty cell, on one line of 81 or on nine lines of 9. Lines end in
// LF or CR LF (the last one may have none); blank lines and blanks at either end of a line are
// skipped. Nothing else may appear: no comma, no blank between cells, no second grid.
//
// Why the form can be told from the text alone: a compact text has no comma and at most nine
// lines holding anything, each one unbroken field, so the grid reader (81 fields) refuses every
// compact text. Trying the compact form first therefore reads every text the grid reader
// accepts as that reader does, and refuses every text both refuse.

#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "rules/grid.h"

namespace ninebox {

// The compact form only; cells 0..9 in grid[x][y].
std::optional<Grid> readCompactGrid(std::string_view text);

// One line of 81 characters in row order, '.' for an empty cell or one the filter leaves out
// (pass the given flags to write the givens only); no line end.
std::string writeCompactGrid(const Grid& grid, const std::function<bool(int x, int y)>& include = {});

// The compact form, else the grid text as readGrid reads it (which may hold any 16-bit value:
// check digitsOnly as for a game file).
std::optional<Grid> readPuzzleText(std::string_view text);
// The same from a stream, never holding more of it than the grid reader does. The stream must
// be seekable: a text that is not compact is read again from where it started.
std::optional<Grid> readPuzzleText(std::istream& in);

}  // namespace ninebox
