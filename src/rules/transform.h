// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A base record rearranged into a game's puzzle by block and line permutations, quarter turns
// and a relabelling of the digits, every step drawn from the generator the game number seeds.

#include "rules/grid.h"
#include "rules/library.h"

namespace ninebox {

class Generator;

// Draws 18 values in an order every game number's puzzle depends on: column-block group,
// row-block group, 3 column groups, 3 row groups, the turn count, 9 swap partners.
void transform(Grid& board, Grid& answer, Generator& generator);

struct DealtGame {
    double number = 0;
    Level level = Level::none;
    Grid board{}, answers{};
};
// The base record a game number deals: the generator seeded with it, its first draw.
const BaseRecord& recordFor(double number, Generator& generator);
DealtGame dealGame(double number, Generator& generator);  // that record, rearranged by the draws after

}  // namespace ninebox
