// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/board/glyphs.h"

#include "window/board/canvas.h"

namespace ninebox {

QString numberForm(int n) { return QLatin1Char(' ') + QString::number(n) + QLatin1Char(' '); }

QChar kanjiLetter(int digit) { return QLatin1String("QWERTYUIOP").at(digit - 1); }

void drawKanji(Canvas& canvas, std::int16_t digit) {
    canvas.setFont(Canvas::Font::kanji);
    canvas.print(QString(kanjiLetter(digit)));
    canvas.setFont(Canvas::Font::window);
}

void drawKanji(Canvas& canvas, std::int16_t digit, int pixelSize, QPoint at) {
    canvas.setFont(Canvas::Font::kanji);
    canvas.print(QString(kanjiLetter(digit)), pixelSize, at);
    canvas.setFont(Canvas::Font::window);
}

}  // namespace ninebox
