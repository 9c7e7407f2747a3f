// SPDX-License-Identifier: GPL-3.0-or-later
// A full redraw of the board picture in map mode on an empty board, the heaviest pass:
// every cell shows all nine candidate marks (729 texts) over the background picture.
// The window's outer width is taken as the drawing area's (no frame) at 96 dpi.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "disk/diskfilesystem.h"
#include "nullwindow.h"
#include "rules/generator.h"
#include "window/board/painter.h"
#include "window/resources.h"

namespace {

using namespace ninebox;

void redraw(benchmark::State& run, int width, int height, bool kanji) {
    loadResources();
    NullWindow window;
    SplitMixGenerator generator;
    DiskFileSystem files;
    Game game(window, generator, files, [] { return 0.0; });
    game.mapMode();
    game.toggleScore();
    if (kanji) game.toggleKanji();
    const GameState& state = game.state();
    BoardPainter painter(boardPicture());
    QImage image(width, height, QImage::Format_RGB32);
    const int twips = width * 15;
    painter.paint(image, state, {}, twips, 96);  // the first pass after a resize scales the picture
    for (auto _ : run) {
        painter.paint(image, state, {}, twips, 96);
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK_CAPTURE(redraw, map_1920x1080, 1920, 1080, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw, map_3840x2160, 3840, 2160, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw, map_kanji_1920x1080, 1920, 1080, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(redraw, map_774x494, 774, 494, false)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
