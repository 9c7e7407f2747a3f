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

work=$(mktemp -d)
xvfb_pid='' app_pid=''
cleanup() {
  [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1000); do [[ -s $work/display ]] && break; sleep 0.02; done
export DISPLAY=":$(head -n1 "$work/display")"
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/org.ninebox.Ninebox.desktop)
mkdir -m700 "$work/home"
(cd "$work/home" && HOME="$work/home" XDG_RUNTIME_DIR="$work/home" exec $exec_line) &
app_pid=$!
for _ in $(seq 1000); do
  title=$(xdotool search --onlyvisible --name '^Ninebox1 --Game# ' getwindowname 2>/dev/null || true)
  [[ -n $title ]] && break
  sleep 0.02
done
[[ -n $title ]] || { echo "FAIL: the installed program showed no window" >&2; exit 1; }
echo "installed from the package and started by '$exec_line': $title"
if [[ ${1:-} != --keep ]]; then apt-get remove -y -qq ninebox >/dev/null; fi
