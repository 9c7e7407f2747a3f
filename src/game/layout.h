// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board window in board units, whatever its size: x -70..220, y 0..220 from the top left.
// Painting and the mouse both go by this table, so a label and its click area cannot drift apart.

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

// A paused game hides the grid; one word stands across its middle.
constexpr Area kPausedPlace{kGrid.left + 10, kGrid.top + 70, kGrid.right - 10, kGrid.bottom - 70};

// The corner with the pi sign: a press there shows or hides the menu bar.
constexpr bool inCorner(double x, double y) { return x > 210 && y > 210; }

// The keypad: digit n = 3r + c + 1 is drawn at keyAt(n); a press within kKeys goes to the
// nearest key, any other press left of the board below kKeypadTop to "Delete" (0).
constexpr int kDigitKeys = 9;
constexpr double kKeypadTop = 150;
constexpr Area kKeys{-64, kKeypadTop, -6, 195};
// Hit areas, larger than the labels' spacing: column round(x - kKeyColumnsLeft) div the width,
// row round(y - kKeypadTop) div the height, each limited to 0..2.
constexpr double kKeyColumnsLeft = -60, kKeyColumnWidth = 19, kKeyRowHeight = 15;
constexpr Area keyArea(int n) {
    const int column = (n - 1) % 3, row = (n - 1) / 3;
    return {kKeyColumnsLeft + kKeyColumnWidth * column, kKeypadTop + kKeyRowHeight * row,
            kKeyColumnsLeft + kKeyColumnWidth * (column + 1), kKeypadTop + kKeyRowHeight * (row + 1)};
}
constexpr Point keyAt(int n) { return {-53.0 + 19 * ((n - 1) % 3), 157.0 + 13 * ((n - 1) / 3)}; }
constexpr Point kDeleteKey{-40, 197};
constexpr Area kDeleteArea{-60, kKeys.bottom + 1, -3, kKeys.bottom + 13};

// The on-board buttons left of the board, above kButtonsBottom: each answers a press within
// the band of y from its label's top to kButtonHeight below it, bounds excluded.
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
constexpr int kButtonCount = sizeof kButtons / sizeof kButtons[0];
constexpr Area buttonArea(const ButtonLabel& label) {
    return {-64, label.at.y - 1, -6, label.at.y + kButtonHeight + 1};
}

// Tab's stops besides the cells: the buttons, keys 1..9, "Delete".
constexpr int kFirstKeyStop = kButtonCount, kDeleteStop = kFirstKeyStop + kDigitKeys,
              kStops = kDeleteStop + 1;
constexpr int stopDigit(int stop) {  // a key's digit, 0 for "Delete"; -1 for a button
    return stop < kFirstKeyStop ? -1 : stop == kDeleteStop ? 0 : stop - kFirstKeyStop + 1;
}
constexpr Area stopArea(int stop) {
    const int digit = stopDigit(stop);
    return digit < 0 ? buttonArea(kButtons[stop]) : digit == 0 ? kDeleteArea : keyArea(digit);
}
constexpr Point stopPoint(int stop) {
    const Area area = stopArea(stop);
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

constexpr Point kScoreText{-42, 118};
constexpr Point kClockText{-42, 136};
constexpr Area kClockSlab{-42, 138, -17, 143};  // wiped before each reading
constexpr Point kLevelText{-45, 210};

// The background's slabs under the panel's words; no ink leaves them.
constexpr Area slabUnder(Point text) { return {-66, text.y - 1, -4, text.y + 12}; }
constexpr Area keySlab(int n) {
    return {keyAt(n).x - 3.5, keyAt(n).y + 0.75, keyAt(n).x + 11.5, keyAt(n).y + 12.25};
}
constexpr Area kDeleteSlab{-60, kDeleteKey.y - 0.5, -4, kDeleteKey.y + 11.5};
constexpr Area kLevelSlab{-67, kLevelText.y, -3, kLevelText.y + 9};

// Where each word may reach (inside its slab and a focused button's mark); a text too big from
// its point is centred in its place, in a font that fits.
constexpr Area labelPlace(const ButtonLabel& label) { return {-63, label.at.y - 0.5, -7, label.at.y + 10.5}; }
constexpr Area kScorePlace{-65, kScoreText.y - 0.5, -5, kScoreText.y + 11.5};
constexpr Area kClockPlace{kClockText.x, kClockText.y, -5, kKeypadTop};
constexpr Area kDeletePlace{-59, kDeleteKey.y - 0.5, -5, kDeleteKey.y + 10.5};
constexpr Area kLevelPlace{-67, kLevelText.y - 0.5, -3, kLevelText.y + 8.5};
constexpr Area kHintPlace{100.5, 0.5, 119.5, 14.5};
constexpr Area kAdviceBand{4, 1, 216, 13.5};  // Explain a Step's line, gone once the hint box shows
constexpr Area waitingPlace(int x, int y) {
    return {kCell * x + 1, kCell * y + 1, kCell * x + 19, kCell * y + 19};
}

}  // namespace ninebox::layout
