#include "app/resources.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include "board/glyphs.h"

// Outside any namespace: it names the resource file's initialiser, which a static library
// would otherwise leave out of the program.
static void initEmbedded() { Q_INIT_RESOURCE(ninebox); }

namespace ninebox {

namespace {

struct Resources {
    QImage board, about;
    bool kanji = false;
};

Resources& store() {
    static Resources resources;
    return resources;
}

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

}  // namespace

void loadResources() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    initEmbedded();

    Resources& r = store();
    r.board = picture(QStringLiteral("pictures/board.jpg"));
    r.about = picture(QStringLiteral("pictures/about.jpg"));

    r.kanji = registerFont(QStringLiteral("fonts/mahjongkanji.ttf")).contains(kKanjiFamily);
    // The board is laid out for Arial Narrow; where the system has none, the metric twin
    // we carry stands in, rather than whatever wide face fontconfig would pick.
    const QStringList narrow = registerFont(QStringLiteral("fonts/LiberationSansNarrow-Bold.ttf"));
    if (!narrow.isEmpty() && !QFontDatabase::families().contains(kWindowFamily))
        QFont::insertSubstitution(kWindowFamily, narrow.first());
}

const QImage& boardPicture() { return store().board; }
const QImage& aboutPicture() { return store().about; }
bool kanjiFontLoaded() { return store().kanji; }

}  // namespace ninebox
