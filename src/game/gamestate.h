// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one store of the game: every command reads and writes it in place, the window
// draws from it, and the game file saves part of it.

#include <array>
#include <cstddef>
#include <cstdint>

#include "rules/grid.h"
#include "rules/library.h"

namespace ninebox {

enum class Mode { play = 1, map = 2, edit = 3 };

// Start-up: the first activation deals the first game, and only that game comes without the
// game dialog.
enum class Startup { notActivated, firstGameDue, done };

// The print dialog's buttons.
enum class PrintButton { print, cancel };

// Where the answers file of a save comes from, as chosen in the answers dialog; unset before
// the first choice.
enum class AnswersChoice { unset, none, workedPuzzle, answers };

// Menu items that carry a check mark. The marks are game state; the window mirrors them.
enum class Item : std::size_t {
    showScore,     // "Show Score"
    showTime,      // "Show Time"
    showLevel,     // "Show Difficulty  Level"
    kanji,         // "Kanji Numbers"
    playMode,      // "play game"
    mapMode,       // "map game"
    editMode,      // "Enter/edit game"
    instructions,  // "Instructions"
    randomLevel,   // "Random Level"
    easy,          // "Easy"
    medium,        // "Medium"
    hard,          // "Hard"
    count
};

struct GameState {
    Grid board{};
    Grid answer{};    // all 0 when no solution is known
    Givens givens{};  // the puzzle's own cells; of all input, only edit mode changes them
    CandidateMap candidates{};

    std::int16_t shadedDigit = 0;     // digit whose candidates plane shades the cells in map mode
    Level level = Level::none;        // of the dealt record; none for a loaded game
    Level levelChoice = Level::none;  // the Level menu's choice for random games
    bool numberTyped = false;         // the game dialog supplied a typed number
    Mode mode = Mode::play;
    std::int16_t selectedX = 1, selectedY = 1;  // selected cell, always 1..9
    bool waitingForDigit = false;               // the selected cell waits for a digit
    std::int16_t lastDigit = 0;                 // last digit entered, 0 = clear
    bool showAnswerOnce = false;                // the next redraw shows the selected cell's answer
    bool menusShown = false;                    // the four top-level menus are shown
    bool kanji = false;                         // digits drawn as kanji numerals
    bool solved = false;                        // every row, column and box of board is complete
    std::int64_t seconds = 0;                   // playing time in seconds
    std::int16_t rightEntries = 0, wrongEntries = 0;
    double gameNumber = 0;  // any double the game dialog accepts
    Startup started = Startup::notActivated;
    PrintButton printChoice = PrintButton::print;        // the print dialog's last button
    AnswersChoice answersChoice = AnswersChoice::unset;  // the answers dialog's last choice
    Mode modeBeforeCheat = Mode::play;                   // mode in force when Cheat started

    std::array<bool, static_cast<std::size_t>(Item::count)> checks = initialChecks();

    bool checked(Item item) const { return checks[static_cast<std::size_t>(item)]; }
    bool given(int x, int y) const { return givens[x][y]; }

private:
    static constexpr std::array<bool, static_cast<std::size_t>(Item::count)> initialChecks() {
        std::array<bool, static_cast<std::size_t>(Item::count)> marks{};
        marks[static_cast<std::size_t>(Item::playMode)] = true;
        marks[static_cast<std::size_t>(Item::showLevel)] = true;
        return marks;
    }
};

}  // namespace ninebox
