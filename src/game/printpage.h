// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printed page in page units: x -120..300, y -50..520 over the printable area, any paper.

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
    struct Heading {  // number and level, in the player's language
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

// The board at the top when wanted; the answers below it when wanted and all known.
PrintPage printPage(const Puzzle& puzzle, bool board, bool answers);

// perPage (1, 2, 4 or 6) puzzles a page; then, if wanted, their answers, twelve small grids a page.
std::vector<PrintPage> bookletPages(const std::vector<DealtGame>& games, int perPage, bool answers);

}  // namespace ninebox
