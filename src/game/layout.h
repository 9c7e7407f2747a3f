// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where everything lies on the board window, in board units: x from -70 at the left edge to
// 220 at the right, y from 0 at the top to 220 at the bottom, whatever the window's size.
// The painter draws from this table and the mouse is judged by it, so a label and the place
// that answers a click on it cannot drift apart.

namespace ninebox::layout {

struct Point {
    double x, y;
};
struct Area {
    double left, top, right, bottom;
};

constexpr Area kBoard{-70, 0, 220, 220};  // the whole drawing area

// Cell (x, y), x and y 1..9, covers 20x..20x+20 by 20y..20y+20: the grid spans 20..200.
constexpr double kCell = 20;
constexpr Area kGrid{20, 20, 200, 200};
constexpr Area kFrame{15, 15, 205, 205};
constexpr Area cell(int x, int y) { return {kCell * x, kCell * y, kCell * x + kCell, kCell * y + kCell}; }
constexpr Point digitAt(int x, int y) { return {kCell * x + 5, kCell * y + 5}; }
// Candidate k 1..9 in a 3 x 3 pattern: 1 2 3 on the top line, 7 8 9 on the bottom one.
constexpr Point candidateAt(int x, int y, int k) {
    return {kCell * x + 5 * ((k - 1) % 3) + 4, kCell * y + 5 * ((k - 1) / 3) + 4};
}

constexpr Area kHintBox{100, 0, 120, 15};  // a cell's answer, above the board
constexpr Point kHintText{105, 2};

// The corner with the pi sign: a press there shows or hides the menu bar.
constexpr bool inCorner(double x, double y) { return x > 210 && y > 210; }

// The keypad: digit n = 3r + c + 1 is drawn at keyAt(n); a press within kKeys goes to the
// nearest key, any other press left of the board below kKeypadTop to "Delete" (0).
constexpr double kKeypadTop = 150;
constexpr Area kKeys{-64, 150, -6, 195};
// The keys' hit areas, wider and taller than their labels' spacing: a press goes to column
// round(x - kKeyColumnsLeft) div kKeyColumnWidth and row round(y - kKeyRowsTop) div
// kKeyRowHeight, each limited to 0..2.
constexpr double kKeyColumnsLeft = -60, kKeyColumnWidth = 19, kKeyRowsTop = 150, kKeyRowHeight = 15;
constexpr Point keyAt(int n) { return {-53.0 + 19 * ((n - 1) % 3), 157.0 + 13 * ((n - 1) / 3)}; }
constexpr Point kDeleteKey{-40, 197};

// The on-board buttons left of the board, above kButtonsBottom: each answers a press within
// the band of y from its label's top to 10 below it, bounds excluded.
enum class Button { newGame, reset, playMode, mapMode, score, time, about };
struct ButtonLabel {
    Button button;
    Point at;  // the label's top-left
};
constexpr double kButtonsBottom = 115, kButtonHeight = 10;
constexpr ButtonLabel kButtons[] = {{Button::newGame, {-47, 10}},  {Button::reset, {-47, 25}},
                                    {Button::playMode, {-47, 42}}, {Button::mapMode, {-47, 57}},
                                    {Button::score, {-49, 72}},    {Button::time, {-49, 87}},
                                    {Button::about, {-45, 103}}};

// What the keyboard can reach besides the cells, in Tab's order: the on-board buttons, then
// the keys 1..9 and "Delete". Each stop has an area (its slab, where its focus mark goes)
// and a point a press there lands on.
constexpr int kStops = 7 + 10;
constexpr Area stopArea(int stop) {
    if (stop < 7) return {-64, kButtons[stop].at.y - 1, -6, kButtons[stop].at.y + kButtonHeight + 1};
    if (stop < 16) {
        const int n = stop - 7;
        return {kKeyColumnsLeft + kKeyColumnWidth * (n % 3), kKeyRowsTop + kKeyRowHeight * (n / 3),
                kKeyColumnsLeft + kKeyColumnWidth * (n % 3 + 1), kKeyRowsTop + kKeyRowHeight * (n / 3 + 1)};
    }
    return {-60, kKeys.bottom + 1, -3, kKeys.bottom + 13};
}
constexpr Point stopPoint(int stop) {
    const Area area = stopArea(stop);
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

// The status texts below the buttons.
constexpr Point kScoreText{-42, 118};
constexpr Point kClockText{-42, 136};
constexpr Area kClockSlab{-42, 138, -17, 143};  // wiped before each reading
constexpr Point kLevelText{-45, 210};

// Where each word on the board may reach: its slab of the background picture (inside the mark
// of a button with the keyboard), the space below the keypad, the hint box, the waiting cell.
// A text too long or too tall from its point is centred in its place, in a font that fits.
constexpr Area labelPlace(const ButtonLabel& label) { return {-63, label.at.y - 0.5, -7, label.at.y + 10.5}; }
constexpr Area kScorePlace{-65, 117.5, -5, 129.5};
constexpr Area kDeletePlace{-59, 196.5, -5, 207.5};
constexpr Area kLevelPlace{-67, 209.5, -3, 218.5};
constexpr Area kHintPlace{100.5, 0.5, 119.5, 14.5};
constexpr Area waitingPlace(int x, int y) {
    return {kCell * x + 1, kCell * y + 1, kCell * x + 19, kCell * y + 19};
}

}  // namespace ninebox::layout
