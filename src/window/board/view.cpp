// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/board/view.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <cmath>

#include "game/layout.h"
#include "window/board/accessible.h"
#include "window/board/painter.h"
#include "window/resources.h"

namespace ninebox {

BoardView::BoardView(const QImage& background, const QImage& stretched, QWidget* parent)
    : QWidget(parent), painter_(background, stretched) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    installBoardAccessible();
    // The window opens at its start size, on the main screen as far as anyone knows yet.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const int dpi = static_cast<int>(std::lround(screen->logicalDotsPerInchX()));
        painter_.prepareTexts(kStartArea.width() * 1440 / std::max(1, dpi),
                              static_cast<int>(std::lround(screen->logicalDotsPerInchY())),
                              screen->devicePixelRatio());
    }
}

void BoardView::render(const GameState& state, bool answerShown, int outerWidthTwips) {
    if (QAccessible::isActive()) boardChanging(*this);  // only a screen reader needs what was drawn before
    last_ = Redraw{state, answerShown, outerWidthTwips};
    pending_ = true;
    // Start-up redraws several times before the window is on the screen: only the last is
    // painted, once exposed, and by then the texts rendered ahead are ready.
    const QWindow* shown = window()->windowHandle();
    if (!shown || !shown->isExposed()) {
        update();
        return;
    }
    paintPending();
    repaint();  // show each redraw at once, so Cheat's passes can be watched
}

void BoardView::paintPending() {
    if (!pending_ || !last_) return;
    pending_ = false;
    paint(*last_);
}

void BoardView::paint(const Redraw& redraw) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (image_.size() != pixels || image_.devicePixelRatio() != ratio) {
        image_ = QImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
    }
    painter_.paint(image_, redraw.state, {redraw.answerShown, focusStop_}, redraw.outerWidthTwips,
                   logicalDpiY());
}

const QImage& BoardView::image() {
    paintPending();
    return image_;
}

void BoardView::renderClock(const QString& reading, int outerWidthTwips) {
    paintPending();
    clock_ = reading;
    if (image_.isNull()) return;
    painter_.paintClock(image_, reading, outerWidthTwips, logicalDpiY());
    update();
}

QPointF BoardView::toBoard(QPointF pixel) const {
    using layout::kBoard;
    return {kBoard.left + pixel.x() * (kBoard.right - kBoard.left) / std::max(1, width()),
            kBoard.top + pixel.y() * (kBoard.bottom - kBoard.top) / std::max(1, height())};
}

QRect BoardView::toPixels(double left, double top, double right, double bottom) const {
    using layout::kBoard;
    const auto x = [&](double at) {
        return qRound((at - kBoard.left) * width() / (kBoard.right - kBoard.left));
    };
    const auto y = [&](double at) {
        return qRound((at - kBoard.top) * height() / (kBoard.bottom - kBoard.top));
    };
    return QRect(QPoint(x(left), y(top)), QPoint(x(right) - 1, y(bottom) - 1));
}

// A copy of the retained image; the system clip limits it to the exposed part.
void BoardView::paintEvent(QPaintEvent*) {
    paintPending();
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
    // Until the next redraw after a resize the image may be smaller than the widget.
    const QRect covered(QPoint(0, 0), image_.deviceIndependentSize().toSize());
    for (const QRect& part : QRegion(rect()).subtracted(covered)) painter.fillRect(part, Qt::black);
}

void BoardView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Q_EMIT resized();
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    const MouseButton button = event->button() == Qt::LeftButton    ? MouseButton::left
                               : event->button() == Qt::RightButton ? MouseButton::right
                                                                    : MouseButton::other;
    const QPointF at = toBoard(event->position());
    Q_EMIT pressed(button, at.x(), at.y(), event->modifiers().testFlag(Qt::ControlModifier));
}

// The keys the board knows by their Qt key, the keypad's too; every other key by the character
// it types: a digit, another printable character, or a blank (space or a control character,
// Escape and Backspace among them). A key that types nothing (F1, Home) is just a key, and a
// modifier alone (Shift, Ctrl) one that may begin a shortcut. On a button or key of the board,
// Space and Enter press it, and the arrows go back to the cells without moving the selection.
// Ctrl with a digit (the keypad's too, and Shift where the digits need it) or with Delete
// is a note.
void BoardView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (focusStop_ >= 0 && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter))
        return pressStop(focusStop_);
    const Qt::KeyboardModifiers held = event->modifiers();
    if (held.testFlag(Qt::ControlModifier) && !held.testFlag(Qt::AltModifier) &&
        !held.testFlag(Qt::MetaModifier)) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) return Q_EMIT noteTyped(key - Qt::Key_0);
        if (key == Qt::Key_Delete) return Q_EMIT noteTyped(0);
    }
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (focusStop_ >= 0) return moveFocus(-1);  // back to the cells, to the cell left
            return Q_EMIT keyPressed(key == Qt::Key_Left    ? Key::left
                                     : key == Qt::Key_Right ? Key::right
                                     : key == Qt::Key_Up    ? Key::up
                                                            : Key::down);
        case Qt::Key_Delete: return Q_EMIT keyPressed(Key::del);
        case Qt::Key_Return:
        case Qt::Key_Enter: return Q_EMIT keyPressed(Key::enter);
        default: break;
    }
    const QString text = event->text();
    const bool modifier = key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
                          key == Qt::Key_AltGr || key == Qt::Key_Meta || key == Qt::Key_Super_L ||
                          key == Qt::Key_Super_R;
    if (text.isEmpty()) return Q_EMIT keyPressed(modifier ? Key::modifier : Key::other);
    const char16_t c = text.at(0).unicode();
    if (c <= u' ') Q_EMIT blankTyped();
    else Q_EMIT digitTyped(c >= u'0' && c <= u'9' ? c - u'0' : 0);
}

// Tab and Shift+Tab go round the cells, the on-board buttons and the keypad, never out of the
// board: the rest of the window is its menus.
bool BoardView::focusNextPrevChild(bool next) {
    const int stops = layout::kStops + 1;  // the cells are one stop more
    moveFocus((focusStop_ + 1 + (next ? 1 : stops - 1)) % stops - 1);
    return true;
}

void BoardView::moveFocus(int stop) {
    if (stop == focusStop_) return;
    focusStop_ = stop;
    if (last_) {  // the focus mark is part of the picture
        pending_ = true;
        if (isVisible()) repaint();
    }
    if (QAccessible::isActive()) focusMoved(*this);
}

void BoardView::pressStop(int stop) {
    const layout::Point at = layout::stopPoint(stop);
    Q_EMIT pressed(MouseButton::left, at.x, at.y, false);
}

void BoardView::pressCell(int x, int y) {
    const layout::Area cell = layout::cell(x, y);
    Q_EMIT pressed(MouseButton::left, (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2, false);
}

// A screen reader hears the cell or button with the keyboard after Qt's own news of the focus,
// which names the view.
void BoardView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (QAccessible::isActive()) focusMoved(*this);
}

void BoardView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && QAccessible::isActive())
        windowActivated(*this);
}

}  // namespace ninebox
