#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the layering the build relies on: rules, game and disk include no Qt header, rules
# includes nothing from game, disk or window, game nothing from disk or window, disk nothing
# from window. The build already fails
# on such an include; this names the file at once, without a compiler. It also refuses the
# terse names below in src, tests, bench and tools.
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
forbid src/game 'Q|window/|disk/' 'Qt, disk or window headers'
forbid src/disk 'Q|window/' 'Qt or window headers'

# Things are named for what they do: handlers named after a control and an event, numbered
# controls and clipped abbreviations say nothing to a reader, so none may appear. Whole words;
# \w* marks a name that is also refused as part of a longer identifier. The short ones are
# written with a bracket so that this list is not itself a use of them for other searches.
terse_names=(
  '\w*_Click\w*' 'Form_\w*' '\w*[Ff]orm[1-6]\w*'
  '\w*([Cc]ommand[1-3]|[Tt]ext1|[Ll]abel1|[Cc]heck[12]|[Tt]imer1|WebBrowser1|CommonDialog1)\w*'
  '\w*([Pp]andora|[Nn]umdate|[Mm]enuson|[Pp]rtopt|[Cc]ellmap|[Cc]urnum|[Ll]evelsel|[Nn]umchosen)\w*'
  '\w*([Cc]ellsel|[Kk]eyval|[Nn]right|[Nn]wrong|[Aa]nsopt|[Oo]ldmode|[Rr]andoc|[Ee]asoc|[Mm]edoc)\w*'
  '\w*([Hh]ardoc|[Ll]evuncheck|[Rr]nd(reset|mix|next|draw)|[Aa]nsname|[Mm]akemap|[Aa]nsvalid)\w*'
  '\w*([Ss]howboard|[Ww]onka|[Ss]nds|[Ll]oadpic|[Rr]estext|[Tt]board|[Tt]answer|[Ff]ontfile)\w*'
  '[p]eeks?|[s]ecs|[g]amenum|[s]el[xy]|[r]eadgrid|[w]ritegrid|[p]rintc|[s]olec|[o]pns|[g]am|[i]nstruc'
)
pattern=$(IFS='|'; echo "${terse_names[*]}")
hits=$(grep -rInwE --exclude=check-layers.sh "$pattern" src tests bench tools || true)
if [[ -n $hits ]]; then
  echo "terse names (name them for what they do):" >&2
  echo "$hits" >&2
  status=1
fi

((status == 0)) && echo "layers: rules <- game <- disk <- window, no Qt below window; no terse names"
exit $status
