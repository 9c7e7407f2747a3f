// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a game in progress for bench/startup.sh to resume: game 4711 with its history at the
// bound, 2000 digits typed into its first open cell, and notes in the next one.
//   kept_game FILE
#include <cstdio>

#include "disk/diskfilesystem.h"
#include "game/game.h"
#include "nullwindow.h"
#include "rules/generator.h"

int main(int argc, char** argv) {
    using namespace ninebox;
    if (argc != 2) return 2;
    std::remove(argv[1]);  // a game of its own, not one taken back
    NullWindow window;
    window.number = 4710;  // the game dialog deals the next number
    SplitMixGenerator generator;
    DiskFileSystem files;
    Game game(window, generator, files, [] { return 0.0; });
    game.keepProgressIn(argv[1]);
    game.start();
    game.newGame();
    const auto toOpenCell = [&] {
        do game.key(Key::right);
        while (game.state().puzzle.given(game.state().selectedX, game.state().selectedY));
    };
    toOpenCell();
    for (int i = 0; i < 2000; ++i) game.digitTyped(static_cast<std::int16_t>(i % 9 + 1));
    toOpenCell();
    for (std::int16_t k = 1; k <= 9; k += 2) game.note(k);
    game.end();
    return files.probe(argv[1]) == FileSystem::Probe::exists ? 0 : 1;
}
