// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle engine over the puzzle sets of bench/data: the exact solver on each puzzle, and
// the explanation of every step along each puzzle's explained solution. Every puzzle (or
// position) is timed on its own in each iteration; the counters are the median and the worst
// over the set of each one's median time across the iterations, in microseconds, and for the
// explanations also the whole solution's (the sum of its steps).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "rules/explain.h"
#include "rules/puzzletext.h"
#include "rules/solver.h"

namespace {

using namespace ninebox;
using Clock = std::chrono::steady_clock;

std::vector<Grid> puzzlesOf(const std::string& name) {
    std::ifstream in(std::string(NINEBOX_BENCH_DATA) + "/" + name + ".txt");
    std::vector<Grid> puzzles;
    for (std::string line; std::getline(in, line);)
        if (const auto grid = readCompactGrid(line)) puzzles.push_back(*grid);
    return puzzles;
}

double microseconds(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// samples[k] holds item k's time in each iteration; the median over items of their medians,
// and the worst.
void report(benchmark::State& run, std::vector<std::vector<double>>& samples, const std::string& prefix) {
    std::vector<double> medians;
    for (auto& s : samples) {
        std::nth_element(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(s.size() / 2), s.end());
        medians.push_back(s[s.size() / 2]);
    }
    std::sort(medians.begin(), medians.end());
    run.counters[prefix + "median_us"] = medians[medians.size() / 2];
    run.counters[prefix + "worst_us"] = medians.back();
}

void Solve(benchmark::State& run, const std::string& set) {
    const std::vector<Grid> puzzles = puzzlesOf(set);
    if (puzzles.empty()) return run.SkipWithError("no puzzles");
    std::vector<std::vector<double>> samples(puzzles.size());
    for (auto _ : run)
        for (std::size_t k = 0; k < puzzles.size(); ++k) {
            const auto start = Clock::now();
            benchmark::DoNotOptimize(solve(puzzles[k]));
            samples[k].push_back(microseconds(Clock::now() - start));
        }
    report(run, samples, "");
    run.SetItemsProcessed(static_cast<std::int64_t>(run.iterations() * puzzles.size()));
}

// Every position along each puzzle's explained solution: the givens, then each digit placed.
void Explain(benchmark::State& run, const std::string& set) {
    std::vector<std::vector<Grid>> positions;
    for (const Grid& puzzle : puzzlesOf(set)) {
        positions.emplace_back();
        Grid board = puzzle;
        while (const auto step = explainStep(board)) {
            positions.back().push_back(board);
            board[step->cell().x][step->cell().y] = static_cast<std::int16_t>(step->digit());
        }
    }
    if (positions.empty()) return run.SkipWithError("no puzzles");
    std::vector<std::vector<double>> steps, wholes(positions.size());
    for (const auto& p : positions) steps.resize(steps.size() + p.size());
    for (auto _ : run) {
        std::size_t k = 0;
        for (std::size_t puzzle = 0; puzzle < positions.size(); ++puzzle) {
            double whole = 0;
            for (const Grid& board : positions[puzzle]) {
                const auto start = Clock::now();
                benchmark::DoNotOptimize(explainStep(board));
                const double t = microseconds(Clock::now() - start);
                steps[k++].push_back(t);
                whole += t;
            }
            wholes[puzzle].push_back(whole);
        }
    }
    report(run, steps, "step_");
    report(run, wholes, "whole_");
}

BENCHMARK_CAPTURE(Solve, qqwing_expert, std::string("qqwing-expert"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(Solve, seventeen_clues, std::string("seventeen"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(Solve, hardest_known, std::string("hardest"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(Explain, qqwing_expert, std::string("qqwing-expert"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(Explain, seventeen_clues, std::string("seventeen"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(Explain, hardest_known, std::string("hardest"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
