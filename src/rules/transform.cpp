// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transform.h"

#include <array>
#include <string_view>
#include <utility>

#include "rules/generator.h"

namespace ninebox {

namespace {

// Group (d1, d2, d3) sends block b to d_b; no identity, so that every step moves something.
constexpr std::string_view kGroups = "213231312321132";

std::array<int, 4> drawGroup(Generator& rng) {
    const auto t = static_cast<std::size_t>(rng.draw(5));
    return {0, kGroups[3 * t] - '0', kGroups[3 * t + 1] - '0', kGroups[3 * t + 2] - '0'};
}

struct Pair {  // both grids move together, so the answer stays the puzzle's solution
    Grid& board;
    Grid& answer;
};

// Column (or row) i = 1..9 of both grids goes to column (or row) to[i].
enum class Lines { columns, rows };
void moveLines(Pair g, Lines lines, const std::array<int, 10>& to) {
    Grid board{}, answer{};
    for (int i = 1; i <= 9; ++i)
        for (int k = 1; k <= 9; ++k) {
            const bool columns = lines == Lines::columns;
            (columns ? board[to[i]][k] : board[k][to[i]]) = columns ? g.board[i][k] : g.board[k][i];
            (columns ? answer[to[i]][k] : answer[k][to[i]]) = columns ? g.answer[i][k] : g.answer[k][i];
        }
    g.board = board;
    g.answer = answer;
}

// The three blocks of lines moved by group d, each line keeping its place in its block.
std::array<int, 10> blocksMoved(const std::array<int, 4>& d) {
    std::array<int, 10> to{};
    for (int b = 1; b <= 3; ++b)
        for (int i = 1; i <= 3; ++i) to[3 * (b - 1) + i] = 3 * (d[b] - 1) + i;
    return to;
}

// The lines inside each block moved by a group of its own, drawn block by block.
std::array<int, 10> linesMovedInBlocks(Generator& rng) {
    std::array<int, 10> to{};
    for (int b = 0; b <= 2; ++b) {
        const auto d = drawGroup(rng);
        for (int i = 1; i <= 3; ++i) to[3 * b + i] = 3 * b + d[i];
    }
    return to;
}

// Clockwise in place, new(x, y) = old(y, 10 - x), by four-cell cycles.
void quarterTurn(Grid& g) {
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 5; ++j) {
            const std::int16_t v = g[i][j];
            g[i][j] = g[j][10 - i];
            g[j][10 - i] = g[10 - i][10 - j];
            g[10 - i][10 - j] = g[10 - j][i];
            g[10 - j][i] = v;
        }
}

}  // namespace

const BaseRecord& recordFor(double number, Generator& generator) {
    generator.reset();
    generator.mix(number);
    return library()[static_cast<std::size_t>(generator.draw(kRecords))];
}

DealtGame dealGame(double number, Generator& generator) {
    const BaseRecord& record = recordFor(number, generator);
    DealtGame game{number, record.level, record.puzzle, record.solution};
    transform(game.board, game.answers, generator);
    return game;
}

void transform(Grid& board, Grid& answer, Generator& generator) {
    const Pair grids{board, answer};
    moveLines(grids, Lines::columns, blocksMoved(drawGroup(generator)));
    moveLines(grids, Lines::rows, blocksMoved(drawGroup(generator)));
    moveLines(grids, Lines::columns, linesMovedInBlocks(generator));
    moveLines(grids, Lines::rows, linesMovedInBlocks(generator));

    const int turns = generator.draw(3) + 1;
    for (int q = 0; q < turns; ++q) {
        quarterTurn(board);
        quarterTurn(answer);
    }

    // Relabelling. The swap partner comes from all nine places every time (not a
    // Fisher-Yates shuffle): every game number's puzzle depends on this exact order.
    std::array<std::int16_t, 10> seen{};
    for (std::int16_t i = 1; i <= 9; ++i) seen[static_cast<std::size_t>(i)] = i;
    for (std::size_t i = 1; i <= 9; ++i) {
        const auto r = static_cast<std::size_t>(generator.draw(9) + 1);
        std::swap(seen[i], seen[r]);
    }

    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            std::int16_t& b = board[x][y];
            if (b != 0) b = seen[static_cast<std::size_t>(b)];
            std::int16_t& a = answer[x][y];
            if (a != 0) a = seen[static_cast<std::size_t>(a)];
        }
}

}  // namespace ninebox
