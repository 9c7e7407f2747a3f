// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board's image read in board units: x -70..220 and y 0..220 over the whole image.
#include <QImage>
#include <cmath>
#include <string>

namespace ninebox::testing {

inline QPoint at(const QImage& image, double x, double y) {
    return {static_cast<int>(std::lround((x + 70) * image.width() / 290.0)),
            static_cast<int>(std::lround(y * image.height() / 220.0))};
}

inline std::string rgb(const QImage& image, double x, double y) {
    const QColor c = image.pixelColor(at(image, x, y));
    return std::to_string(c.red()) + "," + std::to_string(c.green()) + "," + std::to_string(c.blue());
}

// The pixels under the board-unit rectangle.
inline QImage part(const QImage& image, QRectF r) {
    return image.copy(QRect(at(image, r.left(), r.top()), at(image, r.right(), r.bottom())));
}

inline bool dark(QColor c) { return c.red() + c.green() + c.blue() < 250; }
inline bool whitish(QColor c) { return c.red() > 230 && c.green() > 230 && c.blue() > 230; }
inline bool blue(QColor c) { return c.blue() > 200 && c.red() < 80 && c.green() < 80; }
inline bool red(QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; }
// A ruled-out note's pale blue, and no blend of white with blue.
inline bool paleBlue(QColor c) {
    return c.red() == c.green() && c.red() > 150 && c.red() < 200 && c.blue() < 240;
}

// Pixels in the board-unit rectangle that pass the test, and the runs of rows holding any.
struct Ink {
    int pixels = 0, runs = 0;
};
inline Ink ink(const QImage& image, QRectF r, bool (*test)(QColor)) {
    const QPoint from = at(image, r.left(), r.top()), to = at(image, r.right(), r.bottom());
    Ink found;
    int before = 0;
    for (int y = from.y(); y < to.y(); ++y) {
        int row = 0;
        for (int x = from.x(); x < to.x(); ++x) row += test(image.pixelColor(x, y));
        found.runs += row > 0 && before == 0;
        found.pixels += row;
        before = row;
    }
    return found;
}

}  // namespace ninebox::testing
