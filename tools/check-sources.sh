#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what every committed source keeps: the licence line near its top, and the
# committed .clang-format for the C++ sources of the program and its tools.
set -euo pipefail
cd "$(dirname "$0")/.."
missing=()
while IFS= read -r f; do
  head -n 3 "$f" | grep 'SPDX-License-Identifier: GPL-3.0-or-later' >/dev/null || missing+=("$f")
done < <(git ls-files '*.cpp' '*.h' '*.c' '*.sh' '*.py' '*.cmake' '*CMakeLists.txt' '.ci/*' |
         grep -v '^tests/fuzz/corpus/')
if ((${#missing[@]})); then
  printf 'no SPDX-License-Identifier line near the top of: %s\n' "${missing[@]}" >&2
  exit 1
fi
clang-format --dry-run --Werror $(git ls-files 'src/*.cpp' 'src/*.h' 'tools/*.cpp')
echo "sources: licence lines and formatting in place"
