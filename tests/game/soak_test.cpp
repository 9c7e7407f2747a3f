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
        for (int y = 1; y <= 9; ++y) g.push_back(s.given(x, y) ? 10 + s.board[x][y] : 0);
    return g;
}

bool sound(const GameState& s) {
    bool ok = s.selectedX >= 1 && s.selectedX <= 9 && s.selectedY >= 1 && s.selectedY <= 9 &&
              s.checked(Item::playMode) == (s.mode == Mode::play) &&
              s.checked(Item::mapMode) == (s.mode == Mode::map) &&
              s.checked(Item::editMode) == (s.mode == Mode::edit) && s.kanji == s.checked(Item::kanji) &&
              (s.mode != Mode::map || s.candidates == candidateMap(s.board));  // the map shown is never stale
    for (const auto& column : s.board)  // the margins included: they hold 0
        for (const std::int16_t v : column) ok = ok && v >= 0 && v <= 9;
    for (const auto& column : s.candidates)
        for (const auto& cell : column)
            for (const std::int16_t v : cell) ok = ok && (v < 2 || (v >= 6 && v <= 8));
    return ok;
}

}  // namespace

TEST(Soak, HundredThousandRandomEventsKeepTheStateSound) {
    const std::vector<std::vector<void (Game::*)()>> commands = {
        {&Game::newGame, &Game::reset, &Game::cheat, &Game::checkSolved, &Game::removeWrongAnswers},
        {&Game::playMode, &Game::mapMode, &Game::editMode, &Game::toggleInstructions, &Game::about},
        {&Game::toggleScore, &Game::toggleTime, &Game::toggleLevelShown, &Game::toggleKanji},
        {&Game::load, &Game::save, &Game::print, &Game::tick}};
    const std::vector<int> keys = {key::enter, key::left, key::up, key::right, key::down, key::del, 8,   9,
                                   27,         32,        'A',     'Q',        'Z',       '0',      '5', '9'};
    const std::array buttons = {MouseButton::left, MouseButton::right, MouseButton::other};
    for (unsigned seed = 1; seed <= 5; ++seed) {
        HeadlessGame h(seed * 1.5);
        std::mt19937 rng(seed);
        const auto pick = [&](std::size_t n) { return rng() % n; };
        h.game.activated();
        for (int i = 0; i < 20000; ++i) {
            const std::vector<int> before = givenDigits(h.s());
            const bool editing = h.s().mode == Mode::edit;
            const auto kind = pick(10);
            bool input = kind < 8;
            if (kind < 4) {
                const double x = -70 + static_cast<double>(pick(29000)) / 100,
                             y = static_cast<double>(pick(22000)) / 100;
                input = !(x < 0 && y > 10 && y < 20);  // "New" deals new givens
                h.game.mousePressed(buttons[pick(3)], x, y);
            } else if (kind < 6) {
                h.game.keyDown(keys[pick(keys.size())]);
            } else if (kind < 8) {
                h.game.characterTyped(pick(3) ? '0' + static_cast<int>(pick(10))
                                              : 32 + static_cast<int>(pick(95)));
            } else if (kind < 9) {
                const auto& kindOf = commands[pick(commands.size())];
                (h.game.*kindOf[pick(kindOf.size())])();
            } else {
                h.game.chooseLevel(static_cast<Level>(pick(4)));
            }
            ASSERT_TRUE(sound(h.s())) << "seed " << seed << ", event " << i;
            ASSERT_TRUE(!input || editing || givenDigits(h.s()) == before)
                << "seed " << seed << ", event " << i;
        }
    }
}
