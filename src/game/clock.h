// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock's reading on the board. Game::tick counts the seconds; this only formats them.

#include <cstdint>
#include <string>

namespace ninebox {

// "HH:MM:SS", hours growing past two digits when needed (360000 s read 100:00:00).
std::string clockText(std::int64_t seconds);

}  // namespace ninebox
