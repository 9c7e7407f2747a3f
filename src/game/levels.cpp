// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/levels.h"

#include "rules/numbers.h"

#include <cmath>

#include "game/game.h"
#include "rules/generator.h"

namespace ninebox {

double readNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    const auto value = numberValue(text.substr(0, numberLength(text)));
    return value ? *value : 0.0;
}

namespace {

// The word after "Select" on the game dialog's random button.
const char* levelWord(Level level) {
    switch (level) {
        case Level::easy: return " Easy";
        case Level::medium: return " Medium";
        case Level::hard: return " Hard";
        case Level::none: break;
    }
    return " Random";
}

Item levelItem(Level level) {
    switch (level) {
        case Level::easy: return Item::easy;
        case Level::medium: return Item::medium;
        case Level::hard: return Item::hard;
        case Level::none: break;
    }
    return Item::randomLevel;
}

}  // namespace

std::string Game::randomCaption() const { return std::string("Select") + levelWord(s_.levelChoice); }

// "Select Random": its own draw only decides on the donation request; the game that follows
// draws its own number.
void Game::dealRandom() {
    s_.gameNumber = rng_.draw(1000000);
    if (std::fmod(s_.gameNumber, 10.0) == 0.0)
        ui_.message("If you enjoy Ninebox, please consider supporting its developers.",
                    "Honesty is the Best!!", Buttons::ok);
}

void Game::dealNumber(const std::string& text) {
    s_.gameNumber = readNumber(text);
    s_.numberTyped = true;
}

void Game::chooseLevel(Level level) {
    s_.levelChoice = level;
    for (Item each : {Item::hard, Item::easy, Item::medium, Item::randomLevel}) setCheck(each, false);
    setCheck(levelItem(level), true);
}

void Game::toggleLevelShown() {
    toggleCheck(Item::showLevel);
    redraw();
}

}  // namespace ninebox
