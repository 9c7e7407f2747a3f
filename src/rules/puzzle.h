// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A puzzle in play. Its changes keep it whole: play never writes over a given, only empty cells
// hold notes, and the candidate map always belongs to the board as it stands.

#include <cstdint>
#include <optional>
#include <vector>

#include "rules/cheat.h"
#include "rules/grid.h"

namespace ninebox {

struct Score {  // the player's digits that match the answers, and the others (all while unknown)
    int right = 0, wrong = 0;
    bool operator==(const Score& other) const { return right == other.right && wrong == other.wrong; }
};

struct CellChange {  // with the notes, so that undo takes back those a digit cleared
    std::int16_t x = 0, y = 0;
    std::int16_t before = 0, after = 0;  // digit, 0 = empty
    bool givenBefore = false, givenAfter = false;
    std::uint16_t notesBefore = 0, notesAfter = 0;  // as Notes holds them
};
using Change = std::vector<CellChange>;  // cells in no particular order, each at most once

class Puzzle {
public:
    Puzzle() = default;
    explicit Puzzle(const Grid& puzzle, const Grid& answers = Grid{});  // answers all 0: unknown
    // None when the parts do not hold together: a value beyond 0..9, a given on an empty cell,
    // notes beyond 511 or on a filled cell, anything in the margins.
    static std::optional<Puzzle> fromParts(const Grid& board, const Givens& givens, const Grid& answers,
                                           const Notes& notes);

    std::int16_t digit(int x, int y) const { return board_[x][y]; }
    bool given(int x, int y) const { return givens_[x][y]; }
    const Grid& board() const { return board_; }
    const Givens& givens() const { return givens_; }
    const Grid& answers() const { return answers_; }
    std::uint16_t notes(int x, int y) const { return notes_[x][y]; }
    const Notes& notes() const { return notes_; }
    Grid puzzle() const;  // the givens alone, as a game file keeps them

    const CandidateMap& candidates() const;  // built when first asked for after a change
    bool solved() const;                     // every row, column and box complete, whatever the answers say
    Score score() const;
    bool answersValid() const;  // every row, column and box of the answers complete
    bool answersKnown() const;  // no answer 0

    // Any digit written clears the cell's notes and that digit's notes in its row, column and box.
    // 0 empties the cell; a given stays as it is. True when the cell is open.
    bool enter(int x, int y, std::int16_t digit);
    // digit 1..9 turned on or off, 0 takes all the cell's notes away; false on a filled cell.
    bool toggleNote(int x, int y, std::int16_t digit);
    void setGiven(int x, int y, std::int16_t digit);  // edit mode; 0 empties the cell
    void releaseGiven(int x, int y);                  // edit mode: open, keeping its digit
    void clearEntries();                              // every open cell empty, every note gone
    void clearWrongEntries();  // the open cells that differ from the answers, when they are valid
    void setAnswers(const Grid& answers) { answers_ = answers; }
    PassOutcome cheatPass();

    friend Change changeBetween(const Puzzle& before, const Puzzle& after);
    enum class Side { before, after };
    void apply(const Change& change, Side side);

private:
    void changed() { candidates_.reset(); }
    void placed(int x, int y, std::int16_t digit);

    Grid board_{};
    Givens givens_{};
    Grid answers_{};
    Notes notes_{};
    mutable std::optional<CandidateMap> candidates_;
};

Change changeBetween(const Puzzle& before, const Puzzle& after);

}  // namespace ninebox
