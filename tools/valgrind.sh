#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs Valgrind's memcheck on the logic test programs (those of tests/CMakeLists.txt that
# link no Qt) and on the real program through a short session under Xvfb: the first game,
# entries by mouse and keyboard, undo and redo, copy and paste, map mode, the instructions
# page and Cheat from the menus, then the close. An error, or a block definitely lost, fails
# the run when it arises in this project's code: the innermost frame outside the C and C++
# runtimes (and library headers inlined into ours) is in one of our sources. What Qt,
# fontconfig, X and the other libraries report of their own code is left aside; the full
# reports stay in build-test/valgrind/*.xml.
#   tools/valgrind.sh                     (builds in build-test, as tools/test.sh does)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
need=()
for p in valgrind python3; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if ((${#need[@]})); then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

tests=(puzzles_test input_test play_test soak_test files_test filesystem_test load_fuzz_replay)
build=$PWD/build-test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target ninebox wmclose "${tests[@]}"
reports=$build/valgrind
rm -rf "$reports"
mkdir -p "$reports"
memcheck=(valgrind --vgdb=no --child-silent-after-fork=yes --leak-check=full --show-leak-kinds=definite
          --errors-for-leak-kinds=definite --num-callers=50 --xml=yes)

# Prints the errors of ours in a report and fails when there is one (or the report is not whole).
ours() {
  python3 - "$1" "$PWD/" <<'EOF'
import sys
import xml.etree.ElementTree as ET

report, project = sys.argv[1], sys.argv[2]
runtimes = ("/vgpreload_", "/libc.so", "/libstdc++.so", "/libgcc_s.so", "/libm.so", "/ld-linux")

def frame_text(f):
    where = f.findtext("file")
    where = f"{f.findtext('dir')}/{where}:{f.findtext('line')}" if where else f.findtext("obj", "?")
    return f"{f.findtext('fn', '???')} ({where})"

def in_our_code(stack):
    for f in stack.iter("frame"):
        if any(r in f.findtext("obj", "") for r in runtimes) or f.findtext("dir", "").startswith("/usr/include"):
            continue
        return f.findtext("dir", "").startswith(project)
    return False

try:
    errors = ET.parse(report).getroot().findall("error")
except (ET.ParseError, OSError) as e:
    sys.exit(f"  no whole report in {report}: {e}")
mine = [e for e in errors if in_our_code(e.find("stack"))]
for e in mine:
    print(f"  {e.findtext('kind')}: {e.findtext('what') or e.findtext('xwhat/text')}")
    for f in list(e.find("stack").iter("frame"))[:12]:
        print(f"    {frame_text(f)}")
print(f"  {len(mine)} in our code, {len(errors) - len(mine)} in other libraries' code left aside")
sys.exit(1 if mine else 0)
EOF
}

failed=()
for t in "${tests[@]}"; do
  echo "=== $t"
  (cd "$build/tests" && "${memcheck[@]}" --xml-file="$reports/$t.xml" "./$t" --gtest_brief=1) ||
    { failed+=("$t"); continue; }
  ours "$reports/$t.xml" || failed+=("$t")
done

# The session. The program runs under valgrind from a folder of its own, as xvfb.sh's helpers
# start it; every wait is long, as everything is some twenty times slower.
echo "=== ninebox, a short session under Xvfb"
wmclose=$build/tests/wmclose
source tools/xvfb.sh
mkdir "$work/bin"
printf '#!/bin/sh\nexec %s --xml-file=%s %s "$@"\n' "${memcheck[*]}" "$reports/ninebox.xml" \
  "$build/src/ninebox" >"$work/bin/ninebox"
chmod +x "$work/bin/ninebox"
ninebox=$work/bin/ninebox
start_xvfb
key_delay=700  # keys in the menus, slow enough for the program under valgrind
start_ninebox
game() { running && [[ -n $(window '^Ninebox1 --Game# [0-9]+$') ]]; }
wait_for 180 game || fail "no game shown"
win=$(window '^Ninebox1 --Game# [0-9]+$')
frame() { shot && [[ $(pixel "$(px 15)" "$(py 110)") == "255 255 0" ]]; }
wait_for 60 frame || fail "no board drawn"
click() { xdotool mousemove "$(px "$1")" "$(py "$2")" click "${3:-1}"; }
for c in {1..9}; do
  click $((20 * c + 10)) 30  # a cell of the first row, then keypad 5
  click -32 172
done
xdotool key 3 Right 4 Down 7 Delete Return a BackSpace
xdotool key ctrl+z ctrl+shift+z ctrl+z ctrl+y ctrl+c ctrl+v
pasted() { running && [[ $(xdotool getwindowname "$win") == "Ninebox1 --Pasted" ]]; }
wait_for 60 pasted || fail "Ctrl+C then Ctrl+V did not start the copied puzzle"
click -45 62      # Map Mode
click -32 172     # keypad 5: the shading
click 50 50 3     # a right click: the answer
click -45 77      # Score On/Off
click -45 92      # Time On/Off
open_instructions
timeout 10 "$wmclose" "$win"  # the first close request hides the page
others() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | grep -vx "$win" || true; }
menu_open() { running && [[ -n $(others) ]]; }
xdotool mousemove 30 9 click 1
wait_for 60 menu_open || fail "no menu opened"
menu_keys Right Down Down Down Down Down Return  # Game > Cheat
menu_closed() { running && [[ -z $(others) ]]; }
wait_for 60 menu_closed || fail "the menu stayed open"
timeout 10 "$wmclose" "$win"
wait_for 180 ended || fail "still running after the close request"
status=0
wait "$app_pid" || status=$?
app_pid=''
((status == 0)) || fail "exit status $status"
ours "$reports/ninebox.xml" || failed+=(ninebox)

if ((${#failed[@]})); then
  echo "valgrind: errors in our code, or failed tests: ${failed[*]}" >&2
  exit 1
fi
echo "valgrind: ${#tests[@]} logic test programs and a session of the program, no error in our code"
