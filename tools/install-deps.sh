#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, with apt-get, whatever the build and the tests need that this machine lacks.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config clang-format
  qt6-base-dev            # Widgets, PrintSupport, Test, moc and rcc
  qt6-tools-dev qt6-l10n-tools  # CMake's Qt6LinguistTools, lupdate and lrelease: the catalogues
  qt6-translations-l10n   # Qt's own catalogues (its buttons and dialogs) in the players' languages
  fonts-droid-fallback    # a CJK face, as Japanese and Chinese desktops have, for the fit test
  libfontconfig-dev       # read the font configuration early, beside Qt's start-up
  libgtest-dev libgmock-dev libbenchmark-dev
  qqwing                  # the benchmarks' yardstick for the solver (tools/bench.sh)
  xvfb xauth xdotool      # the real program under a virtual X display
  xclip                   # what the program put on the clipboard there
  locales                 # a French locale for the installed program's check
  imagemagick             # import: screenshots of that display
  libx11-dev libxcb1-dev  # the clipboard read in parts; the tests' helper that closes a window
  poppler-utils           # pdftotext and pdftoppm for the printing tests
  desktop-file-utils appstream  # validators of the installed desktop entry and metainfo
  at-spi2-core python3-pyatspi dbus  # the board as a screen reader reads it
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox  # and as Orca speaks it
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
