// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"
#include "rules/gridtext.h"
#include "rules/units.h"

namespace ninebox {

// Edit mode keeps the board: the givens stay editable and player entries stay as open cells.
// No redraw: the check marks change at once, the picture at the next redraw.
void Game::editMode() {
    setMode(Mode::edit);
    s_.waitingForDigit = false;
}

// What the answers file holds for the choice made in the answers dialog. A choice that
// cannot be met gives an empty file, which loads as "no answers".
std::string Game::answersText() const {
    if (s_.answersChoice == AnswersChoice::workedPuzzle && allUnitsComplete(s_.board))
        return writeGrid(s_.board);
    if (s_.answersChoice == AnswersChoice::answers && answersValid()) return writeGrid(s_.answer);
    return {};
}

}  // namespace ninebox
