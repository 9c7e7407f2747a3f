// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/puzzle.h"

#include "rules/candidates.h"
#include "rules/units.h"

namespace ninebox {

Puzzle::Puzzle(const Grid& puzzle, const Grid& answers)
    : board_(puzzle), givens_(givensOf(puzzle)), answers_(answers) {}

std::optional<Puzzle> Puzzle::fromParts(const Grid& board, const Givens& givens, const Grid& answers,
                                        const Notes& notes) {
    for (int x = 0; x <= 10; ++x)
        for (int y = 0; y <= 10; ++y) {
            const bool cell = x >= 1 && x <= 9 && y >= 1 && y <= 9;
            const std::int16_t digit = board[x][y], answer = answers[x][y];
            if (digit < 0 || digit > (cell ? 9 : 0) || answer < 0 || answer > (cell ? 9 : 0) ||
                (givens[x][y] && (!cell || digit == 0)) || notes[x][y] > (cell && digit == 0 ? 511 : 0))
                return std::nullopt;
        }
    Puzzle puzzle(board, answers);
    puzzle.givens_ = givens;
    puzzle.notes_ = notes;
    return puzzle;
}

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

void Puzzle::placed(int x, int y, std::int16_t digit) {
    if (digit <= 0) return;
    notes_[x][y] = 0;
    const auto bit = static_cast<std::uint16_t>(1u << (digit - 1));
    const int bx = 3 * ((x - 1) / 3) + 1, by = 3 * ((y - 1) / 3) + 1;
    for (int i = 1; i <= 9; ++i) {
        notes_[x][i] &= ~bit;
        notes_[i][y] &= ~bit;
        notes_[bx + (i - 1) % 3][by + (i - 1) / 3] &= ~bit;
    }
}

bool Puzzle::enter(int x, int y, std::int16_t digit) {
    if (givens_[x][y]) return false;
    board_[x][y] = digit;
    placed(x, y, digit);
    changed();
    return true;
}

bool Puzzle::toggleNote(int x, int y, std::int16_t digit) {
    if (board_[x][y] != 0) return false;
    if (digit == 0) notes_[x][y] = 0;
    else notes_[x][y] ^= static_cast<std::uint16_t>(1u << (digit - 1));
    return true;
}

void Puzzle::setGiven(int x, int y, std::int16_t digit) {
    board_[x][y] = digit;
    givens_[x][y] = digit > 0;
    placed(x, y, digit);
    changed();
}

void Puzzle::releaseGiven(int x, int y) { givens_[x][y] = false; }

void Puzzle::clearEntries() {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (!givens_[x][y]) board_[x][y] = 0;
    notes_ = {};
    changed();
}

// Givens stay: a cleared given could never be filled again in play.
void Puzzle::clearWrongEntries() {
    if (!answersValid()) return;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (!givens_[x][y] && board_[x][y] != answers_[x][y]) board_[x][y] = 0;
    changed();
}

PassOutcome Puzzle::cheatPass() {
    const CandidateMap map = candidates();  // the pass works from the map of its start
    const Grid before = board_;
    const PassOutcome outcome = ninebox::cheatPass(board_, map);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (board_[x][y] != before[x][y]) placed(x, y, board_[x][y]);
    changed();
    return outcome;
}

Change changeBetween(const Puzzle& before, const Puzzle& after) {
    Change change;
    for (std::int16_t x = 1; x <= 9; ++x)
        for (std::int16_t y = 1; y <= 9; ++y)
            if (before.board_[x][y] != after.board_[x][y] || before.givens_[x][y] != after.givens_[x][y] ||
                before.notes_[x][y] != after.notes_[x][y])
                change.push_back({x, y, before.board_[x][y], after.board_[x][y], before.givens_[x][y],
                                  after.givens_[x][y], before.notes_[x][y], after.notes_[x][y]});
    return change;
}

void Puzzle::apply(const Change& change, Side side) {
    for (const CellChange& c : change) {
        board_[c.x][c.y] = side == Side::before ? c.before : c.after;
        givens_[c.x][c.y] = side == Side::before ? c.givenBefore : c.givenAfter;
        notes_[c.x][c.y] = side == Side::before ? c.notesBefore : c.notesAfter;
    }
    changed();
}

}  // namespace ninebox
