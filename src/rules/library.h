// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 30 base puzzles and their solutions as two texts: records labelled A..Z, a..d, each its
// label line and nine lines of nine comma-separated digits, every line ending in CR LF.

#include <array>
#include <string_view>

#include "rules/grid.h"

namespace ninebox {

constexpr int kRecords = 30;

// none: no known level (a loaded game); asked for, any level ("Random Level").
enum class Level { none = 0, easy = 1, medium = 2, hard = 3 };

constexpr std::string_view kLevelTable = "311313323223333111322113132222";  // record k's Level

std::string_view puzzleText();
std::string_view solutionText();

struct BaseRecord {
    Grid puzzle{};  // 0 = empty cell
    Grid solution{};
    Level level = Level::none;
};

const std::array<BaseRecord, kRecords>& library();  // parsed once, on first use

}  // namespace ninebox
