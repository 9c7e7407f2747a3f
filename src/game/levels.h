// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the game dialog reads a typed game number: leniently, as any text gives a number. The
// dialog's and the Level menu's commands are Game's own (levels.cpp).

#include <string>
#include <string_view>

namespace ninebox {

// The number at the start of a typed text: blanks, an optional sign, digits, an optional
// point with digits, an optional exponent. No number reads as 0, and so does one too large
// for a double.
double readNumber(std::string_view text);

}  // namespace ninebox
