// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <functional>
#include <set>

#include "game/clock.h"
#include "game/history.h"
#include "game/printpage.h"
#include "game/progress.h"
#include "rules/numbers.h"
#include "rules/units.h"
#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

// Whatever its number, a dealt game has a valid solution and flagged givens that agree with
// it, and comes out the same again.
void expectSoundDeal(HeadlessGame& h, double number) {
    h.deal(number);
    const Puzzle first = h.puzzle();
    ASSERT_TRUE(solves(first.answers(), first.board()) && first.givens() == givensOf(first.board()))
        << number;
    h.deal(number);
    ASSERT_TRUE(h.puzzle().board() == first.board() && h.puzzle().answers() == first.answers()) << number;
}

// A booklet page's grids under their headings: the digits of the texts that start in each
// grid's cells, the grid found by its top line, the first below the heading from its left.
std::vector<std::pair<PrintPage::Heading, std::string>> gridsOf(const PrintPage& page) {
    std::vector<std::pair<PrintPage::Heading, std::string>> grids;
    for (const PrintPage::Heading& h : page.headings) {
        const PrintPage::Line* top = nullptr;
        for (const PrintPage::Line& l : page.lines)
            if (l.y1 == l.y2 && l.x1 == h.x && l.y1 > h.y && (!top || l.y1 < top->y1)) top = &l;
        const double cell = (top->x2 - top->x1) / 9;
        std::string cells(81, '0');
        for (const PrintPage::Text& t : page.texts) {
            const double column = (t.x - h.x) / cell, row = (t.y - top->y1) / cell;
            if (column >= 0 && column < 9 && row >= 0 && row < 9) cells.at(int(row) * 9 + int(column)) = t.text.back();
        }
        grids.emplace_back(h, cells);
    }
    return grids;
}

}  // namespace

// Print several games: the count asked for (at most 60) of random games of the level chosen,
// each number once, each heading's number dealing its grid's puzzle when typed; perPage to a
// page (one for a count that is no choice), then the answers, twelve to a page and smaller,
// under the same headings in the same order. The game on the board stays; Cancel prints nothing.
TEST(Booklet, NumberedGamesThatDealTheirPuzzlesAndTheAnswersAtTheBack) {
    for (const auto& [choice, pages] : std::vector<std::pair<BookletChoice, std::size_t>>{
             {{true, 6, Level::easy, 4, true}, 3}, {{true, 13, Level::hard, 2, true}, 9},
             {{true, 99, Level::none, 5, false}, 60}, {{false, 6, Level::easy, 4, true}, 0}}) {
        HeadlessGame h;
        h.deal(4711);
        const Grid board = h.puzzle().board();
        h.window.booklets.push_back(choice);
        h.game.printBooklet();
        EXPECT_TRUE(h.puzzle().board() == board && h.window.caption.gameNumber == 4711);
        ASSERT_EQ(h.window.printed.size(), pages) << choice.games;
        std::vector<std::pair<PrintPage::Heading, std::string>> grids;
        for (const PrintPage& page : h.window.printed)
            for (const auto& grid : gridsOf(page)) grids.push_back(grid);
        const auto games = pages ? static_cast<std::size_t>(std::min(choice.games, 60)) : 0;
        ASSERT_EQ(grids.size(), games * (1 + choice.answers));
        std::set<double> numbers;
        for (std::size_t i = 0; i < games; ++i) {
            const auto& [heading, puzzle] = grids[i];
            HeadlessGame typed;
            typed.deal(heading.number);
            numbers.insert(heading.number);
            EXPECT_TRUE(gridText(typed.puzzle().board()) == puzzle && heading.level == typed.s().level &&
                        (choice.level == Level::none || heading.level == choice.level))
                << heading.number;
            const auto& [answersHeading, answers] = grids[choice.answers ? games + i : i];
            EXPECT_TRUE(!choice.answers || (answers == gridText(typed.puzzle().answers()) &&
                                            answersHeading.number == heading.number &&
                                            answersHeading.points < heading.points));
        }
        EXPECT_EQ(numbers.size(), games);
    }
}

// The level chosen filters random games only: typed numbers give their own records. A random
// game's number, drawn from the time of day, deals it again when typed.
TEST(NewGame, ThousandsOfNumbersDealSoundGames) {
    HeadlessGame h;
    int otherLevels = 0;
    for (int i = 0; i < 2500 && !HasFatalFailure(); ++i) {
        const Level level = static_cast<Level>(i % 4);
        h.game.chooseLevel(level);
        expectSoundDeal(h, i);
        otherLevels += level != Level::none && h.s().level != level;
        expectSoundDeal(h, i * -997.3);  // negative, and a fraction
        h.clock = i * 0.37;
        h.game.newGame();  // the dialog closed: a random game
        const double number = h.window.caption.gameNumber;
        ASSERT_TRUE(number >= 0 && number < 1000000 && number == std::floor(number));
        ASSERT_TRUE(level == Level::none || h.s().level == level) << i;
        expectSoundDeal(h, number);
    }
    EXPECT_GT(otherLevels, 0);
}

// The promise of a game number: the same number deals the same puzzle, at the same level, on
// every machine and in every version: a table of numbers and the puzzles they deal.
TEST(NewGame, EachNumberDealsThePuzzleItAlwaysDealt) {
    constexpr Level E = Level::easy, M = Level::medium, H = Level::hard;  // one game a line
    const std::vector<std::tuple<double, std::string, Level>> games = {
        {0, "030002800204000031000360075900600300760905008005070006007050090140207060600100700", H},
        {1, "030060000702810000100000860800504000900700002050020700000000219200003004000000030", H},
        {7, "005601200371004000006853001037400000600002903000738600910200865004005002000090017", E},
        {42, "501070004000000825000000000200008530000300008009650700000000000073420100405000097", H},
        {4711, "000000000700003006340809005000408700000500092032900500000000420406000000000070000", H},
        {10000, "001900023030060005704000000603000000570200600000039000200100900000000400090007000", H},
        {65536, "058912600000300080073400520000040100020060800046803090007058004090004000284007000", E},
        {123456, "200060000086000900490800671001608000930205006805300009300000010508010204000480300", E},
        {999999, "307800100000500000009010000400006001802903070005000040000700603001090000000000208", H},
        {1000000, "904000000017500004000089000005600008080010000000000002201000000090004700600800950", H},
        {-1, "030000001204600037600430000370804002000070004005000000000165900000397046000000000", H},
        {-7, "000009000500000002000000436830700000000090000000045890078460010090007000010030000", M},
        {-123456789, "500376000039008010700004253304201506900705320000000400600450000085109000000000030", E},
        {12.5, "500070000900020006008409027009004000106007043200658091000300679000700008070910030", E},
        {0.01, "000720010040300005201596300870000400000009786009801003728000004090200658050003902", E},
        {0.5, "203408907040907030700010004480070000500600708007000040090005261650140300070000080", E},
        {31415.9265, "000504120804000050000800009900000000561000000070090010000073040002100003010002060", H},
        {2500, "030005000007029008090700603100967840009853701700014000086502000400030060000090200", E},
        {1e15, "009013070000000500502000013901000000850200000706008002000300050300800960000907000", M},
        {1e308, "020000000037006000600007920006030000000950100905000040050000006402000059700800002", M}};
    for (const auto& [number, puzzle, level] : games) {
        HeadlessGame h;
        h.deal(number);
        EXPECT_EQ(gridText(h.puzzle().board()), puzzle) << number;
        EXPECT_EQ(h.s().level, level) << number;
    }
}

// The game dealt is the number the text starts with, 0 when there is none or it lies beyond
// a double; the caption shows it in its shortest form, and texts of one number deal one game
// (-0 as 0). "Select Random" draws a number of its
// own first, and asks for a donation when that is a multiple of ten.
TEST(GameDialog, AnyTypedTextDealsTheNumberItStartsWith) {
    const std::string nines(400, '9'), twenty(20, '9');
    std::map<std::string, Grid> dealt;  // by caption
    for (const auto& [typed, caption] : std::vector<std::pair<std::string, std::string>>{
             {"10000", "10000"}, {"  42abc", "42"}, {"\t9", "9"},        {"", "0"},         {"   ", "0"},
             {"abc", "0"},       {"0x1A", "0"},     {"inf", "0"},        {"nan", "0"},      {"1e999", "0"},
             {"-1e999", "0"},    {nines, "0"},      {"1e308", "1e+308"}, {"2.5e3", "2500"}, {"1E-2x", "0.01"},
             {"2e+", "2"},       {"-7", "-7"},      {"+8", "8"},         {"--3", "0"},      {"-0", "0"},
             {"12.5", "12.5"},   {".5", "0.5"},     {"7.", "7"},         {"1 2", "1"},      {"1,5", "1"},
             {"-", "0"},         {"2e", "2"},       {twenty, "1e+20"}}) {
        HeadlessGame h;
        h.window.games.push_back({GameChoice::Kind::number, typed});
        h.game.newGame();
        EXPECT_EQ(numberText(h.window.caption.gameNumber), caption) << typed;
        EXPECT_TRUE(allUnitsComplete(h.puzzle().answers())) << typed;
        EXPECT_EQ(dealt.emplace(caption, h.puzzle().board()).first->second, h.puzzle().board()) << typed;
    }
    HeadlessGame h;
    for (int i = 0; i < 100; ++i) {
        h.deal(i);
        h.window.games.push_back({GameChoice::Kind::random, {}});
        h.game.newGame();
    }
    const std::vector<Message>& asked = h.window.messages;
    EXPECT_TRUE(asked.size() > 0 && asked.size() < 30 &&
                asked == std::vector(asked.size(), Message::donation));
}

// The clock's reading; a solved board stops it, whatever the answers say, and Reset and a new
// game start it from zero.
TEST(Clock, ReadingsTicksSolvedBoardsResetAndNewGames) {
    for (const auto& [seconds, reading] : std::vector<std::pair<int, std::string>>{
             {59, "00:00:59"}, {60, "00:01:00"}, {3600, "01:00:00"}, {360000, "100:00:00"}})
        EXPECT_EQ(clockText(seconds), reading);
    HeadlessGame h;
    h.play(kRecordASolution);
    h.game.toggleTime();
    h.game.tick();
    h.game.editMode();
    h.type("\x7f");  // no longer solved
    h.game.tick();
    h.game.tick();
    EXPECT_EQ(h.window.clock, (std::vector<std::int64_t>{0, 1, 2}));
    h.game.mapMode();
    h.game.reset();  // the clock restarts, the mode stays
    EXPECT_TRUE(h.s().seconds == 0 && h.s().mode == Mode::map);
    h.game.tick();
    h.deal(5);  // a new game starts from zero, in play mode
    EXPECT_TRUE(h.s().seconds == 0 && h.s().mode == Mode::play);
}

// Paused, the clock stops and the board waits: a key (not a modifier alone), a press on the
// board or Pause again only resumes; undo, Cheat and the board's commands do nothing, the
// corner and the Options work. A solved game does not pause; a new one runs.
TEST(Pause, TheClockStopsAndOnlyAResumeReachesTheBoard) {
    using H = HeadlessGame&;
    std::vector<std::pair<std::function<void(H)>, bool>> inputs = {  // and whether it stays paused
        {[](H h) { h.game.togglePause(); }, false},    {[](H h) { h.game.key(Key::left); }, false},
        {[](H h) { h.type("5"); }, false},             {[](H h) { h.game.note(3); }, false},
        {[](H h) { h.presses({{-45, 30}}); }, false},  {[](H h) { h.game.key(Key::modifier); }, true},
        {[](H h) { h.presses({{215, 215}}); }, true}};  // Reset's button, the corner
    for (const auto command : {&Game::undo, &Game::cheat, &Game::reset, &Game::removeWrongAnswers,
                               &Game::mapMode, &Game::toggleScore})
        inputs.emplace_back([=](H h) { (h.game.*command)(); }, true);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        HeadlessGame h;
        h.playRecordA();
        h.type("8");  // (1, 1), wrong: something to undo and to remove
        h.game.tick();
        h.game.togglePause();
        h.game.tick();
        const auto board = [&] { return std::tuple(h.puzzle().board(), h.selected(), h.s().mode, h.s().seconds); };
        const auto before = board();
        inputs[i].first(h);
        EXPECT_TRUE(h.s().paused == inputs[i].second && board() == before) << i;
    }
    HeadlessGame h;
    h.play(kRecordASolution);
    h.game.togglePause();
    h.game.minimised();
    EXPECT_FALSE(h.s().paused);
    h.window.clipboard = kRecordA;
    for (const auto start : {&Game::pastePuzzle, &Game::newGame, &Game::pastePuzzle}) {
        (h.game.*start)();
        h.game.togglePause();
        (h.game.*start)();
        EXPECT_FALSE(h.s().paused);
    }
}

// The program pauses a running game by itself when minimised, and after a minute of ticks
// without an active window; only the player resumes it. The kept game comes back paused; a
// kept clock with another word after it is no game.
TEST(Pause, MinimisedOrAMinuteInactiveAndKeptPaused) {
    HeadlessGame h;
    h.game.keepProgressIn("/s/game");
    h.game.start();
    h.deal(12.5);
    h.select(2, 1);  // open
    h.type("4");
    h.game.minimised();
    EXPECT_TRUE(h.s().paused);
    h.game.togglePause();
    for (const bool active : {false, true, false}) {  // each change counts anew
        h.game.setActive(active);
        for (int i = 0; i < 59; ++i) h.game.tick();
    }
    EXPECT_FALSE(h.s().paused);
    for (int i = 0; i < 10; ++i) h.game.tick();
    h.game.setActive(true);
    EXPECT_TRUE(h.s().paused && h.s().seconds == 178);
    h.game.end();
    HeadlessGame back;
    back.files.files = h.files.files;
    back.game.keepProgressIn("/s/game");
    back.game.start();
    EXPECT_TRUE(back.s().paused && back.s().seconds == 178);
    std::string text = h.files.files["/s/game"];
    EXPECT_FALSE(readProgress(text.replace(text.find(" paused"), 7, " Paused")));
}

// On its own, the history: a step that changes nothing is no step and keeps the redo history;
// beyond its bound the oldest steps go. In a game a new change ends the redo history, and a
// new, loaded or pasted game starts an empty one (a stale step would refill Record A's cells).
TEST(Undo, BoundedHistoryAndNewGamesForgetIt) {
    History history(3);
    for (std::int16_t d = 1; d <= 5; ++d) {
        history.record({{1, 1, std::int16_t(d - 1), d, false, false}});
        history.record({});
    }
    for (int d = 5; d >= 3; --d) EXPECT_EQ(history.undo()->front().before, d - 1);
    history.record({});
    EXPECT_TRUE(!history.undo() && history.redo());
    for (const auto start : {&Game::newGame, &Game::load, &Game::pastePuzzle}) {
        HeadlessGame h;
        h.playRecordA();
        h.type("7").game.undo();
        h.type("5").game.redo();
        EXPECT_EQ(h.puzzle().digit(1, 1), 5);
        h.window.files.push_back(chosen("/p/puzzle.sud"));
        h.window.clipboard = kRecordA;
        h.game.reset();
        (h.game.*start)();
        const Grid started = h.puzzle().board();
        h.game.undo();
        EXPECT_EQ(h.puzzle().board(), started);
    }
}

// The game in progress comes back as it was left, and is written back byte for byte (clock,
// undo and redo too), also when the game file named at start cannot be loaded. A solved game,
// one never played, a missing file and a damaged one (kept aside) give a dealt game. After a
// start with a game file the kept game stays until a change.
TEST(Resume, TheGameInProgressComesBackAsItWasLeft) {
    std::map<std::string, std::string> files;
    const auto kept = [&](HeadlessGame& h, const std::string& file = {}) -> HeadlessGame& {
        h.files.files = files;
        h.game.keepProgressIn("/s/game");
        h.game.start(file);
        return h;
    };
    HeadlessGame left;
    kept(left).deal(12.5);  // Easy; (1, 1) a given, (2, 1) to (4, 1) open
    left.select(2, 1);
    left.type("4\x7f");  // on to (3, 1)
    for (const int k : {2, 8, 5}) left.game.note(static_cast<std::int16_t>(k));
    left.game.undo();  // a note to redo
    left.game.mapMode();
    left.presses({pad(4), cell(4, 1)});  // 4 shaded, (4, 1) waiting
    for (int i = 0; i < 5; ++i) left.game.tick();
    left.game.end();
    files = left.files.files;
    for (const char* file : {"", "/p/none.sud"}) {
        HeadlessGame back;
        kept(back, file).game.end();
        EXPECT_EQ(back.files.files, files) << file;
        EXPECT_TRUE(back.window.caption.gameNumber == 12.5 && back.s().checked(Item::mapMode)) << file;
    }
    HeadlessGame loaded;
    files["/p/puzzle.sud"] = writeGrid(gridFrom(kRecordA));
    kept(loaded, "/p/puzzle.sud").game.key(Key::up);  // to (1, 9), open
    EXPECT_EQ(loaded.files.files, files) << "kept until a change";
    loaded.type("1");
    EXPECT_NE(loaded.files.files["/s/game"], files["/s/game"]);
    const std::string damaged = files["/s/game"].substr(0, 300);
    for (const std::string name : {"damaged", "missing", "unplayed", "solved"}) {
        HeadlessGame before, start;
        files = {{"/s/game.bad", ""}};
        if (name == "damaged") files["/s/game"] = damaged;
        if (name == "unplayed" || name == "solved") kept(before).deal(7);
        if (name == "solved") before.game.cheat();
        before.game.end();
        files.merge(before.files.files);
        EXPECT_TRUE(kept(start).s().seconds == 0 && start.window.caption.gameNumber != 7) << name;
        EXPECT_EQ(start.files.files["/s/game.bad"] + "|" + start.files.files["/s/game.bad.2"],
                  name == "damaged" ? "|" + damaged : "|")
            << name;
    }
    // Read strictly: a text changed in any byte fails, or reads as the game it now spells and
    // is written back byte for byte; cut short or grown, it fails, and so does a history that
    // does not lead to the board or a note on a given. A history too long for 64 KiB loses its
    // oldest steps and still leads to the board.
    const std::string text = left.files.files["/s/game"];
    for (std::size_t i = 0; i < text.size(); ++i)
        for (const char c : std::string("0179g.>: \nx")) {
            std::string changed = text;
            changed[i] = c;
            if (const auto p = readProgress(changed)) {
                EXPECT_EQ(writeProgress(*p), changed) << i;
            }
        }
    std::string history = text, noteOnAGiven = text, stepNotesOnADigit = text;
    history[text.find("21:0.000>4.000") + 9] = '6';
    noteOnAGiven[text.find("\nnotes 000") + 9] = '1';
    for (const char* typedAndDeleted : {"21:0.000>4.000", "21:4.000>0.000"})  // as if 4 held notes
        stepNotesOnADigit.replace(
            stepNotesOnADigit.find(typedAndDeleted), 14,
            std::string(typedAndDeleted) == "21:0.000>4.000" ? "21:0.000>4.002" : "21:4.002>0.000");
    for (const std::string& wrong :
         {text.substr(0, text.size() - 1), text + "\n", history, noteOnAGiven, stepNotesOnADigit})
        EXPECT_FALSE(readProgress(wrong)) << wrong;
    for (int i = 0; i < 200; ++i) (loaded.game.*(i % 2 ? &Game::reset : &Game::cheat))();  // Record A
    const auto full = readProgress(loaded.files.files["/s/game"]);
    EXPECT_TRUE(loaded.files.files["/s/game"].size() <= kMaxProgress && full && full->done.size() > 50 &&
                full->done.size() < 200);
}

// Of two copies of the program on one kept game, the one that changed its game last is kept: a
// copy that changed nothing writes nothing over the other's at its end. A game only Reset comes
// back (its history is its trace). A folder that cannot be written is said once, and the file
// there stays as it was.
TEST(Resume, TheCopyThatChangedItsGameLastIsKept) {
    HeadlessGame first;
    const auto start = [&](HeadlessGame& h) -> HeadlessGame& {
        h.game.keepProgressIn("/s/game");
        h.game.start();
        return h;
    };
    start(first).deal(12.5);
    first.select(2, 1);  // open, as (3, 1) and (4, 1)
    first.game.note(2);
    first.game.end();
    HeadlessGame a(0, &first.files), b(0, &first.files), onlyReset(0, &first.files);
    start(a).select(3, 1);
    start(b).game.tick();
    for (const int k : {3, 5, 7}) a.game.note(static_cast<std::int16_t>(k));
    ASSERT_EQ(a.puzzle().notes(3, 1), 0124);
    a.game.end();
    const std::string left = first.files.files["/s/game"];
    b.game.end();
    EXPECT_EQ(first.files.files["/s/game"], left);
    start(onlyReset).game.reset();
    onlyReset.game.end();
    const std::string reset = first.files.files["/s/game"];
    HeadlessGame back(0, &first.files);
    EXPECT_EQ(start(back).window.caption.gameNumber, 12.5);
    first.files.full = true;
    back.type("56");
    back.game.end();
    EXPECT_EQ(back.window.messages, std::vector{Message::gameNotKept});
    EXPECT_EQ(first.files.files["/s/game"], reset);
}

// Explain a Step: a wrong digit of the player's first, left in place; else the next step, shown
// until the next change, key or click, and placed (one undo step) when asked again. Without
// answers the board itself says why no step follows. Not in edit mode.
TEST(Explain, WrongDigitFirstThenTheStepWhichAskingAgainPlaces) {
    HeadlessGame h;
    h.playRecordA();  // (1, 1) open, its answer 7
    h.select(1, 1);
    h.type("5");
    h.game.explainStep();
    ASSERT_TRUE(h.s().advice);
    EXPECT_TRUE(h.s().advice->kind == Advice::Kind::wrongDigit && h.s().advice->cell == (Cell{1, 1}) &&
                h.puzzle().digit(1, 1) == 5);
    h.game.key(Key::other);
    EXPECT_FALSE(h.s().advice) << "a key takes it away";
    h.type("\x7f");
    h.game.explainStep();
    ASSERT_TRUE(h.s().advice && h.s().advice->kind == Advice::Kind::step);
    const Cell at = h.s().advice->step.cell();
    const int digit = h.s().advice->step.digit();
    EXPECT_EQ(digit, gridFrom(kRecordASolution)[at.x][at.y]);
    h.game.key(Key::modifier);  // Ctrl held again for the shortcut
    h.game.explainStep();
    EXPECT_TRUE(!h.s().advice && h.puzzle().digit(at.x, at.y) == digit && h.selected() == at.x * 10 + at.y);
    h.game.undo();
    EXPECT_EQ(h.puzzle().digit(at.x, at.y), 0);
    h.game.editMode();
    h.game.explainStep();
    EXPECT_FALSE(h.s().advice) << "edit mode";
    for (const auto& [board, kind] : {std::pair{std::string(81, '0'), Advice::Kind::noStep},
                                      {"11" + std::string(79, '0'), Advice::Kind::contradiction}}) {
        HeadlessGame own;
        own.play(board);
        own.game.explainStep();
        EXPECT_TRUE(own.s().advice && own.s().advice->kind == kind) << board;
    }
}
