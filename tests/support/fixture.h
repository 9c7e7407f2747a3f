#pragma once
// A headless game: the logic with a scripted window, scripted files and a fixed clock.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app/game.h"
#include "puzzles/generator.h"
#include "support/memoryfilesystem.h"
#include "support/scriptedwindow.h"

namespace ninebox::testing {

// A grid as 81 characters in row order, '0' or '.' for an empty cell.
Grid gridFrom(std::string_view cells);
std::string gridText(const Grid& grid);  // the same 81-character form
// Puts the cells into board, marking the non-zero ones as givens.
void setPuzzle(GameState& state, std::string_view cells);
// Every row, column and box of g holds 1..9.
bool validSolution(const Grid& g);

class HeadlessGame {
public:
    explicit HeadlessGame(double timeOfDay = 43200.5)
        : clock(timeOfDay), game(window, generator, files, [this] { return clock; }) {
        window.game = &game;
    }
    GameState& s() { return game.state(); }
    // Deals the game with this number through the game dialog, as a player typing it.
    void deal(double number);

    double clock;
    ScriptedWindow window;
    SplitMixGenerator generator;
    MemoryFileSystem files;
    Game game;
};

}  // namespace ninebox::testing
