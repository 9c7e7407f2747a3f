// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"
#include "rules/cheat.h"
#include "rules/units.h"

namespace ninebox {

// "won?": judges the board alone, whether or not it matches the answers.
void Game::checkSolved() { s_.solved = allUnitsComplete(s_.board); }

bool Game::answersValid() const { return allUnitsComplete(s_.answer); }

// The score counts the board as it stands: entries that match the answers are right.
void Game::countEntries() {
    s_.rightEntries = 0;
    s_.wrongEntries = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (s_.givens[x][y] || s_.board[x][y] <= 0) continue;
            if (s_.board[x][y] == s_.answer[x][y]) ++s_.rightEntries;
            else ++s_.wrongEntries;
        }
}

// Givens are never cleared: a given that disagrees with the answers could never be filled
// again in play.
void Game::removeWrongAnswers() {
    const StepRecorder step(*this);
    if (answersValid()) {
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (!s_.given(x, y) && s_.board[x][y] != s_.answer[x][y]) s_.board[x][y] = 0;
    }
    if (s_.mode == Mode::map) buildCandidateMap();
    redraw();
}

// Cheat passes until one places nothing (rules/cheat.h), showing the board after each; every
// placing pass fills an empty cell, so the loop ends. A pass that meets a clash ends the
// command: the board holds a contradiction.
void Game::cheat() {
    const StepRecorder step(*this);
    if (s_.mode == Mode::edit) return;
    s_.modeBeforeCheat = s_.mode;
    PassOutcome pass = PassOutcome::placed;
    while (pass == PassOutcome::placed) {
        mapMode();
        pass = cheatPass(s_.board, s_.candidates);
    }
    if (pass == PassOutcome::clash) buildCandidateMap();  // the last pass's map no longer matches the board
    if (s_.modeBeforeCheat == Mode::play) playMode();
    redraw();
}

void Game::toggleScore() {
    toggleCheck(Item::showScore);
    redraw();
}

void Game::toggleKanji() {
    toggleCheck(Item::kanji);
    s_.kanji = s_.checked(Item::kanji);
    redraw();
}

}  // namespace ninebox
