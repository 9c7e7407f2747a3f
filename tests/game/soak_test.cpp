// SPDX-License-Identifier: GPL-3.0-or-later
// Random presses, keys and commands in every mode; after each event the state must still
// hold together.
#include <array>
#include <random>

#include "game/progress.h"
#include "rules/candidates.h"
#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

bool sound(const GameState& s) {
    bool ok = s.selectedX >= 1 && s.selectedX <= 9 && s.selectedY >= 1 && s.selectedY <= 9 &&
              s.puzzle.candidates() == candidateMap(s.puzzle.board());  // the map is never stale
    for (const auto& column : s.puzzle.board())                         // the margins included: they hold 0
        for (const std::int16_t v : column) ok = ok && v >= 0 && v <= 9;
    for (int x = 0; x <= 10; ++x)  // notes in empty cells only
        for (int y = 0; y <= 10; ++y) ok = ok && s.puzzle.notes(x, y) <= (s.puzzle.digit(x, y) ? 0 : 511);
    return ok;
}

}  // namespace

// Input outside edit mode never changes the givens; new puzzles come with new givens, and
// undo and redo may take back an edit of them. The game kept reads back as the game shown.
TEST(Soak, HundredThousandRandomEventsKeepTheStateSound) {
    const std::vector<std::vector<void (Game::*)()>> commands = {
        {&Game::reset, &Game::cheat, &Game::removeWrongAnswers, &Game::playMode, &Game::mapMode},
        {&Game::editMode, &Game::toggleInstructions, &Game::about, &Game::toggleScore, &Game::toggleTime},
        {&Game::toggleLevelShown, &Game::toggleKanji, &Game::save, &Game::print, &Game::tick,
         &Game::copyPuzzle, &Game::togglePause, &Game::toggleConflicts, &Game::toggleHighlight},
        {&Game::newGame, &Game::load, &Game::pastePuzzle, &Game::undo, &Game::redo}};  // givens may change
    const std::array keys = {Key::enter, Key::left, Key::up,    Key::right,
                             Key::down,  Key::del,  Key::other, Key::modifier};
    const std::array buttons = {MouseButton::left, MouseButton::right, MouseButton::other};
    for (unsigned seed = 1; seed <= 5; ++seed) {
        HeadlessGame h(seed * 1.5);
        std::mt19937 rng(seed);
        const auto pick = [&](std::size_t n) { return rng() % n; };
        h.game.keepProgressIn("/s/game");
        h.game.start();
        for (int i = 0; i < 20000; ++i) {
            const Grid givens = h.puzzle().puzzle();
            bool kept = h.s().mode != Mode::edit;
            const auto kind = pick(10);
            if (kind < 4) {
                const double x = -70 + static_cast<double>(pick(29000)) / 100,
                             y = static_cast<double>(pick(22000)) / 100;
                kept = kept && !(x < 0 && y > 10 && y < 20);  // "New"
                h.game.press(buttons[pick(3)], x, y);
            } else if (kind < 6) {
                h.game.key(keys[pick(keys.size())]);
            } else if (kind < 8) {
                if (pick(4)) h.game.digitTyped(static_cast<std::int16_t>(pick(10)));
                else if (pick(2)) h.game.note(static_cast<std::int16_t>(pick(10)));
                else h.game.blankTyped();
            } else if (kind < 9) {
                const auto row = pick(commands.size());
                kept = kept && row != commands.size() - 1;
                (h.game.*commands[row][pick(commands[row].size())])();
            } else {
                h.game.chooseLevel(static_cast<Level>(pick(4)));
            }
            ASSERT_TRUE(sound(h.s()) && (!kept || h.puzzle().puzzle() == givens))
                << "seed " << seed << ", event " << i;
            if (i % 97 || !h.files.files.count("/s/game")) continue;  // written at the first change
            const auto back = readProgress(h.files.files["/s/game"]);
            ASSERT_TRUE(back && back->puzzle.board() == h.puzzle().board() &&
                        back->puzzle.notes() == h.puzzle().notes() &&
                        back->puzzle.givens() == h.puzzle().givens() && back->mode == h.s().mode)
                << "seed " << seed << ", event " << i;
        }
    }
}
