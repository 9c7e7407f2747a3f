// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How hard a puzzle is: the hardest technique its explained solution needs (rules/explain.h,
// one step after another from the givens), with how often it used each technique.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/grid.h"
#include "rules/techniques.h"

namespace ninebox {

struct Rating {
    Technique hardest = Technique::fullHouse;
    std::array<int, kTechniques> uses{};  // deductions of each technique, over all the steps
    int steps = 0;                        // digits placed
};

// None unless the puzzle has exactly one solution.
std::optional<Rating> ratePuzzle(const Grid& puzzle);

// The line of one puzzle: "XY-wing: Full house 4, Naked single 21, ..., XY-wing 1" (the
// rating, then each technique used, in ladder order, with its count), or "no solution" or
// "more than one solution".
std::string ratingLine(const Grid& puzzle);

// One line per puzzle of a text, in its order: a game file (or one puzzle in the 81-character
// form) rates as one puzzle; otherwise every non-blank line is a puzzle of 81 characters, and
// a line that is none says "not a puzzle".
std::vector<std::string> ratingLines(std::string_view text);

}  // namespace ninebox
