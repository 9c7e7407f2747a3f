// SPDX-License-Identifier: GPL-3.0-or-later
// The text, line by line:
//   ninebox game 1                 the format's name and version
//   clock 754 paused               seconds played; " paused" only while the game is paused
//   caption game 4711              or: caption file <the path's end in hex>, pasted, program
//   level hard                     none, easy, medium or hard
//   mode map 4                     play, map or edit, and the shaded digit
//   selected 3 5 waiting           the selected cell (column, row); waiting or idle
//   score 10 2                     the score as last counted
//   board <81 digits>              row by row; then lines givens (0/1), answers, notes (octal 000..777)
//   done 2                         the steps to undo, one line each, the oldest first
//   11:0.003>5.000 12:0.004>0.000  a step's cells: column and row, then before > after, each
//                                  a digit, g for a given or . for an open cell, the notes
//   undone 0                       the steps to redo, the next one last
#include "game/progress.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <type_traits>
#include <utility>

namespace ninebox {

namespace {

constexpr std::string_view kHeader = "ninebox game 1";
constexpr std::array<std::string_view, 4> kCaptions = {"program", "game", "file", "pasted"};
constexpr std::array<std::string_view, 4> kLevels = {"none", "easy", "medium", "hard"};
constexpr std::array<std::string_view, 3> kModes = {"play", "map", "edit"};
constexpr std::string_view kHex = "0123456789abcdef";
constexpr std::size_t kCellChange = 14;  // "11:0.003>5.000"

template <std::size_t N>
std::string_view word(const std::array<std::string_view, N>& words, int index) {
    return words[static_cast<std::size_t>(index)];
}

void writeNotes(std::string& out, std::uint16_t notes) {
    for (const int shift : {6, 3, 0}) out += static_cast<char>('0' + (notes >> shift & 7));
}

void writeState(std::string& out, std::int16_t digit, bool given, std::uint16_t notes) {
    out += {static_cast<char>('0' + digit), given ? 'g' : '.'};
    writeNotes(out, notes);
}

std::string stepLine(const Change& step) {
    std::string line;
    for (const CellChange& c : step) {
        if (!line.empty()) line += ' ';
        line += {static_cast<char>('0' + c.x), static_cast<char>('0' + c.y), ':'};
        writeState(line, c.before, c.givenBefore, c.notesBefore);
        line += '>';
        writeState(line, c.after, c.givenAfter, c.notesAfter);
    }
    return line + '\n';
}

std::string number(double value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// A line that is not exactly what comes next fails the whole text.
class Reader {
public:
    using Fields = std::vector<std::string_view>;
    explicit Reader(std::string_view text) : rest_(text) {}

    // The fields after keyword and a blank, split at single blanks: `count` of them (0: any). An
    // empty field (two blanks) stays in, and fails as a value.
    std::optional<Fields> line(std::string_view keyword, std::size_t count = 0) {
        const std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos) return std::nullopt;
        std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        if (!keyword.empty()) {
            if (line.size() <= keyword.size() || line.substr(0, keyword.size()) != keyword ||
                line[keyword.size()] != ' ')
                return std::nullopt;
            line.remove_prefix(keyword.size() + 1);
        }
        Fields fields;
        for (std::size_t blank = 0; (blank = line.find(' ')) != std::string_view::npos;
             line.remove_prefix(blank + 1))
            fields.push_back(line.substr(0, blank));
        fields.push_back(line);
        if (count != 0 && fields.size() != count) return std::nullopt;
        return fields;
    }
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

// A whole number as written: digits only, no leading zero.
template <typename T>
std::optional<T> whole(std::string_view text, T most) {
    T value{};
    if (text.empty() || text[0] < '0' || text[0] > '9' || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > most) return std::nullopt;
    return value;
}

template <std::size_t N>
std::optional<int> wordIndex(const std::array<std::string_view, N>& words, std::string_view text) {
    for (std::size_t i = 0; i < N; ++i)
        if (words[i] == text) return static_cast<int>(i);
    return std::nullopt;
}

// 81 cells in row order, each `width` characters from 0 to `last` (octal when wider).
template <typename Cells>
bool readCells(std::string_view text, std::size_t width, char last, Cells& into) {
    if (text.size() != 81 * width) return false;
    for (std::size_t i = 0; i < 81; ++i) {
        unsigned value = 0;
        for (std::size_t k = 0; k < width; ++k) {
            const char c = text[i * width + k];
            if (c < '0' || c > last) return false;
            value = value * (width == 1 ? 10 : 8) + static_cast<unsigned>(c - '0');
        }
        into[i % 9 + 1][i / 9 + 1] = static_cast<std::remove_reference_t<decltype(into[1][1])>>(value);
    }
    return true;
}

// Fails unless they could stand in a puzzle: a given holds a digit, notes only an empty cell.
bool readState(std::string_view text, std::int16_t& digit, bool& given, std::uint16_t& notes) {
    if (text[0] < '0' || text[0] > '9' || (text[1] != 'g' && text[1] != '.')) return false;
    digit = static_cast<std::int16_t>(text[0] - '0');
    given = text[1] == 'g';
    notes = 0;
    for (std::size_t k = 2; k < 5; ++k) {
        if (text[k] < '0' || text[k] > '7') return false;
        notes = static_cast<std::uint16_t>(notes * 8 + (text[k] - '0'));
    }
    return (!given || digit > 0) && (notes == 0 || digit == 0);
}

std::optional<Change> readStep(Reader& in) {  // one or more cells, each changed and each once
    const auto fields = in.line({});
    if (!fields) return std::nullopt;
    Change step;
    std::array<bool, 100> seen{};
    for (const std::string_view f : *fields) {
        CellChange c;
        if (f.size() != kCellChange || f[0] < '1' || f[0] > '9' || f[1] < '1' || f[1] > '9' || f[2] != ':' ||
            f[8] != '>' || !readState(f.substr(3, 5), c.before, c.givenBefore, c.notesBefore) ||
            !readState(f.substr(9, 5), c.after, c.givenAfter, c.notesAfter))
            return std::nullopt;
        c.x = static_cast<std::int16_t>(f[0] - '0');
        c.y = static_cast<std::int16_t>(f[1] - '0');
        const bool same =
            c.before == c.after && c.givenBefore == c.givenAfter && c.notesBefore == c.notesAfter;
        if (same || std::exchange(seen[static_cast<std::size_t>(c.x * 10 + c.y)], true)) return std::nullopt;
        step.push_back(c);
    }
    return step;
}

template <typename Steps>
std::optional<Steps> readSteps(Reader& in, std::string_view keyword, std::size_t most) {
    const auto count = in.line(keyword, 1);
    const auto n = count ? whole<std::size_t>((*count)[0], most) : std::nullopt;
    if (!n) return std::nullopt;
    Steps steps;
    for (std::size_t i = 0; i < *n; ++i) {
        auto step = readStep(in);
        if (!step) return std::nullopt;
        steps.push_back(std::move(*step));
    }
    return steps;
}

// Each step, taken from the board as it stands towards `side` in turn, finds its cells as
// the other side leaves them: the history leads to the board.
template <typename Steps>
bool leadsToTheBoard(Puzzle puzzle, const Steps& steps, Puzzle::Side side) {
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        for (const CellChange& c : *step) {
            const bool back = side == Puzzle::Side::before;
            if (puzzle.digit(c.x, c.y) != (back ? c.after : c.before) ||
                puzzle.given(c.x, c.y) != (back ? c.givenAfter : c.givenBefore) ||
                puzzle.notes(c.x, c.y) != (back ? c.notesAfter : c.notesBefore))
                return false;
        }
        puzzle.apply(*step, side);
    }
    return true;
}

}  // namespace

std::string writeProgress(const Progress& p) {
    std::string head = std::string(kHeader) + "\nclock " + std::to_string(p.seconds) +
                       (p.paused ? " paused" : "") + "\ncaption ";
    head += word(kCaptions, static_cast<int>(p.caption.kind));
    if (p.caption.kind == Caption::Kind::game) head += ' ' + number(p.caption.gameNumber);
    if (p.caption.kind == Caption::Kind::file) {
        head += ' ';
        for (const char c : p.caption.pathEnd) {
            head += kHex[static_cast<unsigned char>(c) >> 4];
            head += kHex[static_cast<unsigned char>(c) & 15];
        }
    }
    head += "\nlevel " + std::string(word(kLevels, static_cast<int>(p.level)));
    head +=
        "\nmode " + std::string(word(kModes, static_cast<int>(p.mode))) + ' ' + std::to_string(p.shadedDigit);
    head += "\nselected " + std::to_string(p.selectedX) + ' ' + std::to_string(p.selectedY) +
            (p.waitingForDigit ? " waiting" : " idle");
    head += "\nscore " + std::to_string(p.countedScore.right) + ' ' + std::to_string(p.countedScore.wrong);
    std::string board = "\nboard ", givens = "\ngivens ", answers = "\nanswers ", notes = "\nnotes ";
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) {
            board += static_cast<char>('0' + p.puzzle.digit(x, y));
            givens += p.puzzle.given(x, y) ? '1' : '0';
            answers += static_cast<char>('0' + p.puzzle.answers()[x][y]);
            writeNotes(notes, p.puzzle.notes(x, y));
        }
    head += board + givens + answers + notes + '\n';

    std::vector<std::string> done, undone;
    std::size_t size = head.size() + 2 * sizeof "undone 4294967295\n";
    for (const Change& step : p.done) size += done.emplace_back(stepLine(step)).size();
    for (const Change& step : p.undone) size += undone.emplace_back(stepLine(step)).size();
    std::size_t firstDone = 0, firstUndone = 0;
    while (size > kMaxProgress && firstDone < done.size()) size -= done[firstDone++].size();
    while (size > kMaxProgress && firstUndone < undone.size()) size -= undone[firstUndone++].size();
    std::string text = head + "done " + std::to_string(done.size() - firstDone) + '\n';
    for (std::size_t i = firstDone; i < done.size(); ++i) text += done[i];
    text += "undone " + std::to_string(undone.size() - firstUndone) + '\n';
    for (std::size_t i = firstUndone; i < undone.size(); ++i) text += undone[i];
    return text;
}

namespace {

bool readClock(Reader& in, Progress& p) {
    const auto clock = in.line("clock");
    const auto seconds = clock ? whole((*clock)[0], std::numeric_limits<std::int64_t>::max()) : std::nullopt;
    if (!seconds || clock->size() > 2 || (clock->size() == 2 && (*clock)[1] != "paused")) return false;
    p.seconds = *seconds;
    p.paused = clock->size() == 2;
    return true;
}

bool readCaption(Reader& in, Progress& p) {
    const auto caption = in.line("caption");
    const auto kind = caption ? wordIndex(kCaptions, (*caption)[0]) : std::nullopt;
    if (!kind) return false;
    p.caption.kind = static_cast<Caption::Kind>(*kind);
    const bool hasField = p.caption.kind == Caption::Kind::game || p.caption.kind == Caption::Kind::file;
    if (caption->size() != 1u + hasField) return false;
    if (p.caption.kind == Caption::Kind::game) {
        const std::string_view field = (*caption)[1];
        const auto [end, error] =
            std::from_chars(field.data(), field.data() + field.size(), p.caption.gameNumber);
        // Exactly as written: a number reads back as the same number, and only one text means it.
        return error == std::errc() && end == field.data() + field.size() &&
               std::isfinite(p.caption.gameNumber) && number(p.caption.gameNumber) == field;
    }
    if (p.caption.kind != Caption::Kind::file) return true;
    const std::string_view hex = (*caption)[1];
    if (hex.empty() || hex.size() % 2 || hex.size() > 128) return false;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const std::size_t high = kHex.find(hex[i]), low = kHex.find(hex[i + 1]);
        if (high == std::string_view::npos || low == std::string_view::npos) return false;
        p.caption.pathEnd += static_cast<char>(high * 16 + low);
    }
    return true;
}

bool readLevel(Reader& in, Progress& p) {
    const auto level = in.line("level", 1);
    const auto index = level ? wordIndex(kLevels, (*level)[0]) : std::nullopt;
    if (index) p.level = static_cast<Level>(*index);
    return index.has_value();
}

bool readMode(Reader& in, Progress& p) {
    const auto mode = in.line("mode", 2);
    const auto index = mode ? wordIndex(kModes, (*mode)[0]) : std::nullopt;
    const auto shaded = mode ? whole<std::int16_t>((*mode)[1], 9) : std::nullopt;
    if (!index || !shaded) return false;
    p.mode = static_cast<Mode>(*index);
    p.shadedDigit = *shaded;
    return true;
}

bool readSelection(Reader& in, Progress& p) {
    const auto selected = in.line("selected", 3);
    if (!selected || ((*selected)[2] != "waiting" && (*selected)[2] != "idle")) return false;
    p.selectedX = whole((*selected)[0], 9).value_or(0);
    p.selectedY = whole((*selected)[1], 9).value_or(0);
    p.waitingForDigit = (*selected)[2] == "waiting";
    return p.selectedX >= 1 && p.selectedY >= 1;
}

bool readScore(Reader& in, Progress& p) {
    const auto score = in.line("score", 2);
    const auto right = score ? whole((*score)[0], 81) : std::nullopt,
               wrong = score ? whole((*score)[1], 81) : std::nullopt;
    if (right && wrong) p.countedScore = {*right, *wrong};
    return right && wrong;
}

bool readPuzzle(Reader& in, Progress& p) {
    Grid board{}, answers{};
    Givens givens{};
    Notes notes{};
    const auto boardLine = in.line("board", 1), givensLine = in.line("givens", 1),
               answersLine = in.line("answers", 1), notesLine = in.line("notes", 1);
    if (!boardLine || !givensLine || !answersLine || !notesLine ||
        !readCells((*boardLine)[0], 1, '9', board) || !readCells((*givensLine)[0], 1, '1', givens) ||
        !readCells((*answersLine)[0], 1, '9', answers) || !readCells((*notesLine)[0], 3, '7', notes))
        return false;
    auto puzzle = Puzzle::fromParts(board, givens, answers, notes);
    if (puzzle) p.puzzle = std::move(*puzzle);
    return puzzle.has_value();
}

bool readHistory(Reader& in, Progress& p) {
    auto done = readSteps<std::deque<Change>>(in, "done", kMaxProgress);
    auto undone = readSteps<std::vector<Change>>(in, "undone", kMaxProgress);
    if (!done || !undone || !leadsToTheBoard(p.puzzle, *done, Puzzle::Side::before) ||
        !leadsToTheBoard(p.puzzle, *undone, Puzzle::Side::after))
        return false;
    p.done = std::move(*done);
    p.undone = std::move(*undone);
    return true;
}

}  // namespace

std::optional<Progress> readProgress(std::string_view text) {
    if (text.size() > kMaxProgress || text.substr(0, kHeader.size() + 1) != std::string(kHeader) + '\n')
        return std::nullopt;
    Reader in(text.substr(kHeader.size() + 1));
    Progress p;
    if (!readClock(in, p) || !readCaption(in, p) || !readLevel(in, p) || !readMode(in, p) ||
        !readSelection(in, p) || !readScore(in, p) || !readPuzzle(in, p) || !readHistory(in, p) ||
        !in.rest().empty())
        return std::nullopt;
    return p;
}

std::string_view withoutClock(std::string_view text) {
    const std::size_t clock = text.find('\n');
    const std::size_t after = clock == std::string_view::npos ? clock : text.find('\n', clock + 1);
    return after == std::string_view::npos ? std::string_view() : text.substr(after);
}

}  // namespace ninebox
