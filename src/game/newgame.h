// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game number as the window caption shows it: a double written so that the caption of a
// typed number reads as the player typed it.

#include <string>

namespace ninebox {

// A game number as the caption shows it: plain decimal, no fraction when it has none
// (10000, 12.5, -7); exponent form only past 15 digits.
std::string numberText(double v);

}  // namespace ninebox
