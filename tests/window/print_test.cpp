// SPDX-License-Identifier: GPL-3.0-or-later
// "Print game" through the real board window and print dialog into a PDF file, read back
// with poppler's pdftotext and pdftoppm.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <csignal>

#include "game/printpage.h"
#include "rules/generator.h"
#include "support/grids.h"
#include "support/modals.h"
#include "support/processes.h"
#include "window/printer.h"

namespace ninebox::testing {
namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class Printing : public ::testing::Test {
protected:
    void SetUp() override {
        mainWindow.setPrinterSource([this] { return pdfPrinter(pdf); });
        start(mainWindow);
    }

    // "Print game", whose boxes show the ticks of the last time, with the boxes ticked as given,
    // then the button (none: the dialog closed). After "Print": the digits on the page, the
    // grid above and the grid below, each as gridText() gives it.
    std::array<std::string, 2> print(bool puzzle, bool answers, const char* button = "printButton") {
        script.then([=](QWidget* dialog) {
            for (const auto& [name, set, kept] :
                 {std::tuple{"puzzleBox", puzzle, &ticks.first}, {"answersBox", answers, &ticks.second}}) {
                auto* box = dialog->findChild<QCheckBox*>(name);
                EXPECT_EQ(box->isChecked(), *kept) << name << " not as ticked the last time";
                box->setChecked(set);
                *kept = set;
            }
            if (button) click(dialog, button);
            else dialog->close();
        });
        trigger(mainWindow, "print");
        if (QLatin1String(button) != QLatin1String("printButton")) return {};
        const double sx = (PrintPage::right - PrintPage::left) / area.width();  // page units per point
        const double sy = (PrintPage::bottom - PrintPage::top) / area.height();
        std::array<std::string, 2> grids{std::string(81, '0'), std::string(81, '0')};
        const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>(\d)</word>)re");
        for (const QRegularExpressionMatch& m : word.globalMatch(run("pdftotext", {"-bbox", pdf, "-"}))) {
            const double x = PrintPage::left + (m.captured(1).toDouble() - area.left()) * sx;
            const double y = PrintPage::top + (m.captured(2).toDouble() - area.top()) * sy;
            const int column = static_cast<int>(x / 20), row = static_cast<int>(y / 20);
            const bool below = row > 10;  // the lower grid's top is at y = 320
            const auto cell = static_cast<std::size_t>(((below ? row - 15 : row) - 1) * 9 + column - 1);
            EXPECT_TRUE(column >= 1 && column <= 9) << "a digit outside the grids at " << x << ", " << y;
            grids[below].at(cell) = m.captured(3)[0].toLatin1();  // throws below or above both grids
            EXPECT_NE(m.captured(3), "0") << "an empty cell printed";
            // One blank of a 16-point face (4 to 6 points) right of its cell's text position.
            EXPECT_NEAR((x - 20 * column - 5) / sx, 5.0, 2.0) << "no blank";
        }
        return grids;
    }

    // The dark runs (the grid lines) down a column of the page just inside the grids' left edge.
    int gridLines() {
        run("pdftoppm", {"-r", "300", "-aa", "no", "-aaVector", "no", "-png", "-singlefile", pdf, pdf});
        const QImage page = QImage(pdf + ".png").convertToFormat(QImage::Format_Grayscale8);
        const int column = qRound((area.left() + 142 / 420.0 * area.width()) * 300 / 72);  // x = 22
        const auto dark = [&](int y) { return y >= 0 && qGray(page.pixel(column, y)) < 128; };
        int runs = 0;
        for (int y = 0; y < page.height(); ++y) runs += dark(y) && !dark(y - 1);
        return runs;
    }

    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    const QString pdf = dir.filePath("page.pdf");
    const QRectF area = pdfPrinter(pdf)->pageLayout().paintRect(QPageLayout::Point);  // in points
    MainWindow mainWindow;
    ModalScript script;
    std::pair<bool, bool> ticks{true, false};  // puzzle, answers
};

TEST_F(Printing, TheTicksChooseThePuzzleAboveAndTheAnswersBelow) {
    const GameState& s = mainWindow.state();
    // A player's digit prints after a blank as the givens do, an empty cell nothing.
    while (s.puzzle.digit(s.selectedX, s.selectedY) != 0) QTest::keyClick(&mainWindow.board(), Qt::Key_Right);
    QTest::keyClick(&mainWindow.board(), Qt::Key_7);
    const std::string puzzle = gridText(s.puzzle.board()), answers = gridText(s.puzzle.answers()),
                      none(81, '0');
    ASSERT_EQ(answers.find('0'), std::string::npos) << "a dealt game's answers are known";
    for (const bool above : {true, false})  // each tick gives its grid of ten lines
        for (const bool below : {true, false}) {
            SCOPED_TRACE(::testing::Message() << "puzzle " << above << ", answers " << below);
            EXPECT_EQ(print(above, below), (std::array{above ? puzzle : none, below ? answers : none}));
            EXPECT_EQ(gridLines(), 10 * above + 10 * below);
        }
    QGuiApplication::clipboard()->setText(QString(80, u'0') + u'7');  // more than one solution
    script.then([](QWidget* box) { acknowledge(box, "This puzzle has more than one solution."); });
    shortcut(mainWindow, QKeySequence(Qt::CTRL | Qt::Key_V));
    EXPECT_EQ(print(true, true), (std::array{gridText(s.puzzle.board()), none}));
}

// Print several games into a PDF: six Easy games on a page, their answers on the next, each
// under "Game <number> (Easy)", every given and every answer printed; on A4 and on Letter,
// every word within the page's printable area.
TEST_F(Printing, SixGamesOnAPageAndTheirAnswersOnTheNext) {
    const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (const auto size : {QPageSize::A4, QPageSize::Letter}) {
        const auto printer = [&] {
            auto sized = pdfPrinter(pdf);
            sized->setPageSize(QPageSize(size));
            return sized;
        };
        mainWindow.setPrinterSource(printer);
        script.then([](QWidget* dialog) {  // the answers ticked as the dialog starts
            dialog->findChild<QSpinBox*>("countBox")->setValue(6);
            dialog->findChild<QComboBox*>("levelBox")->setCurrentIndex(1);
            dialog->findChild<QComboBox*>("perPageBox")->setCurrentIndex(3);
            click(dialog, "printButton");
        });
        trigger(mainWindow, "printBooklet");
        const QRectF paper = printer()->pageLayout().paintRect(QPageLayout::Point);
        const QStringList pages = run("pdftotext", {"-bbox", pdf, "-"}).split("<page ").mid(1);
        ASSERT_EQ(pages.size(), 2);
        std::array<QStringList, 2> numbers;  // after "Game"
        std::array<int, 2> digits{}, expected{0, 6 * 81};
        for (int page = 0; page < 2; ++page) {
            QString before;
            for (const QRegularExpressionMatch& m : word.globalMatch(pages[page])) {
                const QString text = m.captured(5);
                if (before == "Game") numbers[page] << text;
                digits[page] += text.size() == 1 && text[0].isDigit();
                const QPointF from(m.captured(1).toDouble(), m.captured(2).toDouble());
                EXPECT_TRUE(paper.contains(QRectF(from, QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))))
                    << text.toStdString() << " beyond the page";
                before = text;
            }
            numbers[page].sort();
            EXPECT_EQ(pages[page].count("(Easy)"), 6);
        }
        EXPECT_TRUE(numbers[0].size() == 6 && numbers[0] == numbers[1]);
        SplitMixGenerator generator;
        for (const QString& number : numbers[0]) {
            const Grid givens = dealGame(number.toDouble(), generator).board;
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y) expected[0] += givens[x][y] > 0;
        }
        EXPECT_EQ(digits, expected);
    }
}

// Cancel, and closing the dialog, print nothing and keep the ticks for the next time.
TEST_F(Printing, CancelAndCloseKeepTheTicksAndPrintNothing) {
    print(false, true, "cancelButton");
    print(true, true, nullptr);
    print(true, true, nullptr);
    EXPECT_FALSE(QFile::exists(pdf));
}

// Without a printer, "out" prints into out.pdf: that is the file asked about, and it is only
// replaced by a whole page; a link there is replaced itself, never the file it points to.
TEST_F(Printing, AnExistingPdfIsReplacedOnlyAfterAsking) {
    mainWindow.setPrinterSource([this] { return choosePdf(&mainWindow); });
    const QString out = dir.filePath("out.pdf");
    writeFile(dir.filePath("earlier"), "earlier");
    ASSERT_TRUE(QFile::link(dir.filePath("earlier"), out));
    int asked = 0;
    for (const bool replace : {false, true}) {
        script.then([](QWidget* dialog) { click(dialog, "printButton"); })
            .then([&](QWidget* dialog) { pickFile(dialog, dir.filePath("out")); })
            .then([&](QWidget* box) {
                ++asked;
                acknowledge(box, "\"out.pdf\" already exists. Do you want to replace it?",
                            replace ? QMessageBox::Yes : QMessageBox::No);
            });
        trigger(mainWindow, "print");
        ASSERT_EQ(asked, 1 + replace) << "not asked";
        EXPECT_EQ(files(), (QStringList{"earlier", "out.pdf"})) << "no temporary file left";
        EXPECT_EQ(fileBytes(out).startsWith("%PDF"), replace);
    }
    EXPECT_TRUE(fileBytes(out).trimmed().endsWith("%%EOF") &&
                fileBytes(dir.filePath("earlier")) == "earlier");
}

// A print killed at any moment leaves no temporary file once the next one into the folder ran.
TEST_F(Printing, KilledPrintsLeaveNoTemporaryFileAfterTheNextOne) {
    const PrintPage page = printPage(mainWindow.state().puzzle, true, true);
    killRepeatedly(30, 20000, [&] { printOn(*pdfPrinter(pdf), {page}); });
    print(true, true);
    EXPECT_EQ(files(), QStringList{"page.pdf"});
}

// A PDF that cannot be written is reported, and an earlier file stays as it was: on a full
// disk (as a file size limit makes it), and in a folder that is a file.
TEST_F(Printing, APdfThatCannotBeWrittenIsReportedAndKeepsTheEarlierFile) {
    print(true, true);
    const QByteArray earlier = fileBytes(pdf);
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the test
    int reported = 0, tries = 0;
    for (const QString& path : {pdf, dir.filePath("page.pdf/out.pdf")}) {
        SCOPED_TRACE(path.toStdString());
        mainWindow.setPrinterSource([&] { return pdfPrinter(path); });
        script.then([](QWidget* dialog) { click(dialog, "printButton"); }).then([&](QWidget* box) {
            ++reported;
            acknowledge(box, "The PDF could not be written:\n" + path);
        });
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        const rlimit limit{path == pdf ? 4096 : before.rlim_cur, before.rlim_max};
        ASSERT_TRUE(earlier.size() > 4096 && setrlimit(RLIMIT_FSIZE, &limit) == 0);
        trigger(mainWindow, "print");
        setrlimit(RLIMIT_FSIZE, &before);
        ASSERT_EQ(reported, ++tries) << "not reported";
        EXPECT_EQ(fileBytes(pdf), earlier);
        EXPECT_EQ(files(), QStringList{"page.pdf"}) << "no temporary file left";
    }
}

}  // namespace
}  // namespace ninebox::testing
