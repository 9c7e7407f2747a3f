// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The compact form of a puzzle: an optional UTF-8 byte order mark, then 81 cells ('1'..'9' a
// given, '0' or '.' empty) on one line of 81 or nine lines of 9, ending in LF or CR LF; blank
// lines and blanks at line ends are skipped, nothing else may appear. Having no comma and at
// most nine fields, no compact text is a grid text, so it can be tried first.

#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "rules/grid.h"

namespace ninebox {

std::optional<Grid> readCompactGrid(std::string_view text);  // the compact form only

// 81 characters in row order, no line end; '.' for an empty cell or one include leaves out.
std::string writeCompactGrid(const Grid& grid, const std::function<bool(int x, int y)>& include = {});

// The compact form, else the grid text as readGrid reads it (any 16-bit value: check digitsOnly).
std::optional<Grid> readPuzzleText(std::string_view text);
// The stream must be seekable: a text that is not compact is read again from its start.
std::optional<Grid> readPuzzleText(std::istream& in);

}  // namespace ninebox
