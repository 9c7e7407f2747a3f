// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game shows: everything the board window draws and its menus mirror. Game keeps it
// and hands it out read-only; only Game's commands change it.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "rules/advice.h"
#include "rules/library.h"
#include "rules/puzzle.h"

namespace ninebox {

enum class Mode { play, map, edit };

// Menu items that carry a check mark. Each mark follows from the state (GameState::checked);
// the window mirrors them.
enum class Item : std::size_t {
    showScore,
    showTime,
    showLevel,
    kanji,
    playMode,
    mapMode,
    editMode,
    instructions,
    randomLevel,
    easy,
    medium,
    hard,
    showConflicts,
    highlight,
    paused,
    count
};

struct GameState {
    Puzzle puzzle;
    Mode mode = Mode::play;
    int selectedX = 1, selectedY = 1;  // the selected cell, always 1..9
    bool waitingForDigit = false;      // the selected cell waits for a digit from the keypad
    std::int16_t shadedDigit = 0;      // map mode: the digit whose places shade the board; 0 none
    bool menusShown = false;           // the four menus, shown and hidden by the corner
    std::int64_t seconds = 0;          // playing time
    bool paused = false;               // the clock stopped and the board hidden until the player resumes
    Level level = Level::none;         // of the dealt puzzle; none for one loaded or pasted
    // The score as last counted. Play mode counts at every change; map and edit mode show
    // this count, which a left press on the board in map mode renews.
    Score countedScore;
    std::optional<Advice> advice;  // Explain a Step's, on show

    // The Options menu's switches.
    bool scoreShown = false, timeShown = false, levelShown = true, instructionsShown = false;
    bool kanji = false;           // digits drawn as kanji numerals
    bool conflictsShown = false;  // digits that stand twice in a unit drawn red
    bool highlightOn = false;     // play mode: the selected cell's units and digit tinted
    // The level random games must have (Level::none: any); none until the player chooses.
    std::optional<Level> levelChoice;

    bool checked(Item item) const {
        switch (item) {
            case Item::showScore: return scoreShown;
            case Item::showTime: return timeShown;
            case Item::showLevel: return levelShown;
            case Item::kanji: return kanji;
            case Item::playMode: return mode == Mode::play;
            case Item::mapMode: return mode == Mode::map;
            case Item::editMode: return mode == Mode::edit;
            case Item::instructions: return instructionsShown;
            case Item::randomLevel: return levelChoice == Level::none;
            case Item::easy: return levelChoice == Level::easy;
            case Item::medium: return levelChoice == Level::medium;
            case Item::hard: return levelChoice == Level::hard;
            case Item::showConflicts: return conflictsShown;
            case Item::highlight: return highlightOn;
            case Item::paused: return paused;
            case Item::count: break;
        }
        return false;
    }
    Score score() const { return mode == Mode::play ? puzzle.score() : countedScore; }

    // The highlighter's tint of cell (x, y): with Highlight on in play mode, a cell holding the
    // selected cell's digit is marked, and the others of its row, column and box are tinted.
    enum class Tint { none, unit, digit };
    Tint tint(int x, int y) const {
        if (!highlightOn || mode != Mode::play) return Tint::none;
        const std::int16_t digit = puzzle.digit(selectedX, selectedY);
        if (digit > 0 && puzzle.digit(x, y) == digit) return Tint::digit;
        const bool box = (x - 1) / 3 == (selectedX - 1) / 3 && (y - 1) / 3 == (selectedY - 1) / 3;
        return x == selectedX || y == selectedY || box ? Tint::unit : Tint::none;
    }
};

}  // namespace ninebox
