// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/puzzle.h"

#include "rules/candidates.h"
#include "rules/units.h"

namespace ninebox {

Puzzle::Puzzle(const Grid& puzzle, const Grid& answers)
    : board_(puzzle), givens_(givensOf(puzzle)), answers_(answers) {}

Grid Puzzle::puzzle() const {
    Grid grid{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (givens_[x][y]) grid[x][y] = board_[x][y];
    return grid;
}

const CandidateMap& Puzzle::candidates() const {
    if (!candidates_) candidates_ = candidateMap(board_);
    return *candidates_;
}

bool Puzzle::solved() const { return allUnitsComplete(board_); }

Score Puzzle::score() const {
    Score score;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (givens_[x][y] || board_[x][y] <= 0) continue;
            if (board_[x][y] == answers_[x][y]) ++score.right;
            else ++score.wrong;
        }
    return score;
}

bool Puzzle::answersValid() const { return allUnitsComplete(answers_); }

bool Puzzle::answersKnown() const {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (answers_[x][y] == 0) return false;
    return true;
}

bool Puzzle::enter(int x, int y, std::int16_t digit) {
    if (givens_[x][y]) return false;
    board_[x][y] = digit;
    changed();
    return true;
}

void Puzzle::setGiven(int x, int y, std::int16_t digit) {
    board_[x][y] = digit;
    givens_[x][y] = digit > 0;
    changed();
}

void Puzzle::releaseGiven(int x, int y) { givens_[x][y] = false; }

void Puzzle::clearEntries() {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (!givens_[x][y]) board_[x][y] = 0;
    changed();
}

// Givens are never cleared: a given that disagrees with the answers could never be filled
// again in play.
void Puzzle::clearWrongEntries() {
    if (!answersValid()) return;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (!givens_[x][y] && board_[x][y] != answers_[x][y]) board_[x][y] = 0;
    changed();
}

PassOutcome Puzzle::cheatPass() {
    const CandidateMap map = candidates();  // the pass works from the map of its start
    const PassOutcome outcome = ninebox::cheatPass(board_, map);
    changed();
    return outcome;
}

Change changeBetween(const Puzzle& before, const Puzzle& after) {
    Change change;
    for (std::int16_t x = 1; x <= 9; ++x)
        for (std::int16_t y = 1; y <= 9; ++y)
            if (before.board_[x][y] != after.board_[x][y] || before.givens_[x][y] != after.givens_[x][y])
                change.push_back({x, y, before.board_[x][y], after.board_[x][y], before.givens_[x][y],
                                  after.givens_[x][y]});
    return change;
}

void Puzzle::apply(const Change& change, Side side) {
    for (const CellChange& c : change) {
        board_[c.x][c.y] = side == Side::before ? c.before : c.after;
        givens_[c.x][c.y] = side == Side::before ? c.givenBefore : c.givenAfter;
    }
    changed();
}

}  // namespace ninebox
