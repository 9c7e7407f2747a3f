// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decimal numbers as players type them and as game files hold them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ninebox {

// Length of the number at the start of text: an optional sign, digits, an optional point
// with digits (one digit at least in all), and an exponent only when digits follow it.
// 0 when text does not start with a number.
std::size_t numberLength(std::string_view text);

// The value of text when the whole of it is such a number, in any locale (the Qt window
// adopts the user's, whose decimal point may be a comma); none otherwise, or when it lies
// beyond the range of a double.
std::optional<double> numberValue(std::string_view text);

// The game number a typed text gives: the number at its start after blanks and tabs; 0 when
// it starts with none, and for one too large for a double.
double typedNumber(std::string_view text);

// A game number as the caption shows it, so that a typed one reads as it was typed: plain
// decimal with no fraction when it has none (10000, 12.5, -7), exponent form only past 15
// digits (1e+308); never "-0".
std::string numberText(double number);

}  // namespace ninebox
