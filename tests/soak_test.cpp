// Random presses, keys and commands in every mode; after each event the state must still
// hold together.
#include <gtest/gtest.h>

#include <random>

#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

struct Givens {
    Grid board{};
    Grid flags{};
};

Givens givensOf(const GameState& s) {
    Givens g;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            g.flags[x][y] = s.cellmap[x][y][kGiven];
            if (s.given(x, y)) g.board[x][y] = s.board[x][y];
        }
    return g;
}

void expectSound(const HeadlessGame& h, const std::string& event) {
    const GameState& s = h.game.state();
    ASSERT_TRUE(s.selx >= 1 && s.selx <= 9 && s.sely >= 1 && s.sely <= 9) << event;
    int modeMarks = 0;
    for (const Item item : {Item::pmd, Item::sh, Item::em}) modeMarks += s.checked(item);
    ASSERT_EQ(modeMarks, 1) << event;
    ASSERT_TRUE(s.checked(s.mode == Mode::play ? Item::pmd : s.mode == Mode::map ? Item::sh : Item::em)) << event;
    ASSERT_EQ(s.kanji, s.checked(Item::snds) ? 1 : 0) << event;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            ASSERT_TRUE(s.board[x][y] >= 0 && s.board[x][y] <= 9) << event;
            for (int k = 1; k <= 9; ++k) {
                const int v = s.cellmap[x][y][k];
                ASSERT_TRUE(v == 0 || v == 1 || v == 6 || v == 7 || v == 8) << event << " value " << v;
            }
        }
}

void soak(unsigned seed, int events) {
    HeadlessGame h(seed * 1.5);
    std::mt19937 rng(seed);
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const std::vector<void (Game::*)()> commands = {
        &Game::ng_Click,   &Game::rst_Click,   &Game::pmd_Click,    &Game::sh_Click,
        &Game::em_Click,   &Game::af_Click,    &Game::cs_Click,     &Game::sb_Click,
        &Game::stm_Click,  &Game::wonka_Click, &Game::rwa_Click,    &Game::snds_Click,
        &Game::instruc_Click, &Game::abt_Click, &Game::randoc_Click, &Game::easoc_Click,
        &Game::medoc_Click, &Game::Hardoc_Click, &Game::Timer1_Timer, &Game::ent_Click,
        &Game::sa_Click,   &Game::pg_Click};
    const std::vector<int> keys = {key::enter, key::left, key::up, key::right, key::down, key::del,
                                   8, 9, 27, 32, 'A', 'Q', 'Z', '0', '5', '9'};
    h.game.Form_activate();
    for (int i = 0; i < events; ++i) {
        const Givens before = givensOf(h.s());
        const Mode mode = h.s().mode;
        std::string event;
        bool input = true;
        switch (pick(10)) {
            case 0: case 1: case 2: case 3: {
                const double x = -70 + pick(29000) / 100.0, y = pick(22000) / 100.0;
                const auto button = std::array{MouseButton::left, MouseButton::right, MouseButton::other}[static_cast<std::size_t>(pick(3))];
                event = "press " + std::to_string(x) + "," + std::to_string(y);
                input = !(x < 0 && y > 10 && y < 20);  // "New" deals new givens
                h.game.Form_MouseDown(button, x, y);
                break;
            }
            case 4: case 5: {
                const int code = keys[static_cast<std::size_t>(pick(static_cast<int>(keys.size())))];
                event = "key " + std::to_string(code);
                h.game.Form_KeyDown(code);
                break;
            }
            case 6: case 7: {
                const int c = pick(3) ? '0' + pick(10) : 32 + pick(95);
                event = "char " + std::to_string(c);
                h.game.Form_KeyPress(c);
                break;
            }
            default: {
                const std::size_t c = static_cast<std::size_t>(pick(static_cast<int>(commands.size())));
                event = "command " + std::to_string(c);
                input = false;
                (h.game.*commands[c])();
            }
        }
        expectSound(h, event);
        if (input && mode != Mode::edit) {
            const Givens after = givensOf(h.s());
            ASSERT_EQ(after.flags, before.flags) << event;
            ASSERT_EQ(after.board, before.board) << event;
        }
        if (::testing::Test::HasFatalFailure()) return;
    }
}

}  // namespace

TEST(Soak, HundredThousandRandomEventsKeepTheStateSound) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        soak(seed, 20000);
        if (HasFatalFailure()) return;
    }
}
