// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/preferences.h"

#include <filesystem>

#include "game/game.h"

namespace ninebox {

Preferences Game::preferences() const {
    Preferences choices;
    choices.showScore = s_.checked(Item::showScore);
    choices.showTime = s_.checked(Item::showTime);
    choices.showLevel = s_.checked(Item::showLevel);
    choices.kanji = s_.kanji;
    choices.levelChoice = s_.levelChoice;
    // The folder of the file chosen last; a folder taken from the preferences ends in "/".
    choices.lastFolder = std::filesystem::path(lastPath_).parent_path().string();
    return choices;
}

void Game::applyPreferences(const Preferences& choices) {
    setCheck(Item::showScore, choices.showScore);
    setCheck(Item::showTime, choices.showTime);
    setCheck(Item::showLevel, choices.showLevel);
    setCheck(Item::kanji, choices.kanji);
    s_.kanji = choices.kanji;
    chooseLevel(choices.levelChoice);
    if (!choices.lastFolder.empty()) lastPath_ = (std::filesystem::path(choices.lastFolder) / "").string();
}

}  // namespace ninebox
