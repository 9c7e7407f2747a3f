#include "app/resources.h"

#include <fontconfig/fontconfig.h>

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <future>

#include "board/glyphs.h"

// Outside any namespace: it names the resource file's initialiser, which a static library
// would otherwise leave out of the program.
static void initEmbedded() { Q_INIT_RESOURCE(ninebox); }

namespace ninebox {

namespace {

QByteArray embedded(const QString& name) {
    QFile file(QLatin1String(":/") + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QImage picture(const QString& name) {
    const QByteArray bytes = embedded(name);
    if (bytes.isEmpty()) return {};
    return QImage::fromData(bytes, "JPG").convertToFormat(QImage::Format_RGB32);
}

QStringList registerFont(const QString& name) {
    const int id = QFontDatabase::addApplicationFontFromData(embedded(name));
    return id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
}

// Used from the main thread only; the other thread shares nothing but its end.
struct Resources {
    std::future<void> fontConfiguration;
    bool loaded = false;
    QImage board, about;
    bool kanji = false;
};

Resources& store() {
    static Resources resources;
    return resources;
}

}  // namespace

void preloadResources() {
    Resources& r = store();
    if (!r.fontConfiguration.valid()) r.fontConfiguration = std::async(std::launch::async, [] { FcInit(); });
}

void loadResources() {
    Resources& r = store();
    if (r.loaded) return;
    r.loaded = true;
    initEmbedded();
    r.board = picture(QStringLiteral("pictures/board.jpg"));
    if (r.fontConfiguration.valid()) r.fontConfiguration.get();  // Qt's fonts read it next
    r.kanji = registerFont(QStringLiteral("fonts/mahjongkanji.ttf")).contains(kKanjiFamily);
    // The board is laid out for Arial Narrow. A substitute is consulted only when the
    // family is missing, so a system's own Arial Narrow still wins over the twin we carry,
    // and nothing has to list every installed font to find out.
    const QStringList narrow = registerFont(QStringLiteral("fonts/LiberationSansNarrow-Bold.ttf"));
    if (!narrow.isEmpty()) QFont::insertSubstitution(kWindowFamily, narrow.first());
}

const QImage& boardPicture() {
    loadResources();
    return store().board;
}

const QImage& aboutPicture() {
    QImage& about = store().about;
    if (about.isNull()) {
        initEmbedded();
        about = picture(QStringLiteral("pictures/about.jpg"));
    }
    return about;
}

bool kanjiFontLoaded() {
    loadResources();
    return store().kanji;
}

}  // namespace ninebox
