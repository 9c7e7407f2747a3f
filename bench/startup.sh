#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and resident memory of Ninebox, of a bare Qt window and, when installed,
# of GNOME Sudoku, measured from outside each process under one Xvfb in the same run:
# from the process start to its window being mapped with its title (for Ninebox, the
# caption of the first dealt game) and to that window's first frame on the screen, then
# the resident memory 500 ms later. The first frame is the figure that counts: a window
# is shown once it has drawn, and a title alone says nothing of that. Ninebox is measured
# twice: with nothing to resume, and resuming a game with a full undo history.
#
# usage: bench/startup.sh [RUNS] [NAME=PROGRAM ...]
#   (apt-get install gnome-sudoku to compare with it; each NAME=PROGRAM is another build of
#   Ninebox measured in the same run, as when a part of it is weighed by leaving it out;
#   start it with env as the others are, for example "de=env LANG=de_DE.UTF-8 PROGRAM")
set -euo pipefail
cd "$(dirname "$0")/.."
need=()
for p in xvfb x11-utils libx11-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if ((${#need[@]})); then apt-get update -qq && apt-get install -y -qq --no-install-recommends "${need[@]}"; fi
bash tools/install-deps.sh

# As on a desktop: a session bus of its own with the accessibility bus on it, no screen reader
# listening. The bus is made before anything it would outlive.
if [[ ${NINEBOX_TEST_BUS:-} != private ]]; then
  exec env NINEBOX_TEST_BUS=private dbus-run-session -- bash bench/startup.sh "$@"
fi
runs=${1:-15}
shift $(($# > 0))
build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target ninebox bare_window kept_game >/dev/null
cc -O2 -Wall -o "$build/xwait" bench/xwait.c -lX11

display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
# Every folder and process of the run goes at its end.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
/usr/libexec/at-spi-bus-launcher >/dev/null 2>&1 &
launcher=$!
trap 'kill $xvfb $launcher 2>/dev/null; wait; rm -rf "$XDG_RUNTIME_DIR"' EXIT
export DISPLAY=":$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
# Ninebox reads its settings file at start: a returning player's, the same in every run
# (the first run's choices, the window where it opens anyway).
export XDG_CONFIG_HOME=$XDG_RUNTIME_DIR/config
mkdir -p "$XDG_CONFIG_HOME/ninebox"
printf '%s\n' '[files]' 'lastFolder=/tmp' '' '[options]' 'kanji=false' 'level=random' 'showLevel=true' \
  'showScore=false' 'showTime=false' '' '[window]' 'height=494' 'width=774' 'x=0' 'y=0' \
  >"$XDG_CONFIG_HOME/ninebox/ninebox.ini"

# A game kept from a run before, where the resuming runs find it; the other runs have
# nothing to resume. Each run ends by SIGTERM and keeps its game again.
export XDG_STATE_HOME=$XDG_RUNTIME_DIR/state
resumed=$XDG_RUNTIME_DIR/resumed
mkdir -p "$XDG_STATE_HOME" "$resumed/ninebox"
"$build/bench/kept_game" "$resumed/ninebox/game"

PATH="$PATH:/usr/games"  # where Debian puts gnome-sudoku
# It opens on its level chooser, before any game; it saves under a home of its own.
mkdir -p "$XDG_RUNTIME_DIR/home/.local/share"
names=(ninebox "bare Qt window" "ninebox resumed")
titles=("Ninebox1 --Game#" "Bare Qt window" "Ninebox1 --Game# 4711")
# Every program starts through env, as those that need a variable of their own do, so that
# none is an exec behind the others.
commands=("env $build/src/ninebox" "env $build/bench/bare_window" "env XDG_STATE_HOME=$resumed $build/src/ninebox")
for other in "$@"; do
  names+=("${other%%=*}")
  titles+=("Ninebox1 --Game#")
  commands+=("${other#*=}")
done
if command -v gnome-sudoku >/dev/null; then
  names+=(gnome-sudoku)
  titles+=("Select Difficulty")
  commands+=("env HOME=$XDG_RUNTIME_DIR/home gnome-sudoku")
fi

# The programs take turns, run after run, so a slow spell of the machine falls on all.
declare -a samples
for p in "${!names[@]}"; do
  for _ in 1 2 3; do "$build/xwait" "${titles[$p]}" 0 ${commands[$p]} >/dev/null; done  # warm-up
done
for _ in $(seq "$runs"); do
  for p in "${!names[@]}"; do
    samples[$p]+="$("$build/xwait" "${titles[$p]}" 500 ${commands[$p]})"$'\n'
  done
done

# medians of the three columns: ms to mapped, ms to first frame, RSS (kB -> MB)
m=$(((runs + 1) / 2))
median() { grep . <<<"${samples[$1]}" | cut -d' ' -f"$2" | sort -n | sed -n "${m}p"; }
row() { printf '%-16s %12s %12s %8s\n' "$@"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

row program "mapped ms" "drawn ms" "RSS MB"
declare -a mapped drawn memory
for p in "${!names[@]}"; do
  mapped[$p]=$(median "$p" 1)
  drawn[$p]=$(median "$p" 2)
  memory[$p]=$(median "$p" 3 | awk '{ printf "%.1f", $1 / 1024 }')
  row "${names[$p]}" "${mapped[$p]}" "${drawn[$p]}" "${memory[$p]}"
done
for p in "${!names[@]}"; do
  ((p == 1)) && continue
  echo "${names[$p]} / bare Qt window: drawn $(ratio "${drawn[$p]}" "${drawn[1]}"), mapped $(ratio "${mapped[$p]}" "${mapped[1]}")"
done
last=$((${#names[@]} - 1))
if [[ ${names[$last]} == gnome-sudoku ]]; then
  echo "ninebox / gnome-sudoku: drawn $(ratio "${drawn[0]}" "${drawn[$last]}"), memory $(ratio "${memory[0]}" "${memory[$last]}")"
fi
