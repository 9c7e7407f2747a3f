#!/usr/bin/env bash
# The real program on a virtual X display: it opens with a dealt game in its caption, shows
# the board on the background picture, ends with status 0 when its window is closed, and
# leaves no file behind.
#   xvfb_start_test.sh PATH/TO/ninebox PATH/TO/wmclose
set -euo pipefail

ninebox=$(realpath "$1")
wmclose=$(realpath "$2")
source "$(dirname "$0")/support/xvfb.sh"

start_xvfb
start_ninebox
found() {
    kill -0 "$app_pid" 2>/dev/null || fail "ninebox ended before showing its window"
    [[ -n $(window '^Ninebox1 --Game# [0-9]+$') ]]
}
wait_for 20 found || fail "no window captioned 'Ninebox1 --Game# N'"
id=$(window '^Ninebox1 --Game# [0-9]+$')
echo "caption: $(xdotool getwindowname "$id")"

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

close_ninebox "$id"
echo "ok"
