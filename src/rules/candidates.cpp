// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/candidates.h"

#include <array>

namespace ninebox {

CandidateMap candidateMap(const Grid& board) {
    CandidateMap map{};

    // Distinct digits seen from each empty cell: the same for every digit n.
    std::array<std::array<std::int16_t, 10>, 10> seenCount{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (board[x][y] != 0) continue;
            std::array<bool, 10> seen{};
            const int bx = 3 * ((x - 1) / 3), by = 3 * ((y - 1) / 3);
            for (int i = 1; i <= 9; ++i) {
                for (const int v :
                     {board[x][i], board[i][y], board[bx + (i - 1) % 3 + 1][by + (i - 1) / 3 + 1]})
                    if (v >= 1 && v <= 9) seen[static_cast<std::size_t>(v)] = true;
            }
            std::int16_t count = 0;
            for (int n = 1; n <= 9; ++n)
                count = static_cast<std::int16_t>(count + seen[static_cast<std::size_t>(n)]);
            seenCount[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = count;
        }

    for (int n = 1; n <= 9; ++n) {
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                if (board[x][y] > 0) map[x][y][n] = 1;
                if (board[x][y] != n) continue;
                const int bx = 3 * ((x - 1) / 3), by = 3 * ((y - 1) / 3);
                for (int i = 1; i <= 9; ++i) {
                    map[x][i][n] = 1;
                    map[i][y][n] = 1;
                    map[bx + (i - 1) % 3 + 1][by + (i - 1) / 3 + 1][n] = 1;
                }
            }
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const std::int16_t count =
                    seenCount[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
                if (board[x][y] == 0 && map[x][y][n] == 0 && count > 5) map[x][y][n] = count;
            }
    }
    return map;
}

}  // namespace ninebox
