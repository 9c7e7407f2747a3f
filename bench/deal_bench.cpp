// SPDX-License-Identifier: GPL-3.0-or-later
// Dealing one game by number: seed, choose the base record, transform, with a window that
// draws nothing, so the figure is the logic's alone.
#include <benchmark/benchmark.h>

#include "disk/diskfilesystem.h"
#include "game/game.h"
#include "nullwindow.h"
#include "rules/generator.h"

namespace {

using namespace ninebox;

void DealByNumber(benchmark::State& state) {
    NullWindow window;
    SplitMixGenerator generator;
    DiskFileSystem files;
    Game game(window, generator, files, [] { return 0.0; });
    for (auto _ : state) {
        game.newGame();
        benchmark::DoNotOptimize(game.state().puzzle);
    }
}
BENCHMARK(DealByNumber);

}  // namespace

BENCHMARK_MAIN();
