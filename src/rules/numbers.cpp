// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/numbers.h"

#include <charconv>
#include <cmath>

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

double typedNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return numberValue(text.substr(0, numberLength(text))).value_or(0.0);
}

std::string numberText(double number) {
    if (number == 0.0) number = 0.0;  // no "-0"
    char text[400];
    const auto format = std::fabs(number) < 1e15 ? std::chars_format::fixed : std::chars_format::general;
    const auto end = std::to_chars(text, text + sizeof text, number, format).ptr;
    return std::string(text, end);
}

}  // namespace ninebox
