// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language: the catalogue a locale chooses, the window speaking German and
// Japanese and exactly today's English under C, and every word of the board and the dialogs
// within its place in every language, measured in the fonts that draw it.
#include <QAccessible>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QRawFont>
#include <QTextBrowser>

#include "support/modals.h"
#include "support/pixels.h"
#include "window/answersdialog.h"
#include "window/boardpainter.h"
#include "window/boardview.h"
#include "window/dialogkit.h"
#include "window/language.h"
#include "window/newgamedialog.h"
#include "window/printdialog.h"
#include "window/resources.h"

namespace ninebox::testing {
namespace {

void use(const QString& locale) {
    loadLanguage(QLocale(locale));
    installLanguage();
}

TEST(Language, TheFirstOfTheLocalesLanguagesWithACatalogue) {
    for (const QString row : {"de_DE de", "de_AT de", "ja_JP ja", "pt_BR pt_BR", "pt_PT ", "zh_CN zh_CN",
                              "zh_TW ", "en_GB ", "C ", "nl_NL "})
        EXPECT_EQ(catalogueLanguage(QLocale(row.section(' ', 0, 0))), row.section(' ', 1))
            << row.toStdString();
}

// A menu and an item, an on-board button as a screen reader reads it, Qt's file dialog, the
// message after it, the game dialog and the instructions page.
TEST(Language, TheWindowSpeaksThePlayersLanguage) {
    const std::vector<std::vector<std::string>> cases = {
        {"de_DE", "&Tresor", "Spiel &laden", "Neu", "Abbrechen",
         "Keine Datei geladen. Bitte versuchen Sie es erneut.", "Nummer unten verwenden", "readme.de.htm"},
        {"ja_JP", "金庫(&V)", "ゲームを開く(&L)", "新規ゲーム", "キャンセル",
         "ファイルを読み込めませんでした。もう一度お試しください。", "下の番号で選ぶ", "readme.ja.htm"},
        {"C", "The &Vault", "&Load game", "New", "Cancel", "No file loaded, please try again",
         "Select Using number below", "readme.htm"}};
    for (const auto& t : cases) {
        use(QString::fromStdString(t[0]));
        MainWindow mainWindow;
        start(mainWindow);
        EXPECT_EQ(mainWindow.command("vaultMenu")->text().toStdString(), t[1]);
        EXPECT_EQ(mainWindow.command("load")->text().toStdString(), t[2]);
        EXPECT_EQ(
            QAccessible::queryAccessibleInterface(&mainWindow.board())->child(1)->text(QAccessible::Name),
            QString::fromStdString(t[3]));
        ModalScript script;
        script
            .then([&](QWidget* files) {
                auto* cancel = files->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
                EXPECT_EQ(cancel->text().toStdString(), t[4]);
                cancel->click();
            })
            .then([&](QWidget* box) { acknowledge(box, QString::fromStdString(t[5])); })
            .then([&](QWidget* dialog) {
                EXPECT_EQ(dialog->findChild<QPushButton*>("numberButton")->text().toStdString(), t[6]);
                dialog->close();
            });
        trigger(mainWindow, "load");
        trigger(mainWindow, "newGame");
        trigger(mainWindow, "toggleInstructions");
        EXPECT_EQ(mainWindow.findChild<QTextBrowser*>()->source().fileName().toStdString(), t[7]);
    }
}

// Pixels unlike those of `other` (by more than JPEG noise) outside the board-unit rectangles.
int strayPixels(const QImage& image, const QImage& other, const std::vector<QRectF>& places) {
    int stray = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QPointF unit(x * 290.0 / image.width() - 70, y * 220.0 / image.height());
            const bool inside = std::any_of(places.begin(), places.end(), [&](QRectF r) {
                return r.adjusted(-290.0 / image.width(), -220.0 / image.height(), 0, 0).contains(unit);
            });
            const QColor a = image.pixelColor(x, y), b = other.pixelColor(x, y);
            stray += !inside && std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) > 24;
        }
    return stray;
}

// In every language, at the window's first size and its smallest: the panel's words inside the
// slabs of the picture (a text's top less 1 to 12 below it, x -66 to -4), "Delete" in its key,
// the level below the keypad, the answer box's word inside the box and the waiting cell's inside
// the cell; each dialog's captions inside their controls.
TEST(Fit, EveryWordInItsPlaceInEveryLanguage) {
    ASSERT_TRUE(QRawFont::fromFont(QFont(), QFontDatabase::Japanese).supportsCharacter(U'盤'))
        << "no CJK font";
    std::vector<QRectF> panel = {{0, 0, 220, 220}, {-66, 196.5, 62, 12}, {-67, 210, 64, 9}};  // Delete, level
    for (double top : {10, 25, 42, 57, 72, 87, 103, 118}) panel.push_back({-66, top - 1, 62, 13});
    for (int key = 0; key < 9; ++key)
        panel.push_back({-56.5 + 19 * (key % 3), 157.75 + 13 * (key / 3), 15, 11.5});
    GameState s;
    s.checks[static_cast<std::size_t>(Item::showScore)] = true;
    s.mode = Mode::map;
    s.countedScore = {81, 80};
    s.selectedX = 9;
    QStringList languages = QDir(":/i18n").entryList();
    languages << "C";
    for (const QString& language : languages) {
        const QString code = QString(language).remove("ninebox_").remove(".qm");
        use(code);
        const std::string name = code.toStdString();
        for (const QSize size : {kStartArea, kSmallestArea})
            for (const Level level : {Level::none, Level::easy, Level::medium, Level::hard}) {
                s.level = level;
                const auto painted = [&](bool waiting, bool answer) {
                    s.waitingForDigit = waiting;
                    QImage image(size, QImage::Format_RGB32);
                    BoardPainter(boardPicture()).paint(image, s, {answer, -1}, size.width() * 15, 96);
                    return image;
                };
                const QImage plain = painted(false, false), words = painted(true, true);
                const QImage background = stretchedBackground(boardPicture(), size);
                EXPECT_EQ(strayPixels(plain, background, panel), 0) << name << " " << size.width();
                // the box and the cell with the pen of their outlines
                EXPECT_EQ(strayPixels(words, plain, {{99, -1, 22, 17}, {179, 19, 22, 22}}), 0)
                    << name << " " << size.width();
            }
        NewGameDialog game(nullptr);
        AnswersDialog answers(nullptr);
        PrintDialog print(nullptr);
        for (QDialog* dialog : std::initializer_list<QDialog*>{&game, &answers, &print})
            for (QWidget* control : dialog->findChildren<QWidget*>()) {
                const std::string what = name + " " + control->objectName().toStdString();
                if (auto* wrap = qobject_cast<WrapButton*>(control)) {
                    const QRect area = wrap->captionArea();
                    const QRect needed =
                        QFontMetrics(wrap->captionFont())
                            .boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, wrap->text());
                    EXPECT_TRUE(needed.width() <= area.width() && needed.height() <= area.height()) << what;
                } else if (auto* button = qobject_cast<QPushButton*>(control)) {
                    EXPECT_LE(button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width(),
                              button->width() - 8)
                        << what;
                } else if (qobject_cast<QCheckBox*>(control) || qobject_cast<QLabel*>(control)) {
                    EXPECT_LE(control->sizeHint().width(), control->width()) << what;
                }
            }
    }
    use("C");
}

}  // namespace
}  // namespace ninebox::testing
