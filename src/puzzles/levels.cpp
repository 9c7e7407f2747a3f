#include "puzzles/levels.h"

#include "app/numbers.h"

#include <cmath>

#include "app/game.h"
#include "puzzles/generator.h"

namespace ninebox {

double readNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    const auto value = numberValue(text.substr(0, numberLength(text)));
    return value ? *value : 0.0;
}

namespace {
constexpr const char* kLevelWords[] = {" Random", " Easy", " Medium", " Hard"};
}

std::string Game::Form2_Activate() const {
    return std::string("Select") + kLevelWords[s_.levelsel >= 0 && s_.levelsel <= 3 ? s_.levelsel : 0];
}

// "Select Random": its own draw only decides on the donation request; the game that follows
// draws its own number.
void Game::Form2_Command1_Click() {
    s_.gamenum = rng_.rnddraw(1000000);
    if (std::fmod(s_.gamenum, 10.0) == 0.0)
        ui_.message("If you enjoy Ninebox, please consider supporting its developers.",
                    "Honesty is the Best!!", Buttons::ok);
}

void Game::Form2_Command2_Click(const std::string& text) {
    s_.gamenum = readNumber(text);
    s_.numchosen = 1;
}

void Game::chooseLevel(Item item, std::int16_t levelsel) {
    s_.levelsel = levelsel;
    for (Item each : {Item::Hardoc, Item::easoc, Item::medoc, Item::randoc}) setCheck(each, false);
    setCheck(item, true);
}

void Game::randoc_Click() { chooseLevel(Item::randoc, 0); }
void Game::easoc_Click() { chooseLevel(Item::easoc, 1); }
void Game::medoc_Click() { chooseLevel(Item::medoc, 2); }
void Game::Hardoc_Click() { chooseLevel(Item::Hardoc, 3); }

void Game::wonka_Click() {
    toggleCheck(Item::wonka);
    showboard();
}

}  // namespace ninebox
