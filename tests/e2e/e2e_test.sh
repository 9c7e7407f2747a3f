#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a virtual X display, driven with xdotool as a player would: start-up,
# entry, undo, menus, Save, Load and the close (status 0, nothing left behind); a restart with
# a game file named on the command line and the last run's settings; the command line's options.
#   e2e_test.sh PATH/TO/ninebox PATH/TO/wmclose
set -euo pipefail
ninebox=$(realpath "$1") wmclose=$(realpath "$2")
source "$(dirname "$0")/../support/xvfb.sh"

# Without a display the options are read all the same; the program itself says in one line
# that it cannot start.
mkdir -p -m700 "$work/runtime"
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/runtime" "$ninebox" "$@"; }
[[ $(headless --version) =~ ^ninebox\ [0-9]+\.[0-9]+ ]] || fail "--version"
headless --help | grep -q -- '--version' || fail "--help"
for args in --bogus "" "$work/x.sud"; do
    status=0
    error=$(headless $args 2>&1 >/dev/null) || status=$?
    expected="ninebox: cannot open the display" && [[ $args == --bogus ]] && expected="ninebox: Unknown option 'bogus'."
    ((status == (${#args} == 7 ? 2 : 1))) && [[ $error == "$expected" ]] || fail "no display, '$args': status $status, '$error'"
done

start_xvfb
start_ninebox
main='' dialog=''
started() { running && main=$(window '^Ninebox1 --Game# [0-9]+$') && [[ -n $main ]]; }
wait_for 20 started || fail "no window captioned 'Ninebox1 --Game# N'"
caption() { xdotool getwindowname "$main" 2>/dev/null || true; }
captioned() { running && [[ $(caption) == "$1" ]]; }
click() { xdotool mousemove "$(px "$1")" "$(py "$2")" click 1; }
# The program's visible windows other than the board: a dialog or a menu.
other() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | grep -vx "$main" | head -n1 || true; }
gone() { running && [[ -z $(other) ]]; }
# One of the program's dialogs has the keyboard (a menu never takes it), its caption matching.
has_focus() {
    running
    dialog=$(xdotool getwindowfocus 2>/dev/null) && [[ $dialog != "$main" ]] &&
        xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | grep -qx "$dialog" &&
        [[ $(xdotool getwindowname "$dialog" 2>/dev/null) =~ $1 ]]
}
await() { wait_for 30 has_focus "$1" || fail "no $2 showed with the keyboard"; }
# A rectangle of the screen in board units; the per cent of its pixels near a colour.
grab() {
    local x=$(px "$1") y=$(py "$2")
    timeout 20 import -window root -crop "$(($(px "$3") - x))x$(($(py "$4") - y))+$x+$y" -depth 8 "rgb:$work/$5.rgb"
}
share() {
    od -An -v -tu1 -w3 "$work/$1.rgb" | awk -v r="$2" -v g="$3" -v b="$4" 'function abs(v) { return v < 0 ? -v : v }
        { n++; if (abs($1 - r) + abs($2 - g) + abs($3 - b) < 60) k++ } END { print n ? int(100 * k / n) : 0 }'
}
grab_cell() { grab $((20 * $1 + 3)) $((20 * $2 + 3)) $((20 * $1 + 17)) $((20 * $2 + 17)) cell; }

# The board drawn: its yellow frame.
frame() { shot && [[ $(pixel "$(px 15)" "$(py 110)") == "255 255 0" ]]; }
wait_for 20 frame || fail "no yellow frame"
top_left=$(pixel 3 3)

# A game number typed into the game dialog, then Enter.
deal() {
    await "" "game dialog"
    xdotool type --delay 20 "$1"
    xdotool key Return
    wait_for 20 captioned "Ninebox1 --Game# $1" || fail "caption '$(caption)' after dealing game $1"
    wait_for 20 gone || fail "the game dialog stayed"
}
click -45 15  # "New"
deal 4711

# The first cell that turns black when clicked is open (a given only takes the grey
# selection); keypad 5 puts a blue 5 there.
waiting=0
decided() {
    grab_cell "$1" "$2"
    waiting=$(($(share cell 0 0 0) >= 60))
    ((waiting || ($(share cell 200 200 200) >= 30 && $(share cell 0 0 0) >= 1)))
}
for r in {1..9}; do
    for c in {1..9}; do
        click $((20 * c + 10)) $((20 * r + 10))
        wait_for 10 decided "$c" "$r" || fail "cell ($c, $r) neither waits nor shows the selection"
        ((waiting)) && break 2
    done
done
((waiting)) || fail "no open cell"
click -32 172  # keypad 5
entered() { grab_cell "$c" "$r" && (($(share cell 0 0 255) >= 3 && $(share cell 0 0 0) < 30)); }
wait_for 10 entered || fail "no blue digit in cell ($c, $r)"

# Undo and redo with the menu bar hidden: the digit goes and comes back.
xdotool key ctrl+z
undone() { grab_cell "$c" "$r" && (($(share cell 0 0 255) == 0)); }
wait_for 10 undone || fail "Ctrl+Z left the digit in cell ($c, $r)"
xdotool key ctrl+shift+z
wait_for 10 entered || fail "Ctrl+Shift+Z did not put the digit back"

# The corner click shows the menu bar over the board's top-left corner; the menus then open
# with a click on the first and are driven by keys.
bar_shown() { shot && [[ $(pixel 3 3) != "$top_left" ]]; }
xdotool mousemove 770 490 click 1
wait_for 20 bar_shown || fail "the corner click showed no menu bar"
opened() { running && [[ -n $(other) ]]; }
menu() {
    xdotool mousemove 30 9 click 1
    wait_for 20 opened || fail "the menu did not open"
    xdotool key "$@" Return
}
pick_file() {
    await "^$1\$" "file dialog '$1'"
    xdotool key ctrl+a
    xdotool type --delay 10 "$2"
    xdotool key Return
}

# Save with "Create Answers from Existing Answers" (at 64, 152, 209 x 33 in its dialog) into
# the test's own folder.
save() {
    menu Down Down  # The Vault > Save game
    await "" "answers dialog"
    xdotool mousemove --window "$dialog" 168 168 click 1
    pick_file "Save As" "$1"
    saved() { running && [[ $(stat -c %s "$1" 2>/dev/null) == 171 && $(stat -c %s "${1%.sud}.ans" 2>/dev/null) == 171 ]]; }
    wait_for 20 saved "$1" || fail "no 171-byte game and answers files: $(ls -l "$work/games")"
    wait_for 20 captioned "Ninebox1 --${1: -9}" || fail "caption '$(caption)' after Save"
    wait_for 10 gone || fail "a window stayed after Save"
}
mkdir "$work/games"
game_file=$work/games/puzzle.sud answers_file=$work/games/puzzle.ans
save "$game_file"

# Another game, then Load: saved again, the loaded game gives the same two files.
load() {
    menu Down  # The Vault > Load game
    pick_file "Open" "$1"
    wait_for 20 captioned "Ninebox1 --${1: -9}" || fail "caption '$(caption)' after loading $1"
    wait_for 10 gone || fail "a window stayed after loading $1 (no answers?)"
}
menu Right  # Game > New game
deal 5
load "$game_file"
save "$work/games/again.sud"
cmp "$game_file" "$work/games/again.sud" && cmp "$answers_file" "$work/games/again.ans" || fail "the loaded game differs"

# The same puzzle as one line of 81 digits, its answers beside it, loads as the game file did.
line_file=$work/games/line.sud
tr -d ',\r\n' <"$game_file" >"$line_file"
cp "$answers_file" "${line_file%.sud}.ans"
load "$line_file"
save "$work/games/line2.sud"
cmp "$game_file" "$work/games/line2.sud" || fail "the one-line file gave another puzzle"

# Options > Show Score shows the score left of the board; a restart with the same home keeps
# it, and opens the game file named on the command line instead of dealing a game.
score_shown() { grab -45 118 -5 132 score && (($(share score 0 0 0) >= 3)); }
! score_shown || fail "a score before Show Score"
menu Right Right  # Options > Show Score
wait_for 10 score_shown || fail "no score after Show Score"
close_ninebox "$main"
start_ninebox "$game_file"
opened() { running && main=$(window "^Ninebox1 --${game_file: -9}\$") && [[ -n $main ]]; }
wait_for 20 opened || fail "no window captioned 'Ninebox1 --${game_file: -9}'"
wait_for 10 gone || fail "a window stayed after opening the game file"
wait_for 10 score_shown || fail "Show Score not kept from the last run"
close_ninebox "$main"

# A name that is no UTF-8 (Latin-1, from an old disk) opens all the same.
latin1_file=$work/games/caf$'\xe9'.sud
cp "$game_file" "$latin1_file"
cp "$answers_file" "${latin1_file%.sud}.ans"
start_ninebox "$latin1_file"
named() { running && main=$(window '^Ninebox1 --/caf.*\.sud$') && [[ -n $main ]]; }
wait_for 20 named || fail "no window captioned with the Latin-1 name"
wait_for 10 gone || fail "a window stayed after opening the Latin-1 name"
close_ninebox "$main"

# Past a file size limit a save fails as on a full disk, said in a message, and play goes on.
file_limit=0 start_ninebox
wait_for 20 started || fail "no game under a file size limit"
opened() { running && [[ -n $(other) ]]; }
xdotool mousemove 770 490 click 1
wait_for 20 bar_shown || fail "the corner click showed no menu bar"
menu Down Down  # The Vault > Save game
await "" "answers dialog"
xdotool mousemove --window "$dialog" 168 168 click 1
pick_file "Save As" "$work/games/limit.sud"
await "^Sudoku$" "error message"
xdotool key Return
wait_for 10 gone || fail "the error message stayed"
close_ninebox "$main"

# An unknown option: one line on standard error, status 2.
status=0
error=$(XDG_RUNTIME_DIR="$work/runtime" "$ninebox" --bogus 2>&1 >/dev/null) || status=$?
((status == 2)) && [[ $error == "ninebox: Unknown option 'bogus'." ]] || fail "--bogus: status $status, '$error'"
echo "ok"
