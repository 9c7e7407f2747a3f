#!/usr/bin/env bash
# A player's session with the real program on a virtual X display, driven from outside with
# xdotool as a player would: the menu bar, a typed game number, a digit entered with the
# mouse, Save with the answers through Qt's file dialog, the files on disk, Load, and the
# close. Every step waits for what it needs, within a time limit.
#   e2e_test.sh PATH/TO/ninebox PATH/TO/wmclose
set -euo pipefail

ninebox=$(realpath "$1")
wmclose=$(realpath "$2")
source "$(dirname "$0")/support/xvfb.sh"

start_xvfb
start_ninebox
main=''
started() {
    running
    main=$(window '^Ninebox1 --Game# [0-9]+$')
    [[ -n $main ]]
}
wait_for 20 started || fail "no window captioned 'Ninebox1 --Game# N'"
caption() { xdotool getwindowname "$main" 2>/dev/null || true; }
captioned() { running && [[ $(caption) == "$1" ]]; }
click() { xdotool mousemove "$(px "$1")" "$(py "$2")" click 1; }

# The program's visible windows other than the board: a dialog or a menu.
other() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | grep -vx "$main" | head -n1 || true; }
dialog=''
shown() { running && [[ -n $(other) ]]; }
gone() { running && [[ -z $(other) ]]; }
# A dialog has shown and taken the keyboard: the program's focused window, not the board
# (a menu never takes the focus), captioned as the pattern says.
has_focus() {
    running
    dialog=$(xdotool getwindowfocus 2>/dev/null) || return 1
    [[ $dialog != "$main" ]] && xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | grep -qx "$dialog" &&
        [[ $(xdotool getwindowname "$dialog" 2>/dev/null) =~ $1 ]]
}
await() { wait_for 30 has_focus "$1" || fail "no $2 showed with the keyboard"; }

# A rectangle of the screen, in board units, as lines "r g b".
grab() {
    local x0 y0 x1 y1
    x0=$(px "$1") y0=$(py "$2") x1=$(px "$3") y1=$(py "$4")
    timeout 20 import -window root -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" -depth 8 "rgb:$work/$5.rgb"
}
colours() { od -An -v -tu1 -w3 "$work/$1.rgb"; }
# Per cent of the grabbed pixels near a colour.
share() {
    colours "$1" | awk -v r="$2" -v g="$3" -v b="$4" '
        function abs(v) { return v < 0 ? -v : v }
        { n++; if (abs($1 - r) + abs($2 - g) + abs($3 - b) < 60) k++ }
        END { print n ? int(100 * k / n) : 0 }'
}
grab_cell() { grab $((20 * $1 + 3)) $((20 * $2 + 3)) $((20 * $1 + 17)) $((20 * $2 + 17)) cell; }

# Rows where the screen column through the middle of the board crosses the yellow frame.
frame_rows() {
    timeout 20 import -window root -crop "1x494+$(px 110)+0" -depth 8 "rgb:$work/column.rgb"
    colours column | awk '$1 == 255 && $2 == 255 && $3 == 0 { if (!top) top = NR; bottom = NR }
                          END { print top - 1, bottom - 1 }'
}

echo "caption: $(caption)"

# 1. The corner shows the menu bar: the board moves down below it and shrinks to fit.
read -r frame_top _ <<<"$(frame_rows)"
((frame_top > 20)) || fail "no yellow frame in the board's middle column"
click 215 215
moved() { read -r top bottom <<<"$(frame_rows)" && ((top >= frame_top + 8)); }
wait_for 10 moved || fail "the board did not move down (frame top row $top, before $frame_top)"
board_height=$(((2 * (bottom - top - 2) * 220 + 190) / 380))
board_top=$((top + 1 - (15 * board_height + 110) / 220))
echo "menu bar shown: drawing area from row $board_top, $board_height high"

# 2. "New" on the board, a game number typed into the game dialog, Enter.
deal() {
    click -45 15
    await "" "game dialog"
    xdotool type --delay 20 "$1"
    xdotool key Return
    wait_for 20 captioned "Ninebox1 --Game# $1" || fail "caption '$(caption)' after dealing game $1"
    wait_for 20 gone || fail "the game dialog stayed"
}
deal 4711
echo "dealt: $(caption)"

# 3. An entry: the first cell that turns black when clicked is open (a given only takes the
# grey selection), and keypad 5 puts a blue 5 there.
waiting=0 given=0
decided() {
    grab_cell "$1" "$2"
    waiting=$(($(share cell 0 0 0) >= 60))
    given=$(($(share cell 200 200 200) >= 30 && $(share cell 0 0 0) >= 1))  # grey with a digit
    ((waiting || given))
}
cell=''
for r in {1..9}; do
    for c in {1..9}; do
        click $((20 * c + 10)) $((20 * r + 10))
        wait_for 10 decided "$c" "$r" || fail "cell ($c, $r) neither waits nor shows the selection"
        if ((waiting)); then
            cell="$c $r"
            break 2
        fi
    done
done
[[ -n $cell ]] || fail "no open cell"
read -r c r <<<"$cell"
click -32 172  # keypad 5
entered() { grab_cell "$c" "$r" && (($(share cell 0 0 255) >= 3 && $(share cell 0 0 0) < 30)); }
wait_for 10 entered || fail "no blue digit in cell ($c, $r)"
echo "entered 5 in cell ($c, $r)"
grab 20 20 200 200 before  # the board as it is saved, for the check after Load

# Menu items by keyboard: "The Vault" opens under the pointer, Down picks its items in turn.
vault() {
    xdotool mousemove 30 9 click 1
    wait_for 20 shown || fail "the menu did not open"
    for ((i = 0; i < $1; ++i)); do xdotool key Down; done
    xdotool key Return
}
# Qt's file dialog: the file name box has the keyboard; the whole path replaces its text.
pick_file() {
    await "^$1\$" "file dialog '$1'"
    xdotool key ctrl+a
    xdotool type --delay 10 "$2"
    xdotool key Return
}

# 4. Save: the third choice of the answers dialog, then a path in the test's own folder.
mkdir "$work/games"
game_file="$work/games/puzzle.sud" answers_file="$work/games/puzzle.ans"
vault 2  # Save game
await "" "answers dialog"
xdotool key Tab Tab space  # "Create Answers from Existing Answers"
pick_file "Save As" "$game_file"
saved() { running && [[ $(stat -c %s "$game_file" 2>/dev/null) == 171 && $(stat -c %s "$answers_file" 2>/dev/null) == 171 ]]; }
wait_for 20 saved || fail "no 171-byte game and answers files: $(ls -l "$work/games")"
wait_for 20 captioned "Ninebox1 --${game_file: -9}" || fail "caption '$(caption)' after Save"
wait_for 10 gone || fail "a window stayed after Save"

# Nine lines of nine digits, CR LF; the answers a solution that keeps every given; the
# player's entry not among the givens.
line='^[0-9](,[0-9])(,[0-9])(,[0-9])(,[0-9])(,[0-9])(,[0-9])(,[0-9])(,[0-9])\r$'
verdict=$(awk -v c="$c" -v r="$r" -v line="$line" '
    FNR == 1 { f++ }
    $0 !~ line { print FILENAME " line " FNR " malformed"; bad = 1; exit }
    { lines[f]++; split($0, d, ","); for (i = 1; i <= 9; i++) cell[f, FNR, i] = d[i] + 0 }
    END {
        if (bad) exit
        if (lines[1] != 9 || lines[2] != 9) { print "not nine lines each"; exit }
        for (u = 0; u < 9; u++) {
            delete row; delete col; delete box
            for (i = 0; i < 9; i++) {
                row[cell[2, u + 1, i + 1]]++
                col[cell[2, i + 1, u + 1]]++
                box[cell[2, 3 * int(u / 3) + int(i / 3) + 1, 3 * (u % 3) + i % 3 + 1]]++
            }
            for (v = 1; v <= 9; v++)
                if (row[v] != 1 || col[v] != 1 || box[v] != 1) { print "answers: unit " u " lacks " v; exit }
        }
        for (y = 1; y <= 9; y++)
            for (x = 1; x <= 9; x++)
                if (cell[1, y, x] && cell[1, y, x] != cell[2, y, x]) { print "given " x "," y " disagrees"; exit }
        if (cell[1, r, c]) { print "the entry at " c "," r " was saved as a given"; exit }
        print "ok"
    }' "$game_file" "$answers_file")
[[ $verdict == ok ]] || fail "saved files: $verdict"
echo "saved: $(caption)"

# 5. Another game, then Load: the saved givens come back without the entry.
deal 5
vault 1  # Load game
pick_file "Open" "$game_file"
wait_for 20 captioned "Ninebox1 --${game_file: -9}" || fail "caption '$(caption)' after Load"
wait_for 10 gone || fail "a window stayed after Load (no answers?)"
# The grid as before Save but for the entry's cell, which is empty again.
loaded() {
    grab 20 20 200 200 after
    local w=$(($(px 200) - $(px 20)))
    local x0=$(($(px $((20 * c - 1))) - $(px 20))) x1=$(($(px $((20 * c + 21))) - $(px 20)))
    local y0=$(($(py $((20 * r - 1))) - $(py 20))) y1=$(($(py $((20 * r + 21))) - $(py 20)))
    [[ $(paste -d' ' <(colours before) <(colours after) | awk -v w="$w" -v x0="$x0" -v x1="$x1" -v y0="$y0" -v y1="$y1" '
        { x = (NR - 1) % w; y = int((NR - 1) / w) }
        x >= x0 && x < x1 && y >= y0 && y < y1 { next }
        $1 != $4 || $2 != $5 || $3 != $6 { n++ }
        END { print n + 0 }') == 0 ]] &&
        grab_cell "$c" "$r" && (($(share cell 0 0 255) == 0))
}
wait_for 10 loaded || fail "the loaded board differs from the saved game"
echo "loaded: $(caption)"

close_ninebox "$main"
# Qt's file dialog keeps its settings in the private home.
echo "left in HOME: $(cd "$work/home" && find . -type f | sort | xargs)"
echo "ok"
