// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program carries inside itself: the two pictures, the two fonts and the window
// icon. Nothing is written to disk; the fonts are registered from memory for the life of
// the process.

#include <QImage>
#include <QSize>
#include <QString>

namespace ninebox {

// The board window's drawing area at start: 11610 x 7410 twips at 15 twips to the pixel.
inline constexpr QSize kStartArea(774, 494);
// The smallest the window lets it be, two thirds of that: smaller, the candidate marks and the
// board's words would be too small to read.
inline constexpr QSize kSmallestArea(516, 329);

// Starts, on another thread, what start-up would otherwise wait for: reading the system's
// font configuration, decoding the board picture and stretching it to kStartArea. Touches
// nothing of Qt's but images. Optional; call before the application object.
void preloadResources();

// Takes the board picture and registers the fonts; later calls do nothing. Needs a
// QGuiApplication.
void loadResources();

// Empty images when the picture could not be decoded.
const QImage& boardPicture();  // 850 x 600, the board window's background
// The board picture stretched to kStartArea beside start-up, or an empty image.
const QImage& boardPictureAtStart();
const QImage& aboutPicture();  // 800 x 500, decoded when first asked for
QImage desktopIcon();          // the desktop entry's icon, 256 x 256, for the window

// True when the kanji font was registered under its family name.
bool kanjiFontLoaded();

}  // namespace ninebox
