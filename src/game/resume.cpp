// SPDX-License-Identifier: GPL-3.0-or-later
// The game in progress kept between runs, and taken back at start.
#include <algorithm>
#include <iterator>

#include "game/filesystem.h"
#include "game/game.h"
#include "game/progress.h"

namespace ninebox {

namespace {

// The player did something to it: a digit or a note, or a step to undo or redo (a Reset
// leaves the board as dealt, yet one undo brings the digits back).
bool played(const Progress& p) {
    if (!p.done.empty() || !p.undone.empty()) return true;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if ((!p.puzzle.given(x, y) && p.puzzle.digit(x, y) != 0) || p.puzzle.notes(x, y) != 0)
                return true;
    return false;
}

}  // namespace

void Game::keepProgressIn(std::string path) { progressPath_ = std::move(path); }

void Game::showCaption(const Caption& caption) {
    caption_ = caption;
    ui_.setCaption(caption);
}

bool Game::resume() {
    if (progressPath_.empty()) return false;
    if (files_.probe(progressPath_) == FileSystem::Probe::missing) return false;
    const auto in = files_.openRead(progressPath_, kMaxProgress);
    std::optional<Progress> kept;
    std::string text;
    if (in) {
        text.assign(std::istreambuf_iterator<char>(*in), {});
        kept = readProgress(text);
    }
    if (!kept) {  // kept for a look, never over an earlier one; else left alone, and not kept over
        bool aside = false;
        for (int n = 1; n <= 9 && !aside; ++n)
            aside = files_.moveAside(progressPath_,
                                     progressPath_ + ".bad" + (n > 1 ? "." + std::to_string(n) : ""));
        if (!aside) progressPath_.clear();
        return false;
    }
    if (kept->puzzle.solved() || !played(*kept)) return false;
    s_.puzzle = std::move(kept->puzzle);
    s_.level = kept->level;
    s_.seconds = kept->seconds;
    s_.paused = kept->paused;
    s_.mode = kept->mode;
    s_.shadedDigit = kept->shadedDigit;
    s_.countedScore = kept->countedScore;
    s_.selectedX = kept->selectedX;
    s_.selectedY = kept->selectedY;
    s_.waitingForDigit = kept->waitingForDigit;
    showCaption(kept->caption);
    history_.restore(std::move(kept->done), std::move(kept->undone));
    kept_ = std::move(text);
    return true;
}

std::string Game::progressText() const {
    return writeProgress({s_.puzzle, caption_, s_.level, s_.mode, s_.selectedX, s_.selectedY,
                          s_.waitingForDigit, s_.shadedDigit, s_.countedScore, s_.seconds, s_.paused,
                          history_.done(), history_.undone()});
}

// Once a command is over, with its undo step recorded: the history written must lead to the
// board written. A game that differs only in its clock is not written again. The player hears
// once that the folder cannot be written; later changes try again quietly.
void Game::keepProgress() {
    if (progressPath_.empty() || !kept_ || holding_) return;
    std::string text = progressText();
    if (withoutClock(text) == withoutClock(*kept_)) return;
    if (files_.replaceUnsynced(progressPath_, text)) {
        kept_ = std::move(text);
    } else if (!toldNotKept_) {
        toldNotKept_ = true;
        ui_.message(Message::gameNotKept,
                    Subject{progressPath_.substr(0, std::max<std::size_t>(progressPath_.rfind('/'), 1)), {}});
    }
}

// Another copy of the program may have kept its own game since this one last wrote or read
// the file: an unchanged game is written (for its clock) only over what this copy left there.
void Game::end() {
    if (!progressPath_.empty() && kept_ && !holding_) {
        const std::string text = progressText();
        const auto there = files_.openRead(progressPath_, kMaxProgress);
        const bool ours = there && std::string(std::istreambuf_iterator<char>(*there), {}) == *kept_;
        if (ours || withoutClock(text) != withoutClock(*kept_)) files_.replace(progressPath_, text);
    }
    progressPath_.clear();
}

}  // namespace ninebox
