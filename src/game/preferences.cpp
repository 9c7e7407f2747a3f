// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/preferences.h"

#include <filesystem>

#include "game/game.h"

namespace ninebox {

Preferences Game::preferences() const {
    Preferences choices;
    choices.showScore = s_.scoreShown;
    choices.showTime = s_.timeShown;
    choices.showLevel = s_.levelShown;
    choices.kanji = s_.kanji;
    choices.showConflicts = s_.conflictsShown;
    choices.highlight = s_.highlightOn;
    choices.levelChoice = s_.levelChoice;
    // The folder of the file chosen last; a folder taken from the preferences ends in "/".
    choices.lastFolder = std::filesystem::path(lastPath_).parent_path().string();
    return choices;
}

void Game::applyPreferences(const Preferences& choices) {
    s_.scoreShown = choices.showScore;
    s_.timeShown = choices.showTime;
    s_.levelShown = choices.showLevel;
    s_.kanji = choices.kanji;
    s_.conflictsShown = choices.showConflicts;
    s_.highlightOn = choices.highlight;
    s_.levelChoice = choices.levelChoice;
    if (!choices.lastFolder.empty()) lastPath_ = (std::filesystem::path(choices.lastFolder) / "").string();
}

}  // namespace ninebox
