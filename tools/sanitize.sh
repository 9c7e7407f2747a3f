#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer (preset asan, in
# build-asan) and runs every one of them; any report fails the run. The sanitizer options
# come from the preset, so ctest --preset asan alone reproduces a failure.
# intercept_tls_get_addr=0 there: GCC 12's LeakSanitizer takes a thread-local block that a
# library loaded later holds (libjpeg's, under Qt's JPEG plugin) for an old glibc's when it
# happens to start 16 bytes into a page, reads its bounds from the allocator's header before
# it, and its tracer crashes at exit ("Tracer caught signal 11"): one process in about 128 of
# those whose main thread decodes a picture.
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
