// SPDX-License-Identifier: GPL-3.0-or-later
// Random presses, keys and commands in every mode; after each event the state must still
// hold together.
#include <array>
#include <random>

#include "rules/candidates.h"
#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

// The givens (their digits), which input outside edit mode must never change.
std::vector<int> givenDigits(const GameState& s) {
    std::vector<int> g;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) g.push_back(s.puzzle.given(x, y) ? 10 + s.puzzle.digit(x, y) : 0);
    return g;
}

bool sound(const GameState& s) {
    bool ok = s.selectedX >= 1 && s.selectedX <= 9 && s.selectedY >= 1 && s.selectedY <= 9 &&
              s.checked(Item::playMode) == (s.mode == Mode::play) &&
              s.checked(Item::mapMode) == (s.mode == Mode::map) &&
              s.checked(Item::editMode) == (s.mode == Mode::edit) &&
              s.puzzle.candidates() == candidateMap(s.puzzle.board());  // the map is never stale
    for (const auto& column : s.puzzle.board())                         // the margins included: they hold 0
        for (const std::int16_t v : column) ok = ok && v >= 0 && v <= 9;
    for (const auto& column : s.puzzle.candidates())
        for (const auto& cell : column)
            for (const std::int16_t v : cell) ok = ok && (v < 2 || (v >= 6 && v <= 8));
    return ok;
}

}  // namespace

TEST(Soak, HundredThousandRandomEventsKeepTheStateSound) {
    const std::vector<std::vector<void (Game::*)()>> commands = {
        {&Game::newGame, &Game::reset, &Game::cheat, &Game::removeWrongAnswers, &Game::undo, &Game::redo},
        {&Game::playMode, &Game::mapMode, &Game::editMode, &Game::toggleInstructions, &Game::about},
        {&Game::toggleScore, &Game::toggleTime, &Game::toggleLevelShown, &Game::toggleKanji},
        {&Game::load, &Game::save, &Game::print, &Game::tick, &Game::copyPuzzle, &Game::pastePuzzle}};
    const std::array keys = {Key::enter, Key::left, Key::up, Key::right, Key::down, Key::del, Key::other};
    const std::array buttons = {MouseButton::left, MouseButton::right, MouseButton::other};
    for (unsigned seed = 1; seed <= 5; ++seed) {
        HeadlessGame h(seed * 1.5);
        std::mt19937 rng(seed);
        const auto pick = [&](std::size_t n) { return rng() % n; };
        h.game.start();
        for (int i = 0; i < 20000; ++i) {
            const std::vector<int> before = givenDigits(h.s());
            const bool editing = h.s().mode == Mode::edit;
            const auto kind = pick(10);
            bool input = true;
            if (kind < 4) {
                const double x = -70 + static_cast<double>(pick(29000)) / 100,
                             y = static_cast<double>(pick(22000)) / 100;
                input = !(x < 0 && y > 10 && y < 20);  // "New" deals new givens
                h.game.press(buttons[pick(3)], x, y);
            } else if (kind < 6) {
                h.game.key(keys[pick(keys.size())]);
            } else if (kind < 8) {
                if (pick(4)) h.game.digitTyped(static_cast<std::int16_t>(pick(10)));
                else h.game.blankTyped();
            } else if (kind < 9) {
                const auto& kindOf = commands[pick(commands.size())];
                const auto command = kindOf[pick(kindOf.size())];
                // New puzzles come with new givens, and undo and redo may take back an edit of them.
                input = command != &Game::newGame && command != &Game::pastePuzzle &&
                        command != &Game::load && command != &Game::undo && command != &Game::redo;
                (h.game.*command)();
            } else {
                h.game.chooseLevel(static_cast<Level>(pick(4)));
            }
            ASSERT_TRUE(sound(h.s())) << "seed " << seed << ", event " << i;
            ASSERT_TRUE(!input || editing || givenDigits(h.s()) == before)
                << "seed " << seed << ", event " << i;
        }
    }
}
