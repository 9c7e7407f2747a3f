// SPDX-License-Identifier: GPL-3.0-or-later
// The board as painted into images of known size, checked where behaviour shows. Positions
// are in board units (x -70..220, y 0..220 over the image).
#include <gtest/gtest.h>

#include <QBitmap>
#include <QRegion>
#include <algorithm>
#include <set>
#include <string>
#include <tuple>

#include "support/fixture.h"
#include "support/pixels.h"
#include "window/board/painter.h"
#include "window/board/view.h"
#include "window/resources.h"
#include "window/texts.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

// The board at a window's size, as wide outside as its drawing area (774 x 494 at start).
QImage painted(const GameState& s, QSize size = {774, 494}, qreal ratio = 1) {
    loadResources();
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    BoardPainter(boardPicture()).paint(image, s, {}, size.width() * 15, 96);
    return image;
}

// A game of these givens (pasted), with the player's digits typed at cells xy (column * 10 +
// row) in play mode, then in a mode, with the selected cell waiting for a digit if asked.
struct Shown : HeadlessGame {
    Shown(const std::string& givens, std::vector<std::pair<int, char>> digits = {},
          void (Game::*mode)() = nullptr, bool waiting = false) {
        window.clipboard = givens.empty() ? std::string(81, '0') : givens;
        game.pastePuzzle();
        for (const auto& [xy, digit] : digits) {
            select(xy / 10, xy % 10);
            type(std::string(1, digit));
        }
        if (mode) (game.*mode)();
        if (waiting) presses({cell(s().selectedX, s().selectedY)});
    }
};

}  // namespace

// The frame open and solved; with 4 shaded, cell (2, 5) where 4 is ruled out, possible with
// six digits around, the last digit left, and open; the box pattern at a corner and an edge's
// middle; the selection (a player's 3 at (6, 2)) in play, map and edit mode; the waiting cell.
TEST(RenderColours, FrameShadingSelectionAndWaitingCell) {
    const auto play = &Game::playMode, edit = &Game::editMode;
    const std::string row5 = std::string(36, '0'), rest = std::string(36, '0');
    const std::vector<std::tuple<std::string, void (Game::*)(), bool, double, double, const char*>> cases = {
        {"", play, 0, 15, 110, "255,255,0"},
        {kRecordASolution, play, 0, 205, 110, "0,255,0"},
        {row5 + "400000000" + rest, &Game::mapMode, 0, 42, 102, "250,250,100"},
        {row5 + "102356700" + rest, &Game::mapMode, 0, 42, 102, "135,135,255"},
        {row5 + "102356789" + rest, &Game::mapMode, 0, 42, 102, "255,100,100"},
        {"", &Game::mapMode, 0, 42, 102, "255,255,200"},
        {"", play, 0, 37, 37, "255,255,255"},
        {"", play, 0, 97, 37, "255,255,200"},
        {"", play, 0, 137, 57, "200,200,200"},
        {"", &Game::mapMode, 0, 137, 57, "200,200,100"},
        {"", edit, 0, 137, 57, "200,200,255"},
        {"", play, 1, 121.5, 58.5, "0,0,0"}};
    for (const auto& [givens, mode, waiting, x, y, colour] : cases) {
        Shown h(givens, {{62, '3'}}, mode, waiting);      // nothing typed over a given
        if (mode == &Game::mapMode) h.presses({pad(4)});  // shades the 4s
        EXPECT_EQ(rgb(painted(h.s()), x, y), colour) << x << "," << y << " " << givens;
    }
    const QImage waiting = painted(Shown("", {{62, '3'}}, play, true).s());
    EXPECT_GT(ink(waiting, {125, 45, 14, 8}, whitish).pixels, 10) << "no Enter";
    EXPECT_EQ(ink(waiting, {121, 41, 18, 18}, blue).pixels, 0) << "the digit shows through";
}

// Cell (5, 5) sees 2, 3, 4, 6 and 8: 1, 5, 7 and 9 are open there, black in map mode alone;
// the player's notes 2 and 7 show there in blue, but not in map mode. A filled cell shows
// no marks.
TEST(RenderCandidates, OnlyInMapModeAndOnlyForPossibleDigits) {
    const std::string givens =
        "000060000000080000000000000000000000234000000000000000000000000000000040000000000";
    const QImage play = painted(Shown(givens).s());
    for (const auto mode : {&Game::playMode, &Game::editMode, &Game::mapMode}) {
        Shown h(givens);
        h.select(5, 5);
        h.game.note(2);
        h.game.note(7);
        (h.game.*mode)();
        h.select(9, 9);
        const QImage image = painted(h.s());
        const bool map = mode == &Game::mapMode;
        EXPECT_EQ(part(image, {160, 160, 20, 20}), part(play, {160, 160, 20, 20})) << map;
        for (int k = 1; k <= 9; ++k) {  // ink at digit k's place in the cell
            const QRectF place(104 + 5 * ((k - 1) % 3), 104 + 5 * ((k - 1) / 3), 5, 5);
            EXPECT_EQ(ink(image, place, dark).pixels > 3, map && k % 2 == 1 && k != 3) << map << k;
            EXPECT_EQ(ink(image, place, blue).pixels > 3, !map && (k == 2 || k == 7)) << map << k;
        }
        EXPECT_TRUE(text::cellName(h.s(), 5, 5).endsWith(map ? ", candidates 1 5 7 9" : ", notes 2 7"))
            << map;
    }
}

// Show Conflicts draws both of every clashing pair red, givens and the player's digits alike,
// kanji too, and dims a note that a digit of its units rules out; a screen reader hears
// "clash". Givens 5 at (1, 1) and (5, 1), 3 at (9, 9); the player's 7s at (2, 2) and (3, 3);
// notes 4 and 5 in (1, 2).
TEST(RenderConflicts, ClashingDigitsRedRuledOutNotesDimmed) {
    Shown h("500050000" + std::string(71, '0') + "3", {{22, '7'}, {33, '7'}});
    h.select(1, 2);
    h.game.note(4);
    h.game.note(5);
    h.select(9, 8);
    for (const bool kanji : {false, true})
        for (const bool on : {false, true}) {
            if (h.s().kanji != kanji) h.game.toggleKanji();
            if (h.s().conflictsShown != on) h.game.toggleConflicts();
            const QImage image = painted(h.s());
            for (const int xy : {11, 51, 22, 33, 99})
                EXPECT_EQ(ink(image, {20.0 * (xy / 10) + 1, 20.0 * (xy % 10) + 1, 18, 18}, red).pixels > 10,
                          on && xy != 99)
                    << kanji << on << xy;
            EXPECT_TRUE((ink(image, {21, 41, 18, 18}, paleBlue).pixels > 3) == on &&
                        ink(image, {21, 41, 18, 18}, blue).pixels > 3)
                << kanji << on;
            EXPECT_EQ(text::cellName(h.s(), 1, 1) + " / " + text::cellName(h.s(), 2, 2),
                      on ? "5, given, clash, row 1, column 1 / 7, clash, row 2, column 2"
                         : "5, given, row 1, column 1 / 7, row 2, column 2");
        }
}

// Paused, the grid hides in the panel's grey behind "Paused": no digit, note, selection or
// grid line shows; the rest of the window stays as it was.
TEST(RenderPause, TheGridHiddenBehindOneWord) {
    Shown h(kRecordA, {{11, '7'}});
    h.game.note(5);
    const QImage running = painted(h.s());
    h.game.togglePause();
    const QImage paused = painted(h.s());
    for (const auto& [x, y] : {std::pair{21, 21}, {37, 37}, {59, 21}, {121, 141}, {199, 199}, {30, 100}})
        EXPECT_EQ(rgb(paused, x, y), "169,169,175") << x << "," << y;
    EXPECT_EQ(ink(paused, {20, 20, 180, 60}, dark).pixels + ink(paused, {20, 140, 180, 60}, dark).pixels, 0);
    EXPECT_GT(ink(paused, {30, 90, 160, 40}, dark).pixels, 100) << "no word";
    EXPECT_EQ(part(paused, {-70, 0, 85, 220}), part(running, {-70, 0, 85, 220}));
}

// Kanji one, two and three are that many strokes; Latin digits, or a fallback face showing
// the letters Q W E, are one run of rows each.
TEST(RenderKanji, NumeralsFromTheShippedFontOnBoardAndKeypad) {
    Shown h("", {{11, '1'}, {21, '2'}, {31, '3'}});
    h.select(9, 9);
    const QImage latin = painted(h.s());
    h.game.toggleKanji();
    const QImage kanji = painted(h.s());
    for (int d = 1; d <= 3; ++d) {
        EXPECT_EQ(ink(kanji, {20.0 * d + 1, 21, 18, 18}, blue).runs, d);
        EXPECT_EQ(ink(latin, {20.0 * d + 1, 21, 18, 18}, blue).runs, 1);
    }
    EXPECT_NE(part(latin, {-60, 155, 54, 40}), part(kanji, {-60, 155, 54, 40})) << "keypad";
    EXPECT_EQ(part(latin, {-50, 0, 50, 115}), part(kanji, {-50, 0, 50, 115})) << "button labels stay Latin";
}

// Kanji candidate marks keep to their places, the thirds of a cell's white each way less a
// twentieth of that on every side, so they touch neither each other nor the grid lines,
// whatever the window's size.
TEST(RenderKanji, CandidateMarksKeepToTheirPlaces) {
    Shown h("", {}, &Game::mapMode);
    h.game.toggleKanji();
    // A pixel's third along one axis of the white; 9 where it is in none.
    const auto third = [](double at, double length) {
        const double a = at * 3 / length - 0.05, b = (at + 1) * 3 / length + 0.05;
        return a >= 0 && a < 3 && b <= std::floor(a) + 1 ? static_cast<int>(a) : 9;
    };
    for (const auto& [size, ratio] : std::initializer_list<std::pair<QSize, int>>{
             {{774, 494}, 1}, {{774, 494}, 2}, {{400, 300}, 1}, {{3840, 2160}, 1}, {{1500, 400}, 1}}) {
        const QImage image = painted(h.s(), size, ratio), cell = part(image, {100, 100, 20, 20});  // all nine
        const QImage in = cell.copy(
            QRegion(QBitmap::fromImage(cell.createMaskFromColor(~0u, Qt::MaskOutColor))).boundingRect());
        std::set<int> places;  // that hold ink
        for (int y = 0; y < in.height(); ++y)
            for (int x = 0; x < in.width(); ++x)
                if (in.pixel(x, y) != ~0u) places.insert(3 * third(y, in.height()) + third(x, in.width()));
        EXPECT_EQ(places, std::set<int>({0, 1, 2, 3, 4, 5, 6, 7, 8})) << size.width() << " at " << ratio;
    }
}

// What a painter keeps between passes (the scaled picture, laid-out texts, those rendered ahead
// on another thread, the size of kanji marks, the last clock reading's ink) never shows: after another state,
// a resize and a minute of ticks, its image is a fresh painter's, give or take the JPEG under the clock's
// flat wipe.
TEST(RenderCache, AReusedPainterDrawsAsAFreshOne) {
    Shown busy("", {{77, '2'}}, &Game::mapMode, true), plain("", {{23, '5'}}, &Game::mapMode);
    for (Shown* h : {&busy, &plain}) h->game.toggleKanji();
    busy.game.toggleScore();
    loadResources();
    for (const auto& [size, ratio] : std::initializer_list<std::pair<QSize, int>>{
             {{774, 494}, 1}, {{774, 494}, 2}, {{1920, 1080}, 1}, {{400, 300}, 1}}) {
        const int twips = size.width() * 15;
        BoardPainter reused(boardPicture());
        reused.prepareTexts(774 * 15, 96, ratio);
        QImage image(QSize(774, 494) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        reused.paint(image, busy.s(), {true, 3}, 774 * 15, 96);  // the answer, a focus mark
        if (size.width() != 774) image = QImage(size, QImage::Format_RGB32);
        reused.paint(image, plain.s(), {}, twips, 96);
        for (int second = 0; second < 60; ++second)
            reused.paintClock(image, QString::asprintf("00:00:%02d", second), twips, 96);
        QImage fresh = painted(plain.s(), size, ratio);
        BoardPainter(boardPicture()).paintClock(fresh, "00:00:59", twips, 96);
        EXPECT_GT(ink(fresh, {-42, 136, 25, 8}, dark).pixels, 20) << "no reading";
        ASSERT_EQ(image.size(), fresh.size());
        int worst = 0;  // over every byte of the 32-bit pixels, which are packed row by row
        for (qsizetype i = 0; i < image.sizeInBytes(); ++i)
            worst = std::max(worst, std::abs(image.constBits()[i] - fresh.constBits()[i]));
        EXPECT_LE(worst, 6) << size.width() << " at " << ratio;
    }
}
