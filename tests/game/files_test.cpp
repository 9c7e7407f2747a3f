// SPDX-License-Identifier: GPL-3.0-or-later
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <tuple>

#include "rules/gridtext.h"
#include "rules/numbers.h"
#include "rules/puzzletext.h"
#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

// Record A's solution as Save writes it (field 1 is 7, field 81 is 2), and Record A.
const std::string kAnswers =
    "7,3,5,4,8,2,1,6,9\r\n4,1,8,9,6,5,7,2,3\r\n6,2,9,7,1,3,4,5,8\r\n"
    "9,8,1,3,7,6,2,4,5\r\n3,5,4,1,2,9,6,8,7\r\n2,7,6,8,5,4,9,3,1\r\n"
    "8,6,2,5,9,7,3,1,4\r\n1,4,7,2,3,8,5,9,6\r\n5,9,3,6,4,1,8,7,2\r\n";
const std::string kGame = writeGrid(gridFrom(kRecordA));

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

std::optional<Grid> read(const std::string& text) {
    std::istringstream in(text);
    return readGrid(in);
}

using Files = std::map<std::string, std::string>;
using Shown = std::vector<Message>;
const Message kError = Message::saveFailed, kNoFile = Message::noFileLoaded;
const FileChoice kCancelled{FileChoice::Outcome::cancelled, ""}, kFailed{FileChoice::Outcome::failed, ""};

// Record A with the player's right digit in (1, 1), in map mode, after 99 s.
struct Played : HeadlessGame {
    Played() {
        playRecordA();
        type("7");
        game.mapMode();
        for (int i = 0; i < 99; ++i) game.tick();
    }
};

}  // namespace

// A field is a number rounded half to even, first or last; no number, one beyond 16 bits or
// over 64 characters fails the read, and so does a short text. Blanks and line ends only
// separate the fields. The decimal point is a point in
// every locale (the window adopts the user's), in files and typed game numbers alike, so this
// runs under a locale with a decimal comma, built when none is installed (else under "C").
TEST(gridfile, ReadGridTakesEachFieldAsA16BitNumberOrFails) {
    const std::string dir = ::testing::TempDir() + "ninebox-locale";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") &&
        std::system(
            ("mkdir -p " + dir + " && localedef -i de_DE -f UTF-8 " + dir + "/de_DE.UTF-8").c_str()) == 0)
        ::setenv("LOCPATH", dir.c_str(), 1);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    const std::optional<int> no;
    const std::string digits64 = std::string(63, '0') + "7", digits65 = "0" + digits64;
    const std::vector<std::pair<std::string, std::optional<int>>> fields = {
        {"2.5", 2},    {"3.5", 4},         {"1e1", 10},   {"1.5e1", 15},        {"15e-1", 2},
        {"+7", 7},     {"32767.4", 32767}, {digits64, 7}, {"-32768.5", -32768}, {digits65, no},
        {"x", no},     {"1 2", no},        {"", no},      {"1e", no},           {"0x1", no},
        {"32768", no}, {"32767.5", no},    {"1e5", no},   {"nan", no},          {"inf", no}};
    for (const auto& [field, value] : fields)
        for (const int cell : {1, 9}) {  // the first field and the last
            const auto grid = read(std::string(kAnswers).replace(cell == 1 ? 0 : 168, 1, field));
            EXPECT_EQ(grid ? std::optional<int>((*grid)[cell][cell]) : no, value) << field << " at " << cell;
        }
    for (const std::size_t cut : {0, 80, 167, 168}) EXPECT_FALSE(read(kAnswers.substr(0, cut))) << cut;
    for (const auto& text :  // any layout that keeps the order; nothing after the 81st field
         {replaced(kAnswers, "\r\n", "\n"), replaced(kAnswers, "\r\n", "\r"), replaced(kAnswers, ",", "\r\n"),
          replaced(kAnswers, "\r\n", ","), replaced(replaced(kAnswers, ",", " ,\t "), "\r\n", " \r\n  "),
          replaced(kAnswers, "\r\n", "\r\n\r\n"), kAnswers.substr(0, 169),
          kAnswers + "1,2,3,x,y\r\nmore text\r\n", kAnswers.substr(0, 169) + ",not a number"})
        EXPECT_EQ(read(text), gridFrom(kRecordASolution)) << text;
    EXPECT_EQ(typedNumber("12.5"), 12.5);
    std::setlocale(LC_NUMERIC, "C");
    std::filesystem::remove_all(dir);
}

// Each way the dialogs let a save go (the answers choice 3 made first, then the file dialog):
// the messages, the files after it (the player's entry saved as 0), the caption and one redraw.
// Files that cannot be written: the disk's own tests.
// An answers file that another game of the same name before its first dot may own is replaced
// only after asking: all but an empty one and the answers of the game file being replaced.
TEST(saveload, SaveMessagesAndWhatIsWritten) {
    const std::string sud = "/j.doe/hard1.sud", ans = "/j.doe/hard1.ans";  // a dotted folder
    const std::string other = "/j.doe/hard1.b.sud";
    const Message question = Message::gameFileExists, shared = Message::answersFileExists;
    const Files old = {{sud, "old game"}, {ans, "old answers"}}, both = {{sud, kGame}, {ans, kAnswers}};
    const Files others = {{other, "1"}, {ans, kAnswers}},
                othersToo = {{other, "1"}, {sud, kGame}, {ans, kAnswers}};
    // The game file replaced holds a puzzle the answers there do not solve: they are another's.
    const Files replaced = {{other, kGame}, {sud, writeGrid(gridFrom("1"))}, {ans, kAnswers}},
                replacedToo = {{other, kGame}, {sud, kGame}, {ans, kAnswers}};
    const std::vector<std::tuple<FileChoice, Files, Answer, Shown, Files>> cases = {
        // chosen, files before, overwrite?, messages, files after
        {chosen(sud), {}, Answer::no, {}, both},
        {chosen(sud), {{ans, ""}}, Answer::no, {}, both},
        {chosen(sud), both, Answer::yes, {question}, both},
        {chosen(sud), old, Answer::yes, {question, shared}, both},
        {chosen(sud), old, Answer::no, {question, kError}, old},
        {chosen(sud), others, Answer::yes, {shared}, othersToo},
        {chosen(sud), others, Answer::no, {shared, kError}, others},
        {chosen(sud), replaced, Answer::yes, {question, shared}, replacedToo},
        {kCancelled, old, Answer::no, {Message::saveCancelled}, old},
        {kFailed, old, Answer::no, {kError}, old}};
    for (const auto& [file, before, reply, messages, after] : cases) {
        Played h;
        h.files.files = before;
        h.window.answers = {reply, reply};
        h.window.answersDialog.push_back(AnswersChoice::answers);
        h.window.files.push_back(file);
        const int paints = h.window.paints;
        h.game.save();
        EXPECT_EQ(h.window.messages, messages) << file.path;
        EXPECT_EQ(h.files.files, after) << file.path;
        EXPECT_EQ(h.window.paints, paints + 1);
        EXPECT_EQ(h.window.caption.pathEnd, after.count(sud) && after != old ? "hard1.sud" : "uzzle.sud");
    }
}

// Saved with each answers choice and loaded back: the givens, and the answers file the choice
// promises (empty where it cannot be met). A closed dialog repeats the last choice. Loaded
// again, Record A has its one solution for answers, from the file or found.
TEST(saveload, SaveAnswersChoicesRoundTripThroughLoad) {
    enum Board { givens, solved, allButOne };
    using Choice = AnswersChoice;
    const std::optional<Choice> unset;
    const std::vector<std::tuple<std::optional<Choice>, std::optional<Choice>, Board, bool, bool>> rows = {
        // earlier choice, choice, board, loaded with its answers file, answers saved
        {unset, Choice::none, solved, true, false},
        {unset, Choice::workedPuzzle, solved, false, true},
        {unset, Choice::workedPuzzle, allButOne, true, false},
        {unset, Choice::answers, givens, true, true},
        {unset, Choice::answers, solved, false, true},  // found, as the file had none
        {unset, std::nullopt, solved, true, false},
        {Choice::answers, std::nullopt, givens, true, true}};
    for (const auto& row : rows) {
        const auto& [earlier, choice, board, known, saved] = row;
        SCOPED_TRACE(&row - &rows[0]);
        HeadlessGame h;
        h.play(kRecordA, known ? kRecordASolution : "");
        if (earlier) h.window.answersDialog.push_back(earlier);
        h.window.answersDialog.push_back(choice);
        if (earlier) h.game.save();              // cancelled in its file dialog
        if (board != givens) h.game.cheat();     // it solves Record A
        if (board == allButOne) h.type("\x7f");  // in (1, 1)
        h.window.files = {chosen("/g/rt.sud"), chosen("/g/rt.sud")};
        h.game.save();
        h.deal(8);
        h.window.messages.clear();
        h.game.load();
        EXPECT_EQ(h.files.files["/g/rt.sud"], kGame);
        EXPECT_EQ(h.files.files["/g/rt.ans"], saved ? kAnswers : "");
        EXPECT_EQ(h.window.messages, Shown{});
        EXPECT_EQ(h.puzzle().answers(), gridFrom(kRecordASolution));
        EXPECT_EQ(h.window.fileDialogStarts.back(), "/g/rt.sud");  // from the path chosen last
    }
}

// Load shows the last nine characters of a path longer than ten in the caption, never cut
// inside a letter (the count is in characters). A cancelled or failed dialog or a file that
// is not there leaves the game exactly as it was. (What a game file may hold: the Load
// fuzzer's seeds; one over 64 KiB: the disk's tests.)
TEST(saveload, LoadCaptionsTheFileOrLeavesTheGameAsItWas) {
    const std::string shown = "uzzle.sud";  // the caption of the game before
    for (const auto& [file, caption] : std::vector<std::pair<FileChoice, std::string>>{
             {chosen("/g/b123.sud"), "/b123.sud"},
             {chosen("/\u00e4/bcd.sud"), shown},
             {chosen("/tmp/\u00e4\u00f6\u00fc.sud"), "p/\u00e4\u00f6\u00fc.sud"},
             {kCancelled, ""},
             {kFailed, ""},
             {chosen("/g/none.sud"), ""}}) {
        Played h;
        const auto before = kept(h.s());
        if (!caption.empty()) h.files.files[file.path] = kGame;
        h.window.files.push_back(file);
        h.game.load();
        EXPECT_EQ(h.window.messages, caption.empty() ? Shown{kNoFile} : Shown{}) << file.path;
        EXPECT_EQ(h.window.caption.pathEnd, caption.empty() ? shown : caption) << file.path;
        EXPECT_TRUE(!caption.empty() || (kept(h.s()) == before && h.s().mode == Mode::play)) << file.path;
    }
}

// The last folder kept between runs is where the file dialogs start, until a file is chosen;
// nothing is drawn before the first activation. (The menu choices: the window's settings test.)
TEST(saveload, LastFolderRoundTripsThroughThePreferences) {
    HeadlessGame h;
    h.game.applyPreferences(Preferences{true, true, false, true, Level::hard, "/p/games"});
    EXPECT_EQ(h.window.paints, 0);
    h.window.files = {kCancelled, chosen("/g/start.sud")};
    h.files.files["/g/start.sud"] = kGame;
    for (int i = 0; i < 2; ++i) h.game.load();
    EXPECT_EQ(h.window.fileDialogStarts, (std::vector<std::string>{"/p/games/", "/p/games/"}));
    EXPECT_EQ(h.game.preferences().lastFolder, "/g");
}

// Pasted or loaded puzzles: the compact form in each layout it may take, and its near misses,
// which are read as grid text. (Every Load seed as the grid reader reads it: the fuzzer's check.)
TEST(PuzzleText, ReadsTheCompactFormAndItsNearMissesAsGridText) {
    const std::string a = kRecordA, dots = replaced(a, "0", ".");
    std::string nine;
    for (std::size_t row = 0; row < 9; ++row) nine += dots.substr(row * 9, 9) + "\n";
    const std::string crlf = replaced(nine, "\n", "\r\n");
    const auto check = [](const std::string& text, const std::optional<Grid>& expected) {
        std::istringstream in(text);
        EXPECT_EQ(readPuzzleText(text), expected) << text;
        EXPECT_EQ(readPuzzleText(in), expected) << text;
    };
    for (const std::string& text : {a, dots + "\n", nine, "\xEF\xBB\xBF" + crlf.substr(0, crlf.size() - 2),
                                    "\r\n" + replaced(crlf, "\r\n", " \r\n\t\r\n")})
        check(text, gridFrom(a));
    for (const std::string& text :
         {a.substr(1), a + "0", a + "\n" + a, replaced(a, "3", "x"), a.substr(0, 40) + " " + a.substr(40),
          nine.substr(0, 8) + "\n" + nine.substr(8, 1) + nine.substr(10), kAnswers})
        check(text, read(text));
}

// Copy puts the givens on the clipboard, '.' for every other cell. A paste in either form
// starts a game of its own: its givens, its one solution for answers, no level, the clock
// from 0, play mode.
// Anything else (nothing, words, a short line, a value beyond 9) changes nothing.
TEST(PuzzleText, CopyAndPasteThroughTheClipboard) {
    const std::string a = "7" + std::string(kRecordA).substr(1);  // Record A, (1, 1) a given
    const std::vector<std::pair<std::string, bool>> pastes = {
        {replaced(a, "0", "."), true}, {writeGrid(gridFrom(a)), true}, {"", false},
        {"no puzzle", false},          {a.substr(1), false},           {replaced(kGame, "9", "12"), false}};
    for (const auto& [text, puzzle] : pastes) {
        Played h;  // map mode, 99 s, answers known, an entry in (1, 1)
        h.game.copyPuzzle();
        EXPECT_EQ(h.window.clipboard, replaced(kRecordA, "0", "."));
        h.window.clipboard = text;
        const auto before = kept(h.s());
        h.game.pastePuzzle();
        const GameState& s = h.s();
        EXPECT_EQ(h.window.messages, puzzle ? Shown{} : Shown{Message::clipboardHoldsNoPuzzle}) << text;
        EXPECT_EQ(h.window.caption.kind, puzzle ? Caption::Kind::pasted : Caption::Kind::file) << text;
        EXPECT_TRUE(puzzle ? s.puzzle.board() == gridFrom(a) && s.puzzle.givens() == givensOf(gridFrom(a)) &&
                                 s.puzzle.answers() == gridFrom(kRecordASolution) && s.level == Level::none &&
                                 s.seconds == 0 &&
                                 s.mode == Mode::play
                           : kept(s) == before && s.mode == Mode::map)
            << text;
    }
}

// A puzzle of the player's own (typed in edit mode, loaded without answers, pasted) takes its
// one solution for answers, and Remove Wrong Answers, the score and Save's answers work as for
// a dealt game. One with no solution or several says so and keeps no answers; two givens
// that clash name their unit. Each way, the puzzle stays on the board.
TEST(OwnPuzzle, OneSolutionBecomesTheAnswersNoneOrSeveralAreSaid) {
    const std::string clash = "33" + std::string(kRecordA).substr(2);  // two 3s in row 1
    const std::string none = "1" + std::string(kRecordA).substr(1);    // (1, 1) can hold only 7
    const std::string several = std::string(kRecordA).replace(1, 1, "0");
    const std::vector<std::tuple<std::string, Shown, Grid>> puzzles = {
        {kRecordA, {}, gridFrom(kRecordASolution)},
        {clash, {Message::givensClash}, Grid{}},
        {none, {Message::noSolution}, Grid{}},
        {several, {Message::severalSolutions}, Grid{}}};
    for (const auto& [givens, messages, answers] : puzzles)
        for (const char* way : {"edit", "load", "paste"}) {
            HeadlessGame h;
            h.deal(7);
            if (way == std::string("edit")) {
                h.game.editMode();
                for (int i = 0; i < 81; ++i) {
                    h.select(i % 9 + 1, i / 9 + 1);
                    h.type(std::string(1, givens[static_cast<std::size_t>(i)]));
                }
                h.window.messages.clear();
                h.game.mapMode();
            } else if (way == std::string("load")) {
                h.files.files["/p/own.sud"] = writeGrid(gridFrom(givens));
                h.window.files.push_back(chosen("/p/own.sud"));
                h.game.load();
            } else {
                h.window.clipboard = givens;
                h.game.pastePuzzle();
            }
            EXPECT_EQ(h.window.messages, messages) << way << " " << givens;
            EXPECT_TRUE(h.puzzle().answers() == answers && h.puzzle().puzzle() == gridFrom(givens)) << way << " " << givens;
            if (givens != kRecordA) continue;
            h.game.playMode();
            h.select(1, 1);
            h.type("5");  // wrong in (1, 1): counted, and removed
            EXPECT_EQ(h.puzzle().score(), (Score{0, 1})) << way;
            h.game.removeWrongAnswers();
            EXPECT_EQ(h.puzzle().digit(1, 1), 0) << way;
        }
}

