#!/usr/bin/env bash
# Checks the layering the build relies on: rules and game include no Qt header, rules
# includes nothing from game or window, game nothing from window. The build already fails
# on such an include; this names the file at once, without a compiler.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
forbid() {  # folder, pattern, what
  local hits
  hits=$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($2)" "$1" || true)
  if [[ -n $hits ]]; then
    echo "$1 must not include $3:" >&2
    echo "$hits" >&2
    status=1
  fi
}
forbid src/rules 'Q|game/|window/' 'Qt, game or window headers'
forbid src/game 'Q|window/' 'Qt or window headers'
((status == 0)) && echo "layers: rules <- game <- window, no Qt below window"
exit $status
