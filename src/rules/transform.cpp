// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/transform.h"

#include <array>
#include <string_view>
#include <utility>

#include "rules/generator.h"

namespace ninebox {

namespace {

// Five permutations of three blocks or lines; group (d1, d2, d3) sends block b to d_b.
// The identity is left out so that every step moves something.
constexpr std::string_view kGroups = "213231312321132";

std::array<int, 4> drawGroup(Generator& rng) {
    const auto t = static_cast<std::size_t>(rng.draw(5));
    return {0, kGroups[3 * t] - '0', kGroups[3 * t + 1] - '0', kGroups[3 * t + 2] - '0'};
}

// Both grids move together so the solution stays the solution of the puzzle.
struct Pair {
    Grid& board;
    Grid& answer;
};

void moveColumnBlocks(Pair g, const std::array<int, 4>& d) {
    Grid tb{}, ta{};
    for (int b = 1; b <= 3; ++b)
        for (int i = 1; i <= 3; ++i)
            for (int y = 1; y <= 9; ++y) {
                tb[3 * (d[b] - 1) + i][y] = g.board[3 * (b - 1) + i][y];
                ta[3 * (d[b] - 1) + i][y] = g.answer[3 * (b - 1) + i][y];
            }
    g.board = tb;
    g.answer = ta;
}

void moveRowBlocks(Pair g, const std::array<int, 4>& d) {
    Grid tb{}, ta{};
    for (int b = 1; b <= 3; ++b)
        for (int i = 1; i <= 3; ++i)
            for (int x = 1; x <= 9; ++x) {
                tb[x][3 * (d[b] - 1) + i] = g.board[x][3 * (b - 1) + i];
                ta[x][3 * (d[b] - 1) + i] = g.answer[x][3 * (b - 1) + i];
            }
    g.board = tb;
    g.answer = ta;
}

void moveColumnsInBlocks(Pair g, Generator& rng) {
    Grid tb{}, ta{};
    for (int b = 0; b <= 2; ++b) {
        const auto d = drawGroup(rng);
        for (int i = 1; i <= 3; ++i)
            for (int y = 1; y <= 9; ++y) {
                tb[3 * b + d[i]][y] = g.board[3 * b + i][y];
                ta[3 * b + d[i]][y] = g.answer[3 * b + i][y];
            }
    }
    g.board = tb;
    g.answer = ta;
}

void moveRowsInBlocks(Pair g, Generator& rng) {
    Grid tb{}, ta{};
    for (int b = 0; b <= 2; ++b) {
        const auto d = drawGroup(rng);
        for (int i = 1; i <= 3; ++i)
            for (int x = 1; x <= 9; ++x) {
                tb[x][3 * b + d[i]] = g.board[x][3 * b + i];
                ta[x][3 * b + d[i]] = g.answer[x][3 * b + i];
            }
    }
    g.board = tb;
    g.answer = ta;
}

// Clockwise quarter turn in place, new(x, y) = old(y, 10 - x), by four-cell cycles; the
// centre cell stays.
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

void transform(Grid& board, Grid& answer, Generator& generator) {
    const Pair grids{board, answer};
    moveColumnBlocks(grids, drawGroup(generator));
    moveRowBlocks(grids, drawGroup(generator));
    moveColumnsInBlocks(grids, generator);
    moveRowsInBlocks(grids, generator);

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
