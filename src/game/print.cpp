// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "game/game.h"
#include "game/printpage.h"
#include "rules/transform.h"

namespace ninebox {

void Game::print() {
    const PrintChoice choice = ui_.choosePrint();
    if (!choice.print) return;
    ui_.print(printPage(s_.puzzle, choice.puzzle, choice.answers));
    draw();
}

// Random games as "Select Random" draws them, each number once: the draws are seeded by their
// count, so a number met again never repeats the draws after it. The game on the board stays
// as it was.
void Game::printBooklet() {
    const BookletChoice choice = ui_.chooseBooklet();
    if (!choice.print) return;
    const auto wanted = static_cast<std::size_t>(std::clamp(choice.games, 1, kMostBooklet));
    std::vector<DealtGame> games;
    for (int draw = 0; games.size() < wanted; ++draw) {
        const double number = randomNumber(draw, choice.level);
        if (std::none_of(games.begin(), games.end(), [&](const DealtGame& g) { return g.number == number; }))
            games.push_back(dealGame(number, rng_));
    }
    ui_.printBooklet(bookletPages(games, choice.perPage, choice.answers));
    draw();
}

}  // namespace ninebox
