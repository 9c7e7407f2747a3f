// The board window's start-up, resources, coordinate mapping and close, offscreen.
#include <gtest/gtest.h>

#include <QAction>
#include <QFontInfo>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

#include "app/embedded.h"
#include "app/form1.h"
#include "app/jpeg.h"
#include "app/resources.h"
#include "board/boardview.h"
#include "board/glyphs.h"

using namespace ninebox;

namespace {

void expectCorners(const BoardView& view, const char* when) {
    const QPointF topLeft = view.toBoard(QPointF(0, 0));
    const QPointF bottomRight = view.toBoard(QPointF(view.width(), view.height()));
    EXPECT_DOUBLE_EQ(topLeft.x(), -70) << when;
    EXPECT_DOUBLE_EQ(topLeft.y(), 0) << when;
    EXPECT_DOUBLE_EQ(bottomRight.x(), 220) << when;
    EXPECT_DOUBLE_EQ(bottomRight.y(), 220) << when;
}

}  // namespace

TEST(StartUp, FirstActivationDealsAGameIntoTheCaption) {
    Form1 form;
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Ninebox1"));
    EXPECT_EQ(form.game().state().started, 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Ninebox1 --Game# \\d+$")).match(form.windowTitle()).hasMatch())
        << form.windowTitle().toStdString();
    EXPECT_EQ(form.game().state().started, 2);
}

TEST(StartUp, DrawingAreaWithoutMenuBarAndWonNotChoosable) {
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    EXPECT_EQ(form.board().size(), QSize(774, 494));
    EXPECT_EQ(form.board().image().size(), QSize(774, 494) * form.board().devicePixelRatio());
    EXPECT_FALSE(form.menuWidget() && form.menuWidget()->isVisible());
    const QAction* won = form.command("cs");
    EXPECT_FALSE(form.menuBar()->isVisible());  // built, still hidden
    ASSERT_NE(won, nullptr);
    EXPECT_FALSE(won->isEnabled());
}

TEST(StartUp, ResourcesAreDecodedAndFontsRegistered) {
    loadResources();
    EXPECT_EQ(boardPicture().size(), QSize(850, 600));
    EXPECT_EQ(aboutPicture().size(), QSize(800, 500));
    EXPECT_TRUE(kanjiFontLoaded());
    // The board's font resolves to a narrow face even on a machine without Arial Narrow.
    QFont narrow{QString(kWindowFamily)};
    narrow.setBold(true);
    EXPECT_TRUE(QFontInfo(narrow).family().contains(QStringLiteral("Narrow"), Qt::CaseInsensitive))
        << QFontInfo(narrow).family().toStdString();
}

// The pictures are decoded without Qt's plugins; they must come out as Qt's reader gives them.
TEST(StartUp, PicturesDecodeAsQtReadsThem) {
    for (const std::string_view bytes : {embedded::board, embedded::about}) {
        const QImage ours = decodeJpeg(bytes);
        const QImage qts = QImage::fromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), "JPG")
                               .convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(qts.isNull());
        EXPECT_EQ(ours.format(), QImage::Format_RGB32);
        EXPECT_EQ(ours, qts);
    }
    EXPECT_EQ(desktopIcon().size(), QSize(256, 256));
}

TEST(StartUp, DamagedPictureBytesGiveNoPicture) {
    const std::string_view board = embedded::board;
    EXPECT_TRUE(decodeJpeg({}).isNull());
    EXPECT_TRUE(decodeJpeg("not a picture at all").isNull());
    EXPECT_TRUE(decodeJpeg(board.substr(0, 200)).isNull());  // cut inside the headers
    // Cut inside the pixels: libjpeg fills in the rest, and the picture keeps its size.
    EXPECT_EQ(decodeJpeg(board.substr(0, board.size() / 2)).size(), QSize(850, 600));
}

TEST(Mapping, CornersAreTheBoardsCornersAtAnySize) {
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    expectCorners(form.board(), "at start");

    form.resize(1200, 800);
    QCoreApplication::processEvents();
    expectCorners(form.board(), "after a resize");
    EXPECT_EQ(form.board().image().size(), form.board().size() * form.board().devicePixelRatio())
        << "the resize redraws at the new size";

    form.showMinimized();
    QCoreApplication::processEvents();
    form.showNormal();
    QCoreApplication::processEvents();
    expectCorners(form.board(), "after minimise and restore");
}

TEST(Repaint, SystemRepaintsRunNoGameCode) {
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    form.game().state().peek = 1;  // a redraw would clear it
    form.board().repaint();
    form.repaint();
    EXPECT_EQ(form.game().state().peek, 1);
}

TEST(Close, WithInstructionsShowingOnlyClosesThePage) {
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    form.game().instruc_Click();
    ASSERT_TRUE(form.game().state().checked(Item::instruc));
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.game().state().checked(Item::instruc));
    EXPECT_TRUE(form.close());
}
