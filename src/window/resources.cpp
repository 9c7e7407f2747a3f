// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/resources.h"

#include <fontconfig/fontconfig.h>

#include <QByteArray>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <QThreadPool>
#include <future>
#include <string_view>

#include "window/board/glyphs.h"
#include "window/board/painter.h"
#include "window/embedded.h"

namespace ninebox {

namespace {

QByteArray bytes(std::string_view data) {
    return QByteArray::fromRawData(data.data(), static_cast<qsizetype>(data.size()));
}

QStringList registerFont(std::string_view data) {
    const int id = QFontDatabase::addApplicationFontFromData(bytes(data));
    return id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
}

// Null for no JPEG. Qt's reader works on any thread before the application object exists.
QImage decodeJpeg(std::string_view data) {
    return QImage::fromData(bytes(data), "JPG").convertToFormat(QImage::Format_RGB32);
}

struct Pictures {
    QImage board, stretched;
};

Pictures startUp() {
    FcInit();  // else the first font reads the configuration, on the main thread
    Pictures pictures{decodeJpeg(embedded::board), {}};
    if (!pictures.board.isNull()) pictures.stretched = stretchedBackground(pictures.board, kStartArea);
    return pictures;
}

struct Resources {  // the main thread's; the start-up thread shares only its result
    std::future<Pictures> early;
    bool loaded = false;
    QImage board, stretched, about;
    bool kanji = false;
};

Resources& store() {
    static Resources resources;
    return resources;
}

}  // namespace

void preloadResources() {
    Resources& r = store();
    if (r.early.valid() || r.loaded) return;
    // Stretching uses Qt's thread pool: made here, it belongs to the main thread.
    QThreadPool::globalInstance();
    r.early = std::async(std::launch::async, startUp);
}

void loadResources() {
    Resources& r = store();
    if (r.loaded) return;
    r.loaded = true;
    if (r.early.valid()) {
        Pictures pictures = r.early.get();
        r.board = std::move(pictures.board);
        r.stretched = std::move(pictures.stretched);
    } else {
        r.board = decodeJpeg(embedded::board);
    }
    r.kanji = registerFont(embedded::kanjifont).contains(kKanjiFamily);
    // A substitute counts only where the family is missing: a system's own Arial Narrow wins.
    const QStringList narrow = registerFont(embedded::narrowfont);
    if (!narrow.isEmpty()) QFont::insertSubstitution(kWindowFamily, narrow.first());
}

const QImage& boardPicture() {
    loadResources();
    return store().board;
}

const QImage& boardPictureAtStart() {
    loadResources();
    return store().stretched;
}

const QImage& aboutPicture() {
    QImage& about = store().about;
    if (about.isNull()) about = decodeJpeg(embedded::about);
    return about;
}

QImage desktopIcon() { return QImage::fromData(bytes(embedded::icon), "PNG"); }

bool kanjiFontLoaded() {
    loadResources();
    return store().kanji;
}

}  // namespace ninebox
