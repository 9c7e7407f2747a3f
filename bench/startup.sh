#!/usr/bin/env bash
# Start-up time and resident memory of Ninebox, of a bare Qt window and, when installed,
# of GNOME Sudoku, measured from outside each process under one Xvfb in the same run:
# from the process start to its window being mapped with its title (for Ninebox, the
# caption of the first dealt game) and to that window's first frame on the screen, then
# the resident memory 500 ms later. The first frame is the figure that counts: a window
# is shown once it has drawn, and a title alone says nothing of that.
#
# usage: bench/startup.sh [RUNS]        (apt-get install gnome-sudoku to compare with it)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=build-bench

need=()
for p in xvfb x11-utils libx11-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if ((${#need[@]})); then apt-get update -qq && apt-get install -y -qq --no-install-recommends "${need[@]}"; fi
bash tools/install-deps.sh

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target ninebox bare_window >/dev/null
cc -O2 -Wall -o "$build/xwait" bench/xwait.c -lX11

display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=":$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

# medians of the three columns: ms to mapped, ms to first frame, RSS (kB -> MB)
measure() {
  local title=$1; shift
  for _ in 1 2 3; do "$build/xwait" "$title" 0 "$@" >/dev/null; done  # warm-up
  local samples
  samples=$(for _ in $(seq "$runs"); do "$build/xwait" "$title" 500 "$@"; done)
  local m=$(((runs + 1) / 2))
  median() { cut -d' ' -f"$1" <<<"$samples" | sort -n | sed -n "${m}p"; }
  printf '%s %s %s\n' "$(median 1)" "$(median 2)" "$(median 3 | awk '{ printf "%.1f", $1 / 1024 }')"
}

row() { printf '%-16s %12s %12s %8s\n' "$@"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

row program "mapped ms" "drawn ms" "RSS MB"
read -r nb_map nb_ms nb_mb < <(measure "Ninebox1 --Game#" "$build/src/ninebox")
row ninebox "$nb_map" "$nb_ms" "$nb_mb"
read -r bare_map bare_ms bare_mb < <(measure "Bare Qt window" "$build/bench/bare_window")
row "bare Qt window" "$bare_map" "$bare_ms" "$bare_mb"
echo "ninebox / bare Qt window: drawn $(ratio "$nb_ms" "$bare_ms"), mapped $(ratio "$nb_map" "$bare_map")"
PATH="$PATH:/usr/games"  # where Debian puts gnome-sudoku
if command -v gnome-sudoku >/dev/null; then
  # It opens on its level chooser, before any game; it saves under a home of its own.
  mkdir -p "$XDG_RUNTIME_DIR/home/.local/share"
  read -r gs_map gs_ms gs_mb < <(HOME="$XDG_RUNTIME_DIR/home" measure "Select Difficulty" gnome-sudoku)
  row gnome-sudoku "$gs_map" "$gs_ms" "$gs_mb"
  echo "ninebox / gnome-sudoku: drawn $(ratio "$nb_ms" "$gs_ms"), memory $(ratio "$nb_mb" "$gs_mb")"
fi
