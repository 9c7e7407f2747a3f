#include "app/game.h"

namespace ninebox {

namespace {

// Moves wrap inside the grid: past the last cell to the first and back.
void nextCell(GameState& s) {
    if (++s.selx > 9) {
        s.selx = 1;
        ++s.sely;
    }
    if (s.sely > 9) s.selx = s.sely = 1;
}

void previousCell(GameState& s) {
    if (--s.selx < 1) {
        s.selx = 9;
        --s.sely;
    }
    if (s.sely < 1) s.selx = s.sely = 9;
}

std::int16_t digitValue(int charCode) {
    return charCode >= '0' && charCode <= '9' ? static_cast<std::int16_t>(charCode - '0') : 0;
}

}  // namespace

void Game::Form_KeyDown(int keyCode) {
    if (keyCode == key::del) {
        auto& cell = s_.board[s_.selx][s_.sely];
        if (s_.mode != Mode::edit) {
            if (!s_.given(s_.selx, s_.sely)) {
                cell = 0;
                ++s_.selx;
            }
        } else {
            cell = 0;
            s_.cellmap[s_.selx][s_.sely][kGiven] = 0;
            ++s_.selx;
        }
        if (s_.selx > 9) {
            s_.selx = 1;
            ++s_.sely;
        }
        if (s_.sely > 9) s_.selx = s_.sely = 1;
        s_.cellsel = 0;
    }
    switch (keyCode) {
        case key::left: previousCell(s_); break;
        case key::up:
            if (--s_.sely < 1) s_.sely = 9;
            break;
        case key::right:
        case key::enter: nextCell(s_); break;
        case key::down:
            if (++s_.sely > 9) s_.sely = 1;
            break;
        default: break;
    }
    showboard();
}

// Every character ends a pending entry. Without one, printable characters still write into
// the selected open cell (a non-digit empties it); with one, blanks and control characters
// empty it too.
void Game::Form_KeyPress(int charCode) {
    const std::int16_t v = digitValue(charCode);
    auto& cell = s_.board[s_.selx][s_.sely];
    auto& givenFlag = s_.cellmap[s_.selx][s_.sely][kGiven];
    const bool editing = s_.mode == Mode::edit;

    if (editing) {
        cell = v;
        givenFlag = v >= 1 ? 1 : 0;
    } else if (charCode > 32 && givenFlag != 1) {
        cell = v;
    }
    s_.keyval = v;
    if (s_.cellsel == 1) {
        if (editing) {
            cell = s_.keyval;
            givenFlag = s_.keyval > 0 ? 1 : 0;
        } else if (givenFlag != 1) {
            cell = s_.keyval;
        }
    }
    s_.cellsel = 0;
    if (s_.mode == Mode::map) makemap();
    showboard();
}

}  // namespace ninebox
