#include "support/fixture.h"

#include <array>


namespace ninebox::testing {

Grid gridFrom(std::string_view cells) {
    Grid g{};
    for (std::size_t i = 0; i < 81 && i < cells.size(); ++i) {
        const char c = cells[i];
        g[i % 9 + 1][i / 9 + 1] = static_cast<std::int16_t>(c >= '1' && c <= '9' ? c - '0' : 0);
    }
    return g;
}

std::string gridText(const Grid& grid) {
    std::string text;
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) text += static_cast<char>('0' + grid[x][y]);
    return text;
}

void setPuzzle(GameState& state, std::string_view cells) {
    state.board = gridFrom(cells);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) state.cellmap[x][y][kGiven] = state.board[x][y] > 0 ? 1 : 0;
}

bool validSolution(const Grid& g) {
    for (int a = 1; a <= 9; ++a) {
        std::array<int, 10> row{}, column{}, box{};
        for (int b = 1; b <= 9; ++b) {
            const int bx = 3 * ((a - 1) % 3) + (b - 1) % 3 + 1, by = 3 * ((a - 1) / 3) + (b - 1) / 3 + 1;
            for (const auto& [count, v] : {std::pair{&row, g[b][a]}, {&column, g[a][b]}, {&box, g[bx][by]}}) {
                if (v < 1 || v > 9) return false;
                if (++(*count)[static_cast<std::size_t>(v)] > 1) return false;
            }
        }
    }
    return true;
}

void HeadlessGame::deal(double number) {
    if (s().started == 0) s().started = 2;  // past the first game, so the dialog is asked
    window.gameDialog.push_back([number](Game& g) {
        g.state().gamenum = number;
        g.state().numchosen = 1;
    });
    game.ng_Click();
}

}  // namespace ninebox::testing
