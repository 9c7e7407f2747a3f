// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's choices kept between runs; the game takes them before it first draws.

#include <optional>
#include <string>

#include "rules/library.h"

namespace ninebox {

struct Preferences {
    bool showScore = false;  // the Options menu's check marks
    bool showTime = false;
    bool showLevel = true;
    bool kanji = false;
    std::optional<Level> levelChoice;  // the Level menu's tick; none until the player chooses
    std::string lastFolder;            // where the file dialogs start; empty for the working folder
    bool showConflicts = false;        // the Options menu's helps
    bool highlight = false;
};

}  // namespace ninebox
