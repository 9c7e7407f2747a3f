#include "board/boardview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "board/boardpainter.h"
#include "board/pagedimage.h"

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

// The key codes the game knows; letters and digits keep their own codes.
int keyCode(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return key::enter;
        case Qt::Key_Left: return key::left;
        case Qt::Key_Up: return key::up;
        case Qt::Key_Right: return key::right;
        case Qt::Key_Down: return key::down;
        case Qt::Key_Delete: return key::del;
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Escape: return 27;
        default: return event.key() < 0x80 ? event.key() : 0;
    }
}

}  // namespace

// Character keys give the key-down and then the character; arrows and Delete the key-down
// only; Enter both.
void BoardView::keyPressEvent(QKeyEvent* event) {
    Q_EMIT keyDown(keyCode(*event));
    const int code = keyCode(*event);
    if (code == key::del || (code >= key::left && code <= key::down)) return;
    const QString text = event->text();
    if (code == key::enter) Q_EMIT keyPress(13);
    else if (!text.isEmpty()) Q_EMIT keyPress(static_cast<int>(text.at(0).unicode()));
}

// Tab is a key of the board, not a way to leave it.
bool BoardView::focusNextPrevChild(bool) { return false; }

}  // namespace ninebox
