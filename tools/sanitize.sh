#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer (preset asan, in
# build-asan) and runs every one of them; any report fails the run. The sanitizer options
# come from the preset, so ctest --preset asan alone reproduces a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
# Qt wants a runtime folder: one of the run's own where the session has none, removed after.
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
