#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in Release and runs them: dealing a game by number, a digit typed with
# the game in progress kept on the disk, and full redraws of the board in map mode on Qt's
# offscreen platform. Each runs ten times and reports the
# mean, the median and the spread of the runs. The build dir is build-bench, which
# bench/startup.sh configures the same way, so the two share one build.
# Then the puzzle engine over the sets of bench/data (three runs: each one already times
# every puzzle and position several times), and qqwing's own solver on the same puzzles.
#   tools/bench.sh [BENCHMARK_OPTIONS]   (Google Benchmark's, to both programs, for example
#                                         --benchmark_filter=1920 --benchmark_repetitions=20)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DNINEBOX_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target deal_bench keep_bench redraw_bench engine_bench

# Qt wants a runtime folder: one of the run's own where the session has none, removed after.
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
options=(--benchmark_repetitions=10 --benchmark_report_aggregates_only=true "$@")
"$build/bench/deal_bench" "${options[@]}"
"$build/bench/keep_bench" "${options[@]}"
QT_QPA_PLATFORM=offscreen "$build/bench/redraw_bench" "${options[@]}"
"$build/bench/engine_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true "$@"

# qqwing on the same puzzles, each timed by its own timer: --solve finds a solution (it only
# solves when it prints the solution), and --count-solutions also proves it the only one, as
# the engine's solver does.
qqwing_times() {  # set, then qqwing's options
  local set=$1
  shift
  qqwing "$@" --timer --one-line <"bench/data/$set.txt" | awk '/^Time:/ { print $2 * 1000 }' |
    sort -n | awk -v what="qqwing $* ($set)" '{ t[NR] = $1 }
      END { printf "%-60s median %8.1f us  worst %8.1f us  (%d puzzles)\n", what, t[int((NR + 1) / 2)], t[NR], NR }'
}
for set in qqwing-expert seventeen hardest; do
  qqwing_times "$set" --solve
  qqwing_times "$set" --solve --count-solutions --nosolution
done
