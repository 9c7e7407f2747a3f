// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws the board window from the game state into its retained image. It keeps what does
// not change from pass to pass (the background scaled to the image, laid-out texts) and
// the drawing state a window keeps between passes.

#include <QImage>
#include <QPointF>
#include <QString>
#include <future>

#include "game/gamestate.h"
#include "window/board/canvas.h"

namespace ninebox {

// Which small digits an empty cell shows, bit k - 1 for digit k.
using Marks = std::uint16_t (*)(const Puzzle& puzzle, int x, int y);

// What a drawing shows besides the game's state: the selected cell's answer in the box above
// the board, and the mark of a button or key that has the keyboard (a stop of game/layout.h).
struct Overlay {
    bool answerShown = false;
    int focusStop = -1;
};

// The picture stretched to size, as every redraw lays it under the board.
QImage stretchedBackground(const QImage& picture, QSize size);

// The texts of a first frame at this size rendered ahead: the level, the labels, the digits of
// the cells and of the keypad.
TextCache firstFrameTexts(int outerWidthTwips, int dpi, double ratio);

class BoardPainter {
public:
    // An empty picture leaves a black background. stretched: the picture already
    // stretched to some size, if at hand.
    explicit BoardPainter(QImage background, QImage stretched = QImage());

    // Renders the first frame's texts on another thread while the window is being shown; the
    // next paint takes them. A first frame otherwise spends about half its time on them.
    void prepareTexts(int outerWidthTwips, int dpi, double ratio);

    // A full redraw: background, level, frame, score, shading, grid, digits, keypad, selection,
    // candidate marks (or the player's notes), the answer when shown, the waiting cell and the
    // button labels. Font sizes follow the window's outer width in twips; dpi turns points
    // into pixels.
    void paint(QImage& image, const GameState& state, Overlay overlay, int outerWidthTwips, int dpi);

    // Wipes the clock's place and the previous reading, and writes this reading there.
    void paintClock(QImage& image, const QString& reading, int outerWidthTwips, int dpi);

private:
    // The size kanji candidate marks are drawn at for a place of `box` pixels, and where
    // their ink lies: laying out glyphs to find it is kept for the next pass.
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
