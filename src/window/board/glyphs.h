// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kanji font's letters Q W E R T Y U I O hold the numerals one to nine.

#include <QLatin1String>
#include <QPoint>
#include <QString>
#include <cstdint>

namespace ninebox {

class Canvas;

constexpr QLatin1String kWindowFamily("Arial Narrow");
constexpr QLatin1String kKanjiFamily("Mah Jong Kanji SimSun");

QString numberForm(int n);  // a blank for the sign, the digits, a trailing blank

QChar kanjiLetter(int digit);

void drawKanji(Canvas& canvas, std::int16_t digit);  // as the canvas prints, keeping its font
// At a pixel size of its own, the top-left of its character cell at this pixel.
void drawKanji(Canvas& canvas, std::int16_t digit, int pixelSize, QPoint at);

}  // namespace ninebox
