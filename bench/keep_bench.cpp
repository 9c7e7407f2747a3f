// SPDX-License-Identifier: GPL-3.0-or-later
// A digit typed into an open cell, as the player types it, with the game in progress kept on
// the disk after it (in a fresh folder under TMPDIR, or /tmp), its history at its bound of
// 2000 steps, or not kept at all. The window draws nothing, so the figures are the game's
// and the disk's alone.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "disk/diskfilesystem.h"
#include "game/game.h"
#include "nullwindow.h"
#include "rules/generator.h"

namespace {

using namespace ninebox;

void DigitTyped(benchmark::State& run, bool kept) {
    const char* tmp = std::getenv("TMPDIR");
    std::string folder = std::string(tmp && *tmp ? tmp : "/tmp") + "/ninebox-bench-XXXXXX";
    if (!::mkdtemp(folder.data())) return run.SkipWithError("no folder for the game");
    NullWindow window;
    SplitMixGenerator generator;
    DiskFileSystem files;
    Game game(window, generator, files, [] { return 0.0; });
    if (kept) game.keepProgressIn(folder + "/game");
    game.start();
    while (game.state().puzzle.given(game.state().selectedX, game.state().selectedY)) game.key(Key::right);
    std::int16_t digit = 0;
    const auto type = [&] { game.digitTyped(digit = static_cast<std::int16_t>(digit % 9 + 1)); };
    for (int i = 0; i < 2000; ++i) type();
    for (auto _ : run) type();
    std::filesystem::remove_all(folder);
}
BENCHMARK_CAPTURE(DigitTyped, kept, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DigitTyped, not_kept, false)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
