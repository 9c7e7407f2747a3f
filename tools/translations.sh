#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogues in translations/, one ninebox_<language>.ts per language, kept in step with
# the texts the sources mark for translation (lupdate reads src/).
#   tools/translations.sh update [LANGUAGE...]   brings every catalogue up to date with the
#                                               sources, and starts one for each LANGUAGE
#                                               named (nl, pt_PT, ...)
#   tools/translations.sh check                  fails on a text of the sources missing from a
#                                               catalogue, an obsolete or an unfinished entry,
#                                               a window text that bypasses the translator, or
#                                               a language the desktop entry or the metainfo
#                                               lacks
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
# No line numbers: a catalogue changes only when a text or its translator comment does.
update() { "$lupdate" -silent -locations none -no-obsolete "$@" src -ts "${catalogues[@]}"; }
shopt -s nullglob

case ${1:-} in
update)
  shift
  catalogues=(translations/ninebox_*.ts)
  ((${#catalogues[@]} == 0)) || update
  for language in "$@"; do catalogues=("translations/ninebox_$language.ts") && update -target-language "$language"; done
  ;;
check)
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  cp translations/ninebox_*.ts "$work"
  catalogues=("$work"/*.ts)
  update
  status=0
  for ts in translations/ninebox_*.ts; do
    cmp -s "$ts" "$work/${ts##*/}" ||
      { echo "$ts is behind the sources (tools/translations.sh update):"; diff "$ts" "$work/${ts##*/}" || true; status=1; }
    undone=$(grep -cE 'type="(unfinished|obsolete|vanished)"' "$ts" || true)
    ((undone == 0)) || { echo "$ts: $undone entries unfinished or obsolete"; status=1; }
  done
  # Each language speaks in the menus of the desktop and in a software centre too.
  desktop=resources/desktop/org.ninebox.Ninebox
  for ts in translations/ninebox_*.ts; do
    language=${ts#translations/ninebox_} language=${language%.ts}
    for key in Name GenericName Comment Keywords; do
      grep -q "^$key\[$language\]=" "$desktop.desktop" || { echo "$desktop.desktop: no $key[$language]"; status=1; }
    done
    for element in summary p li; do
      grep -q "<$element xml:lang=\"$language\">" "$desktop.metainfo.xml" ||
        { echo "$desktop.metainfo.xml: no <$element xml:lang=\"$language\">"; status=1; }
    done
  done
  # A literal handed straight to a widget never reaches a catalogue.
  if grep -nE '(setText|setWindowTitle|setToolTip|setAccessibleName|setHtml|addMenu|addAction|QLabel|QPushButton|QCheckBox|WrapButton|QMessageBox::[a-z]+)\(QStringLiteral\("[^"]*[A-Za-z]{2}' src/window/*.cpp; then
    echo "the texts above bypass the translator"; status=1
  fi
  ((status == 0)) && echo "catalogues: $(ls translations/ninebox_*.ts | wc -l) languages, every text of the sources translated"
  exit $status
  ;;
*)
  sed -n '3,13p' "$0" >&2
  exit 2
  ;;
esac
