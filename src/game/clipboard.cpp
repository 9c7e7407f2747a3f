// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/command.h"
#include "rules/gridtext.h"
#include "rules/puzzletext.h"

namespace ninebox {

void Game::copyPuzzle() { ui_.setClipboardText(writeCompactGrid(s_.puzzle.puzzle())); }

// A puzzle pasted starts a game of its own, as a loaded one does but in play mode; anything
// else on the clipboard leaves the game alone.
void Game::pastePuzzle() {
    const Command command(*this);
    const auto text = ui_.clipboardText(kMaxGridFile);  // a longer text is no puzzle either
    const auto grid = text ? readPuzzleText(*text) : std::nullopt;
    if (!grid || !digitsOnly(*grid)) {
        ui_.message(Message::clipboardHoldsNoPuzzle);
        return;
    }
    startPuzzle(Puzzle(*grid));
    showCaption({Caption::Kind::pasted, caption_.gameNumber, {}});
    playOwnPuzzle();
    ui_.notice({Notice::Kind::pasted});
}

}  // namespace ninebox
