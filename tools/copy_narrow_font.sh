#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copy Liberation Sans Narrow Bold into the resources. The board font is
# "Arial Narrow" bold; shipping a metric-compatible face keeps the labels
# the same width on machines without it (fonts-liberation2 has no Narrow).
# Needs Debian's fonts-liberation (1.07.x); the licence comes from its
# copyright file plus the GPL-2 text it refers to.
set -eu
here=$(dirname "$0")
dest="$here/../resources/fonts"
src=/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf
[ -f "$src" ] || { echo "missing $src: apt-get install fonts-liberation" >&2; exit 1; }
mkdir -p "$dest"
cp "$src" "$dest/LiberationSansNarrow-Bold.ttf"
{
    echo "Liberation Sans Narrow Bold (LiberationSansNarrow-Bold.ttf), copied"
    echo "unmodified from the Debian package fonts-liberation" \
         "$(dpkg-query -W -f='${Version}' fonts-liberation 2>/dev/null || echo '(version unknown)')."
    echo "Font name table: Copyright 2010 Oracle and/or its affiliates."
    echo "Liberation is a trademark of Red Hat, Inc."
    echo
    echo "=== /usr/share/doc/fonts-liberation/copyright ==="
    echo
    cat /usr/share/doc/fonts-liberation/copyright
    echo
    echo "=== /usr/share/common-licenses/GPL-2 ==="
    echo
    cat /usr/share/common-licenses/GPL-2
} > "$dest/LICENSE-liberation.txt"
echo "copied $(wc -c < "$dest/LiberationSansNarrow-Bold.ttf") bytes to $dest"
