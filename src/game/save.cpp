// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/command.h"
#include "game/filesystem.h"
#include "rules/gridtext.h"
#include "rules/puzzletext.h"
#include "rules/units.h"

namespace ninebox {

// The answers choice first, then the file; every question before anything is written.
void Game::save() {
    const Command command(*this);
    if (const auto choice = ui_.chooseAnswers()) answersChoice_ = *choice;
    const auto failed = [this](Message message) {
        ui_.message(message);
        activated();
    };
    const FileChoice file = ui_.chooseSaveFile(lastPath_);
    if (file.outcome == FileChoice::Outcome::cancelled) return failed(Message::saveCancelled);
    if (file.outcome == FileChoice::Outcome::failed) return failed(Message::saveFailed);
    lastPath_ = file.path;
    const std::string answers = answersPath(file.path);
    // A name such as "x.ans" is its own answers file: the answers would overwrite the game.
    if (answers == file.path) return failed(Message::saveFailed);
    switch (files_.probe(file.path)) {
        case FileSystem::Probe::exists:
            if (ui_.message(Message::gameFileExists) != Answer::yes) return failed(Message::saveFailed);
            break;
        case FileSystem::Probe::missing: break;
        case FileSystem::Probe::error: return failed(Message::saveFailed);
    }
    if (!answersFileFree(file.path) &&
        ui_.message(Message::answersFileExists, {fileName(answers), {}}) != Answer::yes)
        return failed(Message::saveFailed);

    bool gameWritten = false, answersWritten = false;
    {
        // Another program saving into the folder at the same time waits: the game file never
        // ends up beside the other save's answers.
        const auto hold = files_.holdFolder(file.path);
        gameWritten = files_.replace(file.path, writeGrid(s_.puzzle.puzzle()));
        answersWritten = gameWritten && files_.replace(answers, answersText());
    }
    if (!gameWritten) return failed(Message::saveFailed);
    activated();
    showPathInCaption(file.path);
    if (!answersWritten) ui_.message(Message::answersNotWritten);
    ui_.notice({Notice::Kind::saved, 0, fileName(file.path)});
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

// What the answers file holds for the choice made in the answers dialog. A choice that
// cannot be met gives an empty file, which loads as "no answers".
std::string Game::answersText() const {
    if (answersChoice_ == AnswersChoice::workedPuzzle && s_.puzzle.solved())
        return writeGrid(s_.puzzle.board());
    if (answersChoice_ == AnswersChoice::answers && s_.puzzle.answersValid())
        return writeGrid(s_.puzzle.answers());
    return {};
}

}  // namespace ninebox
