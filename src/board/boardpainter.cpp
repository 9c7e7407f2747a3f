#include "board/boardpainter.h"

namespace ninebox {

namespace {

// Board units to pixels: x -70..220 and y 0..220 over the whole area.
void setBoardUnits(QPainter& painter, QSize area) {
    painter.setWindow(-70, 0, 290, 220);
    painter.setViewport(0, 0, area.width(), area.height());
}

}  // namespace

void paintBoard(QPainter& painter, QSize area, const GameState& state, int) {
    painter.fillRect(QRect(QPoint(0, 0), area), Qt::black);
    setBoardUnits(painter, area);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const bool edgeBox = ((x - 1) / 3 == 1) != ((y - 1) / 3 == 1);
            painter.fillRect(QRectF(20 * x, 20 * y, 20, 20), edgeBox ? QColor(255, 255, 200) : Qt::white);
        }
    painter.setPen(QPen(Qt::black, 0));
    for (int i = 0; i <= 9; ++i) {
        painter.drawLine(QLineF(20, 20 + 20 * i, 200, 20 + 20 * i));
        painter.drawLine(QLineF(20 + 20 * i, 20, 20 + 20 * i, 200));
    }
    QFont font(QStringLiteral("Arial Narrow"));
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (state.board[x][y] > 0) {
                painter.setPen(state.given(x, y) ? Qt::black : Qt::blue);
                painter.drawText(QRectF(20 * x, 20 * y, 20, 20), Qt::AlignCenter,
                                 QString::number(state.board[x][y]));
            }
}

void paintClock(QPainter&, QSize, const QString&, int) {}

}  // namespace ninebox
