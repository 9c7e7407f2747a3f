// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/history.h"

#include <utility>

namespace ninebox {

void History::record(Change change) {
    if (change.empty()) return;
    undone_.clear();
    done_.push_back(std::move(change));
    while (done_.size() > limit_) done_.pop_front();
}

std::optional<Change> History::undo() {
    if (done_.empty()) return std::nullopt;
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return undone_.back();
}

std::optional<Change> History::redo() {
    if (undone_.empty()) return std::nullopt;
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    return done_.back();
}

void History::restore(std::deque<Change> done, std::vector<Change> undone) {
    done_ = std::move(done);
    undone_ = std::move(undone);
    while (done_.size() > limit_) done_.pop_front();
}

void History::clear() {
    done_.clear();
    undone_.clear();
}

}  // namespace ninebox
