#!/usr/bin/env bash
# Lists the includes between the game's modules and fails on any that points upward.
#
# The floors, lowest first (a module may include its own headers and those of the modules it
# stands on):
#   platform <- base <- competition <- match <- presentation, savegame <- shell <- programs
#   platform <- resources <- shell, launcher
#   platform <- archive (the picture archive reader) <- presentation, launcher
# Usage: tools/check_includes.sh [SOURCE-ROOT]   (default: src/ of this checkout)
set -euo pipefail
root=${1:-"$(dirname "$0")/../src"}

declare -A allowed=(
  [platform]="platform"
  [base]="base platform"
  [competition]="competition base platform"
  [match]="match competition base platform"
  [archive]="archive platform"
  [presentation]="presentation archive match competition base platform"
  [savegame]="savegame match competition base platform"
  [resources]="resources platform"
  [shell]="shell presentation archive savegame resources match competition base platform"
  [launcher]="launcher archive resources platform"
)

declare -A counts=()
bad=0
while IFS= read -r -d '' file; do
  rel=${file#"$root"/}
  from=${rel%%/*}
  [[ -n "${allowed[$from]:-}" ]] || {
    echo "unknown module folder: $rel" >&2
    bad=1
    continue
  }
  while IFS= read -r inc; do
    to=${inc%%/*}
    counts["$from -> $to"]=$(( ${counts["$from -> $to"]:-0} + 1 ))
    ok=0
    for a in ${allowed[$from]}; do
      [[ "$a" == "$to" ]] && ok=1
    done
    if [[ $ok == 0 ]]; then
      echo "upward include: $rel includes \"$inc\" ($from may not include $to)" >&2
      bad=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z_]*\/[^"]*\)".*/\1/p' "$file")
done < <(find "$root" \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)

echo "Includes between modules (count of #include lines):"
for key in "${!counts[@]}"; do
  from=${key%% -> *}
  to=${key##* -> }
  [[ "$from" == "$to" ]] && continue
  printf '  %-28s %4d\n' "$key" "${counts[$key]}"
done | sort
if [[ $bad != 0 ]]; then
  echo "Some includes point upward (see above)." >&2
  exit 1
fi
echo "No include points upward."
