// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives the real board window and its modal windows: each modal window, once its own event
// loop runs, takes the next scripted answer. One with no answer left fails the test and is
// closed, so no test hangs.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QShortcut>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "window/board/view.h"
#include "window/mainwindow.h"

namespace ninebox::testing {

class ModalScript final : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;
    ModalScript() { qApp->installEventFilter(this); }
    ~ModalScript() override {
        qApp->removeEventFilter(this);
        EXPECT_TRUE(answers_.empty()) << answers_.size() << " modal window(s) never shown";
    }
    ModalScript& then(Answer answer) { return answers_.push_back(std::move(answer)), *this; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* shown = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::Show || !shown || !shown->isWindow() || !shown->isModal()) return false;
        QTimer::singleShot(0, this, [this, window = QPointer<QWidget>(shown)] {
            if (!window || !window->isVisible()) return;
            if (answers_.empty()) {
                ADD_FAILURE() << "unexpected modal window " << window->windowTitle().toStdString();
                return void(window->close());
            }
            const Answer next = answers_.front();
            answers_.pop_front();
            next(window);
        });
        return false;
    }

private:
    std::deque<Answer> answers_;
};

inline void click(QWidget* dialog, const char* name) {
    auto* button = dialog->findChild<QAbstractButton*>(QLatin1String(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

inline void pickFile(QWidget* window, const QString& path) {
    auto* dialog = qobject_cast<QFileDialog*>(window);
    ASSERT_NE(dialog, nullptr) << "not a file dialog";
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own accept() is protected
}

// Checks the message box's text and clicks the button.
inline void acknowledge(QWidget* window, const QString& text,
                        QMessageBox::StandardButton button = QMessageBox::Ok) {
    auto* box = qobject_cast<QMessageBox*>(window);
    ASSERT_NE(box, nullptr) << "not a message box";
    EXPECT_EQ(box->text().toStdString(), text.toStdString());
    box->button(button)->click();
}

inline void trigger(MainWindow& mainWindow, const char* name) {
    QAction* action = mainWindow.command(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
}

// A file's bytes (none when it cannot be read), and a file written whole.
inline QByteArray fileBytes(const QString& name) {
    QFile in(name);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}
inline void writeFile(const QString& name, const QByteArray& bytes) {
    QFile out(name);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
}

// The board window, shown, with its first game dealt.
inline void start(MainWindow& mainWindow) {
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return mainWindow.windowTitle() != QLatin1String("Ninebox1"); }, 5000));
    QApplication::processEvents();
}

// A key of the board window's own, whatever has the keyboard (the window need not be active).
inline void shortcut(MainWindow& mainWindow, const QKeySequence& keys) {
    for (QShortcut* each : mainWindow.findChildren<QShortcut*>())
        if (each->key() == keys) return each->activated();
    ADD_FAILURE() << "no shortcut " << keys.toString().toStdString();
}

// An empty puzzle pasted in place of the game, its cell (1, 1) selected; the script says OK to
// its message.
inline const GameState& emptyBoard(MainWindow& mainWindow, ModalScript& script) {
    QGuiApplication::clipboard()->setText(QString(81, u'0'));
    script.then([](QWidget* box) { acknowledge(box, "This puzzle has more than one solution."); });
    shortcut(mainWindow, QKeySequence(Qt::CTRL | Qt::Key_V));
    // The board has the keyboard again once the window is active after the message.
    EXPECT_TRUE(QTest::qWaitFor([&] { return mainWindow.board().hasFocus() && mainWindow.isActiveWindow(); }));
    const GameState& s = mainWindow.state();
    while (s.selectedX * 10 + s.selectedY != 11) QTest::keyClick(&mainWindow.board(), Qt::Key_Left);
    return s;
}

}  // namespace ninebox::testing
