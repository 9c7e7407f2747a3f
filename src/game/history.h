// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Undo and redo of the player's changes to the board. A step holds only the cells it changed,
// with their digit and given flag before and after, so a long history stays small; the history
// keeps a bounded number of steps and drops the oldest. What a step covers (one keypress, one
// edit, a whole Reset or Cheat) is the caller's choice: it snapshots before and after and
// records the difference. The candidate map and the solved state follow from the board, so
// the caller rebuilds them after putting a step back.

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "game/gamestate.h"

namespace ninebox {

// What a step can change.
struct Snapshot {
    Grid board{};
    Givens givens{};
    bool operator==(const Snapshot& other) const { return board == other.board && givens == other.givens; }
};

Snapshot snapshotOf(const GameState& state);

struct CellChange {
    std::int16_t x = 0, y = 0;
    std::int16_t before = 0, after = 0;  // digit, 0 = empty
    bool givenBefore = false, givenAfter = false;
};
using Step = std::vector<CellChange>;  // cells in no particular order, each at most once

Step diff(const Snapshot& before, const Snapshot& after);

enum class Side { before, after };  // undo puts back the before side, redo the after side
void apply(const Step& step, Side side, Snapshot& snapshot);
void apply(const Step& step, Side side, GameState& state);  // board and given flags only

class History {
public:
    explicit History(std::size_t limit = 2000) : limit_(limit) {}

    // Ignores an empty step; otherwise ends the redo history.
    void record(Step step);
    // The step to take back (apply its before side) or to make again (its after side).
    std::optional<Step> undo();
    std::optional<Step> redo();
    void clear();
    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }

private:
    std::size_t limit_;
    std::deque<Step> done_;
    std::vector<Step> undone_;
};

}  // namespace ninebox
