// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Compiled in by ninebox_embed (cmake/Embed.cmake).

#include <string_view>

namespace ninebox::embedded {

extern const std::string_view board, about;           // the two JPEG pictures
extern const std::string_view kanjifont, narrowfont;  // the two TrueType fonts
extern const std::string_view icon;                   // the desktop entry's PNG icon

}  // namespace ninebox::embedded
