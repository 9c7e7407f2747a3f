# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a virtual X display, for tests and tools. Source it under
# `set -euo pipefail` with $ninebox and $wmclose set (full paths). $work is a private folder,
# removed on exit with every process started here: the program with all it forked, Xvfb,
# and the processes whose ids the caller adds to $helpers.
work=$(mktemp -d) xvfb_pid='' app_pid='' helpers=()
# The program speaks the locale's language: the checks read its English, whatever the machine's.
export LC_ALL=C.UTF-8 LANGUAGE=''
# The session bus: the private one of a test that started its own (NINEBOX_TEST_BUS=private),
# else none. Without an address libdbus forks a bus of its own from Qt's accessibility thread,
# and under the sanitizers that child can hang on the allocator's lock with the program
# waiting for it; an address where no bus listens fails at once.
[[ ${NINEBOX_TEST_BUS:-} == private ]] || export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus

# Ends a process: SIGTERM, then SIGKILL after $2 seconds (default 10). A negative id names a
# process group.
end_process() {
    kill -TERM -- "$1" 2>/dev/null || return 0
    local deadline=$((SECONDS + ${2:-10}))
    while kill -0 -- "$1" 2>/dev/null && ((SECONDS < deadline)); do sleep 0.05; done
    kill -KILL -- "$1" 2>/dev/null || true
}
# The program, with its process group where it leads one (as start_ninebox starts it): a child
# it forked goes with it.
end_program() {
    [[ -n $app_pid ]] || return 0
    local target=-$app_pid
    kill -0 -- "$target" 2>/dev/null || target=$app_pid
    end_process "$target" 10
    wait "$app_pid" 2>/dev/null || true
    app_pid=''
}
cleanup() {
    set +e
    end_program
    for pid in "${helpers[@]}"; do end_process "$pid" 5; wait "$pid" 2>/dev/null; done
    # Xvfb gone before the next test starts one, which may take the same display number.
    [[ -n $xvfb_pid ]] && end_process "$xvfb_pid" 5 && wait "$xvfb_pid" 2>/dev/null
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
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do ((SECONDS < deadline)) || return 1; sleep 0.02; done
}

# Xvfb picks a free display number and writes it once it accepts connections. -noreset: by
# default the server resets whenever its last client leaves (each xdotool poll), and drops a
# program connecting meanwhile, as a slow start under valgrind does.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_for 20 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$(head -n1 "$work/display")"
}

# Where a stray file could land: the program's folder, and files in /tmp named as a font
# or the program would be (other tests' folders there come and go meanwhile).
listing() { (ls -A "$(dirname "$ninebox")"; find /tmp -maxdepth 1 -type f -printf '%f\n' | grep -Ei '\.ttf$|^temp|ninebox' || true) | sort; }

# With a home (its settings and its kept game in there), TMPDIR and runtime folder of its own,
# and Qt's own dialogs; the arguments go to the program. Started again, it finds the same
# home, and resumes the game left there. $file_limit:
# the largest file it may write, in KiB (ulimit -f).
start_ninebox() {
    local home=$work/${home_name:-home}
    mkdir -p -m700 "$work/tmp" "$work/runtime" "$home"
    listed_before=$(listing)
    (cd "$home" && unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME && ulimit -f "${file_limit:-unlimited}" &&
        TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime" HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_STATE_HOME="$home/.local/state" \
        exec setsid "$ninebox" "$@") >"$work/app.log" 2>&1 &
    app_pid=$!
}

running() { kill -0 "$app_pid" 2>/dev/null || fail "ninebox ended unexpectedly"; }
ended() { ! kill -0 "$app_pid" 2>/dev/null; }
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true; }
# The screen as raw RGB; a pixel of it as "r g b".
shot() { timeout 20 import -window root -depth 8 "rgb:$work/shot.rgb"; }
pixel() { od -An -tu1 -j $((($2 * 1024 + $1) * 3)) -N3 "$work/shot.rgb" | xargs; }
# Board units to screen pixels, the drawing area being the window's at start, 774 x 494.
px() { echo $(((($1 + 70) * 774 + 145) / 290)); }
py() { echo $((($1 * 494 + 110) / 220)); }

# The program's visible windows, one id a line: the board and any menu or dialog showing.
shown_windows() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | sort || true; }
# Keys for an open menu, $key_delay ms apart (xdotool's 12 by default): a program as slow as
# under valgrind loses keys that come faster. After Left or Right the next key waits for the
# other menu to show: sent before, it can still reach the menu left, whose window has the
# keyboard until the program catches up, and be lost with it.
menu_keys() {
    local key before
    other_menu() { local now; now=$(shown_windows); [[ $now != "$before" && $(wc -l <<<"$now") == 2 ]]; }
    for key in "$@"; do
        before=$(shown_windows)
        xdotool key --delay "${key_delay:-12}" "$key"
        if [[ $key == Left || $key == Right ]]; then wait_for 60 other_menu || fail "$key opened no other menu"; fi
    done
}

# Shows the menu bar by the corner click, then opens Options > Instructions from the keyboard.
# The page opens with a purple banner; the page shown when none is found has none.
open_instructions() {
    shot && top_left=$(pixel 3 3)
    xdotool mousemove --sync 770 490 click 1
    menubar() { shot && [[ $(pixel 3 3) != "$top_left" ]]; }
    wait_for 20 menubar || fail "the corner click showed no menu bar"
    xdotool mousemove --sync 30 10 click 1
    popup() { (($(shown_windows | wc -l) > 1)); }
    wait_for 60 popup || fail "the click on the menu bar opened no menu"
    menu_keys Right Right Down Down Down Down Down Return
    banner() { shot && read -r r g b <<<"$(pixel 60 60)" && ((r > 50 && r < 100 && g < 70 && b > 110)); }
    wait_for 60 banner || fail "no instructions page over the board: $(pixel 60 60)"
}

# Closes the window as a window manager does: the program must end with status 0 and leave
# no file behind.
close_ninebox() {
    timeout 10 "$wmclose" "$1" || fail "could not send the close request"
    wait_for 20 ended || fail "still running after the close request"
    local status=0 added
    wait "$app_pid" || status=$?
    app_pid=''
    ((status == 0)) || fail "exit status $status"
    added=$(comm -13 <(echo "$listed_before") <(listing))
    [[ -z $added ]] || fail "files left behind: $added"
    [[ -z $(ls -A "$work/tmp") ]] || fail "files left in TMPDIR: $(ls -A "$work/tmp")"
}
