#pragma once
// What the program carries inside itself: the two pictures and the two fonts. Nothing is
// written to disk; the fonts are registered from memory for the life of the process.

#include <QImage>
#include <QString>

namespace ninebox {

// Decodes the pictures and registers the fonts; later calls do nothing. Needs a
// QGuiApplication.
void loadResources();

// Empty images when the picture could not be decoded.
const QImage& boardPicture();  // 850 x 600, the board window's background
const QImage& aboutPicture();  // 800 x 500, the About window's background

// True when the kanji font was registered under its family name.
bool kanjiFontLoaded();

}  // namespace ninebox
