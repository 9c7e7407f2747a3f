// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printed page as lines and texts in page units: x -120..300 and y -50..520 over the
// printable area. The printer only has to draw it.

#include <string>
#include <vector>

#include "rules/puzzle.h"

namespace ninebox {

struct PrintPage {
    struct Line {
        double x1, y1, x2, y2;
        int dots;  // pen width in device dots: 3 for box borders, 1 for the others
    };
    struct Text {
        double x, y;  // top-left corner
        std::string text;
    };
    static constexpr double left = -120, top = -50, right = 300, bottom = 520;
    static constexpr int pointSize = 16;  // bold

    std::vector<Line> lines;
    std::vector<Text> texts;
};

// The board at the top when wanted (its givens and the player's digits); the answers grid
// below it when wanted and every answer is known.
PrintPage printPage(const Puzzle& puzzle, bool board, bool answers);

}  // namespace ninebox
