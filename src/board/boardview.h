#pragma once
// The drawing area of the board window. It keeps the board as a retained image: every
// redraw paints into the image and paint events only copy it to the screen. Input is
// passed on in board units (x -70..220, y 0..220 over the whole area).

#include <QImage>
#include <QWidget>

#include "app/game.h"
#include "board/boardpainter.h"

namespace ninebox {

class BoardView final : public QWidget {
    Q_OBJECT

public:
    // background: the picture stretched under the board on every redraw.
    explicit BoardView(const QImage& background, QWidget* parent = nullptr);

    void render(const GameState& state, int outerWidthTwips);
    void renderClock(const QString& reading, int outerWidthTwips);
    const QImage& image() const { return image_; }

    QPointF toBoard(QPointF pixel) const;

Q_SIGNALS:
    void pressed(MouseButton button, double x, double y);
    void keyDown(int keyCode);
    void keyPress(int charCode);
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QImage image_;  // at the screen's device pixel ratio
    BoardPainter painter_;
};

}  // namespace ninebox
