// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/board/painter.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

#include "rules/candidategrid.h"
#include "rules/units.h"
#include "window/board/glyphs.h"
#include "window/texts.h"

namespace ninebox {

namespace {

using namespace layout;

const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kBlue(0, 0, 255);
// The highlighter's greens are of the solved frame's family, which map mode's shading never uses.
const QColor kClash(230, 0, 0), kRuledOutNote(170, 170, 230), kUnitTint(225, 245, 220),
    kDigitTint(170, 225, 170);

// Labels: buttons, score, clock. Small: candidate marks, the waiting cell's word.
constexpr FontSize kLevelFont{8, 2}, kLabelFont{10, 4}, kDigitFont{18, 1}, kKeypadFont{12, 1},
    kSmallFont{8, 1}, kPausedFont{36, 2};

// v: the shaded digit's plane of the candidate map; a later match replaces an earlier one.
QColor shade(int v, int x, int y) {
    QColor colour = kWhite;
    if (v == 1) colour = QColor(250, 250, 100);
    if (v >= 2) colour = QColor(std::max(0, 255 - 20 * v), std::max(0, 255 - 20 * v), 255);
    if (v == 8) colour = QColor(255, 100, 100);
    if (v == 0) {
        const bool edgeMiddle = ((x - 1) / 3 == 1) != ((y - 1) / 3 == 1);
        colour = edgeMiddle ? QColor(255, 255, 200) : kWhite;
    }
    return colour;
}

// The highlighter's tint where it has one, else map mode's shade (play mode: the box pattern).
QColor cellColour(const GameState& s, int x, int y) {
    switch (s.tint(x, y)) {
        case GameState::Tint::unit: return kUnitTint;
        case GameState::Tint::digit: return kDigitTint;
        case GameState::Tint::none: break;
    }
    return shade(s.puzzle.candidates()[x][y][s.shadedDigit], x, y);
}

// The puzzle's digits black, the player's blue, either red where it clashes.
QColor digitColour(const GameState& s, const CellFlags& clashing, int x, int y) {
    if (clashing[x][y]) return kClash;
    return s.puzzle.given(x, y) ? kBlack : kBlue;
}

void digit(Canvas& canvas, const GameState& state, Point at, std::int16_t k) {
    canvas.moveTo(at.x, at.y);
    if (!state.kanji) canvas.print(numberForm(k));
    else drawKanji(canvas, k);
}

void fill(Canvas& c, Area area) { c.fill(area.left, area.top, area.right, area.bottom); }

void write(Canvas& c, Point at, const QString& text) {
    c.moveTo(at.x, at.y);
    c.print(text);
}

// The largest pixel size up to `most` at which text's ink fits in room, and that ink.
std::pair<int, QRect> largestFitting(Canvas& c, const QString& text, QSize room, int most) {
    int pixels = most;
    QRect ink = c.inked(text, pixels);
    if (ink.isEmpty()) return {pixels, ink};
    // Ink grows about in proportion: go near the fit at once, then step down.
    const double shrink = std::min(static_cast<double>(room.width()) / ink.width(),
                                   static_cast<double>(room.height()) / ink.height());
    pixels = std::max(1, std::min(pixels, static_cast<int>(pixels * shrink)));
    for (ink = c.inked(text, pixels);
         pixels > 1 && (ink.width() > room.width() || ink.height() > room.height());)
        ink = c.inked(text, --pixels);
    return {pixels, ink};
}

void centred(Canvas& c, Area place, const QString& text) {
    const QRect room = c.filled(place.left, place.top, place.right, place.bottom, 1);
    const auto [pixels, ink] = largestFitting(c, text, room.size(), c.fontPixels());
    if (!ink.isEmpty()) c.print(text, pixels, room.center() - ink.center());
}

// At its point where it stays inside its place, as every English word does at the first size;
// else centred: translations run longer, and CJK faces taller.
void fitted(Canvas& c, Point at, Area place, const QString& text) {
    c.moveTo(at.x, at.y);
    const QRect ink = c.inked(text);
    if (ink.isEmpty() || c.filled(place.left, place.top, place.right, place.bottom, 1).contains(ink))
        return c.print(text);
    centred(c, place, text);
}

// In colours that neither map mode's shading nor the highlighter takes: its units lavender, the
// forcing cells orange, its cell green (a wrong digit's pink).
using AdviceShades = std::array<std::array<std::optional<QColor>, 10>, 10>;
AdviceShades adviceShades(const GameState& s) {
    AdviceShades shades{};
    if (!s.advice) return shades;
    const QColor unitTint(232, 225, 250), forcing(255, 215, 150), target(150, 225, 150), wrong(255, 175, 210);
    const auto tint = [&](Unit u) {
        for (const int i : unitTables().cells[static_cast<std::size_t>(unitIndex(u))]) {
            const Cell c = cellAt(i);
            if (!shades[c.x][c.y]) shades[c.x][c.y] = unitTint;
        }
    };
    const Advice& a = *s.advice;
    const auto mark = [&](Cell c, QColor colour) {
        if (c.x >= 1 && c.x <= 9 && c.y >= 1 && c.y <= 9) shades[c.x][c.y] = colour;
    };
    if (a.kind == Advice::Kind::step) {
        for (const Deduction& d : a.step.steps)
            for (const Cell& c : d.forcing) mark(c, forcing);
        mark(a.step.cell(), target);
        for (const Deduction& d : a.step.steps)
            for (const Unit& u : d.units) tint(u);
    }
    if (a.reason) {
        mark(a.reason->cell, forcing);
        if (a.reason->kind == Contradiction::Kind::clash || a.reason->kind == Contradiction::Kind::noPlace)
            tint(a.reason->unit);
    }
    if (a.kind == Advice::Kind::wrongDigit) mark(a.cell, wrong);
    return shades;
}

// The line as large as the labels where it fits, else on two lines, else smaller; the cell it
// is about ringed in its colour, seen over the selection too.
void paintAdvice(Canvas& c, const Advice& advice, const QString& line) {
    const bool step = advice.kind == Advice::Kind::step;
    if (step || advice.kind == Advice::Kind::wrongDigit) {
        const Cell at = step ? advice.step.cell() : advice.cell;
        const Area ring = cell(at.x, at.y);
        c.setDrawWidth(3);
        c.setColour(step ? QColor(60, 160, 60) : QColor(220, 60, 150));
        c.box(ring.left + 2, ring.top + 2, ring.right - 2, ring.bottom - 2);
    }
    c.setColour(QColor(30, 30, 30));
    fill(c, kAdviceBand);
    c.setDrawWidth(1);
    c.setColour(QColor(255, 255, 0));
    c.box(kAdviceBand.left, kAdviceBand.top, kAdviceBand.right, kAdviceBand.bottom);
    const QRect room = c.filled(kAdviceBand.left, kAdviceBand.top, kAdviceBand.right, kAdviceBand.bottom, 1)
                           .adjusted(3, 2, -3, -2);
    c.setFontSize(kLabelFont);
    const int most = c.fontPixels();
    const auto [onePixels, oneInk] = largestFitting(c, line, room.size(), most);
    qsizetype blank = -1;  // the blank nearest the middle
    for (qsizetype i = 0; i < line.size(); ++i)
        if (line[i] == u' ' &&
            (blank < 0 || std::abs(i - line.size() / 2) < std::abs(blank - line.size() / 2)))
            blank = i;
    const QSize half(room.width(), room.height() / 2);
    const QString first = line.left(std::max<qsizetype>(blank, 0)), second = line.mid(blank + 1);
    const int twoPixels = blank < 0 ? 0
                                    : std::min(largestFitting(c, first, half, most).first,
                                               largestFitting(c, second, half, most).first);
    c.setColour(kWhite);
    if (onePixels >= twoPixels) {
        c.print(line, onePixels, room.center() - oneInk.center());
    } else {
        const QRect top(room.topLeft(), half), bottom(QPoint(room.left(), room.top() + half.height()), half);
        c.print(first, twoPixels, top.center() - c.inked(first, twoPixels).center());
        c.print(second, twoPixels, bottom.center() - c.inked(second, twoPixels).center());
    }
    c.setFontSize(kDigitFont);
    c.setDrawWidth(3);
    c.setColour(kBlack);
}

int gridLineWidth(int i) { return i % 3 == 0 ? 3 : 1; }  // grid line i (0..9), in pixels

QRectF cellInside(const Canvas& c, int x, int y) {
    // What a grid line's pen covers at the corner of cells (n, n).
    const auto pen = [&](int n, int width) {
        const Area corner = cell(n, n);
        return c.filled(corner.left, corner.top, corner.left, corner.top, width);
    };
    return QRectF(
        QPointF(pen(x, gridLineWidth(x - 1)).right() + 1, pen(y, gridLineWidth(y - 1)).bottom() + 1),
        QPointF(pen(x + 1, gridLineWidth(x)).left(), pen(y + 1, gridLineWidth(y)).top()));
}

void ensureFormat(QImage& image) {  // the canvas writes 32-bit pixels itself
    const QImage::Format format = image.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_RGB32);
}

void paintStatus(Canvas& c, const GameState& s) {
    if (s.levelShown) {
        c.setColour(kWhite);
        c.setFontSize(kLevelFont);
        fitted(c, kLevelText, kLevelPlace, text::level(s.level));
        c.setFontSize(kDigitFont);
    }
    c.setDrawWidth(3);  // the frame: green once every row, column and box is complete
    c.setColour(s.puzzle.solved() ? QColor(0, 255, 0) : QColor(255, 255, 0));
    c.box(kFrame.left, kFrame.top, kFrame.right, kFrame.bottom);
    c.setDrawWidth(1);
    if (s.scoreShown) {
        c.setColour(kBlack);
        c.setFontSize(kLabelFont);
        fitted(c, kScoreText, kScorePlace, text::score(s.score()));
        c.setFontSize(kDigitFont);
    }
}

// The pen stays 3 pixels wide after the grid, outlining every later shape.
void paintBoard(Canvas& c, const GameState& s, const CellFlags& clashing) {
    const AdviceShades advice = adviceShades(s);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            c.setColour(advice[x][y].value_or(cellColour(s, x, y)));
            fill(c, cell(x, y));
        }
    c.setColour(kBlack);
    for (int i = 0; i <= 9; ++i) {
        const double at = kGrid.top + kCell * i;
        c.setDrawWidth(gridLineWidth(i));
        c.line(kGrid.left, at, kGrid.right, at);
        c.line(at, kGrid.top, at, kGrid.bottom);
    }
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            c.setColour(digitColour(s, clashing, x, y));
            if (s.puzzle.digit(x, y) > 0) digit(c, s, digitAt(x, y), s.puzzle.digit(x, y));
        }
}

void paintKeypad(Canvas& c, const GameState& s) {
    c.setColour(kWhite);
    c.setFontSize(kKeypadFont);
    for (std::int16_t n = 1; n <= 9; ++n) digit(c, s, keyAt(n), n);
    fitted(c, kDeleteKey, kDeletePlace, text::deleteKey());
    c.setColour(kBlack);
    c.setFontSize(kDigitFont);
}

void paintSelection(Canvas& c, const GameState& s, const CellFlags& clashing) {
    const int x = s.selectedX, y = s.selectedY;
    c.setColour(s.mode == Mode::edit ? QColor(200, 200, 255) : QColor(200, 200, 200));
    if (s.mode == Mode::map) c.setColour(QColor(200, 200, 100));
    const Area area = cell(x, y);
    c.fill(area.left + 1, area.top + 1, area.right - 1, area.bottom - 1);
    c.setColour(digitColour(s, clashing, x, y));
    if (s.puzzle.digit(x, y) > 0) digit(c, s, digitAt(x, y), s.puzzle.digit(x, y));
    c.setColour(kBlack);
}

std::uint16_t candidateMarks(const Puzzle& p, int x, int y) {
    std::uint16_t marks = 0;
    for (int k = 1; k <= 9; ++k)
        if (p.candidates()[x][y][k] != 1) marks |= static_cast<std::uint16_t>(1u << (k - 1));
    return marks;
}

std::uint16_t noteMarks(const Puzzle& p, int x, int y) { return p.notes(x, y); }

// Notes of digits that stand in the cell's row, column or box; openNotes: the others.
std::uint16_t ruledOutNotes(const Puzzle& p, int x, int y) {
    return static_cast<std::uint16_t>(p.notes(x, y) & ~candidateMarks(p, x, y));
}
std::uint16_t openNotes(const Puzzle& p, int x, int y) {
    return static_cast<std::uint16_t>(p.notes(x, y) & candidateMarks(p, x, y));
}

bool hasNotes(const Puzzle& p) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (p.notes(x, y) != 0) return true;
    return false;
}

void paintLatinMarks(Canvas& c, const GameState& s, Marks marksOf) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (s.puzzle.digit(x, y) != 0) continue;
            const std::uint16_t marks = marksOf(s.puzzle, x, y);
            for (std::int16_t k = 1; k <= 9; ++k)
                if (marks >> (k - 1) & 1) digit(c, s, candidateAt(x, y, k), k);
        }
}

void paintAnswer(Canvas& c, const GameState& s) {
    c.setColour(QColor(250, 250, 200));
    fill(c, kHintBox);
    c.setColour(QColor(200, 200, 50));
    c.box(kHintBox.left, kHintBox.top, kHintBox.right, kHintBox.bottom);
    c.setColour(kBlack);
    const std::int16_t answer = s.puzzle.answers()[s.selectedX][s.selectedY];
    if (answer > 0) digit(c, s, kHintText, answer);
    else fitted(c, kHintText, kHintPlace, text::noAnswer());
}

void paintWaitingCell(Canvas& c, const GameState& s) {
    c.setColour(kBlack);
    fill(c, cell(s.selectedX, s.selectedY));
    c.setFontSize(kSmallFont);
    c.setColour(QColor(250, 250, 250));
    fitted(c, digitAt(s.selectedX, s.selectedY), waitingPlace(s.selectedX, s.selectedY), text::waitingCell());
}

void paintPaused(Canvas& c) {  // the grid hidden in the slabs' grey, behind one word
    c.setColour(QColor(169, 169, 175));
    fill(c, kGrid);
    c.setColour(kBlack);
    c.setFontSize(kPausedFont);
    centred(c, kPausedPlace, text::paused());
    c.setFontSize(kDigitFont);
}

void paintButtonLabels(Canvas& c) {
    c.setColour(kBlack);
    c.setFontSize(kLabelFont);
    for (const ButtonLabel& label : kButtons)
        fitted(c, label.at, labelPlace(label), text::button(label.button));
    c.setFontSize(kDigitFont);
    c.setColour(kBlack);
}

}  // namespace

QImage stretchedBackground(const QImage& picture, QSize size) {
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

TextCache firstFrameTexts(int outerWidthTwips, int dpi, double ratio) {
    TextCache cache;
    const auto add = [&](FontSize size, const QString& text) {
        cache.mask(false, fontPixels(fontPoints(size, outerWidthTwips), dpi, ratio), text);
    };
    for (Level level : {Level::none, Level::easy, Level::medium, Level::hard})
        add(kLevelFont, text::level(level));
    for (int n = 1; n <= 9; ++n) {
        add(kDigitFont, numberForm(n));
        add(kKeypadFont, numberForm(n));
        add(kSmallFont, numberForm(n));  // a resumed game's notes, or map mode's marks
    }
    add(kKeypadFont, text::deleteKey());
    for (const ButtonLabel& label : kButtons) add(kLabelFont, text::button(label.button));
    return cache;
}

BoardPainter::BoardPainter(QImage background, QImage stretched)
    : picture_(std::move(background)), scaled_(std::move(stretched)) {}

void BoardPainter::prepareTexts(int outerWidthTwips, int dpi, double ratio) {
    early_ = std::async(std::launch::async, firstFrameTexts, outerWidthTwips, dpi, ratio);
}

const QImage& BoardPainter::background(QSize size) {
    if (scaled_.size() != size) scaled_ = stretchedBackground(picture_, size);
    return scaled_;
}

void BoardPainter::paint(QImage& image, const GameState& s, Overlay overlay, int outerWidthTwips, int dpi) {
    if (image.isNull()) return;
    ensureFormat(image);
    if (early_.valid()) text_.merge(early_.get());
    Canvas c(image, state_, text_, outerWidthTwips, dpi);
    reading_ = QRect();
    if (picture_.isNull()) c.clear(kBlack);
    else  // the cells' shading covers the grid whatever comes before it
        c.picture(background(image.size()), c.filled(kGrid.left, kGrid.top, kGrid.right, kGrid.bottom, 1));
    const CellFlags clashing = s.conflictsShown ? clashingCells(s.puzzle.board()) : CellFlags{};
    paintStatus(c, s);
    paintBoard(c, s, clashing);
    paintKeypad(c, s);
    paintSelection(c, s, clashing);
    // Map mode: every digit still possible in every empty cell; else the player's notes, blue
    // as the player's digits, those ruled out dimmed when conflicts show.
    const bool map = s.mode == Mode::map, dimmed = !map && s.conflictsShown;
    const auto marks = [&](Marks marksOf) {
        if (s.kanji) paintKanjiMarks(c, s, marksOf);
        else paintLatinMarks(c, s, marksOf);
    };
    if (map || hasNotes(s.puzzle)) {
        c.setColour(map ? kBlack : kBlue);
        c.setFontSize(kSmallFont);
        marks(map ? candidateMarks : dimmed ? openNotes : noteMarks);
        if (dimmed) {
            c.setColour(kRuledOutNote);
            marks(ruledOutNotes);
        }
        c.setFontSize(kDigitFont);
    }
    if (overlay.answerShown) paintAnswer(c, s);
    if (s.waitingForDigit) paintWaitingCell(c, s);
    if (s.paused) paintPaused(c);
    paintButtonLabels(c);
    if (s.advice) paintAdvice(c, *s.advice, text::advice(*s.advice));
    if (overlay.focusStop >= 0) {  // in the frame's yellow, so it reads as the board's own
        const Area area = stopArea(overlay.focusStop);
        c.setDrawWidth(2);
        c.setColour(QColor(255, 255, 0));
        c.box(area.left, area.top, area.right, area.bottom);
        c.setDrawWidth(3);
        c.setColour(kBlack);
    }
}

// The kanji numerals fill their em square, and would run over each other and the grid lines.
// Each fits a third of the cell's inside less a tenth (a pixel at least) on every side, centred;
// all take one size and offset, so the numerals keep the font's placing among them.
void BoardPainter::paintKanjiMarks(Canvas& c, const GameState& s, Marks marksOf) {
    QSizeF place(1e9, 1e9);  // the smallest of the board's, as cells differ by a pixel
    for (int i = 1; i <= 9; ++i) place = place.boundedTo(cellInside(c, i, i).size() / 3);
    const auto inner = [](double side) { return static_cast<int>(side - 2 * std::max(1.0, side / 10)); };
    const MarkFit& fit = kanjiFit(c, QSize(inner(place.width()), inner(place.height())));
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (s.puzzle.digit(x, y) != 0) continue;
            const QRectF inside = cellInside(c, x, y);
            const std::uint16_t marks = marksOf(s.puzzle, x, y);
            for (std::int16_t k = 1; k <= 9; ++k) {
                if (!(marks >> (k - 1) & 1)) continue;
                const QPointF centre(inside.left() + inside.width() * (2 * ((k - 1) % 3) + 1) / 6,
                                     inside.top() + inside.height() * (2 * ((k - 1) / 3) + 1) / 6);
                drawKanji(c, k, fit.pixels, (centre - fit.centre).toPoint());
            }
        }
}

const BoardPainter::MarkFit& BoardPainter::kanjiFit(Canvas& c, QSize box) {
    const int most = c.fontPixels();
    if (marks_.box == box && marks_.most == most) return marks_;
    marks_ = {box, most, most, {}};
    c.setFont(Canvas::Font::kanji);
    for (;;) {
        QRect ink;
        for (int k = 1; k <= 9; ++k) ink |= c.inked(QString(kanjiLetter(k)), marks_.pixels);
        marks_.centre = QRectF(ink).center();
        const bool fits = ink.width() <= box.width() && ink.height() <= box.height();
        if (fits || ink.isEmpty() || marks_.pixels == 1) break;
        const double shrink = std::min(static_cast<double>(box.width()) / ink.width(),
                                       static_cast<double>(box.height()) / ink.height());
        marks_.pixels = std::max(1, std::min(marks_.pixels - 1, static_cast<int>(marks_.pixels * shrink)));
    }
    c.setFont(Canvas::Font::window);
    return marks_;
}

void BoardPainter::paintClock(QImage& image, const QString& reading, int outerWidthTwips, int dpi) {
    if (image.isNull()) return;
    ensureFormat(image);
    Canvas c(image, state_, text_, outerWidthTwips, dpi);
    c.setColour(QColor(169, 169, 175));
    fill(c, kClockSlab);
    // The slab alone misses a reading's edges at some sizes; under the clock it is flat in this colour.
    c.fillPixels(reading_);
    c.setColour(kBlack);
    c.setFontSize(kLabelFont);
    write(c, kClockText, reading);
    reading_ = c.inked(reading);
    c.setFontSize(kDigitFont);
    c.setColour(kBlack);
}

}  // namespace ninebox
