// The board as painted: images of known size, checked pixel by pixel where the behaviour
// shows. Positions are given in board units (x -70..220, y 0..220 over the image).
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <QTest>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/resources.h"
#include "board/boardpainter.h"
#include "board/boardview.h"
#include "board/canvas.h"
#include "board/glyphs.h"
#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

constexpr int kTwips = 11610;  // the outer width of the window at start, no frame
constexpr char kSolution[] =
    "735482169418965723629713458981376245354129687276854931862597314147238596593641872";

QImage painted(const GameState& s, QSize size = {774, 494}, int twips = kTwips, qreal ratio = 1) {
    loadResources();
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    BoardPainter painter(boardPicture());
    painter.paint(image, s, twips, 96);
    return image;
}

QPoint at(const QImage& image, double x, double y) {
    return {static_cast<int>(std::lround((x + 70) * image.width() / 290.0)),
            static_cast<int>(std::lround(y * image.height() / 220.0))};
}

std::string rgb(QColor c) {
    return std::to_string(c.red()) + "," + std::to_string(c.green()) + "," + std::to_string(c.blue());
}
std::string rgb(int r, int g, int b) { return rgb(QColor(r, g, b)); }
std::string colourAt(const QImage& image, double x, double y) { return rgb(image.pixelColor(at(image, x, y))); }

// Pixels inside the board-unit rectangle whose colour passes the test.
int count(const QImage& image, QRectF units, const std::function<bool(QColor)>& test) {
    const QPoint from = at(image, units.left(), units.top()), to = at(image, units.right(), units.bottom());
    int n = 0;
    for (int y = from.y(); y < to.y(); ++y)
        for (int x = from.x(); x < to.x(); ++x) n += test(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}
bool dark(QColor c) { return c.red() + c.green() + c.blue() < 250; }
bool nearWhite(QColor c) { return c.red() > 230 && c.green() > 230 && c.blue() > 230; }
bool blue(QColor c) { return c.blue() > 200 && c.red() < 80 && c.green() < 80; }

QRectF cell(int x, int y) { return {20.0 * x + 1, 20.0 * y + 1, 18, 18}; }

}  // namespace

TEST(RenderFrame, YellowWhileOpenGreenWhenSolved) {
    struct Case {
        const char* name;
        int solved;
        std::string colour;
    };
    for (const Case& c : std::vector<Case>{{"open board", 0, rgb(255, 255, 0)},
                                           {"solved board", 1, rgb(0, 255, 0)}}) {
        GameState s;
        s.solved = static_cast<std::int16_t>(c.solved);
        const QImage image = painted(s);
        for (auto [x, y] : {std::pair{15, 110}, {205, 110}, {110, 15}, {110, 205}})
            EXPECT_EQ(colourAt(image, x, y), c.colour) << c.name << " at " << x << "," << y;
    }
}

TEST(RenderFrame, CompleteBoardTurnsGreenThroughTheRealWindow) {
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();  // the first activation deals a game
    const QImage& image = form.board().image();
    EXPECT_EQ(colourAt(image, 15, 110), rgb(255, 255, 0));
    setPuzzle(form.game().state(), kSolution);
    form.game().showboard();
    EXPECT_EQ(colourAt(image, 15, 110), rgb(0, 255, 0));
}

TEST(RenderShading, EdgeMiddleBoxesPaleCornersAndCentreWhite) {
    const char* boxes[3] = {"WYW", "YWY", "WYW"};  // by box row, then box column
    GameState s;
    s.selx = s.sely = 5;  // selection in the centre cell, checked apart below
    const QImage image = painted(s);
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) {
            if (x == 5 && y == 5) continue;
            const bool pale = boxes[(y - 1) / 3][(x - 1) / 3] == 'Y';
            EXPECT_EQ(colourAt(image, 20 * x + 17, 20 * y + 17), pale ? rgb(255, 255, 200) : rgb(255, 255, 255))
                << "cell " << x << "," << y;
        }
}

TEST(RenderShading, MapModeShadesByTheCurrentDigitsPlane) {
    struct Case {
        const char* name;
        std::int16_t value;
        std::string colour;
    };
    for (const Case& c : std::vector<Case>{{"ruled out", 1, rgb(250, 250, 100)},
                                           {"six around", 6, rgb(135, 135, 255)},
                                           {"seven around", 7, rgb(115, 115, 255)},
                                           {"last digit left", 8, rgb(255, 100, 100)},
                                           {"open", 0, rgb(255, 255, 200)}}) {
        GameState s;
        s.mode = Mode::map;
        s.curnum = 4;
        s.cellmap[2][5][4] = c.value;  // an edge-middle box
        s.cellmap[2][5][3] = 1;        // another digit's plane does not count
        s.board[2][5] = 9;             // no candidate marks over the checked pixel
        EXPECT_EQ(colourAt(painted(s), 20 * 2 + 17, 20 * 5 + 17), c.colour) << c.name;
    }
}

TEST(RenderSelection, ColourFollowsTheMode) {
    struct Case {
        Mode mode;
        std::string colour;
    };
    for (const Case& c : std::vector<Case>{{Mode::play, rgb(200, 200, 200)},
                                           {Mode::map, rgb(200, 200, 100)},
                                           {Mode::edit, rgb(200, 200, 255)}}) {
        GameState s;
        s.mode = c.mode;
        s.selx = 6;
        s.sely = 2;
        s.board[6][2] = 3;  // a digit keeps candidate marks out of the cell
        s.cellmap[6][2][kGiven] = 1;
        const QImage image = painted(s);
        EXPECT_EQ(colourAt(image, 20 * 6 + 17, 20 * 2 + 17), c.colour) << static_cast<int>(c.mode);
        // Filled with the 3-pixel pen the grid left, it reaches one pixel past its corner;
        // at this size the next pixel out is still the cell's own pale yellow.
        const QPoint corner = at(image, 20 * 6 + 1, 20 * 2 + 10);
        EXPECT_EQ(rgb(image.pixelColor(corner - QPoint(1, 0))), c.colour);
        EXPECT_EQ(rgb(image.pixelColor(corner - QPoint(2, 0))), rgb(255, 255, 200));
    }
}

TEST(RenderWaitingCell, BlackWithEnterOverTheSelectionAndItsDigit) {
    GameState s;
    s.selx = s.sely = 5;
    s.board[5][5] = 7;  // the player's digit, blue, under the waiting mark
    s.cellsel = 1;
    const QImage image = painted(s);
    EXPECT_EQ(colourAt(image, 20 * 5 + 1.5, 20 * 5 + 18.5), rgb(0, 0, 0));
    EXPECT_GT(count(image, {105, 105, 14, 8}, nearWhite), 10) << "no Enter";
    EXPECT_EQ(count(image, cell(5, 5), blue), 0) << "the digit shows through";

    s.cellsel = 0;
    EXPECT_GT(count(painted(s), cell(5, 5), blue), 10) << "the digit is missing without the mark";
}

TEST(RenderHint, NaWhenNoAnswerIsKnownGoneAfterTheNextRedraw) {
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    GameState& s = form.game().state();
    s.answer = Grid{};
    s.peek = 1;
    form.game().showboard();
    const QImage& image = form.board().image();
    EXPECT_EQ(colourAt(image, 118.5, 8), rgb(250, 250, 200));
    EXPECT_EQ(colourAt(image, 120, 8), rgb(200, 200, 50));
    EXPECT_GT(count(image, {101, 1.5, 18, 12}, dark), 20) << "no NA";
    EXPECT_EQ(s.peek, 0);

    form.game().showboard();
    EXPECT_NE(colourAt(image, 118.5, 8), rgb(250, 250, 200));
    EXPECT_NE(colourAt(image, 120, 8), rgb(200, 200, 50));
}

TEST(RenderHint, ShowsTheSelectedCellsAnswer) {
    GameState s;
    s.selx = 3;
    s.sely = 7;
    s.answer[3][7] = 8;
    s.peek = 1;
    const QImage withAnswer = painted(s);
    s.answer[3][7] = 0;
    const QImage withoutAnswer = painted(s);
    // " 8 " starts a blank later than "NA", whose N stands at the text position.
    const QRectF firstColumns(104.5, 1.5, 2.5, 12);
    EXPECT_EQ(count(withAnswer, firstColumns, dark), 0);
    EXPECT_GT(count(withoutAnswer, firstColumns, dark), 5);
    EXPECT_GT(count(withAnswer, {101, 1.5, 18, 12}, dark), 20);
}

TEST(RenderCandidates, OnlyInMapModeAndOnlyForPossibleDigits) {
    struct Case {
        const char* name;
        Mode mode;
        std::int16_t board;
        std::vector<std::int16_t> possible;  // with their cellmap value; the rest ruled out
        std::vector<int> shown;
    };
    for (const Case& c : std::vector<Case>{
             {"play mode shows none", Mode::play, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0}, {}},
             {"edit mode shows none", Mode::edit, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0}, {}},
             {"map mode shows every open digit", Mode::map, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0},
              {1, 2, 3, 4, 5, 6, 7, 8, 9}},
             {"ruled-out digits are left out", Mode::map, 0, {0, 1, 1, 1, 6, 1, 7, 1, 8}, {1, 5, 7, 9}},
             {"all ruled out leaves the cell bare", Mode::map, 0, {1, 1, 1, 1, 1, 1, 1, 1, 1}, {}},
             {"a filled cell never shows marks", Mode::map, 4, {0, 0, 0, 0, 0, 0, 0, 0, 0}, {}},
         }) {
        GameState s;
        s.mode = c.mode;
        s.selx = s.sely = 9;  // the checked cell is neither selected nor waiting
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                for (int k = 1; k <= 9; ++k) s.cellmap[x][y][k] = 1;
        for (int k = 1; k <= 9; ++k) s.cellmap[5][5][k] = c.possible[static_cast<std::size_t>(k - 1)];
        s.board[5][5] = c.board;
        s.cellmap[5][5][kGiven] = c.board > 0 ? 1 : 0;
        const QImage image = painted(s);
        for (int k = 1; k <= 9; ++k) {
            const QRectF place(100 + 5 * ((k - 1) % 3) + 4, 100 + 5 * ((k - 1) / 3) + 4, 5, 5);
            const bool expected = std::find(c.shown.begin(), c.shown.end(), k) != c.shown.end();
            if (c.board > 0) continue;  // the big digit covers the places; checked below
            EXPECT_EQ(count(image, place, dark) > 3, expected) << c.name << ", digit " << k;
        }
        if (c.board > 0) {
            GameState plain = s;
            plain.mode = Mode::play;
            const QRect place(at(image, 100, 100), at(image, 120, 120));
            EXPECT_EQ(painted(plain).copy(place), image.copy(place)) << c.name;
        }
    }
}

TEST(RenderStatus, LevelAndScoreFollowTheirSwitches) {
    struct Case {
        const char* name;
        bool level, score;
    };
    for (const Case& c : std::vector<Case>{{"both off", false, false},
                                           {"level only", true, false},
                                           {"score only", false, true},
                                           {"both on", true, true}}) {
        GameState s;
        s.level = 2;
        s.nright = 12;
        s.nwrong = 3;
        s.checks[static_cast<std::size_t>(Item::wonka)] = c.level;
        s.checks[static_cast<std::size_t>(Item::sb)] = c.score;
        const QImage image = painted(s);
        EXPECT_EQ(count(image, {-50, 210, 40, 9}, nearWhite) > 10, c.level) << c.name;
        EXPECT_EQ(count(image, {-45, 118, 35, 10}, dark) > 10, c.score) << c.name;
    }
}

TEST(RenderText, SizeFollowsTheOuterWidthNotTheImage) {
    // Ink height of a board digit.
    const auto inkHeight = [](QSize size, int twips) {
        GameState s;
        s.board[5][5] = 8;
        s.selx = s.sely = 1;
        const QImage image = painted(s, size, twips);
        const QPoint from = at(image, 100, 100), to = at(image, 120, 140);  // big text runs over
        int top = to.y(), bottom = from.y();
        for (int y = from.y() + 2; y < to.y() - 1; ++y)
            for (int x = from.x() + 2; x < to.x() - 1; ++x)
                if (blue(image.pixelColor(x, y))) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return bottom - top + 1;
    };
    const int start = inkHeight({774, 494}, kTwips);             // 19 pt
    EXPECT_NEAR(start, 25 * 0.72, 3);                              // cap height of 25 px
    EXPECT_EQ(inkHeight({1548, 988}, kTwips), start);              // the board stretches, the text not
    EXPECT_NEAR(inkHeight({774, 494}, 22000), 49 * 0.72, 3);       // 37 pt
}

// Qt's own text, placed with its character cell's top-left at the same pixel, puts its ink
// in the same place; around the glyphs the background is left as it was.
TEST(RenderText, TopLeftOfTheCharacterCellWithoutBackground) {
    loadResources();
    const QColor ground(10, 120, 30);
    QImage ours(200, 60, QImage::Format_RGB32), theirs(200, 60, QImage::Format_RGB32);
    ours.fill(ground);
    theirs.fill(ground);
    DrawState state;
    TextCache cache;
    Canvas canvas(ours, state, cache, 11000, 96);
    canvas.setFontSize(0, 18);  // 24 px
    canvas.setColour(Qt::white);
    canvas.moveTo(-70 + 13 * 290 / 200.0, 7 * 220 / 60.0);  // pixel (13, 7)
    canvas.print(QStringLiteral(" R:12 W:3 "));

    QFont font{QString(kWindowFamily)};
    font.setPixelSize(24);
    font.setBold(true);
    QPainter painter(&theirs);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPointF(13, 7 + QFontMetrics(font).ascent()), QStringLiteral(" R:12 W:3 "));
    painter.end();

    const auto ink = [&](const QImage& image) {
        QRect box;
        int untouched = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != ground) box |= QRect(x, y, 1, 1);
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) untouched += image.pixelColor(x, y) == ground;
        return std::pair{box, untouched};
    };
    const auto [ourBox, ourGround] = ink(ours);
    const auto [theirBox, theirGround] = ink(theirs);
    EXPECT_EQ(ourBox, theirBox);
    EXPECT_GT(ourBox.left(), 13 + 3) << "the leading blank";
    EXPECT_NEAR(ourGround, theirGround, theirGround / 20);
}

TEST(RenderPens, WidthsAreScreenPixelsScaledByTheDevicePixelRatio) {
    struct Case {
        qreal ratio;
        int frame, thick, thin;
    };
    for (const Case& c : std::vector<Case>{{1, 3, 3, 1}, {2, 6, 6, 2}}) {
        GameState s;
        s.selx = s.sely = 9;
        const QImage image = painted(s, {774, 494}, kTwips, c.ratio);
        const auto across = [&](double x, QColor colour) {  // a run of colour across x, at y = 70
            const QPoint centre = at(image, x, 70);
            int n = 0;
            for (int dx = -8; dx <= 8; ++dx) n += image.pixelColor(centre.x() + dx, centre.y()) == colour;
            return n;
        };
        EXPECT_EQ(across(15, QColor(255, 255, 0)), c.frame) << c.ratio;
        EXPECT_EQ(across(80, Qt::black), c.thick) << c.ratio;
        EXPECT_EQ(across(40, Qt::black), c.thin) << c.ratio;
    }
}

// What a painter keeps between passes (the scaled picture, rendered texts, the part of
// the picture it need not copy) never shows: each pass looks as a fresh painter's would.
TEST(RenderCache, RedrawsMatchAFreshPainter) {
    GameState busy;  // a different picture in every part of the board
    busy.mode = Mode::map;
    busy.kanji = 1;
    busy.board[7][7] = 2;
    busy.peek = 1;
    busy.cellsel = 1;
    busy.answer[1][1] = 6;
    busy.checks[static_cast<std::size_t>(Item::sb)] = true;
    GameState plain;
    plain.board[2][3] = 5;
    struct Case {
        const char* name;
        QSize before, after;
        qreal ratio;
    };
    for (const Case& c : std::vector<Case>{{"same size", {774, 494}, {774, 494}, 1},
                                           {"device pixel ratio 2", {774, 494}, {774, 494}, 2},
                                           {"after a resize", {774, 494}, {1000, 700}, 1}}) {
        loadResources();
        BoardPainter reused(boardPicture());
        QImage image(c.before * c.ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(c.ratio);
        reused.paint(image, plain, kTwips, 96);
        reused.paint(image, busy, kTwips, 96);
        if (c.after != c.before) {
            image = QImage(c.after * c.ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(c.ratio);
        }
        const int twips = c.after.width() * 15;
        reused.paint(image, plain, twips, 96);
        EXPECT_EQ(image, painted(plain, c.after, twips, c.ratio)) << c.name;
    }
}

// A minute of ticks leaves the slab under the clock as one fresh reading would, at sizes
// where the reading reaches past the wipe rectangle too (the slab's face is flat in the
// wipe colour, give or take the picture's compression).
TEST(RenderClock, TicksLeaveOnlyTheLastReading) {
    for (const QSize size : {QSize(774, 494), QSize(1920, 1080), QSize(400, 300)}) {
        loadResources();
        const GameState s;
        const int twips = size.width() * 15;
        BoardPainter ticking(boardPicture()), once(boardPicture());
        QImage a(size, QImage::Format_RGB32), b(size, QImage::Format_RGB32);
        ticking.paint(a, s, twips, 96);
        for (int second = 0; second < 60; ++second)
            ticking.paintClock(a, QString::asprintf("00:00:%02d", second), twips, 96);
        once.paint(b, s, twips, 96);
        once.paintClock(b, QStringLiteral("00:00:59"), twips, 96);

        const QRect slab(at(a, -66, 135), at(a, -4, 147));
        int worst = 0;
        for (int y = slab.top(); y <= slab.bottom(); ++y)
            for (int x = slab.left(); x <= slab.right(); ++x) {
                const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
                worst = std::max({worst, std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                                  std::abs(p.blue() - q.blue())});
            }
        EXPECT_LE(worst, 6) << size.width() << "x" << size.height();
        EXPECT_GT(count(b, {-42, 136, 25, 8}, dark), 20) << "no reading";
    }
}

namespace {

// Draws text or a kanji large on white and returns the image.
QImage glyph(const std::function<void(Canvas&)>& draw) {
    loadResources();
    QImage image(160, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    DrawState state;
    TextCache cache;
    Canvas canvas(image, state, cache, 11000, 96);
    canvas.setFontSize(0, 45);  // 60 px
    canvas.setColour(Qt::black);
    canvas.moveTo(-70 + 20 * 290 / 160.0, 10 * 220 / 100.0);  // pixel (20, 10)
    draw(canvas);
    return image;
}

// Runs of rows holding ink: the kanji one, two and three are one, two and three strokes.
int strokes(const QImage& image) {
    int runs = 0;
    bool inside = false;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x) ink = qGray(image.pixel(x, y)) < 128;
        runs += ink && !inside;
        inside = ink;
    }
    return runs;
}

int firstInkColumn(const QImage& image) {
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) return x;
    return -1;
}

}  // namespace

TEST(Kanji, TheShippedFontCarriesTheNumeralsOnQToO) {
    loadResources();
    ASSERT_TRUE(kanjiFontLoaded());
    QFont font{QString(kKanjiFamily)};
    font.setBold(true);
    const QRawFont raw = QRawFont::fromFont(font);
    EXPECT_EQ(raw.familyName(), QString(kKanjiFamily));
    for (int digit = 1; digit <= 9; ++digit)
        EXPECT_TRUE(raw.supportsCharacter(kanjiLetter(digit))) << digit;
}

TEST(Kanji, OneTwoThreeAreStrokesNotLatinLetters) {
    struct Case {
        std::int16_t digit;
        int strokes;
    };
    for (const Case& c : std::vector<Case>{{1, 1}, {2, 2}, {3, 3}}) {
        const QImage kanji = glyph([&](Canvas& canvas) { printc(canvas, c.digit); });
        EXPECT_EQ(strokes(kanji), c.strokes) << c.digit;
        const QImage latin = glyph([&](Canvas& canvas) { canvas.print(QString(kanjiLetter(c.digit))); });
        EXPECT_NE(kanji, latin) << c.digit;
    }
}

TEST(Kanji, StartsAtThePositionWhereNumberFormStartsABlankLater) {
    const QImage kanji = glyph([](Canvas& canvas) { printc(canvas, std::int16_t{4}); });
    const QImage number = glyph([](Canvas& canvas) { canvas.print(numberForm(4)); });
    QFont font{QString(kWindowFamily)};
    font.setPixelSize(60);
    font.setBold(true);
    const int blank = QFontMetrics(font).horizontalAdvance(QLatin1Char(' '));
    EXPECT_LT(firstInkColumn(kanji), 20 + blank / 2);
    EXPECT_GE(firstInkColumn(number), 20 + blank);
}

TEST(Kanji, NextNumberIsInTheWindowFontAgain) {
    const auto numberAt = [](bool kanjiFirst) {
        return glyph([&](Canvas& canvas) {
            if (kanjiFirst) printc(canvas, std::int16_t{7});
            canvas.moveTo(-70 + 100 * 290 / 160.0, 10 * 220 / 100.0);  // past the kanji's em
            canvas.print(numberForm(5));
        });
    };
    EXPECT_EQ(numberAt(true).copy(95, 0, 65, 100), numberAt(false).copy(95, 0, 65, 100));
}

TEST(RenderKanji, BoardDigitsKeypadAndMarksSwitchTogether) {
    GameState s;
    s.mode = Mode::map;
    s.board[5][5] = 1;
    const QImage latin = painted(s);
    s.kanji = 1;
    const QImage kanji = painted(s);
    EXPECT_NE(latin.copy(QRect(at(latin, 100, 100), at(latin, 120, 120))),
              kanji.copy(QRect(at(kanji, 100, 100), at(kanji, 120, 120))))
        << "board digit";
    EXPECT_NE(latin.copy(QRect(at(latin, -60, 155), at(latin, -6, 195))),
              kanji.copy(QRect(at(kanji, -60, 155), at(kanji, -6, 195))))
        << "keypad";
    EXPECT_NE(latin.copy(QRect(at(latin, 20, 20), at(latin, 40, 40))),
              kanji.copy(QRect(at(kanji, 20, 20), at(kanji, 40, 40))))
        << "candidate marks";
    EXPECT_EQ(latin.copy(QRect(at(latin, -50, 0), at(latin, 0, 115))),
              kanji.copy(QRect(at(kanji, -50, 0), at(kanji, 0, 115))))
        << "button labels stay Latin";
}
