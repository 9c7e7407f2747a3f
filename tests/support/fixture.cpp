#include "support/fixture.h"

namespace ninebox::testing {

Grid gridFrom(std::string_view cells) {
    Grid g{};
    for (std::size_t i = 0; i < 81 && i < cells.size(); ++i)
        g[i % 9 + 1][i / 9 + 1] =
            static_cast<std::int16_t>(cells[i] >= '1' && cells[i] <= '9' ? cells[i] - '0' : 0);
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
        for (int y = 1; y <= 9; ++y) state.candidates[x][y][kGiven] = state.board[x][y] > 0 ? 1 : 0;
}

bool validSolution(const Grid& g) {
    const auto bit = [](int v) { return v >= 1 && v <= 9 ? 1u << v : 1u; };
    for (int a = 0; a < 9; ++a) {
        unsigned row = 0, column = 0, box = 0;
        for (int b = 0; b < 9; ++b) {
            row |= bit(g[b + 1][a + 1]);
            column |= bit(g[a + 1][b + 1]);
            box |= bit(g[a % 3 * 3 + b % 3 + 1][a / 3 * 3 + b / 3 + 1]);
        }
        if (row != 0x3FE || column != 0x3FE || box != 0x3FE) return false;
    }
    return true;
}

void HeadlessGame::deal(double number) {
    if (s().started == Startup::notActivated)
        s().started = Startup::done;  // past the first game, so the dialog is asked
    window.gameDialog.push_back([this, number] {
        s().gameNumber = number;
        s().numberTyped = true;
    });
    game.newGame();
}

void HeadlessGame::playRecordA() {
    s().started = Startup::done;
    setPuzzle(s(), kRecordA);
    s().answer = gridFrom(kRecordASolution);
}

}  // namespace ninebox::testing
