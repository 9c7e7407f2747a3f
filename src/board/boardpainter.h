#pragma once

#include <QPainter>
#include <QString>

#include "app/gamestate.h"

namespace ninebox {

// Paints the whole board for a drawing area of this size (device-independent pixels).
// Font sizes follow the window's outer width in twips.
void paintBoard(QPainter& painter, QSize area, const GameState& state, int outerWidthTwips);

// Wipes the clock's place and writes the reading there.
void paintClock(QPainter& painter, QSize area, const QString& reading, int outerWidthTwips);

}  // namespace ninebox
