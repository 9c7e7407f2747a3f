// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's choices that last from one run of the program to the next. The window keeps
// them in a settings file; the game takes them before its first game is drawn.

#include <optional>
#include <string>

#include "rules/library.h"

namespace ninebox {

struct Preferences {
    bool showScore = false;  // the Options menu's check marks
    bool showTime = false;
    bool showLevel = true;
    bool kanji = false;
    // The Level menu's tick: the level of random games (Level::none for "Random Level"); none
    // before the player has chosen, when no item is ticked.
    std::optional<Level> levelChoice;
    std::string lastFolder;      // where the file dialogs start; empty for the working folder
    bool showConflicts = false;  // the Options menu's helps
    bool highlight = false;
};

}  // namespace ninebox
