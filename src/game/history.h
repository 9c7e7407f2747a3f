// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A step holds only the cells it changed; past the limit the oldest step goes.

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "rules/puzzle.h"

namespace ninebox {

class History {
public:
    explicit History(std::size_t limit = 2000) : limit_(limit) {}

    void record(Change change);    // ignores an empty change; any other ends the redo history
    std::optional<Change> undo();  // the change whose before side to put back
    std::optional<Change> redo();  // whose after side
    void clear();

    const std::deque<Change>& done() const { return done_; }       // the oldest first
    const std::vector<Change>& undone() const { return undone_; }  // the next one last
    void restore(std::deque<Change> done, std::vector<Change> undone);

private:
    std::size_t limit_;
    std::deque<Change> done_;
    std::vector<Change> undone_;
};

}  // namespace ninebox
