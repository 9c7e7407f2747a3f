#pragma once
// What the program carries inside itself: the two pictures and the two fonts. Nothing is
// written to disk; the fonts are registered from memory for the life of the process.

#include <QImage>
#include <QString>

namespace ninebox {

// Starts reading the system's font configuration on another thread, beside the
// application object's construction: the first font registered would wait for it
// otherwise. Touches nothing of Qt's. Optional; call before the application object.
void preloadResources();

// Decodes the board picture and registers the fonts; later calls do nothing. Needs a
// QGuiApplication.
void loadResources();

// Empty images when the picture could not be decoded.
const QImage& boardPicture();  // 850 x 600, the board window's background
const QImage& aboutPicture();  // 800 x 500, decoded when first asked for

// True when the kanji font was registered under its family name.
bool kanjiFontLoaded();

}  // namespace ninebox
