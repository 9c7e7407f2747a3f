// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/clock.h"

#include <cstdio>

namespace ninebox {

std::string clockText(std::int64_t seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds % 3600 / 60), static_cast<long long>(seconds % 60));
    return text;
}

}  // namespace ninebox
