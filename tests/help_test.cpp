// The instructions page and the About window, through the real board window.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "app/resources.h"
#include "board/boardview.h"
#include "files/instructions.h"
#include "support/modals.h"

namespace ninebox::testing {
namespace {

QTextBrowser* page(Form1& form) { return form.findChild<QTextBrowser*>(QStringLiteral("WebBrowser1")); }

bool shown(Form1& form) { return page(form) && page(form)->isVisible(); }

bool ticked(Form1& form) { return form.action(Item::instruc)->isChecked(); }

TEST(Instructions, TheMenuItemShowsAndHidesThePageWithItsTick) {
    Form1 form;
    start(form);
    EXPECT_FALSE(shown(form));

    trigger(form, "instruc");
    ASSERT_TRUE(shown(form));
    EXPECT_TRUE(ticked(form));
    EXPECT_EQ(page(form)->geometry(), form.board().rect()) << "covers the whole drawing area";
    // The page beside the program (the test's copy), not the "not found" text.
    EXPECT_EQ(page(form)->documentTitle(), QStringLiteral("Ninebox: how to play"));

    trigger(form, "instruc");
    EXPECT_FALSE(shown(form));
    EXPECT_FALSE(ticked(form));
}

TEST(Instructions, StaysOverTheWholeAreaWhenTheWindowIsResized) {
    Form1 form;
    start(form);
    trigger(form, "instruc");
    const QSize before = form.board().size();
    form.resize(form.width() + 200, form.height() + 150);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.board().size() != before; }, 5000));
    QApplication::processEvents();
    EXPECT_TRUE(shown(form));
    EXPECT_EQ(page(form)->geometry(), form.board().rect());
}

// The first close request only closes the page; the second one closes the window.
TEST(Instructions, ClosingTheWindowFirstHidesThePage) {
    QApplication::setQuitOnLastWindowClosed(false);
    Form1 form;
    start(form);
    trigger(form, "instruc");
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(shown(form));
    EXPECT_FALSE(ticked(form));
    EXPECT_TRUE(form.close());
}

// Every showing reads the file again; where it is missing, the page says where it was looked
// for, and a page that appears later is still found.
TEST(Instructions, EveryShowingReadsThePageAgain) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&](const char* title) {
        QFile file(dir.filePath(QStringLiteral("readme.htm")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("<html><head><title>") + title + "</title></head><body>x</body></html>");
    };
    QWidget area;
    area.resize(300, 200);
    Instructions browser(&area, {dir.filePath(QStringLiteral("missing")), dir.path()});

    browser.showPage();
    EXPECT_TRUE(browser.toPlainText().contains(QStringLiteral("not found")));
    EXPECT_TRUE(browser.toPlainText().contains(dir.path()));
    EXPECT_EQ(browser.geometry(), area.rect());

    write("one");
    browser.showPage();
    EXPECT_EQ(browser.documentTitle(), QStringLiteral("one"));
    write("two");
    browser.hide();
    browser.showPage();
    EXPECT_EQ(browser.documentTitle(), QStringLiteral("two"));
}

// The page is the player's guide: it names every menu item and on-board button, the
// dialogs' choices, and loads nothing from outside.
TEST(Instructions, ThePageCoversEveryCommand) {
    Form1 form;
    start(form);
    trigger(form, "instruc");
    ASSERT_TRUE(shown(form));
    const QString text = page(form)->toPlainText().replace(QChar::Nbsp, QLatin1Char(' '));

    QStringList names;
    for (const QAction* action : form.findChildren<QAction*>())
        if (!action->text().isEmpty()) names.append(action->text());
    ASSERT_GE(names.size(), 25);
    names << QStringLiteral("New") << QStringLiteral("Reset") << QStringLiteral("Play Mode")
          << QStringLiteral("Map Mode") << QStringLiteral("Score On/Off") << QStringLiteral("Time On/Off")
          << QStringLiteral("Delete") << QStringLiteral("Select Random")
          << QStringLiteral("Select Using number below") << QStringLiteral("No answers available")
          << QStringLiteral("Create answers from Worked puzzle")
          << QStringLiteral("Create Answers from Existing Answers") << QStringLiteral("Print Puzzle")
          << QStringLiteral("Print Answers if available") << QStringLiteral(".sud");
    for (const QString& name : names) EXPECT_TRUE(text.contains(name)) << name.toStdString();

    QFile source(QCoreApplication::applicationDirPath() + QStringLiteral("/readme.htm"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(source.readAll()).toLower();
    EXPECT_FALSE(html.contains(QStringLiteral("<script")));
    EXPECT_FALSE(html.contains(QStringLiteral("http:")));
    EXPECT_FALSE(html.contains(QStringLiteral("https:")));
}

// The window's picture at its natural size from the top-left corner, outside the "X".
void expectPicture(QWidget* about) {
    const QImage seen = about->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& picture = aboutPicture();
    ASSERT_FALSE(picture.isNull());
    ASSERT_EQ(seen.size(), QSize(760, 364));
    const QRect left(0, 0, 700, 364);
    EXPECT_EQ(seen.copy(left), picture.convertToFormat(QImage::Format_RGB32).copy(left));
}

TEST(About, XAndTheCloseButtonHideTheWindowAndKeepThePicture) {
    Form1 form;
    start(form);
    ModalScript script;
    QWidget* first = nullptr;
    script.then([&](QWidget* about) {
        first = about;
        EXPECT_EQ(about->windowTitle(), QStringLiteral("About this Program...."));
        EXPECT_EQ(button(about, "Command1")->toolTip(), QStringLiteral("close window"));
        expectPicture(about);
        click(about, "Command1");
    });
    trigger(form, "abt");
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isVisible());

    script.then([&](QWidget* about) {
        EXPECT_EQ(about, first);
        expectPicture(about);
        about->close();
    });
    trigger(form, "abt");
    EXPECT_FALSE(first->isVisible());

    script.then([&](QWidget* about) {
        EXPECT_EQ(about, first);
        expectPicture(about);
        click(about, "Command1");
    });
    trigger(form, "abt");
}

}  // namespace
}  // namespace ninebox::testing
