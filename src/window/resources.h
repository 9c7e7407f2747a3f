// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace ninebox {

// The drawing area at start, and the smallest at which the marks and words stay readable.
inline constexpr QSize kStartArea(774, 494);
inline constexpr QSize kSmallestArea(516, 329);

// Optional, before the application object: reads the font configuration on another thread,
// which decodes and stretches the board picture once loadResources says the application is made.
void preloadResources();

void loadResources();  // needs a QGuiApplication; later calls do nothing

// Empty images when the picture could not be decoded.
const QImage& boardPicture();         // 850 x 600, the board window's background
const QImage& boardPictureAtStart();  // stretched to kStartArea
const QImage& aboutPicture();         // 800 x 500, decoded when first asked for
QImage desktopIcon();                 // the desktop entry's icon, 256 x 256, for the window

bool kanjiFontLoaded();

}  // namespace ninebox
