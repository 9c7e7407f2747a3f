// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game shows: everything the board window draws and its menus mirror. Game keeps it
// and hands it out read-only; only Game's commands change it.

#include <array>
#include <cstddef>
#include <cstdint>

#include "rules/library.h"
#include "rules/puzzle.h"

namespace ninebox {

enum class Mode { play, map, edit };

// Menu items that carry a check mark. The marks are game state; the window mirrors them.
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
    Level level = Level::none;         // of the dealt puzzle; none for one loaded or pasted
    // The score as last counted. Play mode counts at every change; map and edit mode show
    // this count, which a left press on the board in map mode renews.
    Score countedScore;
    std::array<bool, static_cast<std::size_t>(Item::count)> checks = initialChecks();

    bool checked(Item item) const { return checks[static_cast<std::size_t>(item)]; }
    bool kanji() const { return checked(Item::kanji); }  // digits drawn as kanji numerals
    Score score() const { return mode == Mode::play ? puzzle.score() : countedScore; }

private:
    static constexpr std::array<bool, static_cast<std::size_t>(Item::count)> initialChecks() {
        std::array<bool, static_cast<std::size_t>(Item::count)> marks{};
        marks[static_cast<std::size_t>(Item::playMode)] = true;
        marks[static_cast<std::size_t>(Item::showLevel)] = true;
        return marks;
    }
};

}  // namespace ninebox
