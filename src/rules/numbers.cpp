// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/numbers.h"

#include <charconv>

namespace ninebox {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::size_t numberLength(std::string_view text) {
    std::size_t i = 0, digits = 0;
    const auto digitAt = [&](std::size_t at) { return at < text.size() && isDigit(text[at]); };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    for (; digitAt(i); ++i) ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; digitAt(i); ++i) ++digits;
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        if (digitAt(e)) {
            while (digitAt(e)) ++e;
            i = e;
        }
    }
    return i;
}

std::optional<double> numberValue(std::string_view text) {
    if (text.empty() || numberLength(text) != text.size()) return std::nullopt;
    if (text[0] == '+') text.remove_prefix(1);  // from_chars takes no "+"
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace ninebox
