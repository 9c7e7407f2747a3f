// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a digit looks: in number form in the window font, or as a kanji numeral taken from
// the font we carry, whose letters Q W E R T Y U I O hold the numerals one to nine.

#include <QLatin1String>
#include <QPoint>
#include <QString>
#include <cstdint>

namespace ninebox {

class Canvas;

constexpr QLatin1String kWindowFamily("Arial Narrow");
constexpr QLatin1String kKanjiFamily("Mah Jong Kanji SimSun");

// The printed form of a number: a blank for the sign, the digits, a trailing blank.
QString numberForm(int n);

// The letter of the kanji font that carries digit 1..9.
QChar kanjiLetter(int digit);

// Draws digit 1..9 as a kanji at the canvas's text position, in its colour and size; the
// canvas is left with the window font again.
void drawKanji(Canvas& canvas, std::int16_t digit);
// The same at a pixel size of its own, with the top-left of its character cell at this pixel.
void drawKanji(Canvas& canvas, std::int16_t digit, int pixelSize, QPoint at);

}  // namespace ninebox
