// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing area of the board window. It keeps the board as a retained image: every
// redraw paints into the image and paint events only copy it to the screen. Input is passed
// on by meaning: presses in board units (game/layout.h), keys as moves, digits, blanks and
// notes (Ctrl with a digit, or a click with Ctrl held).
// Tab takes the keyboard from the cells to the on-board buttons and the keypad and back; a
// screen reader reads the board as it was last drawn (window/board/accessible.h).

#include <QImage>
#include <QWidget>
#include <optional>

#include "game/gamestate.h"
#include "game/input.h"
#include "window/board/painter.h"

namespace ninebox {

class BoardView final : public QWidget {
    Q_OBJECT

public:
    // background: the picture stretched under the board on every redraw; stretched: the
    // same already stretched to some size, if at hand.
    BoardView(const QImage& background, const QImage& stretched, QWidget* parent = nullptr);

    // Paints into the retained image and shows it at once. Until the window is on the
    // screen, only the latest redraw is kept, and painted when it is first needed.
    void render(const GameState& state, bool answerShown, int outerWidthTwips);
    void renderClock(const QString& reading, int outerWidthTwips);
    const QImage& image();

    QPointF toBoard(QPointF pixel) const;
    QRect toPixels(double left, double top, double right, double bottom) const;

    // What was drawn last, none before the first drawing; the clock's reading on show.
    const GameState* shown() const { return last_ ? &last_->state : nullptr; }
    bool answerShown() const { return last_ && last_->answerShown; }
    const QString& clock() const { return clock_; }
    // Where the keyboard is: -1 on the cells, else a stop of game/layout.h (a button or key).
    int focusStop() const { return focusStop_; }
    // A press on a stop, or on cell (x, y), as a click on it would.
    void pressStop(int stop);
    void pressCell(int x, int y);

Q_SIGNALS:
    void pressed(MouseButton button, double x, double y, bool noting);
    void keyPressed(Key key);
    void digitTyped(int digit);  // 0..9, 0 for any other printable character
    void blankTyped();           // a space or a control character
    void noteTyped(int digit);   // 1..9, 0 to clear the cell's notes
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Redraw {
        GameState state;
        bool answerShown;
        int outerWidthTwips;
    };
    void paintPending();
    void paint(const Redraw& redraw);
    void moveFocus(int stop);

    QImage image_;  // at the screen's device pixel ratio
    BoardPainter painter_;
    std::optional<Redraw> last_;
    bool pending_ = false;  // the last redraw is not painted yet
    QString clock_;
    int focusStop_ = -1;
};

}  // namespace ninebox
