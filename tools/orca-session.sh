#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with the Orca screen reader listening, as a blind player plays:
#   tools/orca-session.sh [--silent] LOG COMMAND [ARGS...]
# for example `tools/orca-session.sh orca.log build-test/src/ninebox` in a desktop session.
# COMMAND runs on a session bus of its own, with the accessibility bus started and enabled as
# a screen reader enables it, and Orca (its default settings, from a private home) speaking
# through speech-dispatcher and espeak-ng: to the sound card, or with --silent to libao's null
# driver, so that no sound device is needed. Each utterance is a line "SPEECH OUTPUT: '...'"
# of LOG, Orca's debug log, written line by line (Say All's lines are "SAY ALL: [...] '...'"
# instead); COMMAND finds LOG's path in ORCA_SPEECH_LOG. DISPLAY must name an X server with a
# window manager running: Orca follows window activation.
# Ends with COMMAND's status, or 77 when Orca or its speech server cannot start here. Every
# process started here ends with it and its folder is removed, on failure and on a signal too.
set -euo pipefail
silent=''
if [[ ${1:-} == --silent ]]; then silent=--silent; shift; fi
if (($# < 2)); then
  echo "usage: $0 [--silent] LOG COMMAND [ARGS...]" >&2
  exit 2
fi
log=$(realpath -m "$1")
shift

if [[ -z ${ORCA_SESSION_WORK:-} ]]; then
  for tool in orca speech-dispatcher dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "orca-session: $tool is missing" >&2; exit 77; }
  done
  [[ -n ${DISPLAY:-} ]] || { echo "orca-session: no DISPLAY" >&2; exit 77; }
  work=$(mktemp -d "${TMPDIR:-/tmp}/orca-session.XXXXXX")
  # Everything runs in a process group of its own, ended whole: the bus daemons, Orca, the
  # speech server and its synthesisers, and COMMAND.
  session=''
  finish() {
    set +e
    if [[ -n $session ]]; then
      kill -TERM -- "-$session" 2>/dev/null
      for _ in {1..50}; do kill -0 -- "-$session" 2>/dev/null || break; sleep 0.1; done
      kill -KILL -- "-$session" 2>/dev/null
      wait "$session" 2>/dev/null
    fi
    rm -rf "$work"
  }
  trap 'finish' EXIT
  trap 'exit 143' TERM
  trap 'exit 130' INT
  status=0
  # The bus daemons' messages go to a file of the session; COMMAND's to this standard error.
  ORCA_SESSION_WORK=$work NINEBOX_TEST_BUS=private setsid dbus-run-session -- \
    bash "$0" $silent "$log" "$@" 3>&2 2>"$work/bus.log" &
  session=$!
  wait "$session" || status=$?
  exit "$status"
fi

# On the private bus from here. Polls a condition every 100 ms for at most $1 seconds.
work=$ORCA_SESSION_WORK
unset ORCA_SESSION_WORK
exec 2>&3 3>&-
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do ((SECONDS < deadline)) || return 1; sleep 0.1; done
}
# The processes started below, each disowned once started: ended here, not reported.
pids=()
started() { pids+=("$!"); disown "$!"; }
gone() { ! kill -0 "$1" 2>/dev/null; }
stop() {  # the last started first: Orca before its speech server, both before the bus
  set +e
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill -TERM "${pids[i]}" 2>/dev/null || continue
    wait_for 5 gone "${pids[i]}" || kill -KILL "${pids[i]}" 2>/dev/null
  done
}
trap stop EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
started
# Enabled as a screen reader enables it, once the launcher above owns the bus's name (asked
# before, the session bus would start a launcher of its own).
enabled() {
  local p
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep 'boolean true' >/dev/null || return 1
  for p in IsEnabled ScreenReaderEnabled; do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
      string:org.a11y.Status string:$p variant:boolean:true >/dev/null 2>&1 || return 1
  done
}
wait_for 30 enabled || { echo "orca-session: the accessibility bus did not start" >&2; exit 77; }

# The speech server, started here so that it ends here: Orca's client would start one that
# outlives the session, so it is told it may not (SPEECHD_CMD). Its pid file is the session's:
# the one in the runtime folder would keep a second session from starting one.
mkdir -p -m700 "$work/home" "$work/config" "$work/data" "$work/runtime" "$work/speechd"
speechd_config=/etc/speech-dispatcher
if [[ -n $silent ]]; then
  speechd_config=$work/speechd/config
  mkdir "$speechd_config"
  ln -s /etc/speech-dispatcher/modules /etc/speech-dispatcher/clients "$speechd_config/"
  sed -E 's/^#? *AudioOutputMethod .*/AudioOutputMethod "libao"/' /etc/speech-dispatcher/speechd.conf \
    >"$speechd_config/speechd.conf"
  echo default_driver=null >"$work/home/.libao"
fi
export SPEECHD_ADDRESS=unix_socket:$work/speechd/socket SPEECHD_CMD=/bin/false
(if [[ -n $silent ]]; then export HOME=$work/home; fi
 exec speech-dispatcher --run-single --timeout 0 --communication-method unix_socket \
   --socket-path "$work/speechd/socket" --pid-file "$work/speechd/pid" --config-dir "$speechd_config" \
   --log-dir "$work/speechd" --log-level 1) >"$work/speechd/out" 2>&1 &
started
wait_for 30 test -S "$work/speechd/socket" ||
  { echo "orca-session: speech-dispatcher did not start: $(cat "$work/speechd/out")" >&2; exit 77; }

# Orca as installed, but with its debug log written line by line, and without its search for
# other copies of itself on the machine: this one has a bus of its own, and may run beside
# others.
sed -e "s/open(args.debug_file, 'w')/open(args.debug_file, 'w', buffering=1)/" \
  -e 's/^def otherOrcas():$/def otherOrcas():\n    return []\n\ndef allOrcas():/' "$(command -v orca)" >"$work/orca"
grep -q "buffering=1" "$work/orca" && grep -q "^def allOrcas" "$work/orca" ||
  { echo "orca-session: this Orca's launcher is not the one expected" >&2; exit 77; }
: >"$log"
(export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime \
   GSETTINGS_BACKEND=memory
 exec /usr/bin/python3 "$work/orca" --debug-file="$log") >"$work/orca.out" 2>&1 &
started
# Orca says that it is on once it listens.
wait_for 60 grep -q "SPEECH OUTPUT" "$log" ||
  { echo "orca-session: Orca did not start: $(tail -n5 "$work/orca.out")" >&2; exit 77; }

status=0
ORCA_SPEECH_LOG=$log "$@" || status=$?
exit "$status"
