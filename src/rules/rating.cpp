// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/rating.h"

#include <algorithm>

#include "rules/explain.h"
#include "rules/gridtext.h"
#include "rules/puzzletext.h"
#include "rules/solver.h"
#include "rules/units.h"

namespace ninebox {

std::optional<Rating> ratePuzzle(const Grid& puzzle) {
    if (solve(puzzle).count != 1) return std::nullopt;
    Rating rating;
    Grid g = puzzle;
    while (const auto step = explainStep(g)) {
        for (const Deduction& d : step->steps) {
            ++rating.uses[static_cast<std::size_t>(d.technique)];
            rating.hardest = std::max(rating.hardest, d.technique);
        }
        g[step->cell().x][step->cell().y] = static_cast<std::int16_t>(step->digit());
        ++rating.steps;
    }
    // A safeguard: a unique solution always has a step (the forcing chain falls back on the solver).
    if (!allUnitsComplete(g)) return std::nullopt;
    return rating;
}

namespace {

RatedPuzzle rated(const std::optional<Grid>& puzzle) {
    RatedPuzzle result;
    if (!puzzle || !digitsOnly(*puzzle)) return result;
    if (const auto rating = ratePuzzle(*puzzle)) {
        result.outcome = RatedPuzzle::Outcome::rated;
        result.rating = *rating;
        return result;
    }
    const int solutions = solve(*puzzle).count;
    result.outcome = solutions == 0   ? RatedPuzzle::Outcome::noSolution
                     : solutions == 2 ? RatedPuzzle::Outcome::severalSolutions
                                      : RatedPuzzle::Outcome::rated;
    return result;
}

}  // namespace

std::vector<RatedPuzzle> rateText(std::string_view text) {
    if (const auto grid = readPuzzleText(text)) return {rated(grid)};
    std::vector<RatedPuzzle> puzzles;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (!line.empty()) puzzles.push_back(rated(line.size() == 81 ? readCompactGrid(line) : std::nullopt));
    }
    return puzzles;
}

}  // namespace ninebox
