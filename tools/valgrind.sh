#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every logic test binary (the ninebox_rules_test and ninebox_game_test ones of
# tests/CMakeLists.txt: no Qt) under Valgrind's memcheck, in its own build dir build-valgrind;
# an error or a leak in any of them fails the run. The Qt tests are left out: Qt and its
# plug-ins are not ours.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
if ! command -v valgrind >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends valgrind
fi

mapfile -t tests < <(sed -n 's/^ *ninebox_\(rules\|game\)_test(\([A-Za-z0-9_]*\).*/\2/p' tests/CMakeLists.txt)
((${#tests[@]})) || { echo "no logic tests found in tests/CMakeLists.txt" >&2; exit 1; }

build=build-valgrind
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNINEBOX_BENCH=OFF
cmake --build "$build" -j2 --target "${tests[@]}"

failed=()
for t in "${tests[@]}"; do
  echo "=== $t"
  (cd "$build/tests" && valgrind -q --error-exitcode=1 --leak-check=full "./$t" --gtest_brief=1) ||
    failed+=("$t")
done
if ((${#failed[@]})); then
  echo "valgrind: failed: ${failed[*]}" >&2
  exit 1
fi
echo "valgrind: ${#tests[@]} logic test binaries clean"
