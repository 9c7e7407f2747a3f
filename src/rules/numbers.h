// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ninebox {

// Length of the number text starts with (sign, digits, point, digits, an exponent only when
// digits follow it; one digit at least), 0 for none.
std::size_t numberLength(std::string_view text);

// When the whole text is such a number within a double's range. Independent of the locale: the
// window adopts the user's, whose decimal point may be a comma.
std::optional<double> numberValue(std::string_view text);

double typedNumber(std::string_view text);  // after blanks and tabs; 0 for none or beyond a double

// A game number as typed: plain decimal (10000, 12.5, -7), exponent form past 15 digits; no "-0".
std::string numberText(double number);

}  // namespace ninebox
