// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"
#include "game/printpage.h"

namespace ninebox {

void Game::print() {
    const PrintChoice choice = ui_.choosePrint();
    if (!choice.print) return;
    ui_.print(printPage(s_.puzzle, choice.puzzle, choice.answers));
    draw();
}

}  // namespace ninebox
