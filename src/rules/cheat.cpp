// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/cheat.h"

#include "rules/units.h"

namespace ninebox {

PassOutcome cheatPass(Grid& board, const CandidateMap& map) {
    bool placed = false, clash = false;
    const auto place = [&](int x, int y, std::int16_t n) {
        if (clash || (clash = seesDigit(board, x, y, n))) return;
        board[x][y] = n;
        placed = true;
    };
    for (std::int16_t n = 1; n <= 9; ++n)
        for (int bx = 1; bx <= 7; bx += 3)
            for (int by = 1; by <= 7; by += 3) {
                int places = 0, px = 0, py = 0;
                for (int i = 0; i <= 2; ++i)
                    for (int j = 0; j <= 2; ++j) {
                        const int x = bx + i, y = by + j;
                        if (map[x][y][n] == 8) place(x, y, n);
                        if (map[x][y][n] != 1) {
                            ++places;
                            px = x;
                            py = y;
                        }
                    }
                if (places == 1) place(px, py, n);
            }
    return clash ? PassOutcome::clash : placed ? PassOutcome::placed : PassOutcome::nothing;
}

}  // namespace ninebox
