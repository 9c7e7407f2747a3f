// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/boardpainter.h"

#include <algorithm>
#include <utility>

#include "window/glyphs.h"

namespace ninebox {

namespace {

const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kBlue(0, 0, 255);

struct Label {
    const char* text;
    double x, y;
};

// The on-board buttons, each label at the top of the band that mousePressed tests.
constexpr Label kLabels[] = {
    {"New", -47, 10},          {"Reset", -47, 25},       {"Play Mode", -47, 42}, {"Map Mode", -47, 57},
    {"Score On/Off", -49, 72}, {"Time On/Off", -49, 87}, {"About", -45, 103},
};

const char* levelName(Level level) {
    switch (level) {
        case Level::easy: return "Easy";
        case Level::medium: return "Medium";
        case Level::hard: return "Hard";
        case Level::none: break;
    }
    return "     ";
}

// A cell's shade from the current digit's plane of the candidate map, the tests in their
// order, a later match replacing an earlier one: ruled out, possible with v digits around
// (8: the last one left), open (the box pattern).
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

void digit(Canvas& canvas, const GameState& state, double x, double y, std::int16_t k) {
    canvas.moveTo(x, y);
    if (!state.kanji) canvas.print(numberForm(k));
    else drawKanji(canvas, k);
}

// Grid line i (0..9) in pixels: the boxes' lines are wide.
int gridLineWidth(int i) { return i % 3 == 0 ? 3 : 1; }

// A cell's pixels within its grid lines.
QRectF cellInside(const Canvas& c, int x, int y) {
    // What a grid line's pen covers at board units (20n, 20n).
    const auto pen = [&](int n, int width) { return c.filled(20 * n, 20 * n, 20 * n, 20 * n, width); };
    return QRectF(
        QPointF(pen(x, gridLineWidth(x - 1)).right() + 1, pen(y, gridLineWidth(y - 1)).bottom() + 1),
        QPointF(pen(x + 1, gridLineWidth(x)).left(), pen(y + 1, gridLineWidth(y)).top()));
}

// The canvas writes 32-bit pixels itself.
void ensureFormat(QImage& image) {
    const QImage::Format format = image.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_RGB32);
}

}  // namespace

QImage stretchedBackground(const QImage& picture, QSize size) {
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

BoardPainter::BoardPainter(QImage background, QImage stretched)
    : picture_(std::move(background)), scaled_(std::move(stretched)) {}

const QImage& BoardPainter::background(QSize size) {
    if (scaled_.size() != size) scaled_ = stretchedBackground(picture_, size);
    return scaled_;
}

void BoardPainter::paint(QImage& image, const GameState& s, int outerWidthTwips, int dpi) {
    if (image.isNull()) return;
    ensureFormat(image);
    Canvas c(image, state_, text_, outerWidthTwips, dpi);
    reading_ = QRect();

    if (picture_.isNull()) c.clear(kBlack);
    else  // the cells' shading covers the board area whatever comes before it
        c.picture(background(image.size()), c.filled(20, 20, 200, 200, 1));

    if (s.checked(Item::showLevel)) {  // the level
        c.setColour(kWhite);
        c.setFontSize(8, 2);
        c.moveTo(-45, 210);
        c.print(QLatin1String("Level=") + QLatin1String(levelName(s.level)));
        c.setFontSize(18, 1);
    }

    c.setDrawWidth(3);  // the frame: green once every row, column and box is complete
    c.setColour(s.solved ? QColor(0, 255, 0) : QColor(255, 255, 0));
    c.box(15, 15, 205, 205);
    c.setDrawWidth(1);

    if (s.checked(Item::showScore)) {  // the score
        c.setColour(kBlack);
        c.setFontSize(10, 4);
        c.moveTo(-42, 118);
        c.print(QLatin1String("R:") + QString::number(s.rightEntries) + QLatin1String(" W:") +
                QString::number(s.wrongEntries));
        c.setFontSize(18, 1);
    }

    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            c.setColour(shade(s.candidates[x][y][s.shadedDigit], x, y));
            c.fill(20 * x, 20 * y, 20 * x + 20, 20 * y + 20);
        }

    c.setColour(kBlack);  // the grid, boxes in thick lines
    for (int i = 0; i <= 9; ++i) {
        c.setDrawWidth(gridLineWidth(i));
        c.line(20, 20 + 20 * i, 200, 20 + 20 * i);
        c.line(20 + 20 * i, 20, 20 + 20 * i, 200);
    }
    // The pen stays 3 pixels wide from here on, outlining every later shape.

    for (int x = 1; x <= 9; ++x)  // the digits: the puzzle's black, the player's blue
        for (int y = 1; y <= 9; ++y) {
            c.setColour(s.given(x, y) ? kBlack : kBlue);
            if (s.board[x][y] > 0) digit(c, s, 20 * x + 5, 20 * y + 5, s.board[x][y]);
        }

    c.setColour(kWhite);  // the keypad's labels
    c.setFontSize(12, 1);
    for (int r = 0; r <= 2; ++r)
        for (int col = 0; col <= 2; ++col)
            digit(c, s, -53 + 19 * col, 157 + 13 * r, static_cast<std::int16_t>(3 * r + col + 1));
    c.moveTo(-40, 197);
    c.print(QStringLiteral("Delete"));
    c.setColour(kBlack);
    c.setFontSize(18, 1);

    const int sx = s.selectedX, sy = s.selectedY;  // the selected cell, its digit over the highlight
    c.setColour(s.mode == Mode::edit ? QColor(200, 200, 255) : QColor(200, 200, 200));
    if (s.mode == Mode::map) c.setColour(QColor(200, 200, 100));
    c.fill(20 * sx + 1, 20 * sy + 1, 20 * sx + 19, 20 * sy + 19);
    c.setColour(s.given(sx, sy) ? kBlack : kBlue);
    if (s.board[sx][sy] > 0) digit(c, s, 20 * sx + 5, 20 * sy + 5, s.board[sx][sy]);
    c.setColour(kBlack);

    if (s.mode == Mode::map) {  // every digit still possible in every empty cell
        c.setColour(kBlack);
        c.setFontSize(8, 1);
        if (s.kanji) paintKanjiMarks(c, s);
        else
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y) {
                    if (s.board[x][y] != 0) continue;
                    for (std::int16_t k = 1; k <= 9; ++k)
                        if (s.candidates[x][y][k] != 1)
                            digit(c, s, 20 * x + 5 * ((k - 1) % 3) + 4, 20 * y + 5 * ((k - 1) / 3) + 4, k);
                }
        c.setFontSize(18, 1);
    }

    if (s.showAnswerOnce) {  // the selected cell's answer, shown once
        c.setColour(QColor(250, 250, 200));
        c.fill(100, 0, 120, 15);
        c.setColour(QColor(200, 200, 50));
        c.box(100, 0, 120, 15);
        c.setColour(kBlack);
        const std::int16_t answer = s.answer[sx][sy];
        if (answer > 0) {
            digit(c, s, 105, 2, answer);
        } else {
            c.moveTo(105, 2);
            c.print(QStringLiteral("NA"));
        }
    }

    if (s.waitingForDigit) {  // the cell waiting for a digit
        c.setColour(kBlack);
        c.fill(20 * sx, 20 * sy, 20 * sx + 20, 20 * sy + 20);
        c.setFontSize(8, 1);
        c.setColour(QColor(250, 250, 250));
        c.moveTo(20 * sx + 5, 20 * sy + 5);
        c.print(QStringLiteral("Enter"));
    }

    c.setColour(kBlack);
    c.setFontSize(10, 4);
    for (const Label& label : kLabels) {  // the on-board buttons
        c.moveTo(label.x, label.y);
        c.print(QLatin1String(label.text));
    }
    c.setFontSize(18, 1);
    c.setColour(kBlack);
}

// The kanji numerals fill their em square, so at the candidate font's size they would run
// into each other and over the grid lines. Each mark is as large as that size allows but
// fits its place, a third of the cell's inside each way less a tenth of that (at least a
// pixel) on every side, centred there; all take one size and offset, so the numerals keep
// the font's placing relative to each other.
void BoardPainter::paintKanjiMarks(Canvas& c, const GameState& s) {
    QSizeF place(1e9, 1e9);  // the smallest of the board's, as cells differ by a pixel
    for (int i = 1; i <= 9; ++i) place = place.boundedTo(cellInside(c, i, i).size() / 3);
    const auto inner = [](double side) { return static_cast<int>(side - 2 * std::max(1.0, side / 10)); };
    const MarkFit& fit = kanjiFit(c, QSize(inner(place.width()), inner(place.height())));
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (s.board[x][y] != 0) continue;
            const QRectF inside = cellInside(c, x, y);
            for (std::int16_t k = 1; k <= 9; ++k) {
                if (s.candidates[x][y][k] == 1) continue;
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
        // Ink grows about in proportion: go near the fit at once, then step down.
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
    c.fill(-42, 138, -17, 143);
    // The rectangle alone misses the edges of a reading at some window sizes, and the
    // seconds would smear there; the slab under the clock is flat in this colour.
    c.fillPixels(reading_);
    c.setColour(kBlack);
    c.setFontSize(10, 4);
    c.moveTo(-42, 136);
    c.print(reading);
    reading_ = c.inked(reading);
    c.setFontSize(18, 1);
    c.setColour(kBlack);
}

}  // namespace ninebox
