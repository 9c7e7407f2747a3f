// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A step holds only the cells it changed, so a long history stays small; past the limit the
// oldest step goes.

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
    // The change whose before side to put back, or whose after side.
    std::optional<Change> undo();
    std::optional<Change> redo();
    void clear();

    // The steps to undo, the oldest first, and those to redo, the next one last.
    const std::deque<Change>& done() const { return done_; }
    const std::vector<Change>& undone() const { return undone_; }
    void restore(std::deque<Change> done, std::vector<Change> undone);

private:
    std::size_t limit_;
    std::deque<Change> done_;
    std::vector<Change> undone_;
};

}  // namespace ninebox
