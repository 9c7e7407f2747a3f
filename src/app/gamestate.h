#pragma once
// The one store of the game: every command reads and writes it in place, the window
// draws from it, and the game file saves part of it.

#include <array>
#include <cstddef>
#include <cstdint>

namespace ninebox {

// Indexed [x][y]: x is the column 1..9 from the left, y the row 1..9 from the top.
// Index 0 and 10 exist so that loops over 0..10 stay in bounds; they always hold 0.
// 0 = empty or none, 1..9 = a digit.
using Grid = std::array<std::array<std::int16_t, 11>, 11>;

// Indexed [x][y][k]. k = 1..9: candidate state of digit k in the cell after the last
// makemap (0 open, 1 ruled out, 6/7/8 open with that many distinct digits seen).
// k = 10: 1 = the cell is a given. k = 0 stays 0.
using CellMap = std::array<std::array<std::array<std::int16_t, 11>, 11>, 11>;
constexpr int kGiven = 10;

enum class Mode : std::int16_t { play = 1, map = 2, edit = 3 };

// Menu items that carry a check mark. The marks are game state; the window mirrors them.
enum class Item : std::size_t {
    sb,       // "Show Score"
    stm,      // "Show Time"
    wonka,    // "Show Difficulty  Level"
    snds,     // "Kanji Numbers"
    pmd,      // "play game"
    sh,       // "map game"
    em,       // "Enter/edit game"
    instruc,  // "Instructions"
    randoc,   // "Random Level"
    easoc,    // "Easy"
    medoc,    // "Medium"
    Hardoc,   // "Hard"
    count
};

struct GameState {
    Grid board{};
    Grid answer{};  // all 0 when no solution is known
    CellMap cellmap{};

    std::int16_t curnum = 0;     // digit whose cellmap plane shades the cells in map mode
    std::int16_t level = 0;      // 1 Easy, 2 Medium, 3 Hard; 0 for a loaded game
    std::int16_t levelsel = 0;   // Level menu: 0 Random, 1..3 as level
    std::int16_t numchosen = 0;  // 1 = the game dialog supplied a typed number
    Mode mode = Mode::play;
    std::int16_t selx = 1, sely = 1;  // selected cell, always 1..9
    std::int16_t cellsel = 0;         // 1 = the selected cell waits for a digit
    std::int16_t keyval = 0;          // last digit entered, 0 = clear
    std::int16_t peek = 0;            // 1 = the next redraw shows the selected cell's answer
    std::int16_t menuson = 0;         // 1 = the four top-level menus are shown
    std::int16_t kanji = 0;           // 1 = digits drawn as kanji numerals
    std::int16_t solved = 0;          // 1 = every row, column and box of board is complete
    std::int64_t secs = 0;            // playing time in seconds
    std::int16_t nright = 0, nwrong = 0;
    double gamenum = 0;         // any double the game dialog accepts
    std::int16_t started = 0;   // 0 before first activation, 1 first game pending, 2 after
    std::int16_t prtopt = 0;    // print dialog: 0 Print, -1 Cancel
    std::int16_t ansopt = 0;    // answers dialog: 1 none, 2 worked puzzle, 3 answers; 0 unset
    Mode oldmode = Mode::play;  // mode in force when Cheat started

    std::array<bool, static_cast<std::size_t>(Item::count)> checks = initialChecks();

    bool checked(Item item) const { return checks[static_cast<std::size_t>(item)]; }
    bool given(int x, int y) const { return cellmap[x][y][kGiven] == 1; }

private:
    static constexpr std::array<bool, static_cast<std::size_t>(Item::count)> initialChecks() {
        std::array<bool, static_cast<std::size_t>(Item::count)> marks{};
        marks[static_cast<std::size_t>(Item::pmd)] = true;
        marks[static_cast<std::size_t>(Item::wonka)] = true;
        return marks;
    }
};

}  // namespace ninebox
