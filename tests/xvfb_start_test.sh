#!/usr/bin/env bash
# The real program on a virtual X display: it opens with a dealt game in its caption, shows
# the board on the background picture, ends with status 0 when its window is closed, and
# leaves no file behind.
#   xvfb_start_test.sh PATH/TO/ninebox PATH/TO/wmclose
set -euo pipefail

ninebox=$(realpath "$1")
wmclose=$(realpath "$2")
width=774 height=494  # the drawing area at start; with no window manager it sits at (0, 0)

work=$(mktemp -d)
xvfb_pid='' app_pid=''
cleanup() {
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [[ -f $work/app.log ]] && sed 's/^/  ninebox: /' "$work/app.log" >&2
    exit 1
}

# Polls a condition every 20 ms for at most $1 seconds.
wait_for() {
    local limit=$1
    shift
    local deadline=$((SECONDS + limit))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.02
    done
}

# Xvfb picks a free display number itself and writes it once it accepts connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_for 20 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

# Where a stray file could land: the program's folder, the temporary folders.
mkdir -m700 "$work/tmp" "$work/runtime" "$work/home"
listing() { (ls -A "$(dirname "$ninebox")"; ls -A /tmp | grep -Ei '\.ttf$|^temp|ninebox' || true) | sort; }
before=$(listing)

(
    cd "$work/home"
    unset QT_QPA_PLATFORM
    export TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home"
    exec "$ninebox"
) >"$work/app.log" 2>&1 &
app_pid=$!

window() { xdotool search --onlyvisible --name '^Ninebox1 --Game# [0-9]+$' 2>/dev/null | head -n1; }
found() {
    kill -0 "$app_pid" 2>/dev/null || fail "ninebox ended before showing its window"
    [[ -n $(window) ]]
}
wait_for 20 found || fail "no window captioned 'Ninebox1 --Game# N'"
id=$(window)
echo "caption: $(xdotool getwindowname "$id")"

# A pixel of the screen as "r g b".
shot() { timeout 20 import -window root -depth 8 "rgb:$work/shot.rgb"; }
pixel() { od -An -tu1 -j $((($2 * 1024 + $1) * 3)) -N3 "$work/shot.rgb" | xargs; }
# Board units to screen pixels at the starting size.
px() { echo $(((($1 + 70) * width + 145) / 290)); }
py() { echo $((($1 * height + 110) / 220)); }

# The caption is set while the first game is dealt, just before the board is drawn.
frame_x=$(px 15) frame_y=$(py 110)
frame_drawn() { shot && [[ $(pixel "$frame_x" "$frame_y") == "255 255 0" ]]; }
wait_for 20 frame_drawn || fail "yellow frame missing at ($frame_x, $frame_y): $(pixel "$frame_x" "$frame_y")"

# The first slab of the left panel, left of its label: lavender from the picture.
read -r r g b <<<"$(pixel "$(px -62)" "$(py 14)")"
((r > 170 && r < 235 && g > 170 && g < 235 && b > r && b > g)) || fail "no lavender slab: $r $g $b"
# Beside the digits: white in the top-left box, pale yellow in the top-middle box.
[[ $(pixel "$(px 42)" "$(py 38)") == "255 255 255" ]] || fail "top-left box is not white"
[[ $(pixel "$(px 82)" "$(py 38)") == "255 255 200" ]] || fail "top-middle box is not pale yellow"

timeout 10 "$wmclose" "$id" || fail "could not send the close request"
ended() { ! kill -0 "$app_pid" 2>/dev/null; }
wait_for 20 ended || fail "still running after the close request"
status=0
wait "$app_pid" || status=$?
app_pid=''
((status == 0)) || fail "exit status $status"

after=$(listing)
[[ $before == "$after" ]] || fail "files left behind: $(diff <(echo "$before") <(echo "$after") | grep '^>' || true)"
[[ -z $(ls -A "$work/tmp") ]] || fail "files left in TMPDIR: $(ls -A "$work/tmp")"
echo "ok"
