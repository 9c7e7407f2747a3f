#pragma once
// Driving the real board window and its modal windows. A command that opens a modal window
// runs the window's own event loop; the script answers each modal window as it is shown,
// in order. A modal window with no answer left fails the test and is closed, so no test
// hangs.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "app/form1.h"

namespace ninebox::testing {

class ModalScript final : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;

    ModalScript() { qApp->installEventFilter(this); }
    ~ModalScript() override {
        qApp->removeEventFilter(this);
        EXPECT_TRUE(answers_.empty()) << answers_.size() << " modal window(s) never shown";
    }

    ModalScript& then(Answer answer) {
        answers_.push_back(std::move(answer));
        return *this;
    }
    // For modal windows that may or may not appear (the donation request).
    void otherwise(Answer answer) { otherwise_ = std::move(answer); }
    int shown() const { return shown_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->isWindow() && window->isModal()) {
                // Answer from inside the window's own event loop, once it runs.
                QTimer::singleShot(0, this, [this, w = QPointer<QWidget>(window)] { answer(w); });
            }
        }
        return false;
    }

private:
    void answer(const QPointer<QWidget>& window) {
        if (!window || !window->isVisible()) return;
        ++shown_;
        if (!answers_.empty()) {
            const Answer next = answers_.front();
            answers_.pop_front();
            next(window);
        } else if (otherwise_) {
            otherwise_(window);
        } else {
            ADD_FAILURE() << "unexpected modal window " << window->metaObject()->className() << " "
                          << window->windowTitle().toStdString();
            window->close();
        }
    }

    std::deque<Answer> answers_;
    Answer otherwise_;
    int shown_ = 0;
};

inline QAbstractButton* button(QWidget* dialog, const char* name) {
    auto* found = dialog->findChild<QAbstractButton*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

inline void click(QWidget* dialog, const char* name) {
    if (QAbstractButton* b = button(dialog, name)) b->click();
}

// Picks the path in a file dialog as a player would, then accepts it.
inline void pickFile(QWidget* window, const QString& path) {
    auto* dialog = qobject_cast<QFileDialog*>(window);
    ASSERT_NE(dialog, nullptr) << "expected a file dialog, got " << window->metaObject()->className();
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own accept() is protected
}

// Answers a message box with OK (or Yes), after checking its text.
inline void acknowledge(QWidget* window, const QString& text, std::vector<QString>* seen = nullptr) {
    auto* box = qobject_cast<QMessageBox*>(window);
    ASSERT_NE(box, nullptr) << "expected a message box, got " << window->metaObject()->className();
    EXPECT_EQ(box->text(), text);
    if (seen) seen->push_back(box->text());
    QAbstractButton* ok = box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok) : box->button(QMessageBox::Yes);
    ASSERT_NE(ok, nullptr);
    ok->click();
}

inline void trigger(Form1& form, const char* name) {
    QAction* action = form.command(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
}

// The board window, shown, with its first game dealt.
inline void start(Form1& form) {
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.game().state().started == 2; }, 5000));
    QApplication::processEvents();
}

}  // namespace ninebox::testing
