#!/usr/bin/env bash
# Takes the README's screenshot: the real program under Xvfb, in map mode with the score
# and the clock shown.
#   tools/screenshot.sh [BUILD_DIR]    (writes resources/desktop/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build-test}")
out=resources/desktop/screenshot.png
work=$(mktemp -d)
xvfb_pid='' app_pid=''
trap '[[ -n $app_pid ]] && kill $app_pid; [[ -n $xvfb_pid ]] && kill $xvfb_pid; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1000); do [[ -s $work/display ]] && break; sleep 0.02; done
export DISPLAY=":$(head -n1 "$work/display")"
mkdir -m700 "$work/home"
(cd "$work/home" && HOME="$work/home" XDG_RUNTIME_DIR="$work/home" exec "$build/src/ninebox") &
app_pid=$!
for _ in $(seq 1000); do
  win=$(xdotool search --onlyvisible --name '^Ninebox1 --Game# ' 2>/dev/null | head -n1 || true)
  [[ -n $win ]] && break
  sleep 0.02
done
# Board units to pixels of the 774 x 494 drawing area.
click() { xdotool mousemove --sync $((($1 + 70) * 774 / 290)) $(($2 * 494 / 220)) click 1; sleep 0.2; }
click -47 62          # Map Mode
click -50 157         # keypad 1: shade where 1 can go
click -47 77          # Score On/Off
click -47 92          # Time On/Off
sleep 2.2             # two clock ticks
import -window "$win" "$out"
echo "wrote $out"
