// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language: the catalogue a locale chooses, the window speaking German and
// Japanese and exactly today's English under C, and every word of the board and the dialogs
// within its place in every language, measured in the fonts that draw it.
#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QRawFont>
#include <QTextBrowser>
#include <algorithm>
#include <map>

#include "rules/library.h"
#include "support/modals.h"
#include "window/board/painter.h"
#include "window/board/view.h"
#include "window/dialogs/answers.h"
#include "window/dialogs/booklet.h"
#include "window/dialogs/kit.h"
#include "window/dialogs/newgame.h"
#include "window/dialogs/print.h"
#include "window/language.h"
#include "window/resources.h"
#include "window/texts.h"

namespace ninebox::testing {
namespace {

void use(const QString& locale) { loadLanguage(QLocale(locale)), installLanguage(); }

// Where de_DE, ja_JP and C choose as they show below: a country of ours, one whose language we
// speak in another country's form only, English.
TEST(Language, TheFirstOfTheLocalesLanguagesWithACatalogue) {
    for (const QString row : {"de_AT de", "pt_BR pt_BR", "pt_PT ", "zh_CN zh_CN", "zh_TW ", "en_GB ", "C "})
        EXPECT_EQ(catalogueLanguage(QLocale(row.section(' ', 0, 0))), row.section(' ', 1))
            << row.toStdString();
}

// A menu item, an on-board button as a screen reader reads it, Qt's file dialog, the message
// after it and the instructions page.
TEST(Language, TheWindowSpeaksThePlayersLanguage) {
    for (const QString row :
         {"de_DE|Spiel &laden|Neu|Öffnen|Keine Datei geladen. Bitte versuchen Sie es erneut.|readme.de.htm",
          "ja_JP|ゲームを開く(&L)|新規ゲーム|開く|ファイルを読み込めませんでした。もう一度お試しください。|"
          "readme.ja.htm",
          "C|&Load game|New|Open|No file loaded, please try again|readme.htm"}) {
        use(row.section('|', 0, 0));
        MainWindow window;
        start(window);
        QStringList seen{
            row.section('|', 0, 0), window.command("load")->text(),
            QAccessible::queryAccessibleInterface(&window.board())->child(1)->text(QAccessible::Name)};
        ModalScript script;
        script.then([&](QWidget* w) { seen << w->windowTitle(), w->close(); }).then([&](QWidget* w) {
            seen << w->property("text").toString(), w->close();
        });
        for (const char* command : {"load", "toggleInstructions"}) trigger(window, command);
        EXPECT_EQ(seen.join('|') + '|' + window.findChild<QTextBrowser*>()->source().fileName(), row);
    }
}

// Every catalogue's language has its instructions page, under the name the window looks for.
TEST(Language, EveryLanguageHasItsInstructionsPage) {
    for (QString catalogue : QDir(":/i18n").entryList()) {
        use(catalogue.remove("ninebox_").remove(".qm"));
        EXPECT_TRUE(
            QFileInfo::exists(QCoreApplication::applicationDirPath() + "/readme." + language() + ".htm"))
            << catalogue.toStdString();
    }
    use("C");
}

// A long explanation: three steps (two pointings, then a single) from a hard game's position.
GameState explained() {
    GameState s;
    const BaseRecord& hard = library()[3];
    s.puzzle = Puzzle(hard.puzzle, hard.solution);
    for (int single = 0; single < 9; ++single) {
        const Explanation e = adviceFor(s.puzzle).step;
        s.puzzle.enter(e.cell().x, e.cell().y, static_cast<std::int16_t>(e.digit()));
    }
    s.advice = adviceFor(s.puzzle);
    return s;
}

// The ink height of each line of light text in room: a line's rows run from its first ink to
// its last; two lines part at the sparsest row about the middle, where one's descenders meet
// the other's capitals.
std::vector<int> lineHeights(const QImage& image, QRect room) {
    std::vector<int> ink;  // light pixels of each row
    for (int y = room.top(); y <= room.bottom(); ++y) {
        int n = 0;
        for (int x = room.left(); x <= room.right(); ++x) n += qBlue(image.pixel(x, y)) > 100;
        ink.push_back(n);
    }
    const auto at = [&](int row) { return ink[static_cast<std::size_t>(row)]; };
    const int rows = static_cast<int>(ink.size());
    int split = rows / 2;
    for (int row = rows / 2 - 2; row <= rows / 2 + 2; ++row)
        if (at(row) < at(split)) split = row;
    const auto height = [&](int from, int to) {
        int first = to, last = from - 1;
        for (int row = from; row < to; ++row)
            if (at(row)) first = std::min(first, row), last = row;
        return last - first + 1;
    };
    if (at(split) * 10 >= *std::max_element(ink.begin(), ink.end())) return {height(0, rows)};
    return {height(0, split), height(split + 1, rows)};
}

// In every language, at the window's first size and its smallest, no ink of the panel's words
// outside the picture's slabs (a text's top less 1 to 12 below it, x -66 to -4), its keys and
// the space below them; a long explanation's white ink inside its band, each line of it at
// least 9 pixels tall at the first size and 6 at the smallest (two lines fill the band at
// about 12 and 7); no caption of a dialog beyond its control or its dialog's edges, and one
// size for the controls of one kind in a dialog, whatever level the random button names.
TEST(Fit, EveryWordInItsPlaceInEveryLanguage) {
    ASSERT_TRUE(QRawFont::fromFont(QFont(), QFontDatabase::Japanese).supportsCharacter(U'盤'))
        << "no CJK font";
    using namespace layout;
    std::vector<Area> slabs = {{0, 0, 220, 220}, kDeleteSlab, kLevelSlab, slabUnder(kScoreText)};
    for (const ButtonLabel& label : kButtons) slabs.push_back(slabUnder(label.at));
    for (int n = 1; n <= kDigitKeys; ++n) slabs.push_back(keySlab(n));
    GameState s;  // the longest score, the level shown
    s.scoreShown = true;
    s.mode = Mode::map, s.countedScore = {81, 80};
    GameState advised = explained(), plain = advised;
    ASSERT_EQ(advised.advice->step.steps.size(), 3u);
    plain.advice.reset();
    const QStringList languages = QDir(":/i18n").entryList() << "C";
    for (QString language : languages) {
        use(language.remove("ninebox_").remove(".qm"));
        for (const QSize size : {kStartArea, kSmallestArea}) {
            for (const Level level : {Level::none, Level::easy, Level::medium, Level::hard}) {
                QImage image(size, QImage::Format_RGB32), picture = stretchedBackground(boardPicture(), size);
                s.level = level;
                s.paused = level == Level::hard;  // the word over a paused game's grid
                BoardPainter(boardPicture()).paint(image, s, {}, size.width() * 15, 96);
                for (QImage* each :
                     {&image, &picture}) {  // the places covered: what is left is the picture's
                    QPainter painter(each);
                    painter.setWindow(-70, 0, 290, 220);
                    for (const Area& a : slabs)
                        painter.fillRect(QRectF(a.left, a.top, a.right - a.left, a.bottom - a.top),
                                         Qt::black);
                }
                EXPECT_TRUE(image == picture) << language.toStdString() << " " << size.width();
            }
            QImage with(size, QImage::Format_RGB32), without(size, QImage::Format_RGB32);
            BoardPainter(boardPicture()).paint(with, advised, {}, size.width() * 15, 96);
            BoardPainter(boardPicture()).paint(without, plain, {}, size.width() * 15, 96);
            const QRect band =
                QTransform()
                    .scale(size.width() / 290.0, size.height() / 220.0)
                    .translate(70, 0)
                    .mapRect(QRectF(kAdviceBand.left, kAdviceBand.top, kAdviceBand.right - kAdviceBand.left,
                                    kAdviceBand.bottom - kAdviceBand.top))
                    .toAlignedRect();
            int strays = 0;  // white pixels of the line outside the band
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    strays += with.pixel(x, y) != without.pixel(x, y) &&
                              with.pixel(x, y) == qRgb(255, 255, 255) && !band.contains(x, y);
            const std::string where = language.toStdString() + " " + std::to_string(size.width());
            EXPECT_EQ(strays, 0) << where;
            for (const int height : lineHeights(with, band.adjusted(2, 2, -2, -2)))
                EXPECT_GE(height, size == kStartArea ? 9 : 6) << where;
        }
        NewGameDialog game(nullptr);
        AnswersDialog answers(nullptr);
        PrintDialog print(nullptr);
        BookletDialog booklet(nullptr);
        for (const Level level : {Level::none, Level::easy, Level::medium, Level::hard}) {
            game.findChild<WrapButton*>("randomButton")->setText(text::randomButton(level));
            for (QDialog* dialog : std::initializer_list<QDialog*>{&game, &answers, &print, &booklet}) {
                std::map<std::string, double> points;  // the size of each kind's first control
                for (QWidget* c : dialog->findChildren<QWidget*>()) {  // wrapped or on one line
                    const auto* wrap = qobject_cast<WrapButton*>(c);
                    const bool button = c->inherits("QPushButton");
                    if (!button && !c->inherits("QCheckBox") && !c->inherits("QLabel") &&
                        !c->inherits("QComboBox"))
                        continue;
                    // A caption is drawn in its place less the style's margins, a label's text
                    // from its left edge on; none of it may lie beyond the control or the
                    // dialog's edges, and the controls of one kind share one size.
                    const QRect place = wrap ? wrap->captionArea()
                                             : c->rect().adjusted(button ? 4 : 0, 0, button ? -4 : 0, 0);
                    const QFont font = wrap ? wrap->captionFont() : c->font();
                    const QRect needed = button ? QFontMetrics(font).boundingRect(
                                                      place, Qt::AlignCenter | (wrap ? Qt::TextWordWrap : 0),
                                                      c->property("text").toString())
                                                : QRect(0, 0, c->sizeHint().width(), c->height());
                    const std::string where = language.toStdString() + " " + c->objectName().toStdString();
                    EXPECT_TRUE((place & dialog->rect().translated(-c->pos())).contains(needed)) << where;
                    EXPECT_EQ(points.emplace(c->metaObject()->className(), font.pointSizeF()).first->second,
                              font.pointSizeF())
                        << where;
                }
            }
        }
    }
    use("C");
}

}  // namespace
}  // namespace ninebox::testing
