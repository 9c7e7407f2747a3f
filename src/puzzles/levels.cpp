#include "puzzles/levels.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "app/game.h"
#include "puzzles/generator.h"

namespace ninebox {

double readNumber(std::string_view text) {
    std::size_t i = 0;
    const auto digitAt = [&](std::size_t at) {
        return at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]));
    };
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    for (; digitAt(i); ++i) ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; digitAt(i); ++i) ++digits;
    if (digits == 0) return 0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        if (digitAt(e)) {
            while (digitAt(e)) ++e;
            end = e;
        }
    }
    // Only the characters checked above reach strtod, so it never sees "inf", "nan" or hex.
    const std::string number(text.substr(start, end - start));
    const double v = std::strtod(number.c_str(), nullptr);
    return std::isfinite(v) ? v : 0.0;
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
