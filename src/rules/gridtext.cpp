// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/gridtext.h"

#include "rules/numbers.h"

#include <cmath>

namespace ninebox {

std::string answersPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.find('.', slash == std::string::npos ? 0 : slash + 1);
    if (dot == std::string::npos) return path + ".ans";
    return path.substr(0, dot + 1) + "ans";
}

std::string fileName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

std::string writeGrid(const Grid& grid, const std::function<bool(int x, int y)>& include) {
    std::string text;
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) {
            text += std::to_string(!include || include(x, y) ? grid[x][y] : 0);
            text += x < 9 ? "," : "\r\n";
        }
    return text;
}

namespace {

bool isBlank(int c) { return c == ' ' || c == '\t'; }
bool isLineEnd(int c) { return c == '\r' || c == '\n'; }

// No number anyone wrote is longer; refusing one keeps a huge file out of memory.
constexpr std::size_t kMaxField = 64;

}  // namespace

std::optional<Grid> readGrid(std::istream& in) {
    Grid grid{};
    std::streambuf& buf = *in.rdbuf();
    constexpr int eof = std::char_traits<char>::eof();
    for (int n = 0; n < 81; ++n) {
        int c = buf.sgetc();
        while (isBlank(c) || isLineEnd(c)) c = buf.snextc();
        std::string field;
        while (c != eof && c != ',' && !isLineEnd(c) && !isBlank(c)) {
            if (field.size() == kMaxField) return std::nullopt;
            field += static_cast<char>(c);
            c = buf.snextc();
        }
        while (isBlank(c)) c = buf.snextc();
        if (c != eof && c != ',' && !isLineEnd(c)) return std::nullopt;  // "1 2" is no number
        if (c == ',') buf.sbumpc();

        const auto value = numberValue(field);
        if (!value) return std::nullopt;
        const double rounded = std::nearbyint(*value);  // halves to even
        if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
        grid[n % 9 + 1][n / 9 + 1] = static_cast<std::int16_t>(rounded);
    }
    return grid;
}

bool digitsOnly(const Grid& grid) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (grid[x][y] < 0 || grid[x][y] > 9) return false;
    return true;
}

}  // namespace ninebox
