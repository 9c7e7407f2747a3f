// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/newgame.h"

#include <charconv>
#include <cmath>

#include "game/game.h"
#include "rules/generator.h"
#include "rules/library.h"

namespace ninebox {

std::string numberText(double v) {
    if (v == 0.0) v = 0.0;  // no "-0"
    char text[400];
    const auto format = std::fabs(v) < 1e15 ? std::chars_format::fixed : std::chars_format::general;
    const auto end = std::to_chars(text, text + sizeof text, v, format).ptr;
    return std::string(text, end);
}

void Game::newGame() {
    s_.waitingForDigit = false;
    s_.seconds = 0;
    playMode();
    if (s_.started == Startup::firstGameDue)
        s_.started = Startup::done;  // the first game after start-up comes without the dialog
    else ui_.showGameDialog();

    rng_.reset();
    rng_.mix(s_.gameNumber);
    std::size_t k = 0;
    for (;;) {
        if (!s_.numberTyped) {
            rng_.mix(timeOfDay_());
            s_.gameNumber = rng_.draw(1000000);
            rng_.reset();
            rng_.mix(s_.gameNumber);
        }
        k = static_cast<std::size_t>(rng_.draw(kRecords));
        s_.level = library()[k].level;
        // A typed number is never filtered: it always gives its own record.
        if (s_.levelChoice != Level::none && s_.level != s_.levelChoice && !s_.numberTyped) continue;
        break;
    }

    const BaseRecord& record = library()[k];
    s_.board = record.puzzle;
    s_.answer = record.solution;
    clearHistory();
    ui_.setCaption("Ninebox1 --Game# " + numberText(s_.gameNumber));
    s_.numberTyped = false;
    transform();
}

}  // namespace ninebox
