#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a built tree into a staging prefix and checks it as a packager would: every file
# in place, the desktop entry, the AppStream metainfo and the game file's MIME type valid, the
# manual page free of groff warnings, and the installed program, started by its desktop entry's command,
# showing a game and finding its instructions page in its data folder, the French one under a
# French locale.
#   tools/install-check.sh BUILD_DIR      (any build with ninebox and ninebox_docs built: the
#                                          README's install build, or build-test)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
build=$(realpath "${1:-build-test}")
source tools/xvfb.sh
# A build without the tests (the README's install build) lacks the helper that closes the
# window as a window manager does: it is one small file, built here then.
wmclose=$build/tests/wmclose
if [[ ! -x $wmclose ]]; then
  wmclose=$work/wmclose
  c++ -O2 -Wall -o "$wmclose" tools/wmclose.cpp -lX11 || fail "could not build wmclose"
fi

stage=$work/stage
cmake --install "$build" --prefix "$stage" >/dev/null
id=org.ninebox.Ninebox
# The program goes to games when the build was configured for the prefix /usr (Debian's
# layout), to bin otherwise.
programs=$(cd "$stage" && ls bin/ninebox games/ninebox 2>/dev/null || true)
[[ $programs == bin/ninebox || $programs == games/ninebox ]] || fail "programs installed: '$programs'"
for f in share/ninebox/readme.htm share/ninebox/readme.{de,fr,es,it,pt_BR,ru,ja,zh_CN}.htm share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
         share/icons/hicolor/scalable/apps/$id.svg \
         share/icons/hicolor/256x256/apps/$id.png share/man/man6/ninebox.6.gz \
         share/doc/ninebox/copyright share/doc/ninebox/changelog.gz; do
  [[ -f $stage/$f ]] || fail "not installed: $f"
done
desktop-file-validate "$stage/share/applications/$id.desktop" || fail "desktop entry"
# Offline, as CI has no network. The metainfo names no address (the project has no site of
# its own yet), so the validator has nothing to fetch with the network either.
appstreamcli validate --pedantic --no-net "$stage/share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo"
# The MIME type as the system's database takes it in, in a copy: *.sud files are plain text
# of that type, and the desktop entry opens it.
command -v update-mime-database >/dev/null ||
  { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq shared-mime-info; }
mime=application/x-ninebox-sudoku
cp -r "$stage/share/mime" "$work/mime"
update-mime-database "$work/mime" >/dev/null 2>&1 || fail "update-mime-database refused $id.xml"
grep -qx "50:$mime:\*.sud" "$work/mime/globs2" && grep -qx "$mime text/plain" "$work/mime/subclasses" &&
  grep -qx "MimeType=$mime;" "$stage/share/applications/$id.desktop" || fail "MIME type $mime"
command -v groff >/dev/null ||
  { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq groff-base; }
warnings=$(zcat "$stage/share/man/man6/ninebox.6.gz" | groff -man -ww -z 2>&1)
[[ -z $warnings ]] || fail "manual page: $warnings"
echo "staging install: every file in place ($programs), the validators pass, the MIME type and the manual page too"

# Found as a session finds it, whose PATH (Debian's default) holds bin, then games; started
# without a file, as from the menu, where the file's field code stands for nothing.
exec_line=$(sed -n 's/^Exec=//p' "$stage/share/applications/$id.desktop")
[[ $exec_line == "ninebox %f" ]] || fail "the desktop entry's command: '$exec_line'"
ninebox=$(PATH="$stage/bin:$stage/games" command -v "${exec_line%% *}") || fail "'${exec_line%% *}' is not in $stage/bin or games"
start_xvfb
start_ninebox  # from a folder of its own, so the page can only come from the data folder
game() { running && [[ -n $(window '^Ninebox1 --Game# [0-9]+$') ]]; }
wait_for 20 game || fail "the installed program showed no game"
win=$(window '^Ninebox1 --Game# [0-9]+$')

open_instructions
echo "installed program: started by '$exec_line', found its instructions page"

timeout 10 "$wmclose" "$win"  # the first close request only hides the page
close_ninebox "$win"
echo "installed program: closed with status 0, nothing left behind"

# As a French desktop starts it: the instructions page is the French one, as the text the
# page copies (Ctrl+A, Ctrl+C) says.
# A French desktop has its locale generated (Qt reads LANG without it; the shell would warn).
locale -a 2>/dev/null | grep -x fr_FR.utf8 >/dev/null || localedef -i fr_FR -c -f UTF-8 fr_FR.UTF-8 2>/dev/null || true
home_name=fr LC_ALL='' LANG=fr_FR.UTF-8 start_ninebox
wait_for 20 game || fail "the installed program showed no game under LANG=fr_FR.UTF-8"
win=$(window '^Ninebox1 --Game# [0-9]+$')
open_instructions
xdotool key ctrl+a ctrl+c
french() { timeout 5 xclip -o -selection clipboard 2>/dev/null | grep '^Jouer au clavier$' >/dev/null; }
wait_for 10 french || fail "not the French page: $(timeout 5 xclip -o -selection clipboard 2>&1 | head -c 300)"
echo "installed program under LANG=fr_FR.UTF-8: the French instructions page"
timeout 10 "$wmclose" "$win"
close_ninebox "$win"
