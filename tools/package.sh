#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with Debian's hardening flags, checks its manual page and the
# package with lintian (an error or a warning fails), installs it with apt-get as a user
# would, and starts the installed program the way its menu entry does, under Xvfb.
#   [NINEBOX_MAINTAINER='Name <address>'] tools/package.sh [--keep]
#                                           (--keep leaves the package installed)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
need=()
for p in dpkg-dev lintian man-db; do  # dpkg-shlibdeps and dpkg-buildflags; lintian; man
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if ((${#need[@]})); then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

build=build-package
maintainer=()
[[ -n ${NINEBOX_MAINTAINER:-} ]] && maintainer=(-DNINEBOX_MAINTAINER="$NINEBOX_MAINTAINER")
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DBUILD_TESTING=OFF -DNINEBOX_BENCH=OFF "${maintainer[@]}" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$build" --target ninebox ninebox_docs

# The manual page as man shows it: groff's warnings (-ww) and lexgrog's NAME parse.
page=$build/doc/ninebox.6.gz
warnings=$(MANWIDTH=80 man --warnings=w -l "$page" 2>&1 >/dev/null)
[[ -z $warnings ]] || { echo "$warnings" >&2; echo "FAIL: the manual page has warnings" >&2; exit 1; }
lexgrog "$page" >/dev/null || { echo "FAIL: lexgrog cannot read the manual page" >&2; exit 1; }
echo "manual page: $(lexgrog "$page" | sed 's/^[^:]*: *//'), no groff warnings"

(cd "$build" && rm -f ninebox_*.deb && cpack -G DEB)
deb=$(ls "$build"/ninebox_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Maintainer Depends

# Lintian, pedantic: an error or a warning fails. The notes it may still give, and why
# each stays:
declare -A why=(
  [package-contains-documentation-outside-usr-share-doc]="readme.htm and its translations are the pages the program itself opens and shows"
)
lintian --fail-on error,warning --display-info --pedantic "$deb" | tee "$build/lintian.log"
echo "lintian: no errors, no warnings"
for tag in $(sed -n 's/^[IP]: [^ ]* \([^ ]*\).*/\1/p' "$build/lintian.log" | sort -u); do
  echo "  note $tag stays: ${why[$tag]:-NOT EXPLAINED YET}"
done

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq --no-install-recommends "./$deb"

# The menu command as a user's session finds it: with Debian's default PATH for users,
# which holds /usr/games (root's does not); started without a file, as from the menu, the
# file's field code stands for nothing.
user_path=$(sed -n 's/^ENV_PATH[[:space:]]*PATH=//p' /etc/login.defs 2>/dev/null)
user_path=${user_path:-/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games}
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/org.ninebox.Ninebox.desktop)
ninebox=$(PATH=$user_path command -v "${exec_line%% *}") || {
  echo "FAIL: the menu command '$exec_line' is not on the PATH $user_path" >&2; exit 1; }
[[ $ninebox == /usr/games/ninebox ]] || { echo "FAIL: the menu command runs $ninebox" >&2; exit 1; }
wmclose=''
source tools/xvfb.sh
start_xvfb
start_ninebox
game() { running && [[ -n $(window '^Ninebox1 --Game# [0-9]+$') ]]; }
wait_for 20 game || fail "the installed program showed no game"
echo "installed from the package; its menu command '$exec_line' ($ninebox) shows: $(xdotool getwindowname "$(window '^Ninebox1')")"
if [[ ${1:-} != --keep ]]; then apt-get remove -y -qq ninebox >/dev/null; fi
