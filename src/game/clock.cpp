// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/clock.h"

#include <cstdio>

#include "game/game.h"

namespace ninebox {

std::string clockText(std::int64_t seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds % 3600 / 60), static_cast<long long>(seconds % 60));
    return text;
}

// A solved board stops the clock.
void Game::tick() {
    if (!s_.puzzle.solved()) ++s_.seconds;
    if (s_.timeShown) ui_.paintClock(s_.seconds);
}

}  // namespace ninebox
