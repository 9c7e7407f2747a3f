// SPDX-License-Identifier: GPL-3.0-or-later
// Dealing one game by number: seed, choose the base record, transform, with a window that
// draws nothing, so the figure is the logic's alone.
#include <benchmark/benchmark.h>

#include "disk/diskfilesystem.h"
#include "game/game.h"
#include "rules/generator.h"

namespace {

using namespace ninebox;

class NullWindow final : public Window {
public:
    double number = 0;
    Game* game = nullptr;
    void paint(const GameState&) override {}
    void paintClock(const std::string&) override {}
    void setCaption(const std::string&) override {}
    void setMenusVisible(bool) override {}
    void setChecked(Item, bool) override {}
    void showGameDialog() override {
        game->state().gameNumber = number;
        game->state().numberTyped = true;
    }
    std::optional<AnswersChoice> showAnswersDialog() override { return std::nullopt; }
    PrintChoice showPrintDialog() override { return {}; }
    void showAbout() override {}
    void setInstructionsVisible(bool) override {}
    Answer message(const std::string&, const std::string&, Buttons) override { return Answer::ok; }
    FileChoice chooseOpenFile(const std::string&) override { return {}; }
    FileChoice chooseSaveFile(const std::string&) override { return {}; }
    void print(const PrintPage&) override {}
    std::optional<std::string> clipboardText(std::size_t) override { return {}; }
    void setClipboardText(const std::string&) override {}
};

void DealByNumber(benchmark::State& state) {
    NullWindow window;
    SplitMixGenerator generator;
    DiskFileSystem files;
    Game game(window, generator, files, [] { return 0.0; });
    window.game = &game;
    game.state().started = Startup::done;
    for (auto _ : state) {
        window.number += 1;
        game.newGame();
        benchmark::DoNotOptimize(game.state().board);
    }
}
BENCHMARK(DealByNumber);

}  // namespace

BENCHMARK_MAIN();
