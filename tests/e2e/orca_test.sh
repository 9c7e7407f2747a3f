#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program as a blind player hears it: Orca, Debian's screen reader, listening through
# tools/orca-session.sh on a virtual X display with a window manager; keys from xdotool, and
# after each step a wait for what Orca says, read from its transcript. Skipped (77) where Orca
# cannot start.
#   orca_test.sh PATH/TO/ninebox PATH/TO/wmclose
set -euo pipefail
here=$(dirname "$0")
ninebox=$(realpath "$1") wmclose=$(realpath "$2")
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
# Waits at most $2 seconds (20 by default) for Orca to begin an utterance with $1, after
# what the last wait heard.
says() {
    local found
    heard_it() {
        found=$(tail -n "+$((heard + 1))" "$ORCA_SPEECH_LOG" | grep -a -n -m1 -F -- "SPEECH OUTPUT: '$1") &&
            heard=$((heard + ${found%%:*}))
    }
    wait_for "${2:-20}" heard_it "$1" || fail "Orca did not say '$1'; after the last step it said:
$(tail -n "+$((heard + 1))" "$ORCA_SPEECH_LOG" | grep -a -o "SPEECH OUTPUT: .*" | sed 's/^/  /')"
}

# A game with known givens, and the third cell of the first row open.
solution=735482169418965723629713458981376245354129687276854931862597314147238596593641872
echo "${solution:0:2}0${solution:3}" >"$work/game.sud"
sed 's/./&,/g' <<<"$solution" >"$work/game.ans"
start_ninebox "$work/game.sud"
says "Ninebox1 --" 60  # the window, as it is activated
# Into the table: Orca reads the row, the cell moved to among the others.
xdotool key Right
says "3, given, row 1, column 2"
says "9, given, row 1, column 9"
xdotool key Right
says "empty, row 1, column 3"
# A digit typed is heard by moving away and back.
xdotool key 5
says "5 "
xdotool key Left
says "3, given, row 1, column 2"
xdotool key Right
says "5, row 1, column 3"
close_ninebox "$(window '^Ninebox1 --')"
echo "ok"
