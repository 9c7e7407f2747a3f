#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program as a blind player hears it: Orca, Debian's screen reader, listening through
# tools/orca-session.sh on a virtual X display with a window manager; a game played with keys
# from xdotool, and after each key a wait for what Orca says, read from its transcript. With a
# language (de), the same game in that language: the texts expected come from its catalogue
# (the English where it has none, as the program falls back to). Skipped (77) where Orca
# cannot start.
#   orca_test.sh PATH/TO/ninebox PATH/TO/wmclose [LANGUAGE]
set -euo pipefail
here=$(dirname "$0")
ninebox=$(realpath "$1") wmclose=$(realpath "$2") language=${3:-}
if [[ -z ${ORCA_SPEECH_LOG:-} ]]; then
    command -v openbox >/dev/null || { echo "SKIP: no window manager (openbox) for Orca to follow"; exit 77; }
    source "$here/../../tools/xvfb.sh"
    start_xvfb
    openbox >/dev/null 2>&1 &
    helpers+=("$!")
    status=0
    bash "$here/../../tools/orca-session.sh" --silent "$work/speech.log" bash "$0" "$@" || status=$?
    if ((status != 0 && status != 77)); then
        echo "Orca said, last:" >&2
        grep -a -o "SPEECH OUTPUT: .*" "$work/speech.log" | tail -n 30 | sed 's/^/  /' >&2
    fi
    exit "$status"
fi

# Inside Orca's session, on the display above.
source "$here/../../tools/xvfb.sh"
heard=0  # lines of the transcript already passed
# Waits at most 20 seconds for an utterance holding $1, after what the last wait heard.
says() {
    local found
    heard_it() {
        found=$(tail -n "+$((heard + 1))" "$ORCA_SPEECH_LOG" | grep -a -n "SPEECH OUTPUT: '" |
            grep -a -F -- "$1") && heard=$((heard + ${found%%:*}))
    }
    wait_for 20 heard_it "$1" || fail "Orca did not say '$1'; after the last step it said:
$(tail -n "+$((heard + 1))" "$ORCA_SPEECH_LOG" | grep -a -o "SPEECH OUTPUT: .*" | sed 's/^/  /')"
}
key() { xdotool key --delay 60 "$@"; }
# t CONTEXT TEXT [ARG...]: the program's text in the test's language, %1... filled in.
catalogue=${language:+$here/../../translations/ninebox_$language.ts}
t() {
    /usr/bin/python3 - "$catalogue" "$@" <<'EOF'
import sys
import xml.etree.ElementTree as xml
catalogue, context, text, *args = sys.argv[1:]
for c in xml.parse(catalogue).getroot() if catalogue else []:
    for m in c.iter("message") if c.findtext("name") == context else []:
        if m.findtext("source") == text and m.findtext("translation"):
            text = m.findtext("translation")
for n, arg in enumerate(args):
    text = text.replace(f"%{n + 1}", arg)
print(text)
EOF
}
# A cell's name: empty, a given or a digit of the player's (DIGIT g, DIGIT) at ROW, COLUMN.
cell() {
    case $1 in
    0) t Accessible "empty, row %1, column %2" "$2" "$3" ;;
    *g) t Accessible "%1, given, row %2, column %3" "${1%g}" "$2" "$3" ;;
    *) t Accessible "%1, row %2, column %3" "$1" "$2" "$3" ;;
    esac
}
row_end() { local e; e=$(cell 0 "$1" 9); says "${e#*, }."; }  # Orca reads a row whole on entering it

# Show Conflicts on, as a returning player's settings have it.
mkdir -p "$work/home/.config/ninebox"
printf '[options]\nshowConflicts=true\n' >"$work/home/.config/ninebox/ninebox.ini"
if [[ -n $language ]]; then { LC_ALL=${language}_${language^^}.UTF-8 LANGUAGE=$language start_ninebox; } 2>/dev/null
else start_ninebox; fi
# A first game: the window, and the reader's focus on the selected cell in the table.
says "'Ninebox1 --Game# "
row_end 1
# After the game dialog, game 4711: row 1 empty, row 2 "7 0 0 0 0 3 0 0 6".
key ctrl+n
says "'$(t GameDialog "Game number")"
xdotool type --delay 60 4711
key Return
says "'Ninebox1 --Game# 4711"
says "'$(cell 0 1 1)."
row_end 1
key 5
says "'$(cell 5 1 1)."
key Down
row_end 2
key 3  # refused on a given: the cell again
says "'$(cell 7g 2 1)."
key Up
row_end 1
key Right
says "'$(cell 0 1 2)."
key ctrl+2
says "'$(cell 0 1 2)$(t Accessible ", notes %1" 2)."
key ctrl+z
says "'$(cell 0 1 2)."
key F6
says "'$(t Board "Map Mode")."
key F5
says "'$(t Board "Play Mode")."
# A 7 beside the given 7 of its box clashes; Pause hides the board and any key resumes it.
key 7
says "'$(t Accessible "%1, clash, row %2, column %3" 7 1 2)."
key Pause
says "'$(t Board "Paused")"
key Right
says "'$(t Accessible "Resumed")"

# A puzzle pasted, its last cell open: said, with where the keyboard is in it.
solution=735482169418965723629713458981376245354129687276854931862597314147238596593641872
echo "${solution:0:80}0" >"$work/almost.txt"
xclip -quiet -selection clipboard -i "$work/almost.txt" >/dev/null 2>&1 &
helpers+=("$!")
holds_puzzle() { [[ $(timeout 5 xclip -o -selection clipboard 2>/dev/null) == "${solution:0:80}0" ]]; }
wait_for 10 holds_puzzle || fail "xclip did not take the clipboard"
key ctrl+v
says "'$(t Accessible "Puzzle pasted"). $(cell 3g 1 2)."
key ctrl+i
says "'$(t Accessible "Level: none"). $(t Accessible "Score: %1 right, %2 wrong" 0 0). $(t Accessible "Time: %1" "")"
# The score and the clock switched on by their buttons, the About window, and an arrow back to
# the cell left.
key Tab Tab Tab Tab Tab
says "'$(t Board "Score On/Off")"
key space
says "'$(t Accessible "Score: %1 right, %2 wrong" 0 0)."
key Tab
says "'$(t Board "Time On/Off")"
key space
says "'$(t Accessible "Time: %1" "")"
key Tab space
says "$(t AboutDialog "Free software under the GNU GPL, version 3 or later. Made with Qt 6.")"
key Escape
says "'$(t Board "About")"
key Left
says "'$(cell 3g 1 2)."
# The instructions page: named, read line by line, left by Escape. (Say All reads it too, but a
# key Orca takes for itself can cost Qt 6.4 the next key on a busy machine: its wait for
# Orca's answer gives up after 100 ms, and the late answer is taken for the next key's.)
key F1
says "'$(t Instructions "Instructions")"
key Down
says "'Ninebox"
key Down
says "$(grep -o -m1 'Ninebox [^.]* Sudoku [^.]*' "$(dirname "$ninebox")/readme${language:+.$language}.htm")"
key Escape
says "'$(cell 3g 1 2)."
# Explain a Step's line, and the last digit: solved, at the time shown.
key ctrl+h
says "'$(t Technique "Full house")"
key Left Left
says "'$(cell 0 9 9)."
key "${solution:80}"
says "'$(cell "${solution:80}" 9 9). $(t Accessible Solved). $(t Accessible "Time: %1" "")"
close_ninebox "$(window '^Ninebox1 --')"
echo "ok"
