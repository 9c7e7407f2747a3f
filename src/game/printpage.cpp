// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/printpage.h"

namespace ninebox {

namespace {

void addGrid(PrintPage& page, const Grid& grid, double top) {
    for (int i = 0; i <= 9; ++i) {
        const int dots = i % 3 == 0 ? 3 : 1;
        page.lines.push_back({20, top + 20 * i, 200, top + 20 * i, dots});
        page.lines.push_back({20.0 + 20 * i, top, 20.0 + 20 * i, top + 180, dots});
    }
    // A blank before the digit, where a number's sign would stand.
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (grid[c][r] > 0)
                page.texts.push_back(
                    {20.0 * c + 5, top - 20 + 20.0 * r + 5, " " + std::to_string(grid[c][r])});
}

}  // namespace

PrintPage printPage(const Puzzle& puzzle, bool board, bool answers) {
    PrintPage page;
    if (board) addGrid(page, puzzle.board(), 20);
    if (answers && puzzle.answersKnown()) addGrid(page, puzzle.answers(), 320);
    return page;
}

}  // namespace ninebox
