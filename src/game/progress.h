// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game in progress as it is kept from one run to the next: all a start needs to show it
// again as it was left, and its text. The text is small and versioned, and read strictly:
// one that is not exactly as this version writes it, or whose parts do not hold together
// (a history that does not lead to the board, notes on a filled cell), is no game at all.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/gamestate.h"
#include "game/messages.h"

namespace ninebox {

struct Progress {
    Puzzle puzzle;
    Caption caption;
    Level level = Level::none;
    Mode mode = Mode::play;
    int selectedX = 1, selectedY = 1;
    bool waitingForDigit = false;
    std::int16_t shadedDigit = 0;
    Score countedScore;
    std::int64_t seconds = 0;
    bool paused = false;
    std::deque<Change> done;     // the steps to undo, the oldest first, as History keeps them
    std::vector<Change> undone;  // the steps to redo, the next one last
};

// As for every file the program reads; a kept game is a few kilobytes.
constexpr std::size_t kMaxProgress = 64 * 1024;

// At most kMaxProgress bytes: a history that would not fit loses its oldest steps to undo
// first, then its furthest steps to redo.
std::string writeProgress(const Progress& progress);
std::optional<Progress> readProgress(std::string_view text);

// The text without its clock's line: two texts that differ only there keep the same game.
std::string_view withoutClock(std::string_view text);

}  // namespace ninebox
