// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/printpage.h"

namespace ninebox {

namespace {

// The grid's top-left corner at (left, top), its cells `cell` units wide, the digits of `points`
// a quarter cell in. A blank before the digit, where a number's sign would stand.
void addGrid(PrintPage& page, const Grid& grid, double left, double top, double cell = 20,
             int points = PrintPage::pointSize) {
    for (int i = 0; i <= 9; ++i) {
        const int dots = i % 3 == 0 ? 3 : 1;
        page.lines.push_back({left, top + cell * i, left + 9 * cell, top + cell * i, dots});
        page.lines.push_back({left + cell * i, top, left + cell * i, top + 9 * cell, dots});
    }
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (grid[c][r] > 0)
                page.texts.push_back({left + cell * (c - 1) + cell / 4, top + cell * (r - 1) + cell / 4,
                                      " " + std::to_string(grid[c][r]), points});
}

// How a booklet's grids lie on its pages: columns by rows of them, each centred in its share
// of the page under its heading, which takes one and a half times its points in page units.
struct Sheet {
    int columns, rows;
    double cell;
    int points, headingPoints;
};
constexpr Sheet kPuzzleSheets[] = {
    {1, 1, 30, 24, 18}, {1, 2, 20, 16, 12}, {2, 2, 20, 16, 12}, {2, 3, 15, 12, 9}};
constexpr Sheet kAnswerSheet{3, 4, 11, 9, 7};

void addSheets(std::vector<PrintPage>& pages, const std::vector<DealtGame>& games, const Sheet& sheet,
               bool answers) {
    const auto perPage = static_cast<std::size_t>(sheet.columns * sheet.rows);
    const double width = (PrintPage::right - PrintPage::left) / sheet.columns,
                 height = (PrintPage::bottom - PrintPage::top) / sheet.rows,
                 heading = 1.5 * sheet.headingPoints;
    for (std::size_t i = 0; i < games.size(); ++i) {
        if (i % perPage == 0) pages.emplace_back();
        const auto column = static_cast<int>(i % perPage) % sheet.columns,
                   row = static_cast<int>(i % perPage) / sheet.columns;
        const double left = PrintPage::left + width * column + (width - 9 * sheet.cell) / 2;
        const double top = PrintPage::top + height * row + (height - 9 * sheet.cell - heading) / 2;
        pages.back().headings.push_back({left, top, games[i].number, games[i].level, sheet.headingPoints});
        addGrid(pages.back(), answers ? games[i].answers : games[i].board, left, top + heading, sheet.cell,
                sheet.points);
    }
}

}  // namespace

PrintPage printPage(const Puzzle& puzzle, bool board, bool answers) {
    PrintPage page;
    if (board) addGrid(page, puzzle.board(), 20, 20);
    if (answers && puzzle.answersKnown()) addGrid(page, puzzle.answers(), 20, 320);
    return page;
}

// A count that is no sheet's takes one game a page.
std::vector<PrintPage> bookletPages(const std::vector<DealtGame>& games, int perPage, bool answers) {
    const Sheet* sheet = &kPuzzleSheets[0];
    for (const Sheet& each : kPuzzleSheets)
        if (each.columns * each.rows == perPage) sheet = &each;
    std::vector<PrintPage> pages;
    addSheets(pages, games, *sheet, false);
    if (answers) addSheets(pages, games, kAnswerSheet, true);
    return pages;
}

}  // namespace ninebox
