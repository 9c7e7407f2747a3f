// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game in progress kept between runs. Its versioned text is read strictly: a text not as
// this version writes it, or whose parts disagree (a history not leading to the board), is none.

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
    std::deque<Change> done;  // as History keeps them
    std::vector<Change> undone;
};

constexpr std::size_t kMaxProgress = 64 * 1024;  // a kept game is a few kilobytes

// At most kMaxProgress: a history too long loses its oldest undo steps, then its furthest redo ones.
std::string writeProgress(const Progress& progress);
std::optional<Progress> readProgress(std::string_view text);

std::string_view withoutClock(std::string_view text);  // texts that differ only there keep one game

}  // namespace ninebox
