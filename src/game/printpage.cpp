// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/printpage.h"

#include "game/game.h"

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

bool allAnswersKnown(const Grid& answer) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (answer[x][y] == 0) return false;
    return true;
}

}  // namespace

PrintPage printPage(const GameState& state, bool puzzle, bool answers) {
    PrintPage page;
    if (puzzle) addGrid(page, state.board, 20);
    if (answers && allAnswersKnown(state.answer)) addGrid(page, state.answer, 320);
    return page;
}

void Game::print() {
    const PrintChoice choice = ui_.showPrintDialog();
    if (choice.printChoice) s_.printChoice = *choice.printChoice;
    if (s_.printChoice == PrintButton::cancel) return;
    ui_.print(printPage(s_, choice.puzzle, choice.answers));
    redraw();
}

}  // namespace ninebox
