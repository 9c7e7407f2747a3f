#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshot: the real program under Xvfb, in map mode with the score
# and the clock shown.
#   tools/screenshot.sh [BUILD_DIR]    (writes resources/desktop/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build-test}")
ninebox=$build/src/ninebox wmclose=$build/tests/wmclose
out=resources/desktop/screenshot.png
source tools/xvfb.sh

start_xvfb
start_ninebox
game() { running && [[ -n $(window '^Ninebox1 --Game# [0-9]+$') ]]; }
wait_for 20 game || fail "no game shown"
win=$(window '^Ninebox1 --Game# [0-9]+$')
click() { xdotool mousemove --sync "$(px "$1")" "$(py "$2")" click 1; sleep 0.2; }
click -47 62   # Map Mode
click -50 157  # keypad 1: shade where 1 can go
click -47 77   # Score On/Off
click -47 92   # Time On/Off
sleep 2.2      # two clock ticks
import -window "$win" "$out"
close_ninebox "$win"
echo "wrote $out"
