// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/menus.h"

namespace ninebox {

namespace {

std::function<void(Game&)> run(void (Game::*command)()) {
    return [command](Game& game) { (game.*command)(); };
}

std::function<void(Game&)> choose(Level level) {
    return [level](Game& game) { game.chooseLevel(level); };
}

}  // namespace

const std::vector<Menu>& menuTable() {
    static const std::vector<Menu> menus = {
        {"vaultMenu",
         "The &Vault",
         {{"load", "&Load game", run(&Game::load), {}, QKeySequence(Qt::CTRL | Qt::Key_O)},
          {"save", "&Save game", run(&Game::save), {}, QKeySequence(Qt::CTRL | Qt::Key_S)},
          {"print", "&Print game", run(&Game::print), {}, QKeySequence(Qt::CTRL | Qt::Key_P)}}},
        {"gameMenu",
         "&Game",
         {{"newGame", "&New game", run(&Game::newGame), {}, QKeySequence(Qt::CTRL | Qt::Key_N)},
          {"reset", "&reset", run(&Game::reset), {}},
          {"playMode", "&play game", run(&Game::playMode), Item::playMode, QKeySequence(Qt::Key_F5)},
          {"mapMode", "&map game", run(&Game::mapMode), Item::mapMode, QKeySequence(Qt::Key_F6)},
          {"editMode", "&Enter/edit game", run(&Game::editMode), Item::editMode},
          {"cheat", "&Cheat", run(&Game::cheat), {}},
          // The board is judged after every change, so the player never needs to ask.
          {"won", "&won?", nullptr, {}}}},
        {"optionsMenu",
         "&Options",
         {{"toggleScore", "Show &Score", run(&Game::toggleScore), Item::showScore},
          {"toggleTime", "Show &Time", run(&Game::toggleTime), Item::showTime},
          {"toggleLevelShown", "Show &Difficulty  Level", run(&Game::toggleLevelShown), Item::showLevel},
          {"removeWrongAnswers", "&Remove Wrong Answers", run(&Game::removeWrongAnswers), {}},
          {"toggleKanji", "&Kanji Numbers", run(&Game::toggleKanji), Item::kanji},
          {"toggleInstructions", "&Instructions", run(&Game::toggleInstructions), Item::instructions,
           QKeySequence(Qt::Key_F1)},
          {"about", "&About", run(&Game::about), {}}}},
        {"levelMenu",
         "&Level",
         {{"randomLevel", "&Random Level", choose(Level::none), Item::randomLevel},
          {"easyLevel", "&Easy", choose(Level::easy), Item::easy},
          {"mediumLevel", "&Medium", choose(Level::medium), Item::medium},
          {"hardLevel", "&Hard", choose(Level::hard), Item::hard}}},
    };
    return menus;
}

}  // namespace ninebox
