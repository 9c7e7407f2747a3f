#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program as a screen reader finds it: on a private session bus with the
# accessibility bus started and enabled as a screen reader enables it, read through pyatspi.
#   a11y_test.sh PATH/TO/ninebox PATH/TO/wmclose
set -euo pipefail
launcher=/usr/libexec/at-spi-bus-launcher
if [[ ! -x $launcher ]] || ! command -v dbus-run-session >/dev/null || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: no accessibility bus here (at-spi2-core, dbus and python3-pyatspi are needed)"
    exit 77
fi
# On a session bus of its own, made before anything that the bus would outlive.
if [[ ${NINEBOX_TEST_BUS:-} != private ]]; then
    exec env NINEBOX_TEST_BUS=private dbus-run-session -- bash "$0" "$@"
fi
ninebox=$(realpath "$1") wmclose=$(realpath "$2")
source "$(dirname "$0")/../../tools/xvfb.sh"
"$launcher" --launch-immediately >/dev/null 2>&1 &
helpers+=("$!")
bus_up() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null 2>&1
}
wait_for 20 bus_up || { echo "SKIP: the accessibility bus did not start"; exit 77; }
start_xvfb
# The reader listens before the program starts, as a screen reader that runs already does.
/usr/bin/python3 "$(dirname "$0")/a11y_test.py" "$work/listening" &
reader=$!
helpers+=("$reader")
wait_for 20 test -e "$work/listening" || fail "the reader did not start"
start_ninebox
wait "$reader" || fail "the board as a screen reader reads it"
close_ninebox "$(window '^Ninebox1 --')"
echo "ok"
