// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 30 base puzzles and their solutions, carried inside the program as two texts.
// Each text: 30 records labelled A..Z, a..d; a record is its label line and nine lines of
// nine comma-separated digits, every line ending in CR LF.

#include <array>
#include <string_view>

#include "rules/grid.h"

namespace ninebox {

constexpr int kRecords = 30;

// A puzzle's difficulty. none: a puzzle of no known level (a loaded game); as the level asked
// for, none means any level ("Random Level").
enum class Level { none = 0, easy = 1, medium = 2, hard = 3 };

// Character k is the level of record k as a digit: 1 Easy, 2 Medium, 3 Hard.
constexpr std::string_view kLevelTable = "311313323223333111322113132222";

std::string_view puzzleText();
std::string_view solutionText();

struct BaseRecord {
    Grid puzzle{};  // 0 = empty cell
    Grid solution{};
    Level level = Level::none;
};

// The records as read from the two texts, parsed once on first use.
const std::array<BaseRecord, kRecords>& library();

}  // namespace ninebox
