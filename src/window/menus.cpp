// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/menus.h"

#include <QCoreApplication>

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
    // clang-format off
    static const std::vector<Menu> menus = {
        {"vaultMenu",
         //: The menu of files (load, save, print): a playful name, a strongroom.
         QT_TRANSLATE_NOOP("Menu", "The &Vault"),
         {{"load", QT_TRANSLATE_NOOP("Menu", "&Load game"), run(&Game::load), {},
          QKeySequence(Qt::CTRL | Qt::Key_O)},
          {"save", QT_TRANSLATE_NOOP("Menu", "&Save game"), run(&Game::save), {},
           QKeySequence(Qt::CTRL | Qt::Key_S)},
          {"print", QT_TRANSLATE_NOOP("Menu", "&Print game"), run(&Game::print), {},
           QKeySequence(Qt::CTRL | Qt::Key_P)},
          //: Prints many random games at once, each headed by its game number.
          {"printBooklet", QT_TRANSLATE_NOOP("Menu", "Print several &games"), run(&Game::printBooklet), {}}}},
        {"gameMenu",
         QT_TRANSLATE_NOOP("Menu", "&Game"),
         {{"newGame", QT_TRANSLATE_NOOP("Menu", "&New game"), run(&Game::newGame), {},
          QKeySequence(Qt::CTRL | Qt::Key_N)},
          //: Clears the player's digits and restarts the clock (lower case in English only).
          {"reset", QT_TRANSLATE_NOOP("Menu", "&reset"), run(&Game::reset), {}},
          //: Play mode, as the on-board button "Play Mode" (lower case in English only).
          {"playMode", QT_TRANSLATE_NOOP("Menu", "&play game"), run(&Game::playMode), Item::playMode,
           QKeySequence(Qt::Key_F5)},
          //: Map mode: every empty cell shows the digits still possible there.
          {"mapMode", QT_TRANSLATE_NOOP("Menu", "&map game"), run(&Game::mapMode), Item::mapMode,
           QKeySequence(Qt::Key_F6)},
          //: Edit mode: the player types in a puzzle of their own; every digit becomes a given.
          {"editMode", QT_TRANSLATE_NOOP("Menu", "&Enter/edit game"), run(&Game::editMode), Item::editMode},
          //: Fills in the board by logic, pass by pass.
          {"cheat", QT_TRANSLATE_NOOP("Menu", "&Cheat"), run(&Game::cheat), {}},
          //: The next step a player could find, shown and explained; asked again, it is made.
          {"explainStep", QT_TRANSLATE_NOOP("Menu", "E&xplain a Step"), run(&Game::explainStep), {},
           QKeySequence(Qt::CTRL | Qt::Key_H)},
          // The board is judged after every change, so the player never needs to ask.
          //: Always greyed out: would ask whether the board is solved.
          {"won", QT_TRANSLATE_NOOP("Menu", "&won?"), nullptr, {}},
          //: Stops the clock and hides the board until the player resumes.
          {"pause", QT_TRANSLATE_NOOP("Menu", "P&ause"), run(&Game::togglePause), Item::paused,
           QKeySequence(Qt::Key_Pause)}}},
        {"optionsMenu",
         QT_TRANSLATE_NOOP("Menu", "&Options"),
         {{"toggleScore", QT_TRANSLATE_NOOP("Menu", "Show &Score"), run(&Game::toggleScore), Item::showScore},
          {"toggleTime", QT_TRANSLATE_NOOP("Menu", "Show &Time"), run(&Game::toggleTime), Item::showTime},
          //: Shows the puzzle's level under the keypad (two spaces in English only).
          {"toggleLevelShown", QT_TRANSLATE_NOOP("Menu", "Show &Difficulty  Level"),
           run(&Game::toggleLevelShown), Item::showLevel},
          //: Empties every cell whose digit is not the answer.
          {"removeWrongAnswers", QT_TRANSLATE_NOOP("Menu", "&Remove Wrong Answers"),
           run(&Game::removeWrongAnswers), {}},
          //: Digits drawn as Japanese kanji numerals.
          {"toggleKanji", QT_TRANSLATE_NOOP("Menu", "&Kanji Numbers"), run(&Game::toggleKanji), Item::kanji},
          {"toggleInstructions", QT_TRANSLATE_NOOP("Menu", "&Instructions"), run(&Game::toggleInstructions),
           Item::instructions, QKeySequence(Qt::Key_F1)},
          {"about", QT_TRANSLATE_NOOP("Menu", "&About"), run(&Game::about), {}},
          //: Draws in red every digit that stands twice in a row, column or box.
          {"toggleConflicts", QT_TRANSLATE_NOOP("Menu", "Show &Conflicts"), run(&Game::toggleConflicts),
           Item::showConflicts},
          //: Tints the selected cell's row, column and box, and marks the cells of its digit.
          {"toggleHighlight", QT_TRANSLATE_NOOP("Menu", "&Highlight"), run(&Game::toggleHighlight),
           Item::highlight}}},
        {"levelMenu",
         //: The level of random games.
         QT_TRANSLATE_NOOP("Menu", "&Level"),
         {{"randomLevel", QT_TRANSLATE_NOOP("Menu", "&Random Level"), choose(Level::none), Item::randomLevel},
          {"easyLevel", QT_TRANSLATE_NOOP("Menu", "&Easy"), choose(Level::easy), Item::easy},
          {"mediumLevel", QT_TRANSLATE_NOOP("Menu", "&Medium"), choose(Level::medium), Item::medium},
          {"hardLevel", QT_TRANSLATE_NOOP("Menu", "&Hard"), choose(Level::hard), Item::hard}}},
    };
    // clang-format on
    return menus;
}

}  // namespace ninebox
