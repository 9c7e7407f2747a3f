#include "app/game.h"
#include "files/gridfile.h"

namespace ninebox {

// Edit mode keeps the board: the givens stay editable and player entries stay as open cells.
// No redraw: the check marks change at once, the picture at the next redraw.
void Game::em_Click() {
    setMode(Mode::edit);
    s_.cellsel = 0;
}

// What the answers file holds for the choice made in the answers dialog. A choice that
// cannot be met gives an empty file, which loads as "no answers".
std::string Game::answersText() const {
    if (s_.ansopt == 2 && s_.solved == 1) return writegrid(s_.board);
    if (s_.ansopt == 3 && ansvalid()) return writegrid(s_.answer);
    return {};
}

}  // namespace ninebox
