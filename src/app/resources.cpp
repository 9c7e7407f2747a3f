#include "app/resources.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <QThread>
#include <future>

#include "board/boardpainter.h"
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

struct Board {
    QImage picture, atStart;
};

Board decodeBoard() {
    Board board;
    board.picture = picture(QStringLiteral("pictures/board.jpg"));
    if (!board.picture.isNull()) board.atStart = scaledBackground(board.picture, kStartArea);
    return board;
}

QStringList registerFont(const QString& name) {
    const int id = QFontDatabase::addApplicationFontFromData(embedded(name));
    return id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
}

// Everything here is used from the main thread only; the decoding thread hands its result
// over through the future.
struct Resources {
    std::future<Board> decoding;
    Board board;
    bool boardReady = false;
    QImage about;
    bool fontsLoaded = false;
    bool kanji = false;
};

Resources& store() {
    static Resources resources;
    return resources;
}

const Board& board() {
    Resources& r = store();
    if (!r.boardReady) {
        initEmbedded();
        r.board = r.decoding.valid() ? r.decoding.get() : decodeBoard();
        r.boardReady = true;
    }
    return r.board;
}

}  // namespace

void preloadBoardPicture() {
    Resources& r = store();
    if (r.boardReady || r.decoding.valid()) return;
    // Qt takes the first thread that uses it for the main thread: this one, not the worker.
    QThread::currentThread();
    initEmbedded();
    r.decoding = std::async(std::launch::async, decodeBoard);
}

void loadResources() {
    Resources& r = store();
    board();
    if (r.fontsLoaded) return;
    r.fontsLoaded = true;
    initEmbedded();
    r.kanji = registerFont(QStringLiteral("fonts/mahjongkanji.ttf")).contains(kKanjiFamily);
    // The board is laid out for Arial Narrow. A substitute is consulted only when the
    // family is missing, so a system's own Arial Narrow still wins over the twin we carry,
    // and nothing has to list every installed font to find out.
    const QStringList narrow = registerFont(QStringLiteral("fonts/LiberationSansNarrow-Bold.ttf"));
    if (!narrow.isEmpty()) QFont::insertSubstitution(kWindowFamily, narrow.first());
}

const QImage& boardPicture() { return board().picture; }
const QImage& boardPictureAtStart() { return board().atStart; }

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
