#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a virtual X display, driven with xdotool as a player would: start-up,
# the game dialog, the menus, Save and the close (status 0, nothing left behind); a restart
# with a game file named on the command line and the last run's settings; a save past a
# file size limit; the keyboard alone; the command line's options; a game resumed after a
# close and after SIGTERM; --rate without a display. (Entries by mouse and keys: the window suite.)
#   e2e_test.sh PATH/TO/ninebox PATH/TO/wmclose
set -euo pipefail
ninebox=$(realpath "$1") wmclose=$(realpath "$2")
kRecordA=030002009400900020600013408901000045050020600206804000060007004007200090003041802
source "$(dirname "$0")/../../tools/xvfb.sh"

# Without a display the options are read all the same; the program itself says in one line
# that it cannot start. An unknown option is refused the same way with a display.
mkdir -p -m700 "$work/runtime"
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/runtime" "$ninebox" "$@"; }
[[ $(headless --version) =~ ^ninebox\ [0-9]+\.[0-9]+ ]] || fail "--version"
headless --help | grep -- '--version' >/dev/null || fail "--help"
refused() {  # expected status, expected line, command
    local status=0 error
    error=$("${@:3}" 2>&1 >/dev/null) || status=$?
    ((status == $1)) && [[ $error == "$2" ]] || fail "'${*:3}': status $status, '$error'"
}
for file in "" "$work/x.sud"; do refused 1 "ninebox: cannot open the display" headless $file; done
refused 2 "ninebox: Unknown option 'bogus'." headless --bogus
# --rate needs no display: a line per puzzle, and an unreadable file said.
echo "$kRecordA" >"$work/rate.txt"
[[ $(headless --rate "$work/rate.txt") == "Naked single: Full house 21, Naked single 27" ]] || fail "--rate"
refused 1 "ninebox: cannot read $work/none.txt" headless --rate "$work/none.txt"

start_xvfb
refused 2 "ninebox: Unknown option 'bogus'." env XDG_RUNTIME_DIR="$work/runtime" "$ninebox" --bogus
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
# The board has the keyboard again, its keys acting: after a dialog or a menu, the activation
# comes back a moment after the window goes, later still on a busy machine.
board_keys() { gone && [[ $(xdotool getwindowfocus 2>/dev/null) == "$main" ]]; }
keys_back() { wait_for 20 board_keys || fail "the board did not get the keyboard back"; }
# One of the program's dialogs has the keyboard (a menu never takes it), its caption matching.
has_focus() {
    running && dialog=$(xdotool getwindowfocus 2>/dev/null) && [[ $dialog != "$main" ]] &&
        xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | grep -x "$dialog" >/dev/null &&
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
    keys_back
}
click -45 15  # "New"
deal 4711

# The corner click shows the menu bar over the board's top-left corner; the menus then open
# with a click on the first and are driven by keys.
bar_shown() { shot && [[ $(pixel 3 3) != "$top_left" ]]; }
show_menus() { xdotool mousemove 770 490 click 1 && wait_for 20 bar_shown || fail "the corner click showed no menu bar"; }
opened() { running && [[ -n $(other) ]]; }
menu() {
    xdotool mousemove 30 9 click 1
    wait_for 20 opened || fail "the menu did not open"
    menu_keys "$@" Return
}
# The Vault > Save game, "Create Answers from Existing Answers" (at 64, 152, 209 x 33 in its
# dialog), the file name typed into the file dialog.
save_as() {
    menu Down Down
    await "" "answers dialog"
    xdotool mousemove --window "$dialog" 168 168 click 1
    await "^Save As\$" "file dialog 'Save As'"
    xdotool key ctrl+a
    xdotool type --delay 10 "$1"
    xdotool key Return
}
show_menus

# Options > Show Score shows the score left of the board; a restart with the same home keeps
# it, and opens the game file named on the command line instead of dealing a game.
score_shown() { grab -45 118 -5 132 score && (($(share score 0 0 0) >= 3)); }
menu Right Right
wait_for 10 score_shown || fail "no score after Show Score"

mkdir "$work/games"
game_file=$work/games/puzzle.sud
save_as "$game_file"
saved() { running && [[ $(stat -c %s "$game_file" 2>/dev/null) == 171 && $(stat -c %s "${game_file%.sud}.ans" 2>/dev/null) == 171 ]]; }
wait_for 20 saved || fail "no 171-byte game and answers files: $(ls -l "$work/games")"
wait_for 20 captioned "Ninebox1 --${game_file: -9}" || fail "caption '$(caption)' after Save"
wait_for 10 gone || fail "a window stayed after Save"
close_ninebox "$main"

# The game file named on the command line, and a copy under a name that is no UTF-8
# (Latin-1, from an old disk): each opens in place of a dealt game.
latin1_file=$work/games/caf$'\xe9'.sud
cp "$game_file" "$latin1_file"
cp "${game_file%.sud}.ans" "${latin1_file%.sud}.ans"
for file in "$game_file" "$latin1_file"; do
    start_ninebox "$file"
    named() { running && main=$(window '^Ninebox1 --(uzzle|/caf.*)\.sud$') && [[ -n $main ]]; }
    wait_for 20 named || fail "no window captioned with the name of $file"
    wait_for 10 gone || fail "a window stayed after opening $file"
    wait_for 10 score_shown || fail "Show Score not kept from the last run"
    close_ninebox "$main"
done

# The keyboard alone, from a fresh start: F10 opens the hidden menu bar; the commands' keys
# deal game 7, show the map, Cheat fills the board, Save, Load and Print write and read their
# files, and Tab reaches the About button. Not a single mouse event.
home_name=fresh start_ninebox
wait_for 20 started || fail "no game at a fresh start"
xdotool key F10
wait_for 20 opened || fail "F10 opened no menu"
xdotool key Escape
wait_for 10 gone || fail "Escape left a menu open"
keys_back
xdotool key ctrl+n
deal 7
grab_cell() { grab $((20 * $1 + 2)) $((20 * $2 + 2)) $((20 * $1 + 18)) $((20 * $2 + 18)) cell; }
marked() { grab_cell 1 1 && (($(share cell 0 0 0) >= 1)); }
! marked || fail "marks in an empty cell before the map"
xdotool key F6
wait_for 10 marked || fail "F6 showed no candidate marks"
xdotool key F10  # then Game > Cheat, by its mnemonic, once The Vault is open
wait_for 20 opened || fail "F10 opened no menu"
menu_keys Right c
solved() { shot && [[ $(pixel "$(px 15)" "$(py 110)") == "0 255 0" ]]; }
wait_for 20 solved || fail "Cheat from the keyboard did not solve game 7"
keys_back
xdotool key ctrl+s
await "" "answers dialog"
xdotool key Tab Tab space  # "Create Answers from Existing Answers"
await "^Save As\$" "file dialog 'Save As'"
xdotool type --delay 10 "$work/games/keys.sud"
xdotool key Return
wait_for 20 test -s "$work/games/keys.ans" || fail "Save from the keyboard wrote no answers"
keys_back
xdotool key ctrl+o
await "^Open\$" "file dialog 'Open'"
xdotool type --delay 10 "$work/games/keys.sud"
xdotool key Return
wait_for 20 captioned "Ninebox1 --/keys.sud" || fail "caption '$(caption)' after Load from the keyboard"
keys_back
xdotool key ctrl+p
await "^Printer\$" "print dialog"
xdotool key Return
await "PDF" "PDF file dialog"
xdotool type --delay 10 "$work/games/keys.pdf"
xdotool key Return
wait_for 20 test -s "$work/games/keys.pdf" || fail "Print from the keyboard wrote no PDF"
keys_back
xdotool key Tab Tab Tab Tab Tab Tab Tab space  # the seventh button: About
await "^About this Program" "About window"
xdotool key Escape
wait_for 10 gone || fail "Escape left the About window"
close_ninebox "$main"

# Past a file size limit a save fails as on a full disk, said in a message, and play goes on.
file_limit=0 start_ninebox
wait_for 20 started || fail "no game under a file size limit"
show_menus
save_as "$work/games/limit.sud"
await "^Sudoku$" "error message"
xdotool key Return
wait_for 10 gone || fail "the error message stayed"
close_ninebox "$main"

# A digit and two notes (Ctrl+2, Ctrl+8 in (2, 1)) in game 7 come back at the next start, after
# a close and after SIGTERM, whose clean end keeps the clock too (changes are kept as made).
kept=$work/resume/.local/state/ninebox/game
blue() { grab "$1" "$2" $(($1 + ${3:-5})) $(($2 + ${3:-5})) mark && (($(share mark 0 0 255) >= 3)); }
seen() { blue 22 22 16 && blue 49 24 && blue 49 34 && ! blue 49 29; }
resumed() {
    home_name=resume start_ninebox
    wait_for 20 started && captioned "Ninebox1 --Game# 7" || fail "game 7 did not come back: '$(caption)'"
    wait_for 10 seen || fail "the digit in (1, 1) or the notes 2 and 8 in (2, 1) did not come back"
}
home_name=resume start_ninebox
wait_for 20 started || fail "no game at the first start"
click -45 15  # "New"
deal 7
xdotool key 4 Right ctrl+2 ctrl+8
wait_for 10 grep -q '^notes 000202' "$kept" || fail "the notes were not kept: $(cat "$kept")"
close_ninebox "$main"
resumed
clock=$(sed -n 's/^clock //p' "$kept")
sleep 1.2
open_instructions  # a close request only hides the page; SIGTERM ends the program all the same
kill -TERM "$app_pid"
wait_for 20 ended || fail "SIGTERM with the instructions page shown did not end the program"
status=0 && wait "$app_pid" || status=$?
app_pid=''
((status == 0 && $(sed -n 's/^clock //p' "$kept") > clock)) || fail "SIGTERM: status $status, clock not kept"
resumed
close_ninebox "$main"

# A puzzle another program put on the clipboard starts a game; a text of 100 MB there is refused
# without the program ever holding it: its peak memory grows by less than 20 MB.
home_name=paste start_ninebox
wait_for 20 started || fail "no game before the paste"
clipboard() {  # the owner of the clipboard until the next one takes it, or until this test ends
    xclip -quiet -selection clipboard -i "$1" >/dev/null 2>&1 &
    clipboard_pid=$!
    helpers+=("$clipboard_pid")
}
echo "$kRecordA" >"$work/puzzle.txt"
clipboard "$work/puzzle.txt"
holds_puzzle() { [[ $(timeout 5 xclip -o -selection clipboard 2>/dev/null) == "$kRecordA" ]]; }
wait_for 10 holds_puzzle || fail "xclip did not take the clipboard"
xdotool key ctrl+v
wait_for 20 captioned "Ninebox1 --Pasted" || fail "caption '$(caption)' after a paste"
head -c 100000000 /dev/zero | tr '\0' 1 >"$work/big.txt"
last_owner=$clipboard_pid
clipboard "$work/big.txt"
wait_for 10 eval '! kill -0 $last_owner 2>/dev/null' || fail "the 100 MB text did not take the clipboard"
peak() { sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB$/\1/p' "/proc/$app_pid/status"; }
before=$(peak)
xdotool key ctrl+v
await "^Sudoku$" "message of no puzzle"
# AddressSanitizer keeps freed memory in quarantine: there only the refusal counts.
ldd "$ninebox" | grep libasan >/dev/null || (($(peak) - before < 20000)) ||
    fail "a 100 MB clipboard took $(($(peak) - before)) kB"
xdotool key Return
close_ninebox "$main"
echo "ok"
