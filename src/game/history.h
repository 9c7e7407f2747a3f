// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Undo and redo of the player's changes to the puzzle. A step holds only the cells it changed
// (rules/puzzle.h), so a long history stays small; the history keeps a bounded number of steps
// and drops the oldest. What a step covers (one keypress, a whole Reset or Cheat) is the
// caller's choice.

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "rules/puzzle.h"

namespace ninebox {

class History {
public:
    explicit History(std::size_t limit = 2000) : limit_(limit) {}

    // Ignores an empty change; any other ends the redo history.
    void record(Change change);
    // The change to take back (put its before side back) or to make again (its after side).
    std::optional<Change> undo();
    std::optional<Change> redo();
    void clear();

    // The steps to undo, the oldest first, and those to redo, the next one last; a history
    // taken back from them as it was (beyond the bound, the oldest steps go).
    const std::deque<Change>& done() const { return done_; }
    const std::vector<Change>& undone() const { return undone_; }
    void restore(std::deque<Change> done, std::vector<Change> undone);

private:
    std::size_t limit_;
    std::deque<Change> done_;
    std::vector<Change> undone_;
};

}  // namespace ninebox
