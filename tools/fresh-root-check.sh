#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the package into a fresh Debian 12 root, as a user on a system without Qt would
# (apt-get, no recommended packages), and starts it there from its menu command, as a plain
# user, on an Xvfb display of this machine: the root holds nothing but Debian's base system,
# the package and what the package itself asks for. Takes minutes (debootstrap); a manual
# check, not part of CI.
#   tools/fresh-root-check.sh [DEB]     (DEB: build-package/ninebox_*.deb of tools/package.sh)
# NINEBOX_BASE_ROOT=DIR copies DIR, a root that debootstrap made and nothing changed since,
# instead of making one.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(realpath "${1:-$(ls build-package/ninebox_*.deb)}")
for p in debootstrap xvfb xauth xdotool imagemagick; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$p"
done

ninebox=/nonexistent wmclose=''
source tools/xvfb.sh
root=$work/root
unmount() {
  for m in "$root/tmp/.X11-unix" "$root/proc"; do
    if mountpoint -q "$m"; then umount "$m"; fi
  done
}
# The program ends first; nothing of this machine may be mounted in the root when it is
# removed.
finish() {
  set +e  # every step runs, whatever the one before it returned
  end_program
  unmount
  if findmnt -rno TARGET | grep "^$root/" >/dev/null; then
    echo "still mounted in $root: left in place" >&2
    exit 1
  fi
  cleanup
}
trap finish EXIT
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }

if [[ -n ${NINEBOX_BASE_ROOT:-} ]]; then
  cp -a "$NINEBOX_BASE_ROOT" "$root"
else
  debootstrap --variant=minbase bookworm "$root" >"$work/debootstrap.log" ||
    fail "debootstrap: $(tail -n3 "$work/debootstrap.log")"
fi
mount -t proc proc "$root/proc"  # the program finds its data folder from /proc/self/exe
# Qt's packages installed in the root (dpkg also lists those it merely knows of).
qt() { in_root dpkg-query -W -f='${db:Status-Abbrev}${Package}\n' 'libqt6*' 'qt6*' 2>/dev/null |
  sed -n 's/^ii *//p' | xargs; }
[[ -z $(qt) ]] || fail "the fresh root already has Qt: $(qt)"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
in_root apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")" >"$work/install.log" 2>&1 ||
  fail "apt-get install: $(tail -n5 "$work/install.log")"
echo "fresh root: installed with $(in_root dpkg-query -W -f='${binary:Package}\n' | wc -l) packages," \
  "Qt's: $(qt)"
missing=$(in_root ldd /usr/games/ninebox | grep 'not found' || true)
[[ -z $missing ]] || fail "libraries not found: $missing"
in_root sh -c 'ls /usr/lib/*/qt6/plugins/platforms/libqxcb.so' >/dev/null || fail "no X11 platform plugin"

# The menu command with the PATH that Debian gives its users, run as one.
user_path=$(sed -n 's/^ENV_PATH[[:space:]]*PATH=//p' "$root/etc/login.defs")
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/org.ninebox.Ninebox.desktop")
command=${exec_line%% *}  # started from the menu, with no file to open
program=$(in_root env PATH="$user_path" sh -c "command -v '$command'") ||
  fail "the menu command '$command' is not on the PATH $user_path"
in_root useradd -m player
start_xvfb
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
setsid chroot --userspec=player:player "$root" env -i HOME=/home/player PATH="$user_path" \
  DISPLAY="$DISPLAY" DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" sh -c "cd && exec $command" \
  >"$work/app.log" 2>&1 &
app_pid=$!
game() { running && [[ -n $(window '^Ninebox1 --Game# [0-9]+$') ]]; }
wait_for 30 game || fail "the program showed no game"
win=$(window '^Ninebox1')
sleep 1  # the first frame painted
mkdir -p build-package
import -window "$win" build-package/fresh-root.png
echo "fresh root: '$exec_line' ($program), run by a plain user, shows" \
  "$(xdotool getwindowname "$win"); its window: build-package/fresh-root.png"

# The instructions page from the package's data folder.
open_instructions
echo "fresh root: the program found its instructions page"
