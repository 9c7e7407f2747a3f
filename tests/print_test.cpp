// "Print game" through the real board window and print dialog into a PDF file, read back
// with poppler's pdftotext and pdftoppm.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <vector>

#include "files/printer.h"
#include "files/printpage.h"
#include "support/modals.h"

namespace ninebox::testing {
namespace {

constexpr int kDpi = 300;  // of the page pictures

QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput();
}

// The printed page as poppler reads it.
struct Printout {
    QStringList rows;  // the digits of each text line of the page, blanks removed
    QImage picture;    // at kDpi, without anti-aliasing
    QString bbox;      // pdftotext -bbox: every word with its box in points
};

Printout readBack(const QString& pdf) {
    Printout out;
    const QString text = QString::fromUtf8(run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QRegularExpression(QStringLiteral("\\s")));
        if (!line.isEmpty()) out.rows.append(line);
    }
    out.bbox = QString::fromUtf8(run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    const QString prefix = pdf + QStringLiteral(".page");
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-aa"), QStringLiteral("no"),
                                     QStringLiteral("-aaVector"), QStringLiteral("no"), QStringLiteral("-png"),
                                     QStringLiteral("-singlefile"), pdf, prefix});
    out.picture.load(prefix + QStringLiteral(".png"));
    return out;
}

// Page units to points, the same way the printer maps them: x -120..300 and y -50..520
// over the printable area.
struct PageMap {
    QRectF area;  // printable area in points
    explicit PageMap(const QString& pdf) : area(pdfPrinter(pdf)->pageLayout().paintRect(QPageLayout::Point)) {}
    double x(double units) const {
        return area.left() + (units - PrintPage::left) / (PrintPage::right - PrintPage::left) * area.width();
    }
    double y(double units) const {
        return area.top() + (units - PrintPage::top) / (PrintPage::bottom - PrintPage::top) * area.height();
    }
};

struct DarkRun {
    int start, length;
    double middle() const { return start + (length - 1) / 2.0; }
};

// Dark stretches down one column of pixels.
std::vector<DarkRun> darkRuns(const QImage& picture, int column) {
    std::vector<DarkRun> runs;
    for (int y = 0; y < picture.height(); ++y) {
        if (qGray(picture.pixel(column, y)) >= 128) continue;
        if (!runs.empty() && runs.back().start + runs.back().length == y)
            ++runs.back().length;
        else
            runs.push_back({y, 1});
    }
    return runs;
}

// The grid's ten horizontal lines, met by a column of pixels just right of the grid's left
// edge (left of every digit): at their places, box borders thicker than the others.
void expectGridLines(const std::vector<DarkRun>& runs, const PageMap& map, double top) {
    ASSERT_EQ(runs.size(), 10u);
    int thinnestThick = 1000, thickestThin = 0;
    for (int i = 0; i <= 9; ++i) {
        SCOPED_TRACE(::testing::Message() << "line " << i);
        EXPECT_NEAR(runs[static_cast<std::size_t>(i)].middle(), map.y(top + 20 * i) * kDpi / 72, 2.0);
        const int length = runs[static_cast<std::size_t>(i)].length;
        if (i % 3 == 0)
            thinnestThick = std::min(thinnestThick, length);
        else
            thickestThin = std::max(thickestThin, length);
    }
    EXPECT_GE(thickestThin, 1);
    EXPECT_GE(thinnestThick, 2 * thickestThin) << "box borders thicker than cell lines";
}

QStringList digitRows(const Grid& grid) {
    QStringList rows;
    for (int y = 1; y <= 9; ++y) {
        QString row;
        for (int x = 1; x <= 9; ++x)
            if (grid[x][y] > 0) row += QString::number(grid[x][y]);
        if (!row.isEmpty()) rows.append(row);
    }
    return rows;
}

class Printing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        pdf = dir.filePath(QStringLiteral("page.pdf"));
        form.setPrinterSource([this] {
            ++printers;
            return pdfPrinter(pdf);
        });
        start(form);
    }

    // "Print game" with the boxes ticked as given, then "Print".
    void print(bool puzzle, bool answers) {
        script.then([=](QWidget* dialog) {
            dialog->findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(puzzle);
            dialog->findChild<QCheckBox*>(QStringLiteral("Check2"))->setChecked(answers);
            click(dialog, "Command1");
        });
        trigger(form, "pg");
    }

    int gridColumn() const { return qRound(PageMap(pdf).x(22) * kDpi / 72); }

    QTemporaryDir dir;
    QString pdf;
    int printers = 0;
    Form1 form;
    ModalScript script;
};

TEST_F(Printing, BothBoxesAfterANewGamePrintThePuzzleAboveTheSolution) {
    const GameState& s = form.game().state();
    print(true, true);
    const Printout page = readBack(pdf);

    EXPECT_EQ(page.rows, digitRows(s.board) + digitRows(s.answer));
    EXPECT_EQ(digitRows(s.answer).join(QString()).size(), 81);
    const std::vector<DarkRun> runs = darkRuns(page.picture, gridColumn());
    ASSERT_EQ(runs.size(), 20u);
    const PageMap map(pdf);
    expectGridLines({runs.begin(), runs.begin() + 10}, map, 20);
    expectGridLines({runs.begin() + 10, runs.end()}, map, 320);
}

TEST_F(Printing, OnlyThePuzzleWhenTheAnswersAreNotKnown) {
    const QString game = dir.filePath(QStringLiteral("mine.sud"));
    {
        QFile file(game);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (int row = 1; row <= 9; ++row) file.write(row == 5 ? "0,0,0,0,5,0,0,0,0\r\n" : "0,0,0,0,0,0,0,0,0\r\n");
    }
    script.then([&](QWidget* dialog) { pickFile(dialog, game); })
        .then([](QWidget* box) { acknowledge(box, QStringLiteral("Note, No answers available for this puzzle.")); });
    trigger(form, "ent");

    print(true, true);
    const Printout page = readBack(pdf);
    EXPECT_EQ(page.rows, QStringList{QStringLiteral("5")});
    expectGridLines(darkRuns(page.picture, gridColumn()), PageMap(pdf), 20);
}

TEST_F(Printing, OnlyTheAnswersBoxPrintsTheAnswersInTheLowerPlace) {
    print(false, true);
    const Printout page = readBack(pdf);
    EXPECT_EQ(page.rows, digitRows(form.game().state().answer));
    expectGridLines(darkRuns(page.picture, gridColumn()), PageMap(pdf), 320);
}

TEST_F(Printing, NeitherBoxEndsAnEmptyDocument) {
    print(false, false);
    const Printout page = readBack(pdf);
    EXPECT_TRUE(page.rows.isEmpty());
    ASSERT_FALSE(page.picture.isNull()) << "a valid PDF with one page";
    int marks = 0;
    for (int y = 0; y < page.picture.height(); ++y)
        for (int x = 0; x < page.picture.width(); ++x) marks += page.picture.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_EQ(marks, 0);
}

// Cancel, and closing the dialog, print nothing and keep the ticks for the next time.
TEST_F(Printing, CancelAndCloseKeepTheTicksAndPrintNothing) {
    const auto ticks = [](QWidget* dialog) {
        return std::pair(dialog->findChild<QCheckBox*>(QStringLiteral("Check1"))->isChecked(),
                         dialog->findChild<QCheckBox*>(QStringLiteral("Check2"))->isChecked());
    };
    script.then([&](QWidget* dialog) {
        EXPECT_EQ(ticks(dialog), std::pair(true, false)) << "at first";
        dialog->findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(false);
        dialog->findChild<QCheckBox*>(QStringLiteral("Check2"))->setChecked(true);
        click(dialog, "Command2");
    });
    trigger(form, "pg");
    script.then([&](QWidget* dialog) {
        EXPECT_EQ(ticks(dialog), std::pair(false, true));
        dialog->findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
        dialog->close();
    });
    trigger(form, "pg");
    script.then([&](QWidget* dialog) {
        EXPECT_EQ(ticks(dialog), std::pair(true, true));
        dialog->close();
    });
    trigger(form, "pg");

    EXPECT_EQ(printers, 0);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(form.game().state().prtopt, -1);
}

// A digit is printed after a blank, at its cell's text position; an empty cell prints nothing.
TEST_F(Printing, SevenPrintsAfterABlankAndAnEmptyCellNothing) {
    GameState& s = form.game().state();
    s.board[3][4] = 7;
    s.cellmap[3][4][kGiven] = 0;
    s.board[5][5] = 0;
    s.cellmap[5][5][kGiven] = 0;
    print(true, false);
    const Printout page = readBack(pdf);
    const PageMap map(pdf);

    // Each word's box, in points: xMin, yMin, xMax, yMax.
    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    const auto inCell = [&](const QRegularExpressionMatch& m, int c, int r) {
        return m.captured(1).toDouble() >= map.x(20 * c) && m.captured(3).toDouble() <= map.x(20 * c + 20) &&
               m.captured(2).toDouble() >= map.y(20 * r) && m.captured(4).toDouble() <= map.y(20 * r + 20);
    };
    int sevens = 0, words = 0;
    for (const QRegularExpressionMatch& m : word.globalMatch(page.bbox)) {
        ++words;
        EXPECT_FALSE(inCell(m, 5, 5)) << m.captured(5).toStdString();
        if (!inCell(m, 3, 4)) continue;
        ++sevens;
        EXPECT_EQ(m.captured(5), QStringLiteral("7"));
        // The glyph starts one blank right of the text position (a blank of a 16-point
        // face is 4 to 6 points wide), and the text's top is at the position.
        const double blank = m.captured(1).toDouble() - map.x(20 * 3 + 5);
        EXPECT_GT(blank, 3.0);
        EXPECT_LT(blank, 7.0);
        EXPECT_NEAR(m.captured(2).toDouble(), map.y(20 * 4 + 5), 3.0);
        EXPECT_NEAR(m.captured(4).toDouble() - m.captured(2).toDouble(), 16 * 1.17, 3.0) << "16 points";
    }
    EXPECT_EQ(sevens, 1);
    EXPECT_EQ(words, digitRows(s.board).join(QString()).size());
}

// Without a printer the page goes into a PDF file the player names; Cancel prints nothing.
TEST(NoPrinter, ThePlayerNamesAPdfFile) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QWidget parent;
    ModalScript script;
    script
        .then([&](QWidget* dialog) {
            EXPECT_EQ(qobject_cast<QFileDialog*>(dialog)->nameFilters(), QStringList{QStringLiteral("PDF (*.pdf)")});
            pickFile(dialog, dir.filePath(QStringLiteral("sheet")));
        })
        .then([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });

    const std::unique_ptr<QPrinter> chosen = choosePrinter(&parent);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(chosen->outputFileName(), dir.filePath(QStringLiteral("sheet.pdf")));
    EXPECT_EQ(choosePrinter(&parent), nullptr);
}

}  // namespace
}  // namespace ninebox::testing
