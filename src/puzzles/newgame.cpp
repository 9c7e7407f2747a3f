#include "puzzles/newgame.h"

#include <charconv>
#include <cmath>

#include "app/game.h"
#include "puzzles/generator.h"
#include "puzzles/library.h"

namespace ninebox {

std::string numberText(double v) {
    if (v == 0.0) v = 0.0;  // no "-0"
    char text[400];
    const auto format = std::fabs(v) < 1e15 ? std::chars_format::fixed : std::chars_format::general;
    const auto end = std::to_chars(text, text + sizeof text, v, format).ptr;
    return std::string(text, end);
}

void Game::ng_Click() {
    s_.cellsel = 0;
    s_.secs = 0;
    pmd_Click();
    if (s_.started == 1) s_.started = 2;  // the first game after start-up comes without the dialog
    else ui_.showGameDialog();

    rng_.rndreset();
    rng_.rndmix(s_.gamenum);
    std::size_t k = 0;
    for (;;) {
        if (s_.numchosen != 1) {
            rng_.rndmix(timeOfDay_());
            s_.gamenum = rng_.rnddraw(1000000);
            rng_.rndreset();
            rng_.rndmix(s_.gamenum);
        }
        k = static_cast<std::size_t>(rng_.rnddraw(kRecords));
        s_.level = library()[k].level;
        // A typed number is never filtered: it always gives its own record.
        if (s_.levelsel > 0 && s_.level != s_.levelsel && s_.numchosen == 0) continue;
        break;
    }

    const BaseRecord& record = library()[k];
    s_.board = record.puzzle;
    s_.answer = record.solution;
    ui_.setCaption("Ninebox1 --Game# " + numberText(s_.gamenum));
    s_.cellmap = CellMap{};
    s_.numchosen = 0;
    pandora();
}

}  // namespace ninebox
