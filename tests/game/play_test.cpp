#include "rules/units.h"
#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

std::vector<std::int16_t> plane(const GameState& s, int x, int y) {
    return {s.candidates[x][y].begin() + 1, s.candidates[x][y].begin() + 10};
}

}  // namespace

// 1 where a digit cannot go; an open digit shows 6, 7 or 8 when the cell sees that many
// distinct digits, else 0.
TEST(CandidateMap, MarksRuledOutDigitsAndCrowdedCells) {
    HeadlessGame h;
    h.s().candidates[4][4][3] = 7;  // stale
    h.s().board[1][1] = 5;
    h.game.buildCandidateMap();
    const std::vector<std::int16_t> none(9, 0), five = {0, 0, 0, 0, 1, 0, 0, 0, 0};
    EXPECT_EQ(plane(h.s(), 1, 1), std::vector<std::int16_t>(9, 1));
    for (const auto& [x, y] : {std::pair{9, 1}, {1, 9}, {3, 3}})
        EXPECT_EQ(plane(h.s(), x, y), five) << x << y;
    for (const auto& [x, y] : {std::pair{4, 4}, {2, 4}, {9, 9}})
        EXPECT_EQ(plane(h.s(), x, y), none) << x << y;
    setPuzzle(h.s(), "012340000500000000600000000700000000800000000000000000000000000000000000000000000");
    h.game.buildCandidateMap();  // (1, 1) sees 1..8
    EXPECT_EQ(plane(h.s(), 1, 1), (std::vector<std::int16_t>{1, 1, 1, 1, 1, 1, 1, 1, 8}));
    setPuzzle(h.s(), "000010000000020000000030000000000000456000000000000000000000000000000000000000000");
    h.game.buildCandidateMap();  // (5, 5) sees 1 2 3 in its column, 4 5 6 in its row
    EXPECT_EQ(plane(h.s(), 5, 5), (std::vector<std::int16_t>{1, 1, 1, 1, 1, 1, 6, 6, 6}));
    h.s().board[4][4] = 7;
    h.game.buildCandidateMap();
    EXPECT_EQ(plane(h.s(), 5, 5), (std::vector<std::int16_t>{1, 1, 1, 1, 1, 1, 1, 7, 7}));
    EXPECT_EQ(plane(h.s(), 9, 9), none);
}

// Play keeps a waiting entry, edit mode drops it without a redraw; Reset empties the open
// cells, keeps the mode and restarts the clock.
TEST(ModeCommands, EntryRulesAndReset) {
    HeadlessGame h;
    h.playRecordA();
    h.s().waitingForDigit = true;
    h.game.playMode();
    EXPECT_TRUE(h.s().waitingForDigit);
    const int paints = h.window.paints;
    h.game.editMode();
    EXPECT_EQ(h.window.paints + h.s().waitingForDigit, paints);
    h.game.mapMode();
    h.s().board = h.s().answer;
    h.s().seconds = 500;
    h.game.reset();
    EXPECT_EQ(gridText(h.s().board), kRecordA);
    EXPECT_EQ(h.s().mode, Mode::map);
    EXPECT_EQ(h.s().seconds, 0);
}

TEST(Won, JudgesTheBoardAloneNotTheAnswers) {
    std::string relabelled = kRecordASolution, oneEmpty = kRecordASolution, swapped = kRecordASolution;
    for (char& c : relabelled) c = c == '1' ? '2' : c == '2' ? '1' : c;  // another complete grid
    oneEmpty[40] = '0';
    std::swap(swapped[0], swapped[1]);  // rows stay complete, columns do not
    std::string latin;                  // rows and columns complete, boxes not
    for (int i = 0; i < 81; ++i) latin += static_cast<char>('1' + (i / 9 + i % 9) % 9);
    for (const auto& [board, solved] : std::vector<std::pair<std::string, bool>>{{kRecordASolution, true},
                                                                                 {relabelled, true},
                                                                                 {oneEmpty, false},
                                                                                 {swapped, false},
                                                                                 {latin, false}}) {
        HeadlessGame h;
        h.playRecordA();
        h.s().board = gridFrom(board);
        h.game.redraw();
        EXPECT_EQ(h.s().solved, solved) << board;
    }
}

// Remove Wrong Answers keeps every given, even one that disagrees with the answers, and
// removes nothing while the answers are unknown; the score counts entries alike.
TEST(RemoveWrong, LeavesTheRightEntriesAndEveryGiven) {
    HeadlessGame h;
    h.playRecordA();
    h.s().board[1][1] = 7;  // right
    h.s().board[3][1] = 9;  // wrong
    h.game.countEntries();
    EXPECT_EQ(h.s().rightEntries * 10 + h.s().wrongEntries, 11);
    h.s().board[2][1] = 8;  // a given that disagrees
    h.game.removeWrongAnswers();
    EXPECT_EQ(gridText(h.s().board).substr(0, 3), "780");
    h.s().board[3][1] = 9;
    h.s().answer[5][5] = 0;
    h.game.removeWrongAnswers();
    EXPECT_EQ(gridText(h.s().board).substr(0, 3), "789");
    h.s().answer = Grid{};  // unknown answers: every entry is wrong, givens never count
    h.game.countEntries();
    EXPECT_EQ(h.s().rightEntries * 10 + h.s().wrongEntries, 2);
}

// Cheat fills every Easy game and returns to the mode it started in; it ends even when a
// wrong entry puts the one solution out of reach, and does nothing in edit mode.
TEST(Cheat, FillsEasyGamesEndsOnAWrongEntryAndSkipsEditMode) {
    for (int number = 0, easy = 0; easy < 40; ++number) {
        HeadlessGame h;
        h.deal(number);
        if (number < 10) {
            int i = 0;
            while (h.s().board[i % 9 + 1][i / 9 + 1]) ++i;
            h.s().board[i % 9 + 1][i / 9 + 1] =
                static_cast<std::int16_t>(h.s().answer[i % 9 + 1][i / 9 + 1] % 9 + 1);
        } else if (h.s().level != Level::easy) {
            continue;
        }
        const Mode start = ++easy % 2 ? Mode::play : Mode::map;
        if (start == Mode::map) h.game.mapMode();
        h.game.cheat();
        EXPECT_EQ(h.s().board == h.s().answer, number >= 10) << "game " << number;
        EXPECT_EQ(h.s().mode, start) << "game " << number;
    }
    HeadlessGame h;
    h.playRecordA();
    h.game.editMode();
    h.game.cheat();
    EXPECT_EQ(gridText(h.s().board), kRecordA);
}

// Cheat stops rather than write a digit that stands in the cell's row, column or box: after
// clashing givens (a second 6 in column 1), or where the two rules disagree (9 for (1, 1), (5, 1)).
TEST(Cheat, NeverWritesADigitTwiceInARowColumnOrBox) {
    for (const char* puzzle :
         {"630002009400900020600013408901000045050020600206804000060007004007200090003041802",
          "000000000100040000200050000300000000400900000500000000600000000700009000800000000"}) {
        HeadlessGame h;
        setPuzzle(h.s(), puzzle);
        h.game.cheat();
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                EXPECT_TRUE(h.s().given(x, y) || !h.s().board[x][y] ||
                            !seesDigit(h.s().board, x, y, h.s().board[x][y]))
                    << puzzle << " " << x << y << " " << gridText(h.s().board);
        EXPECT_EQ(h.s().mode, Mode::play);
    }
}

TEST(Clock, ReadingsFromOneTickAndSolvedBoardsFreezeIt) {
    for (const auto& [before, reading] : std::vector<std::pair<std::int64_t, std::string>>{
             {58, "00:00:59"}, {59, "00:01:00"}, {3599, "01:00:00"}, {359999, "100:00:00"}}) {
        HeadlessGame h;
        h.game.toggleTime();
        h.s().seconds = before;
        h.game.tick();
        EXPECT_EQ(h.window.clockReadings, std::vector{reading});
    }
    HeadlessGame h;
    h.game.toggleTime();
    setPuzzle(h.s(), kRecordASolution);
    h.game.redraw();
    h.s().seconds = 100;
    h.game.tick();
    h.game.tick();
    h.s().board[5][5] = 0;
    h.game.redraw();
    h.game.tick();
    h.game.toggleTime();  // hidden: still counts, draws nothing
    h.game.tick();
    EXPECT_EQ(h.window.clockReadings, (std::vector<std::string>{"00:01:40", "00:01:40", "00:01:41"}));
    EXPECT_EQ(h.s().seconds, 102);
    h.game.mapMode();
    h.deal(5);  // a new game starts from zero, in play mode
    EXPECT_TRUE(h.s().seconds == 0 && h.s().mode == Mode::play);
}

#include "game/history.h"

// Each step takes the board and the givens back and forth; a step that changes nothing is no
// step, and a new change ends the redo history.
TEST(History, UndoAndRedoPutBackWhatEachStepChanged) {
    GameState s;
    setPuzzle(s, kRecordA);
    History history;
    std::vector<Snapshot> seen = {snapshotOf(s)};
    const auto change = [&](int x, int y, std::int16_t digit, std::int16_t given) {
        s.board[x][y] = digit, s.candidates[x][y][kGiven] = given;
        history.record(diff(seen.back(), snapshotOf(s)));
        seen.push_back(snapshotOf(s));
    };
    change(1, 1, 7, 0);  // an answer
    change(1, 1, 7, 1);  // made a given
    change(2, 1, 0, 0);  // a given removed
    change(2, 1, 0, 0);  // nothing changed
    for (int back : {2, 1, 0}) {
        apply(*history.undo(), Side::before, s);
        EXPECT_EQ(snapshotOf(s), seen[back]);
    }
    EXPECT_TRUE(!history.canUndo() && s.given(2, 1) && !s.given(1, 1));
    apply(*history.redo(), Side::after, s);
    EXPECT_EQ(snapshotOf(s), seen[1]);
    seen.resize(2);
    change(5, 5, 4, 1);  // a given entered
    EXPECT_FALSE(history.canRedo());
    apply(*history.undo(), Side::before, s);
    EXPECT_EQ(snapshotOf(s), seen[1]);
}

// The oldest steps go first; clear forgets both ways.
TEST(History, KeepsTheNewestStepsUpToItsBound) {
    History history(3);
    for (std::int16_t d = 1; d <= 5; ++d) history.record({{1, 1, std::int16_t(d - 1), d, 0, 0}});
    Snapshot now;
    for (int d = 5; d >= 3; --d) {
        apply(*history.undo(), Side::before, now);
        EXPECT_EQ(now.board[1][1], d - 1);
    }
    EXPECT_FALSE(history.undo());
    history.clear();
    EXPECT_FALSE(history.canUndo() || history.canRedo());
}
