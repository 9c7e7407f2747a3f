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
constexpr const char* kLevelWords[] = {" Random", " Easy", " Medium", " Hard"};
}

std::string Game::randomCaption() const {
    return std::string("Select") +
           kLevelWords[s_.levelChoice >= 0 && s_.levelChoice <= 3 ? s_.levelChoice : 0];
}

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
    s_.numberTyped = 1;
}

void Game::chooseLevel(Item item, std::int16_t levelChoice) {
    s_.levelChoice = levelChoice;
    for (Item each : {Item::hard, Item::easy, Item::medium, Item::randomLevel}) setCheck(each, false);
    setCheck(item, true);
}

void Game::randoc_Click() { chooseLevel(Item::randomLevel, 0); }
void Game::easoc_Click() { chooseLevel(Item::easy, 1); }
void Game::medoc_Click() { chooseLevel(Item::medium, 2); }
void Game::Hardoc_Click() { chooseLevel(Item::hard, 3); }

void Game::toggleLevelShown() {
    toggleCheck(Item::showLevel);
    redraw();
}

}  // namespace ninebox
