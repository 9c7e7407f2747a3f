// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "game/command.h"
#include "rules/generator.h"
#include "rules/numbers.h"
#include "rules/transform.h"

namespace ninebox {

// The clock restarts, running, and play mode comes back before the game dialog shows.
void Game::clearForNewGame() {
    s_.waitingForDigit = false;
    s_.seconds = 0;
    s_.paused = false;
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

// A number drawn afresh from the time of day, the generator seeded with `seed`, again until
// its record has the level wanted (Level::none: any).
double Game::randomNumber(double seed, Level wanted) {
    rng_.reset();
    rng_.mix(seed);
    double number = 0;
    do {
        rng_.mix(timeOfDay_());
        number = rng_.draw(1000000);
    } while (wanted != Level::none && recordFor(number, rng_).level != wanted);
    return number;
}

// The number seeds the generator, which picks a base record and rearranges it. A number not
// typed seeds a random number of the level asked for; a typed number always gives its own
// record.
void Game::deal(double number, bool typed) {
    if (!typed) number = randomNumber(number, s_.levelChoice.value_or(Level::none));
    const DealtGame dealt = dealGame(number, rng_);
    s_.level = dealt.level;
    forgetHistory();
    showCaption({Caption::Kind::game, number, {}});
    s_.puzzle = Puzzle(dealt.board, dealt.answers);
    draw();
}

}  // namespace ninebox
