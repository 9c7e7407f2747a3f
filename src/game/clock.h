// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace ninebox {

// "HH:MM:SS", hours growing past two digits (360000 s read 100:00:00).
std::string clockText(std::int64_t seconds);

}  // namespace ninebox
