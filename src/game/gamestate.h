#pragma once
// The one store of the game: every command reads and writes it in place, the window
// draws from it, and the game file saves part of it.

#include <array>
#include <cstddef>
#include <cstdint>

#include "rules/grid.h"

namespace ninebox {

enum class Mode : std::int16_t { play = 1, map = 2, edit = 3 };

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
    Grid answer{};  // all 0 when no solution is known
    CandidateMap candidates{};

    std::int16_t shadedDigit = 0;  // digit whose candidates plane shades the cells in map mode
    std::int16_t level = 0;        // 1 Easy, 2 Medium, 3 Hard; 0 for a loaded game
    std::int16_t levelChoice = 0;  // Level menu: 0 Random, 1..3 as level
    std::int16_t numberTyped = 0;  // 1 = the game dialog supplied a typed number
    Mode mode = Mode::play;
    std::int16_t selectedX = 1, selectedY = 1;  // selected cell, always 1..9
    std::int16_t waitingForDigit = 0;           // 1 = the selected cell waits for a digit
    std::int16_t lastDigit = 0;                 // last digit entered, 0 = clear
    std::int16_t showAnswerOnce = 0;            // 1 = the next redraw shows the selected cell's answer
    std::int16_t menusShown = 0;                // 1 = the four top-level menus are shown
    std::int16_t kanji = 0;                     // 1 = digits drawn as kanji numerals
    std::int16_t solved = 0;                    // 1 = every row, column and box of board is complete
    std::int64_t seconds = 0;                   // playing time in seconds
    std::int16_t rightEntries = 0, wrongEntries = 0;
    double gameNumber = 0;              // any double the game dialog accepts
    std::int16_t started = 0;           // 0 before first activation, 1 first game pending, 2 after
    std::int16_t printChoice = 0;       // print dialog: 0 Print, -1 Cancel
    std::int16_t answersChoice = 0;     // answers dialog: 1 none, 2 worked puzzle, 3 answers; 0 unset
    Mode modeBeforeCheat = Mode::play;  // mode in force when Cheat started

    std::array<bool, static_cast<std::size_t>(Item::count)> checks = initialChecks();

    bool checked(Item item) const { return checks[static_cast<std::size_t>(item)]; }
    bool given(int x, int y) const { return candidates[x][y][kGiven] == 1; }

private:
    static constexpr std::array<bool, static_cast<std::size_t>(Item::count)> initialChecks() {
        std::array<bool, static_cast<std::size_t>(Item::count)> marks{};
        marks[static_cast<std::size_t>(Item::playMode)] = true;
        marks[static_cast<std::size_t>(Item::showLevel)] = true;
        return marks;
    }
};

}  // namespace ninebox
