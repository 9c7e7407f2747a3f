// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/command.h"
#include "game/filesystem.h"
#include "rules/gridtext.h"
#include "rules/puzzletext.h"
#include "rules/solver.h"
#include "rules/units.h"

namespace ninebox {

// The new puzzle is read aside and taken only when the game file was read completely, so a
// cancelled or failed load leaves the game as it was. The file holds grid text or the
// compact form.
void Game::load() {
    const Command command(*this);
    loadFile(ui_.chooseOpenFile(lastPath_));
}

bool Game::loadFile(const FileChoice& file) {
    const auto failed = [this](Message message) {
        ui_.message(message);
        activated();
        switchMode(Mode::play);
    };
    if (file.outcome != FileChoice::Outcome::chosen) {
        failed(Message::noFileLoaded);
        return false;
    }
    lastPath_ = file.path;
    std::optional<Grid> puzzle, answers;
    if (auto in = files_.openRead(file.path, kMaxGridFile)) puzzle = readPuzzleText(*in);
    if (!puzzle || !digitsOnly(*puzzle)) {
        failed(Message::noFileLoaded);
        return false;
    }
    if (auto in = files_.openRead(answersPath(file.path), kMaxGridFile)) answers = readGrid(*in);
    // Only answers that solve this very puzzle: an answers file left from another game would
    // give wrong hints and make Remove Wrong Answers erase right digits.
    const bool solved = answers && solves(*answers, *puzzle);
    startPuzzle(Puzzle(*puzzle, solved ? *answers : Grid{}));
    activated();
    showPathInCaption(file.path);
    if (!solved) playOwnPuzzle();
    ui_.notice({Notice::Kind::loaded, 0, fileName(file.path)});
    return true;
}

// A puzzle from a file or the clipboard: no player's digit, no level, the clock running from
// zero and nothing to undo.
void Game::startPuzzle(const Puzzle& puzzle) {
    s_.puzzle = puzzle;
    s_.level = Level::none;
    s_.seconds = 0;
    s_.paused = false;
    s_.waitingForDigit = false;  // the waiting cell belonged to the old puzzle
    forgetHistory();
}

void Game::playOwnPuzzle() {
    setMode(Mode::play);
    draw();
    learnAnswers();
}

// A puzzle of the player's own takes its one solution for its answers. One with none or
// several says so, and keeps answers only while they still solve it; it stays on the board
// all the same, so the player can mend it in edit mode.
void Game::learnAnswers() {
    const Grid givens = s_.puzzle.puzzle();
    const Solutions found = solve(givens);
    if (found.count == 1) return s_.puzzle.setAnswers(found.first);
    if (!solves(s_.puzzle.answers(), givens)) s_.puzzle.setAnswers(Grid{});
    if (const auto clash = findClash(givens)) ui_.message(Message::givensClash, {{}, *clash});
    else ui_.message(found.count == 0 ? Message::noSolution : Message::severalSolutions);
}

namespace {

// Counted in characters, not bytes, so a UTF-8 name is never cut inside a letter.
std::size_t characters(const std::string& text) {
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string lastCharacters(const std::string& text, std::size_t count) {
    std::size_t at = text.size();
    while (at > 0 && count > 0)
        if ((static_cast<unsigned char>(text[--at]) & 0xC0) != 0x80) --count;
    return text.substr(at);
}

}  // namespace

// A path of more than ten characters shows its last nine; a shorter one leaves the caption.
void Game::showPathInCaption(const std::string& path) {
    if (characters(path) > 10)
        showCaption({Caption::Kind::file, caption_.gameNumber, lastCharacters(path, 9)});
}

}  // namespace ninebox
