// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/boardview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "game/layout.h"
#include "window/boardpainter.h"
#include "window/pagedimage.h"

namespace ninebox {

BoardView::BoardView(const QImage& background, const QImage& stretched, QWidget* parent)
    : QWidget(parent), painter_(background, stretched) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::render(const GameState& state, bool answerShown, int outerWidthTwips) {
    const QWindow* shown = window()->windowHandle();
    pending_ = Redraw{state, answerShown, outerWidthTwips};
    if (!shown || !shown->isExposed()) {  // start-up redraws several times before that
        update();
        return;
    }
    paintPending();
    repaint();  // show each redraw at once, so Cheat's passes can be watched
}

void BoardView::paintPending() {
    if (!pending_) return;
    paint(*pending_);
    pending_.reset();
}

void BoardView::paint(const Redraw& redraw) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (image_.size() != pixels || image_.devicePixelRatio() != ratio) {
        image_ = pagedImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
    }
    painter_.paint(image_, redraw.state, redraw.answerShown, redraw.outerWidthTwips, logicalDpiY());
}

const QImage& BoardView::image() {
    paintPending();
    return image_;
}

void BoardView::renderClock(const QString& reading, int outerWidthTwips) {
    paintPending();
    if (image_.isNull()) return;
    painter_.paintClock(image_, reading, outerWidthTwips, logicalDpiY());
    update();
}

QPointF BoardView::toBoard(QPointF pixel) const {
    using layout::kBoard;
    return {kBoard.left + pixel.x() * (kBoard.right - kBoard.left) / std::max(1, width()),
            kBoard.top + pixel.y() * (kBoard.bottom - kBoard.top) / std::max(1, height())};
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
    Q_EMIT pressed(button, at.x(), at.y());
}

// The keys the board knows by their Qt key, the keypad's too; every other key by the character
// it types: a digit, another printable character, or a blank (space or a control character,
// Escape and Backspace among them). A key that types nothing (F1, Shift) is just a key.
void BoardView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left: return Q_EMIT keyPressed(Key::left);
        case Qt::Key_Right: return Q_EMIT keyPressed(Key::right);
        case Qt::Key_Up: return Q_EMIT keyPressed(Key::up);
        case Qt::Key_Down: return Q_EMIT keyPressed(Key::down);
        case Qt::Key_Delete: return Q_EMIT keyPressed(Key::del);
        case Qt::Key_Return:
        case Qt::Key_Enter: return Q_EMIT keyPressed(Key::enter);
        default: break;
    }
    const QString text = event->text();
    if (text.isEmpty()) return Q_EMIT keyPressed(Key::other);
    const char16_t c = text.at(0).unicode();
    if (c <= u' ') Q_EMIT blankTyped();
    else Q_EMIT digitTyped(c >= u'0' && c <= u'9' ? c - u'0' : 0);
}

// Tab is a key of the board, not a way to leave it.
bool BoardView::focusNextPrevChild(bool) { return false; }

}  // namespace ninebox
