// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How hard a puzzle is: the hardest technique its explained solution needs, step after step.

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

std::optional<Rating> ratePuzzle(const Grid& puzzle);  // none unless exactly one solution

struct RatedPuzzle {
    enum class Outcome { rated, noSolution, severalSolutions, notAPuzzle };
    Outcome outcome = Outcome::notAPuzzle;
    Rating rating;  // when rated
};

// A game file or compact puzzle is one puzzle; else every non-blank line is one of 81 characters.
std::vector<RatedPuzzle> rateText(std::string_view text);

}  // namespace ninebox
