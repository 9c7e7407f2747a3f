// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/history.h"

#include <utility>

namespace ninebox {

Snapshot snapshotOf(const GameState& state) {
    Snapshot snapshot;
    snapshot.board = state.board;
    snapshot.givens = state.givens;
    return snapshot;
}

Step diff(const Snapshot& before, const Snapshot& after) {
    Step step;
    for (std::int16_t x = 1; x <= 9; ++x)
        for (std::int16_t y = 1; y <= 9; ++y)
            if (before.board[x][y] != after.board[x][y] || before.givens[x][y] != after.givens[x][y])
                step.push_back(
                    {x, y, before.board[x][y], after.board[x][y], before.givens[x][y], after.givens[x][y]});
    return step;
}

void apply(const Step& step, Side side, Snapshot& snapshot) {
    for (const CellChange& c : step) {
        snapshot.board[c.x][c.y] = side == Side::before ? c.before : c.after;
        snapshot.givens[c.x][c.y] = side == Side::before ? c.givenBefore : c.givenAfter;
    }
}

void apply(const Step& step, Side side, GameState& state) {
    for (const CellChange& c : step) {
        state.board[c.x][c.y] = side == Side::before ? c.before : c.after;
        state.givens[c.x][c.y] = side == Side::before ? c.givenBefore : c.givenAfter;
    }
}

void History::record(Step step) {
    if (step.empty()) return;
    undone_.clear();
    done_.push_back(std::move(step));
    while (done_.size() > limit_) done_.pop_front();
}

std::optional<Step> History::undo() {
    if (done_.empty()) return std::nullopt;
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return undone_.back();
}

std::optional<Step> History::redo() {
    if (undone_.empty()) return std::nullopt;
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    return done_.back();
}

void History::clear() {
    done_.clear();
    undone_.clear();
}

}  // namespace ninebox
