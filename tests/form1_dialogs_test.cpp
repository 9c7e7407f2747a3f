// The game dialog, the answers dialog and the file dialogs, through the real board window.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include "board/boardview.h"
#include "support/modals.h"

namespace ninebox::testing {
namespace {

QLineEdit* text1(QWidget* dialog) { return dialog->findChild<QLineEdit*>(QStringLiteral("Text1")); }

TEST(GameDialog, TypedNumberAndEnterDealThatGame) {
    Form1 form;
    start(form);
    ModalScript script;
    script.then([](QWidget* dialog) {
        QLineEdit* text = text1(dialog);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(), QString()) << "emptied on showing";
        EXPECT_EQ(dialog->focusWidget(), text);
        QTest::keyClicks(text, QStringLiteral("123"));
        QTest::keyClick(text, Qt::Key_Return);
    });
    trigger(form, "ng");

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Ninebox1 --Game# 123"));
    EXPECT_EQ(form.game().state().gamenum, 123.0);
    EXPECT_EQ(script.shown(), 1);
}

TEST(GameDialog, SelectUsingNumberBelowButtonDealsTheTypedGame) {
    Form1 form;
    start(form);
    ModalScript script;
    script.then([](QWidget* dialog) {
        QTest::keyClicks(text1(dialog), QStringLiteral("  42abc"));
        click(dialog, "Command2");
    });
    trigger(form, "ng");
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Ninebox1 --Game# 42"));
}

// The random button names the level of the Level menu on every showing, and the game dealt
// is of that level.
TEST(GameDialog, RandomButtonFollowsTheLevelMenu) {
    Form1 form;
    start(form);
    ModalScript script;
    script.otherwise([](QWidget* window) {  // the occasional donation request
        auto* box = qobject_cast<QMessageBox*>(window);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Honesty is the Best!!"));
        box->button(QMessageBox::Ok)->click();
    });

    const struct {
        const char* item;
        const char* caption;
        std::int16_t level;  // 0: any
    } cases[] = {
        {"Hardoc", "Select Hard", 3},
        {"easoc", "Select Easy", 1},
        {"medoc", "Select Medium", 2},
        {"randoc", "Select Random", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        trigger(form, c.item);
        QString caption;
        script.then([&](QWidget* dialog) {
            caption = button(dialog, "Command1")->text();
            click(dialog, "Command1");
        });
        trigger(form, "ng");
        EXPECT_EQ(caption, QLatin1String(c.caption));
        if (c.level != 0) {
            EXPECT_EQ(form.game().state().level, c.level);
        }
        EXPECT_TRUE(form.windowTitle().startsWith(QStringLiteral("Ninebox1 --Game# ")));
    }
}

TEST(GameDialog, ClosingItDealsARandomGameAndTheDialogIsReused) {
    Form1 form;
    start(form);
    ModalScript script;
    QWidget* first = nullptr;
    script.then([&](QWidget* dialog) {
        first = dialog;
        QTest::keyClicks(text1(dialog), QStringLiteral("55"));
        dialog->close();
    });
    trigger(form, "ng");
    EXPECT_NE(form.windowTitle(), QStringLiteral("Ninebox1 --Game# 55"));
    EXPECT_EQ(form.game().state().numchosen, 0);

    script.then([&](QWidget* dialog) {
        EXPECT_EQ(dialog, first);
        EXPECT_EQ(text1(dialog)->text(), QString());
        QTest::keyClicks(text1(dialog), QStringLiteral("7"));
        QTest::keyClick(text1(dialog), Qt::Key_Enter);  // the keypad's Enter
    });
    trigger(form, "ng");
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Ninebox1 --Game# 7"));
}

TEST(AnswersDialog, ButtonsAnswerOneTwoThreeAndClosingAnswersNothing) {
    Form1 form;
    start(form);
    ModalScript script;
    const struct {
        const char* button;
        std::optional<std::int16_t> choice;
    } cases[] = {{"Command1", 1}, {"Command2", 2}, {"Command3", 3}, {nullptr, std::nullopt}};
    QWidget* first = nullptr;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button ? c.button : "close");
        script.then([&](QWidget* dialog) {
            if (!first) first = dialog;
            EXPECT_EQ(dialog, first) << "hidden and shown again, not made anew";
            if (c.button)
                click(dialog, c.button);
            else
                dialog->close();
        });
        EXPECT_EQ(form.showAnswersDialog(), c.choice);
    }
}

class FileDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        start(form);
    }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    QTemporaryDir dir;
    Form1 form;
    ModalScript script;
};

// A puzzle typed in edit mode, saved without answers and loaded again.
TEST_F(FileDialogs, EditedPuzzleSavedAndLoadedComesBackAsGivens) {
    trigger(form, "em");
    QWidget* board = &form.board();
    QTest::keyClicks(board, QStringLiteral("7"));
    QTest::keyClick(board, Qt::Key_Right);
    QTest::keyClicks(board, QStringLiteral("8"));
    QTest::keyClick(board, Qt::Key_Down);
    QTest::keyClicks(board, QStringLiteral("9"));
    const GameState saved = form.game().state();
    ASSERT_TRUE(saved.given(1, 1) && saved.given(2, 1) && saved.given(2, 2));

    const QString file = path("game1.sud");
    script.then([](QWidget* dialog) { click(dialog, "Command1"); })  // "No answers available"
        .then([&](QWidget* dialog) { pickFile(dialog, file); });
    trigger(form, "sa");
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(QFile(dir.filePath(QStringLiteral("game1ans"))).size(), 0) << "an empty answers file";
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Ninebox1 --game1.sud"));

    script.then([](QWidget* dialog) {  // another game in between
        QTest::keyClicks(text1(dialog), QStringLiteral("99"));
        click(dialog, "Command2");
    });
    trigger(form, "ng");
    ASSERT_NE(form.game().state().board, saved.board);

    script
        .then([&](QWidget* dialog) {
            auto* open = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(open, nullptr);
            EXPECT_EQ(open->selectedFiles().value(0), file) << "starts from the path chosen last";
            pickFile(dialog, file);
        })
        .then([](QWidget* box) { acknowledge(box, QStringLiteral("Note, No answers available for this puzzle.")); });
    trigger(form, "ent");

    const GameState& loaded = form.game().state();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            SCOPED_TRACE(::testing::Message() << "cell " << x << "," << y);
            EXPECT_EQ(loaded.board[x][y], saved.given(x, y) ? saved.board[x][y] : 0);
            EXPECT_EQ(loaded.given(x, y), saved.given(x, y));
            EXPECT_EQ(loaded.answer[x][y], 0);
        }
    EXPECT_EQ(loaded.board[1][1], 7);
    EXPECT_EQ(loaded.board[2][1], 8);
    EXPECT_EQ(loaded.board[2][2], 9);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Ninebox1 --game1.sud"));
}

// The dialog only picks a path: the name is kept as typed, no ".sud" added.
TEST_F(FileDialogs, SaveAddsNoSuffix) {
    script.then([](QWidget* dialog) { click(dialog, "Command1"); }).then([&](QWidget* dialog) {
        EXPECT_EQ(qobject_cast<QFileDialog*>(dialog)->nameFilters(), QStringList{QStringLiteral("Sudoku (*.sud)")});
        pickFile(dialog, path("plain"));
    });
    trigger(form, "sa");
    EXPECT_TRUE(QFile::exists(path("plain")));
    EXPECT_FALSE(QFile::exists(path("plain.sud")));
}

TEST_F(FileDialogs, CancelIsReportedAsCancelled) {
    script.then([](QWidget* dialog) { click(dialog, "Command2"); })
        .then([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); })
        .then([](QWidget* box) { acknowledge(box, QStringLiteral("cancel selected")); });
    trigger(form, "sa");
    EXPECT_EQ(form.game().state().ansopt, 2) << "chosen before the file dialog";

    script.then([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); })
        .then([](QWidget* box) { acknowledge(box, QStringLiteral("No file loaded, please try again")); });
    trigger(form, "ent");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

}  // namespace
}  // namespace ninebox::testing
