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

// Null for no JPEG.
QImage decodeJpeg(std::string_view data) {
    return QImage::fromData(bytes(data), "JPG").convertToFormat(QImage::Format_RGB32);
}

struct Pictures {
    QImage board, stretched;
};

// Qt's reader finds its plugins through the application object, which must not be in the
// making meanwhile: it waits for that.
Pictures startUp(std::shared_future<void> applicationMade) {
    FcInit();  // else the first font reads the configuration, on the main thread
    applicationMade.wait();
    Pictures pictures{decodeJpeg(embedded::board), {}};
    if (!pictures.board.isNull()) pictures.stretched = stretchedBackground(pictures.board, kStartArea);
    return pictures;
}

struct Resources {  // the main thread's; the start-up thread shares only its result and the signal
    std::future<Pictures> early;
    std::promise<void> applicationMade;  // gone first at exit, which frees a thread still waiting
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
    r.early = std::async(std::launch::async, startUp, r.applicationMade.get_future().share());
}

void loadResources() {
    Resources& r = store();
    if (r.loaded) return;
    r.loaded = true;
    if (r.early.valid()) r.applicationMade.set_value();
    r.kanji = registerFont(embedded::kanjifont).contains(kKanjiFamily);
    // A substitute counts only where the family is missing: a system's own Arial Narrow wins.
    const QStringList narrow = registerFont(embedded::narrowfont);
    if (!narrow.isEmpty()) QFont::insertSubstitution(kWindowFamily, narrow.first());
    if (!r.early.valid()) {
        r.board = decodeJpeg(embedded::board);
        return;
    }
    Pictures pictures = r.early.get();
    r.board = std::move(pictures.board);
    r.stretched = std::move(pictures.stretched);
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
