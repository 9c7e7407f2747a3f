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
    choices.kanji = s_.kanji();
    for (const auto& [item, level] : {std::pair{Item::randomLevel, Level::none},
                                      {Item::easy, Level::easy},
                                      {Item::medium, Level::medium},
                                      {Item::hard, Level::hard}})
        if (s_.checked(item)) choices.levelChoice = level;
    // The folder of the file chosen last; a folder taken from the preferences ends in "/".
    choices.lastFolder = std::filesystem::path(lastPath_).parent_path().string();
    return choices;
}

void Game::applyPreferences(const Preferences& choices) {
    setCheck(Item::showScore, choices.showScore);
    setCheck(Item::showTime, choices.showTime);
    setCheck(Item::showLevel, choices.showLevel);
    setCheck(Item::kanji, choices.kanji);
    if (choices.levelChoice) chooseLevel(*choices.levelChoice);
    if (!choices.lastFolder.empty()) lastPath_ = (std::filesystem::path(choices.lastFolder) / "").string();
}

}  // namespace ninebox
