// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printed page as lines and texts in page units: x -120..300 and y -50..520 over the
// printable area, whatever the paper. The printer only has to draw it.

#include <string>
#include <vector>

#include "rules/puzzle.h"
#include "rules/transform.h"

namespace ninebox {

struct PrintPage {
    struct Line {
        double x1, y1, x2, y2;
        int dots;  // pen width in device dots: 3 for box borders, 1 for the others
    };
    static constexpr int pointSize = 16;  // bold, as every text
    struct Text {
        double x, y;  // top-left corner
        std::string text;
        int points = pointSize;
    };
    // A game's heading, its number and level in the player's words.
    struct Heading {
        double x, y;  // top-left corner
        double number;
        Level level;
        int points;
    };
    static constexpr double left = -120, top = -50, right = 300, bottom = 520;

    std::vector<Line> lines;
    std::vector<Text> texts;
    std::vector<Heading> headings;
};

// The board at the top when wanted (its givens and the player's digits); the answers grid
// below it when wanted and every answer is known.
PrintPage printPage(const Puzzle& puzzle, bool board, bool answers);

// The games' puzzles, perPage (1, 2, 4 or 6) to a page, each under its heading; then, when
// wanted, their answers in small grids, twelve to a page, under the same headings.
std::vector<PrintPage> bookletPages(const std::vector<DealtGame>& games, int perPage, bool answers);

}  // namespace ninebox
