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
    // A puzzle with a unique solution always has a next step (the forcing chain falls back on
    // the solver), so this is a safeguard, never an answer.
    if (!allUnitsComplete(g)) return std::nullopt;
    return rating;
}

std::string ratingLine(const Grid& puzzle) {
    const int solutions = solve(puzzle).count;
    if (solutions != 1) return solutions ? "more than one solution" : "no solution";
    const std::optional<Rating> rating = ratePuzzle(puzzle);
    if (!rating) return "no explanation";
    std::string line(techniqueName(rating->hardest));
    const char* separator = ": ";
    for (int t = 0; t < kTechniques; ++t)
        if (const int uses = rating->uses[t]) {
            line += separator + std::string(techniqueName(static_cast<Technique>(t))) + " " +
                    std::to_string(uses);
            separator = ", ";
        }
    return line;
}

std::vector<std::string> ratingLines(std::string_view text) {
    if (const auto grid = readPuzzleText(text))
        return {digitsOnly(*grid) ? ratingLine(*grid) : "not a puzzle"};
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.empty()) continue;
        const auto grid = line.size() == 81 ? readCompactGrid(line) : std::nullopt;
        lines.push_back(grid ? ratingLine(*grid) : "not a puzzle");
    }
    return lines;
}

}  // namespace ninebox
