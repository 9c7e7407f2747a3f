// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "game/command.h"
#include "rules/generator.h"
#include "rules/numbers.h"
#include "rules/transform.h"

namespace ninebox {

// The clock restarts and play mode comes back before the game dialog shows.
void Game::clearForNewGame() {
    s_.waitingForDigit = false;
    s_.seconds = 0;
    switchMode(Mode::play);
}

void Game::newGame() {
    const Command command(*this);
    clearForNewGame();
    const GameChoice choice = ui_.chooseGame(s_.levelChoice.value_or(Level::none));
    double number = caption_.gameNumber;
    if (choice.kind == GameChoice::Kind::random) {
        // The button's own draw decides on the donation request; the game that follows draws
        // its own number from it.
        number = rng_.draw(1000000);
        if (std::fmod(number, 10.0) == 0.0) ui_.message(Message::donation);
    }
    const bool typed = choice.kind == GameChoice::Kind::number;
    deal(typed ? typedNumber(choice.typed) : number, typed);
}

// The number seeds the generator, which picks a base record and rearranges it. A number not
// typed is drawn afresh from the time of day, again until its record has the level asked for;
// a typed number always gives its own record.
void Game::deal(double number, bool typed) {
    rng_.reset();
    rng_.mix(number);
    std::size_t k = 0;
    do {
        if (!typed) {
            rng_.mix(timeOfDay_());
            number = rng_.draw(1000000);
            rng_.reset();
            rng_.mix(number);
        }
        k = static_cast<std::size_t>(rng_.draw(kRecords));
    } while (!typed && s_.levelChoice.value_or(Level::none) != Level::none &&
             library()[k].level != s_.levelChoice);

    s_.level = library()[k].level;
    Grid board = library()[k].puzzle, answers = library()[k].solution;
    forgetHistory();
    showCaption({Caption::Kind::game, number, {}});
    transform(board, answers, rng_);
    s_.puzzle = Puzzle(board, answers);
    draw();
}

}  // namespace ninebox
