#include <gtest/gtest.h>

#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

// Record A: (1,1) is open, (2,1) the given 3, (9,9) the given 2, (8,9) open.
constexpr char kPuzzle[] =
    "030002009400900020600013408901000045050020600206804000060007004007200090003041802";

struct Keys : HeadlessGame {
    explicit Keys(Mode mode = Mode::play) {
        s().started = 2;
        setPuzzle(s(), kPuzzle);
        if (mode == Mode::map) game.sh_Click();
        if (mode == Mode::edit) game.em_Click();
    }
    void at(int x, int y) {
        s().selx = static_cast<std::int16_t>(x);
        s().sely = static_cast<std::int16_t>(y);
    }
    // A character key as the window delivers it: key-down, then the character.
    void type(char c) {
        game.Form_KeyDown(c >= 'a' && c <= 'z' ? c - 32 : c);
        game.Form_KeyPress(c);
    }
    void enter() {
        game.Form_KeyDown(key::enter);
        game.Form_KeyPress(13);
    }
};

}  // namespace

TEST(KeyboardMoves, WrapInsideTheGrid) {
    struct Case {
        int key, x, y, toX, toY;
    };
    for (const Case& c : std::vector<Case>{{key::right, 9, 9, 1, 1}, {key::right, 9, 4, 1, 5},
                                           {key::right, 3, 3, 4, 3}, {key::enter, 9, 9, 1, 1},
                                           {key::left, 1, 1, 9, 9},  {key::left, 1, 5, 9, 4},
                                           {key::left, 5, 5, 4, 5},  {key::up, 4, 1, 4, 9},
                                           {key::up, 4, 5, 4, 4},    {key::down, 6, 9, 6, 1},
                                           {key::down, 6, 2, 6, 3},  {'A', 5, 5, 5, 5}}) {
        Keys k;
        k.at(c.x, c.y);
        k.game.Form_KeyDown(c.key);
        EXPECT_EQ(k.s().selx, c.toX) << "key " << c.key << " from " << c.x << "," << c.y;
        EXPECT_EQ(k.s().sely, c.toY) << "key " << c.key << " from " << c.x << "," << c.y;
    }
}

TEST(KeyboardDelete, ClearsOpenCellsAndMovesOn) {
    Keys play;
    play.at(2, 1);  // a given: untouched, no move, but the pending entry ends
    play.s().cellsel = 1;
    play.game.Form_KeyDown(key::del);
    EXPECT_EQ(play.s().board[2][1], 3);
    EXPECT_EQ(play.s().selx, 2);
    EXPECT_EQ(play.s().cellsel, 0);

    play.at(8, 9);
    play.s().board[8][9] = 6;
    play.game.Form_KeyDown(key::del);
    EXPECT_EQ(play.s().board[8][9], 0);
    EXPECT_EQ(play.s().selx, 9);

    Keys edit(Mode::edit);
    edit.at(9, 9);
    edit.game.Form_KeyDown(key::del);
    EXPECT_EQ(edit.s().board[9][9], 0);
    EXPECT_FALSE(edit.s().given(9, 9));
    EXPECT_EQ(edit.s().selx, 1);
    EXPECT_EQ(edit.s().sely, 1);

    Keys map(Mode::map);  // no rebuild: the map catches up later
    map.at(1, 1);
    map.s().board[1][1] = 7;
    map.game.makemap();
    map.game.Form_KeyDown(key::del);
    EXPECT_EQ(map.s().board[1][1], 0);
    EXPECT_EQ(map.s().cellmap[1][1][7], 1);
}

TEST(KeyboardTyping, PlayWritesDigitsIntoOpenCellsOnly) {
    Keys k;
    k.at(1, 1);
    k.type('7');  // no entry pending: written anyway
    EXPECT_EQ(k.s().board[1][1], 7);
    EXPECT_EQ(k.s().selx, 1);  // typing never moves
    k.type('x');  // a printable non-digit empties it
    EXPECT_EQ(k.s().board[1][1], 0);
    k.s().board[1][1] = 4;
    k.type(' ');  // space without a pending entry: nothing
    EXPECT_EQ(k.s().board[1][1], 4);
    k.s().cellsel = 1;
    k.type(' ');  // with one: emptied
    EXPECT_EQ(k.s().board[1][1], 0);
    EXPECT_EQ(k.s().cellsel, 0);
    k.at(2, 1);
    k.type('7');
    EXPECT_EQ(k.s().board[2][1], 3);
    k.s().cellsel = 1;
    k.game.Form_KeyDown(8);
    k.game.Form_KeyPress(8);  // Backspace on a given: still nothing
    EXPECT_EQ(k.s().board[2][1], 3);
}

TEST(KeyboardEnter, MovesAndEmptiesTheNextCellOnlyWhenAnEntryWaits) {
    Keys k;
    k.at(7, 9);
    k.s().board[8][9] = 5;
    k.enter();  // nothing waits: only moves
    EXPECT_EQ(k.s().selx, 8);
    EXPECT_EQ(k.s().board[8][9], 5);
    k.at(7, 9);
    k.s().cellsel = 1;
    k.enter();
    EXPECT_EQ(k.s().selx, 8);
    EXPECT_EQ(k.s().board[8][9], 0);
    EXPECT_EQ(k.s().cellsel, 0);
    k.s().cellsel = 1;
    k.enter();  // onto the given (9, 9): moved, given kept
    EXPECT_EQ(k.s().selx, 9);
    EXPECT_EQ(k.s().board[9][9], 2);
}

TEST(KeyboardEdit, EveryCharacterSetsOrClearsTheGiven) {
    Keys k(Mode::edit);
    k.at(1, 1);
    k.type('6');
    EXPECT_EQ(k.s().board[1][1], 6);
    EXPECT_TRUE(k.s().given(1, 1));
    for (const char c : {'0', ' ', 'q'}) {
        k.s().board[1][1] = 6;
        k.s().cellmap[1][1][kGiven] = 1;
        k.type(c);
        EXPECT_EQ(k.s().board[1][1], 0) << c;
        EXPECT_FALSE(k.s().given(1, 1)) << c;
        EXPECT_EQ(k.s().selx, 1) << c;
    }
    k.at(1, 9);  // Enter moves, then its character empties (2, 9) and removes its flag
    k.s().board[2][9] = 8;
    k.s().cellmap[2][9][kGiven] = 1;
    k.enter();
    EXPECT_EQ(k.s().selx, 2);
    EXPECT_EQ(k.s().board[2][9], 0);
    EXPECT_FALSE(k.s().given(2, 9));
    k.at(2, 1);  // the keyboard edits givens regardless
    k.type('9');
    EXPECT_EQ(k.s().board[2][1], 9);
}

TEST(KeyboardMap, EveryCharacterRebuildsTheMap) {
    Keys k(Mode::map);
    k.s().board[1][1] = 5;  // changed behind the map's back
    k.at(2, 1);
    k.type('z');  // on a given: writes nothing, still rebuilds
    EXPECT_EQ(k.s().board[2][1], 3);
    EXPECT_EQ(k.s().cellmap[3][1][5], 1);
    k.at(3, 1);
    k.type('8');
    EXPECT_EQ(k.s().board[3][1], 8);
    EXPECT_EQ(k.s().cellmap[1][2][8], 1);  // same box
}
