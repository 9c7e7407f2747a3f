// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/filesystem.h"
#include "game/game.h"
#include "rules/gridtext.h"
#include "rules/puzzletext.h"
#include "rules/units.h"

namespace ninebox {

namespace {

// Length and tail in characters, not bytes, so a UTF-8 name is never cut inside a letter.
std::size_t characters(const std::string& text) {
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string lastCharacters(const std::string& text, std::size_t count) {
    std::size_t at = text.size();
    while (at > 0 && count > 0) {
        --at;
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) --count;
    }
    return text.substr(at);
}

std::string fileName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

}  // namespace

void Game::titleFromPath(const std::string& path) {
    if (characters(path) > 10) ui_.setCaption("Ninebox1 --" + lastCharacters(path, 9));
}

void Game::save() {
    if (const auto choice = ui_.showAnswersDialog()) s_.answersChoice = *choice;

    const auto failed = [this](const char* text) {
        ui_.message(text, "Sudoku", Buttons::ok);
        activated();
    };
    const FileChoice file = ui_.chooseSaveFile(lastPath_);
    if (file.outcome == FileChoice::Outcome::cancelled) return failed("cancel selected");
    const char* const error = "Error has occurred, name or permissions may be wrong.";
    if (file.outcome == FileChoice::Outcome::failed) return failed(error);
    lastPath_ = file.path;
    // A name such as "x.ans" is its own answers file: the answers would overwrite the game.
    if (answersPath(file.path) == file.path) return failed(error);

    switch (files_.probe(file.path)) {
        case FileSystem::Probe::exists:
            if (ui_.message("File already exists, do you wish to overwrite?", "Sudoku", Buttons::yesNo) !=
                Answer::yes)
                return failed(error);
            break;
        case FileSystem::Probe::missing: break;
        case FileSystem::Probe::error: return failed(error);
    }
    if (!answersFileFree(file.path) && ui_.message("Answers file \"" + fileName(answersPath(file.path)) +
                                                       "\" already exists, do you wish to overwrite?",
                                                   "Sudoku", Buttons::yesNo) != Answer::yes)
        return failed(error);

    const std::string puzzle = writeGrid(s_.board, [this](int x, int y) { return s_.given(x, y); });
    bool gameWritten = false, answersWritten = false;
    {
        // Another program saving into the folder at the same time waits: the game file never
        // ends up beside the other save's answers.
        const auto hold = files_.holdFolder(file.path);
        gameWritten = files_.replace(file.path, puzzle);
        answersWritten = gameWritten && files_.replace(answersPath(file.path), answersText());
    }
    if (!gameWritten) return failed(error);
    activated();
    titleFromPath(file.path);
    if (!answersWritten) ui_.message("problem creating answers", "problem", Buttons::ok);
}

// Games whose names agree up to the first dot share one answers file (a.b.sud and a.c.sud,
// p and p.sud): only an empty one, or the answers of the very game file being replaced, may
// go without asking.
bool Game::answersFileFree(const std::string& gamePath) {
    const std::string path = answersPath(gamePath);
    if (files_.probe(path) != FileSystem::Probe::exists) return true;
    std::optional<Grid> answers, puzzle;
    if (auto in = files_.openRead(path, kMaxGridFile)) {
        if (in->rdbuf()->sgetc() == std::char_traits<char>::eof()) return true;
        answers = readGrid(*in);
    }
    if (auto in = files_.openRead(gamePath, kMaxGridFile)) puzzle = readPuzzleText(*in);
    return answers && puzzle && solves(*answers, *puzzle);
}

void Game::startPuzzle(const Grid& puzzle) {
    s_.level = Level::none;
    s_.board = puzzle;
    s_.answer = Grid{};
    s_.givens = givensOf(puzzle);
    s_.seconds = 0;
    s_.waitingForDigit = false;  // the waiting cell belonged to the old puzzle; it may be a given now
    buildCandidateMap();         // map mode must not show the old game's map on the new board
    clearHistory();
}

// Loaded all the same, so the player can mend it in edit mode.
void Game::warnOfClash(const Grid& puzzle) {
    if (hasClash(puzzle))
        ui_.message("This puzzle breaks the rules: a digit appears twice in a row, column or box.", "Sudoku",
                    Buttons::ok);
}

// The new puzzle is read aside and taken only when the game file was read completely, so a
// cancelled or failed load leaves the game as it was. The file holds grid text or the
// compact form.
void Game::load() { loadFile(ui_.chooseOpenFile(lastPath_)); }

bool Game::loadFile(const FileChoice& file) {
    const auto failed = [this](const char* text) {
        ui_.message(text, "Sudoku", Buttons::ok);
        activated();
        playMode();
    };
    if (file.outcome != FileChoice::Outcome::chosen) {
        failed("No file loaded, please try again");
        return false;
    }
    lastPath_ = file.path;

    std::optional<Grid> puzzle;
    if (auto in = files_.openRead(file.path, kMaxGridFile)) puzzle = readPuzzleText(*in);
    if (!puzzle || !digitsOnly(*puzzle)) {
        failed("No file loaded, please try again");
        return false;
    }

    startPuzzle(*puzzle);
    activated();
    titleFromPath(file.path);
    warnOfClash(*puzzle);

    std::optional<Grid> answers;
    if (auto in = files_.openRead(answersPath(file.path), kMaxGridFile)) answers = readGrid(*in);
    // Only answers that solve this very puzzle: an answers file left from another game (a save
    // cut short, two games sharing the name) would give wrong hints and make Remove Wrong
    // Answers erase right digits.
    if (!answers || !solves(*answers, *puzzle)) {
        failed("Note, No answers available for this puzzle.");
        return true;
    }
    s_.answer = *answers;
    return true;
}

void Game::copyPuzzle() {
    ui_.setClipboardText(writeCompactGrid(s_.board, [this](int x, int y) { return s_.given(x, y); }));
}

// A puzzle pasted starts a game of its own, as a loaded one does but in play mode; anything
// else on the clipboard leaves the game alone.
void Game::pastePuzzle() {
    const auto text = ui_.clipboardText(kMaxGridFile);  // a longer text is no puzzle either
    const auto puzzle = text ? readPuzzleText(*text) : std::nullopt;
    if (!puzzle || !digitsOnly(*puzzle)) {
        ui_.message("The clipboard holds no puzzle.", "Sudoku", Buttons::ok);
        return;
    }
    startPuzzle(*puzzle);
    ui_.setCaption("Ninebox1 --Pasted");
    playMode();
    warnOfClash(*puzzle);
}

}  // namespace ninebox
