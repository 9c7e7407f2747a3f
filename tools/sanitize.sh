#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer (preset asan, in
# build-asan) and runs every one of them; any report fails the run. The sanitizer options
# come from the preset, so ctest --preset asan alone reproduces a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
