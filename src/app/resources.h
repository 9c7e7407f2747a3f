#pragma once
// What the program carries inside itself: the two pictures and the two fonts. Nothing is
// written to disk; the fonts are registered from memory for the life of the process.

#include <QImage>
#include <QSize>
#include <QString>

namespace ninebox {

// The drawing area when the window first opens: 11610 x 7410 twips.
constexpr QSize kStartArea(774, 494);

// Starts decoding the board picture, and stretching it to the start area, on another
// thread: the longest step of start-up needs nothing from the application object, so it
// runs beside its construction. Call on the main thread before the application object is
// made. Optional: without it the picture is decoded on first use.
void preloadBoardPicture();

// Registers the fonts and has the board picture ready; later calls do nothing. Needs a
// QGuiApplication.
void loadResources();

// Empty images when the picture could not be decoded.
const QImage& boardPicture();         // 850 x 600, the board window's background
const QImage& boardPictureAtStart();  // the same stretched to kStartArea
const QImage& aboutPicture();         // 800 x 500, decoded when first asked for

// True when the kanji font was registered under its family name.
bool kanjiFontLoaded();

}  // namespace ninebox
