#include <gtest/gtest.h>


#include "files/gridfile.h"
#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

const std::string kQuestion = "Sudoku|File already exists, do you wish to overwrite?|yes/no";
const std::string kError = "Sudoku|Error has occurred, name or permissions may be wrong.";
const std::string kNoFile = "Sudoku|No file loaded, please try again";
const std::string kNoAnswers = "Sudoku|Note, No answers available for this puzzle.";
using Shown = std::vector<std::string>;

constexpr const char* kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
constexpr const char* kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

FileChoice chosen(const std::string& path) { return {FileChoice::Outcome::chosen, path}; }
const FileChoice kCancelled{FileChoice::Outcome::cancelled, ""};
const FileChoice kFailed{FileChoice::Outcome::failed, ""};

Shown shown(const ScriptedWindow& w) {
    Shown out;
    for (const auto& m : w.messages)
        out.push_back(m.title + "|" + m.text + (m.buttons == Buttons::yesNo ? "|yes/no" : ""));
    return out;
}

Grid givensOf(const GameState& s) {
    Grid g{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (s.given(x, y)) g[x][y] = s.board[x][y];
    return g;
}

// The first open cell of the dealt game, column by column.
std::pair<int, int> openCell(const GameState& s) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (!s.given(x, y)) return {x, y};
    return {0, 0};
}

// Game 7 with the right digit entered by the player in one open cell.
void dealWithEntry(HeadlessGame& h) {
    h.deal(7);
    const auto [x, y] = openCell(h.s());
    h.s().board[x][y] = h.s().answer[x][y];
}

void save(HeadlessGame& h, std::optional<std::int16_t> choice, std::optional<FileChoice> file) {
    h.window.answersDialog.push_back(choice);
    if (file) h.window.files.push_back(*file);
    h.game.sa_Click();
}

void load(HeadlessGame& h, const FileChoice& file) {
    h.window.files.push_back(file);
    h.game.ent_Click();
}

// A game file with one field replaced (the first) or cut short after count fields.
std::string withFirstField(const std::string& field) { return field + writegrid(Grid{}).substr(1); }
std::string fieldsOnly(std::size_t count) {
    std::string text = "0";
    for (std::size_t i = 1; i < count; ++i) text += ",0";
    return text;
}

void expectGivensFlagged(const GameState& s, const Grid& puzzle) {
    EXPECT_EQ(s.board, puzzle);
    for (int x = 0; x <= 10; ++x)
        for (int y = 0; y <= 10; ++y)
            for (int k = 0; k <= 10; ++k)
                ASSERT_EQ(s.cellmap[x][y][k], k == kGiven && puzzle[x][y] > 0 ? 1 : 0) << x << y << k;
}

}  // namespace

TEST(saveload, SaveNewNameWritesGivensOnlyWithoutAQuestion) {
    HeadlessGame h;
    dealWithEntry(h);
    const Grid givens = givensOf(h.s());
    save(h, 1, chosen("/games/hard1.sud"));
    EXPECT_EQ(shown(h.window), Shown{});
    EXPECT_EQ(h.files.files, (std::map<std::string, std::string>{
                                 {"/games/hard1.sud", writegrid(givens)}, {"/games/hard1.ans", ""}}));
    EXPECT_EQ(h.window.caption, "Ninebox1 --hard1.sud");
}

TEST(saveload, SaveOverwriteAsksAndNoWritesNothing) {
    for (const Answer reply : {Answer::yes, Answer::no}) {
        HeadlessGame h;
        h.deal(7);
        h.files.files = {{"/g/hard1.sud", "old game"}, {"/g/hard1.ans", "old answers"}};
        const auto before = h.files.files;
        h.window.answers.push_back(reply);
        save(h, 3, chosen("/g/hard1.sud"));
        if (reply == Answer::yes) {
            EXPECT_EQ(shown(h.window), Shown{kQuestion});
            EXPECT_EQ(h.files.files, (std::map<std::string, std::string>{
                                         {"/g/hard1.sud", writegrid(givensOf(h.s()))},
                                         {"/g/hard1.ans", writegrid(h.s().answer)}}));
        } else {
            EXPECT_EQ(shown(h.window), (Shown{kQuestion, kError}));
            EXPECT_EQ(h.files.files, before);
            EXPECT_EQ(h.window.caption, "Ninebox1 --Game# 7");
        }
    }
}

TEST(saveload, SaveFailuresBeforeTheGameFileIsWrittenWriteNothing) {
    struct Row {
        FileChoice file;
        bool broken, unwritable;  // the name is wrong (a missing folder) / cannot be written
        std::string message;
    };
    for (const auto& [file, broken, unwritable, message] : std::vector<Row>{
             {kCancelled, false, false, "Sudoku|cancel selected"},
             {kFailed, false, false, kError},
             {chosen("/nofolder/x.sud"), true, false, kError},
             {chosen("/games/x.sud"), false, true, kError},
         }) {
        HeadlessGame h;
        h.deal(7);
        h.files.files = {{"/games/other.sud", "kept"}};
        if (broken) h.files.broken.insert(file.path);
        if (unwritable) h.files.unwritable.insert(file.path);
        const int paints = h.window.paints;
        save(h, 2, file);
        EXPECT_EQ(shown(h.window), Shown{message});
        EXPECT_EQ(h.files.files, (std::map<std::string, std::string>{{"/games/other.sud", "kept"}}));
        EXPECT_EQ(h.s().ansopt, 2) << message;  // the choice made before the file dialog stays
        EXPECT_EQ(h.window.paints, paints + 1) << message;
        EXPECT_EQ(h.window.caption, "Ninebox1 --Game# 7");
    }
}

TEST(saveload, SaveUnwritableAnswersKeepTheGameFile) {
    HeadlessGame h;
    h.deal(7);
    h.files.unwritable.insert("/games/x.ans");
    const int paints = h.window.paints;
    save(h, 3, chosen("/games/x.sud"));
    EXPECT_EQ(shown(h.window), Shown{"problem|problem creating answers"});
    EXPECT_EQ(h.files.files, (std::map<std::string, std::string>{{"/games/x.sud", writegrid(givensOf(h.s()))}}));
    EXPECT_EQ(h.window.paints, paints + 1);  // no redraw after the message
}

TEST(saveload, SaveAnswersChoicesRoundTripThroughLoad) {
    enum class Board { givens, solved, allButOne };
    struct Row {
        std::optional<std::int16_t> choice;
        Board board;
        bool keepAnswers, answersSaved;
    };
    for (const Row& row : std::vector<Row>{
             {1, Board::solved, true, false},      // none, even with answers at hand
             {2, Board::solved, false, true},      // the worked board, without known answers
             {2, Board::allButOne, true, false},   // an unsolved board gives none
             {3, Board::givens, true, true},       // the known answers
             {3, Board::solved, false, false},     // no valid answers: none
             {std::nullopt, Board::solved, true, false},  // closed before any save: as 1
         }) {
        const std::string name = std::to_string(row.choice.value_or(0)) + "/" +
                                 std::to_string(static_cast<int>(row.board)) + "/" + std::to_string(row.keepAnswers);
        HeadlessGame h;
        h.deal(7);
        const Grid solution = h.s().answer, givens = givensOf(h.s());
        if (row.board != Board::givens) h.s().board = solution;
        if (row.board == Board::allButOne) {
            const auto [x, y] = openCell(h.s());
            h.s().board[x][y] = 0;
        }
        if (!row.keepAnswers) h.s().answer = Grid{};
        save(h, row.choice, chosen("/g/rt.sud"));
        ASSERT_EQ(shown(h.window), Shown{}) << name;
        EXPECT_EQ(h.files.files["/g/rt.ans"].empty(), !row.answersSaved) << name;

        h.deal(8);
        load(h, chosen("/g/rt.sud"));
        EXPECT_EQ(shown(h.window), row.answersSaved ? Shown{} : Shown{kNoAnswers}) << name;
        expectGivensFlagged(h.s(), givens);
        EXPECT_EQ(h.s().answer, row.answersSaved ? solution : Grid{}) << name;
    }
}

TEST(saveload, SaveClosedAnswersDialogRepeatsTheLastChoice) {
    HeadlessGame h;
    h.deal(7);
    save(h, 3, chosen("/g/a.sud"));
    save(h, std::nullopt, chosen("/g/b.sud"));
    EXPECT_EQ(h.s().ansopt, 3);
    EXPECT_EQ(h.files.files["/g/b.ans"], writegrid(h.s().answer));
}

TEST(saveload, LoadFailedGameFileLeavesTheGameAsItWas) {
    for (const auto& [file, text] : std::vector<std::pair<FileChoice, std::optional<std::string>>>{
             {kCancelled, std::nullopt},
             {kFailed, std::nullopt},
             {chosen("/g/none.sud"), std::nullopt},
             {chosen("/g/p.sud"), ""},
             {chosen("/g/p.sud"), fieldsOnly(40)},
             {chosen("/g/p.sud"), fieldsOnly(80)},
             {chosen("/g/p.sud"), withFirstField("x")},
             {chosen("/g/p.sud"), withFirstField("12")},
             {chosen("/g/p.sud"), withFirstField("-3")},
         }) {
        const std::string name = file.path + ":" + text.value_or("none");
        HeadlessGame h;
        dealWithEntry(h);
        h.game.sh_Click();
        h.s().secs = 99;
        h.files.files["/g/p.ans"] = writegrid(gridFrom(kSolution));  // must not be taken
        if (text) h.files.files[file.path] = *text;
        const GameState before = h.s();
        load(h, file);
        EXPECT_EQ(shown(h.window), Shown{kNoFile}) << name;
        EXPECT_EQ(h.s().board, before.board) << name;
        EXPECT_EQ(h.s().cellmap, before.cellmap) << name;
        EXPECT_EQ(h.s().answer, before.answer) << name;
        EXPECT_EQ(h.s().level, before.level) << name;
        EXPECT_EQ(h.s().secs, 99) << name;
        EXPECT_EQ(h.s().mode, Mode::play) << name;
        EXPECT_TRUE(h.window.checks[Item::pmd]) << name;
        EXPECT_EQ(h.window.caption, "Ninebox1 --Game# 7") << name;
    }
}

TEST(saveload, LoadFailedAnswersFileLoadsThePuzzleWithoutAnswers) {
    for (const auto& answers : std::vector<std::optional<std::string>>{
             std::nullopt, "", fieldsOnly(40), withFirstField("12"), withFirstField("-3"), withFirstField("x")}) {
        HeadlessGame h;
        h.deal(7);
        h.game.sh_Click();
        h.s().secs = 99;
        h.files.files["/games/p.sud"] = writegrid(gridFrom(kPuzzle));
        if (answers) h.files.files["/games/p.ans"] = *answers;
        load(h, chosen("/games/p.sud"));
        const std::string name = answers.value_or("missing");
        EXPECT_EQ(shown(h.window), Shown{kNoAnswers}) << name;
        expectGivensFlagged(h.s(), gridFrom(kPuzzle));
        EXPECT_EQ(h.s().answer, Grid{}) << name;
        EXPECT_EQ(h.s().mode, Mode::play) << name;
        EXPECT_EQ(h.s().level, 0) << name;
        EXPECT_EQ(h.s().secs, 0) << name;
        EXPECT_EQ(h.window.caption, "Ninebox1 --mes/p.sud") << name;
    }
}

TEST(saveload, LoadSuccessKeepsTheModeAndRestartsClockAndLevel) {
    HeadlessGame h;
    dealWithEntry(h);
    h.game.sh_Click();
    h.s().secs = 99;
    ASSERT_NE(h.s().level, 0);
    h.files.files["/games/p.sud"] = writegrid(gridFrom(kPuzzle));
    h.files.files["/games/p.ans"] = writegrid(gridFrom(kSolution));
    load(h, chosen("/games/p.sud"));
    EXPECT_EQ(shown(h.window), Shown{});
    EXPECT_EQ(h.s().level, 0);
    EXPECT_EQ(h.s().secs, 0);
    EXPECT_EQ(h.s().mode, Mode::map);
    EXPECT_TRUE(h.window.checks[Item::sh]);
    expectGivensFlagged(h.s(), gridFrom(kPuzzle));  // the old map planes are gone too
    EXPECT_EQ(h.s().answer, gridFrom(kSolution));
}

TEST(saveload, LoadTitleShowsTheLastNineCharactersOfPathsLongerThanTen) {
    for (const auto& [path, caption] : std::vector<std::pair<std::string, std::string>>{
             {"/games/hard1.sud", "Ninebox1 --hard1.sud"},
             {"/g/b123.sud", "Ninebox1 --/b123.sud"},    // 11 characters
             {"/g/abc.sud", "Ninebox1 --Game# 7"},       // 10: unchanged
             {"/\u00e4/bcd.sud", "Ninebox1 --Game# 7"},  // 10 characters in 11 bytes
             {"/tmp/\u00e4\u00f6\u00fc.sud", "Ninebox1 --p/\u00e4\u00f6\u00fc.sud"},
         }) {
        HeadlessGame h;
        h.deal(7);
        h.files.files[path] = writegrid(gridFrom(kPuzzle));
        h.files.files[ansname(path)] = writegrid(gridFrom(kSolution));
        load(h, chosen(path));
        EXPECT_EQ(h.window.caption, caption) << path;
    }
}

TEST(saveload, FileDialogsStartFromThePathChosenLastInEither) {
    HeadlessGame h;
    h.deal(7);
    save(h, 1, chosen("/g/a.sud"));
    load(h, kCancelled);
    load(h, chosen("/g/missing.sud"));
    save(h, 1, kCancelled);
    save(h, 1, kFailed);
    EXPECT_EQ(h.window.fileDialogStarts,
              (std::vector<std::string>{"", "/g/a.sud", "/g/a.sud", "/g/missing.sud", "/g/missing.sud"}));
}

TEST(saveload, EditModeKeepsTheBoardAndDoesNotRedraw) {
    HeadlessGame h;
    dealWithEntry(h);
    h.game.sh_Click();
    h.s().curnum = 5;
    h.s().cellsel = 1;
    const GameState before = h.s();
    const int paints = h.window.paints;
    h.game.em_Click();
    const GameState& s = h.s();
    EXPECT_EQ(s.mode, Mode::edit);
    EXPECT_EQ(s.curnum, 0);
    EXPECT_EQ(s.cellsel, 0);
    for (const auto& [item, on] : {std::pair{Item::em, true}, {Item::pmd, false}, {Item::sh, false}}) {
        EXPECT_EQ(s.checked(item), on);
        EXPECT_EQ(h.window.checks[item], on);
    }
    EXPECT_EQ(h.window.paints, paints);
    EXPECT_EQ(s.board, before.board);
    EXPECT_EQ(s.cellmap, before.cellmap);  // the player's entry stays an open cell
}
