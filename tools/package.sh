#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get as a user would, and starts the
# installed program the way its menu entry does, under Xvfb.
#   tools/package.sh [--keep]     (--keep leaves the package installed)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
dpkg-query -W -f='${Status}' dpkg-dev 2>/dev/null | grep -q 'install ok installed' ||
  apt-get install -y -qq --no-install-recommends dpkg-dev  # dpkg-shlibdeps
build=build-package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DBUILD_TESTING=OFF -DNINEBOX_BENCH=OFF
cmake --build "$build" --target ninebox
(cd "$build" && rm -f ninebox_*.deb && cpack -G DEB)
deb=$(ls "$build"/ninebox_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Depends

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "./$deb"

ninebox=$(command -v ninebox) wmclose=''
source tests/support/xvfb.sh
start_xvfb
start_ninebox
game() { running && [[ -n $(window '^Ninebox1 --Game# [0-9]+$') ]]; }
wait_for 20 game || fail "the installed program showed no game"
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/org.ninebox.Ninebox.desktop)
[[ $(command -v "$exec_line") == "$ninebox" ]] || fail "the menu entry runs '$exec_line'"
echo "installed from the package; its menu command '$exec_line' shows: $(xdotool getwindowname "$(window '^Ninebox1')")"
if [[ ${1:-} != --keep ]]; then apt-get remove -y -qq ninebox >/dev/null; fi
