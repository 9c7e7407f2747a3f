// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixture.h"

namespace ninebox::testing {

void setPuzzle(GameState& state, std::string_view cells) {
    state.board = gridFrom(cells);
    state.givens = givensOf(state.board);
}

void HeadlessGame::deal(double number) {
    if (s().started == Startup::notActivated)
        s().started = Startup::done;  // past the first game, so the dialog is asked
    window.gameDialog.push_back([this, number] {
        s().gameNumber = number;
        s().numberTyped = true;
    });
    game.newGame();
}

void HeadlessGame::playRecordA() {
    s().started = Startup::done;
    setPuzzle(s(), kRecordA);
    s().answer = gridFrom(kRecordASolution);
}

}  // namespace ninebox::testing
