#include "board/clock.h"

#include <cstdio>

#include "app/game.h"

namespace ninebox {

std::string clockText(std::int64_t secs) {
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(secs / 3600),
                  static_cast<long long>(secs % 3600 / 60), static_cast<long long>(secs % 60));
    return text;
}

void Game::Timer1_Timer() {
    if (s_.solved != 1) ++s_.secs;
    if (s_.checked(Item::stm)) ui_.paintClock(clockText(s_.secs));
}

// Shows or hides the clock from the next tick on; deliberately no redraw, so switching it
// off from the menu leaves the last reading until the board is next drawn.
void Game::stm_Click() { toggleCheck(Item::stm); }

}  // namespace ninebox
