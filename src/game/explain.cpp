// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/command.h"

namespace ninebox {

void Game::explainStep() {
    if (s_.mode == Mode::edit || s_.paused) return;
    const std::optional<Advice> shown = std::move(s_.advice);  // the command takes it away
    const Command command(*this);
    if (shown && shown->kind == Advice::Kind::step) {
        const Cell at = shown->step.cell();
        s_.puzzle.enter(at.x, at.y, static_cast<std::int16_t>(shown->step.digit()));
        s_.selectedX = at.x;
        s_.selectedY = at.y;
        s_.waitingForDigit = false;
    } else {
        s_.advice = adviceFor(s_.puzzle);
    }
    draw();
}

}  // namespace ninebox
