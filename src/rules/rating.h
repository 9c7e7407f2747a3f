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

// A puzzle of a text, rated or not.
struct RatedPuzzle {
    enum class Outcome { rated, noSolution, severalSolutions, notAPuzzle };
    Outcome outcome = Outcome::notAPuzzle;
    Rating rating;  // when rated
};

// Every puzzle of a text, in its order: a game file (or one puzzle in the 81-character form)
// is one puzzle; otherwise every non-blank line is a puzzle of 81 characters, or not a puzzle.
std::vector<RatedPuzzle> rateText(std::string_view text);

}  // namespace ninebox
