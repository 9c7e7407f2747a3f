// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPointF>
#include <QString>
#include <future>

#include "game/gamestate.h"
#include "window/board/canvas.h"

namespace ninebox {

// The small digits an empty cell shows, bit k - 1 for digit k.
using Marks = std::uint16_t (*)(const Puzzle& puzzle, int x, int y);

struct Overlay {
    bool answerShown = false;  // the selected cell's, above the board
    int focusStop = -1;        // layout's stop that has the keyboard
};

QImage stretchedBackground(const QImage& picture, QSize size);

// The level, labels and digits of a first frame, rendered ahead.
TextCache firstFrameTexts(int outerWidthTwips, int dpi, double ratio);

class BoardPainter {
public:
    // An empty picture leaves a black background; stretched: one already stretched, if at hand.
    explicit BoardPainter(QImage background, QImage stretched = QImage());

    // On another thread while the window is shown: a first frame spends about half its time on them.
    void prepareTexts(int outerWidthTwips, int dpi, double ratio);

    // A full redraw. Font sizes follow the window's outer width; dpi turns points into pixels.
    void paint(QImage& image, const GameState& state, Overlay overlay, int outerWidthTwips, int dpi);

    void paintClock(QImage& image, const QString& reading, int outerWidthTwips, int dpi);

private:
    // Kanji candidate marks in a place of `box` pixels, kept: finding their ink costs a layout.
    struct MarkFit {
        QSize box;
        int most = 0;    // the candidate font's pixel size, the largest a mark may be
        int pixels = 0;  // the size that fits
        QPointF centre;  // of the nine numerals' ink together, from the text position
    };

    const QImage& background(QSize size);
    void paintKanjiMarks(Canvas& c, const GameState& s, Marks marksOf);
    const MarkFit& kanjiFit(Canvas& c, QSize box);

    QImage picture_;
    QImage scaled_;
    QRect reading_;  // pixels of the clock reading on show, empty after a full redraw
    DrawState state_;
    TextCache text_;
    std::future<TextCache> early_;
    MarkFit marks_;
};

}  // namespace ninebox
