#!/usr/bin/env bash
# Installs a built tree into a staging prefix and checks it as a packager would: every file
# in place, the desktop entry and the AppStream metainfo valid, and the installed program
# starting under Xvfb and finding its instructions page in its data folder.
#   tools/install-check.sh BUILD_DIR      (BUILD_DIR holds src/ninebox and tests/wmclose)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build-test}")
work=$(mktemp -d)
xvfb_pid='' app_pid=''
cleanup() {
  [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [[ -f $work/app.log ]] && sed 's/^/  ninebox: /' "$work/app.log" >&2; exit 1; }
wait_for() {
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do ((SECONDS < deadline)) || return 1; sleep 0.02; done
}

stage=$work/stage
cmake --install "$build" --prefix "$stage" >/dev/null
id=org.ninebox.Ninebox
for f in bin/ninebox share/ninebox/readme.htm share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
         share/icons/hicolor/256x256/apps/$id.png; do
  [[ -f $stage/$f ]] || fail "not installed: $f"
done
desktop-file-validate "$stage/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$stage/share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo"
echo "staging install: every file in place, both validators pass"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
wait_for 20 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
mkdir -m700 "$work/home" "$work/runtime"
# Started as the desktop entry says, from a folder of its own, so the page can only come
# from the installed data folder.
exec_line=$(sed -n 's/^Exec=//p' "$stage/share/applications/$id.desktop")
(cd "$work/home" && unset QT_QPA_PLATFORM &&
  HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" PATH="$stage/bin:$PATH" exec $exec_line) \
  >"$work/app.log" 2>&1 &
app_pid=$!
window() { xdotool search --onlyvisible --name '^Ninebox1 --Game# [0-9]+$' 2>/dev/null | head -n1; }
started() { kill -0 "$app_pid" 2>/dev/null || fail "ninebox ended early"; [[ -n $(window) ]]; }
wait_for 20 started || fail "the installed program showed no game"
win=$(window)

shot() { timeout 20 import -window root -depth 8 "rgb:$work/shot.rgb"; }
pixel() { od -An -tu1 -j $((($2 * 1024 + $1) * 3)) -N3 "$work/shot.rgb" | xargs; }
# The menu bar from the corner click; then Options > Instructions from the keyboard.
shot && top_left=$(pixel 3 3)
xdotool mousemove --sync 770 490 click 1
menubar() { shot && [[ $(pixel 3 3) != "$top_left" ]]; }
wait_for 20 menubar || fail "the corner click showed no menu bar"
xdotool mousemove --sync 30 10 click 1
xdotool key Right Right Down Down Down Down Down Return
# The page's banner is purple; the page shown when none is found has none.
banner() { shot && read -r r g b <<<"$(pixel 60 60)" && ((r > 50 && r < 100 && g < 70 && b > 110)); }
wait_for 20 banner || fail "no instructions page over the board: $(pixel 60 60)"
echo "installed program: started from its desktop entry, found its instructions page"

"$build/tests/wmclose" "$win" 2>/dev/null || true  # the first close hides the page
"$build/tests/wmclose" "$win"
ended() { ! kill -0 "$app_pid" 2>/dev/null; }
wait_for 20 ended || fail "the program did not end on close"
wait "$app_pid" || fail "the program ended with status $?"
app_pid=''
echo "installed program: closed with status 0"
