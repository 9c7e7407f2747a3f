// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/boardview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "window/boardpainter.h"
#include "window/pagedimage.h"

namespace ninebox {

BoardView::BoardView(const QImage& background, const QImage& stretched, QWidget* parent)
    : QWidget(parent), painter_(background, stretched) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::render(const GameState& state, int outerWidthTwips) {
    const QWindow* shown = window()->windowHandle();
    if (!shown || !shown->isExposed()) {  // start-up redraws several times before that
        pending_ = Redraw{state, outerWidthTwips};
        update();
        return;
    }
    pending_.reset();
    paint(state, outerWidthTwips);
    repaint();  // show each redraw at once, so Cheat's passes can be watched
}

void BoardView::paintPending() {
    if (!pending_) return;
    paint(pending_->state, pending_->outerWidthTwips);
    pending_.reset();
}

void BoardView::paint(const GameState& state, int outerWidthTwips) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (image_.size() != pixels || image_.devicePixelRatio() != ratio) {
        image_ = pagedImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
    }
    painter_.paint(image_, state, outerWidthTwips, logicalDpiY());
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
    return {-70.0 + pixel.x() * 290.0 / std::max(1, width()), pixel.y() * 220.0 / std::max(1, height())};
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

namespace {

// The game's key codes are the virtual-key codes of Windows: letters and digits by their capital and digit,
// the keypad's digits and signs apart, named keys by their own codes, and ".", ",", "-" and "+" by the codes
// those keys have on every layout. Qt names other keys by the character they type, which does not tell the
// key (Shift+5 on one layout, another key's "%" on the next): those give 0. So only the real arrows, Delete
// and Enter give the codes of a move or of Delete.
int keyCode(const QKeyEvent& event) {
    const int qt = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (qt >= Qt::Key_0 && qt <= Qt::Key_9) return keypad ? 96 + qt - Qt::Key_0 : qt;
    if (qt >= Qt::Key_A && qt <= Qt::Key_Z) return qt;
    if (qt >= Qt::Key_F1 && qt <= Qt::Key_F24) return 112 + qt - Qt::Key_F1;
    switch (qt) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return 9;
        case Qt::Key_Clear: return 12;
        case Qt::Key_Return:
        case Qt::Key_Enter: return key::enter;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Control: return 17;
        case Qt::Key_Alt: return 18;
        case Qt::Key_Pause: return 19;
        case Qt::Key_CapsLock: return 20;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Space: return 32;
        case Qt::Key_PageUp: return 33;
        case Qt::Key_PageDown: return 34;
        case Qt::Key_End: return 35;
        case Qt::Key_Home: return 36;
        case Qt::Key_Left: return key::left;
        case Qt::Key_Up: return key::up;
        case Qt::Key_Right: return key::right;
        case Qt::Key_Down: return key::down;
        case Qt::Key_Insert: return 45;
        case Qt::Key_Delete: return key::del;
        case Qt::Key_Asterisk: return keypad ? 106 : 0;
        case Qt::Key_Plus: return keypad ? 107 : 187;
        case Qt::Key_Minus: return keypad ? 109 : 189;
        case Qt::Key_Comma: return keypad ? 110 : 188;
        case Qt::Key_Period: return keypad ? 110 : 190;
        case Qt::Key_Slash: return keypad ? 111 : 0;
        case Qt::Key_NumLock: return 144;
        case Qt::Key_ScrollLock: return 145;
        default: return 0;
    }
}

}  // namespace

// Character keys give the key-down and then the character; arrows and Delete the key-down
// only; Enter both.
void BoardView::keyPressEvent(QKeyEvent* event) {
    const int code = keyCode(*event);
    Q_EMIT keyDown(code);
    if (code == key::del || (code >= key::left && code <= key::down)) return;
    const QString text = event->text();
    if (code == key::enter) Q_EMIT keyPress(13);
    else if (!text.isEmpty()) Q_EMIT keyPress(static_cast<int>(text.at(0).unicode()));
}

// Tab is a key of the board, not a way to leave it.
bool BoardView::focusNextPrevChild(bool) { return false; }

}  // namespace ninebox
