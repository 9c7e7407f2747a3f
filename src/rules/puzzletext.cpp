// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/puzzletext.h"

#include <streambuf>

#include "rules/gridtext.h"

namespace ninebox {

namespace {

constexpr int kEof = std::char_traits<char>::eof();

class ViewBuf : public std::streambuf {  // over a string_view, copying nothing
public:
    explicit ViewBuf(std::string_view text) {
        char* begin = const_cast<char*>(text.data());  // only ever read: there is no put area
        setg(begin, begin, begin + text.size());
    }
};

bool isCell(int c) { return (c >= '0' && c <= '9') || c == '.'; }

// Stops at the first character that cannot belong: a long grid text costs only its first line.
std::optional<Grid> readCompact(std::streambuf& buf) {
    int c = buf.sgetc();
    if (c == 0xEF) {  // a byte order mark, or no compact text
        if (buf.snextc() != 0xBB || buf.snextc() != 0xBF) return std::nullopt;
        c = buf.snextc();
    }
    Grid grid{};
    int cells = 0, inLine = 0;
    bool lineEnded = false;  // a blank followed the cells of this line
    for (;; c = buf.snextc()) {
        if (isCell(c)) {
            if (lineEnded || cells == 81) return std::nullopt;
            if (c != '.') grid[cells % 9 + 1][cells / 9 + 1] = static_cast<std::int16_t>(c - '0');
            ++cells, ++inLine;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            lineEnded = inLine > 0;
        } else if (c == '\n' || c == kEof) {
            // Lines of 9 or 81 with 81 cells in all: one line of 81 or nine of 9.
            if (inLine != 0 && inLine != 9 && inLine != 81) return std::nullopt;
            if (c == kEof) return cells == 81 ? std::optional(grid) : std::nullopt;
            inLine = 0, lineEnded = false;
        } else {
            return std::nullopt;
        }
    }
}

}  // namespace

std::optional<Grid> readCompactGrid(std::string_view text) {
    ViewBuf buf(text);
    return readCompact(buf);
}

std::string writeCompactGrid(const Grid& grid, const std::function<bool(int x, int y)>& include) {
    std::string text;
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) {
            const int v = !include || include(x, y) ? grid[x][y] : 0;
            text += v >= 1 && v <= 9 ? static_cast<char>('0' + v) : '.';
        }
    return text;
}

std::optional<Grid> readPuzzleText(std::string_view text) {
    if (auto grid = readCompactGrid(text)) return grid;
    ViewBuf buf(text);
    std::istream in(&buf);
    return readGrid(in);
}

std::optional<Grid> readPuzzleText(std::istream& in) {
    std::streambuf& buf = *in.rdbuf();
    const std::streampos start = buf.pubseekoff(0, std::ios::cur, std::ios::in);
    if (start == std::streampos(std::streamoff(-1))) return std::nullopt;
    if (auto grid = readCompact(buf)) return grid;
    if (buf.pubseekpos(start, std::ios::in) != start) return std::nullopt;
    return readGrid(in);
}

}  // namespace ninebox
