#!/usr/bin/env bash
# Lists the includes between the game's modules and fails on any that points upward.
#
# The floors, lowest first (a module may include its own headers and those of the modules it
# stands on):
#   platform <- base <- competition <- match <- presentation, savegame <- shell <- programs
#   platform <- resources <- shell
#   platform <- archive (presentation/graphics_archive and picture_names) <- launcher
# Usage: tools/check_includes.sh [SOURCE-ROOT]   (default: src/ of this checkout)
set -euo pipefail
root=${1:-"$(dirname "$0")/../src"}

declare -A allowed=(
  [platform]="platform"
  [base]="base platform"
  [competition]="competition base platform"
  [match]="match competition base platform"
  [presentation]="presentation match competition base platform"
  [savegame]="savegame match competition base platform"
  [resources]="resources platform"
  [shell]="shell presentation savegame resources match competition base platform"
  [launcher]="launcher resources platform archive"
)
# Headers of the archive reader, the one piece of presentation that the launcher may use.
archive_headers="presentation/graphics_archive.h presentation/picture.h"

# The module of a source file; the archive reader's own files count as "archive".
module_of() {
  local rel=${1#"$root"/}
  case "$rel" in
    presentation/graphics_archive.* | presentation/picture_names.* | presentation/picture.h)
      echo archive ;;
    *) echo "${rel%%/*}" ;;
  esac
}
# The module an include names ("presentation/picture.h" counts as archive).
target_of() {
  local inc=$1
  for h in $archive_headers; do [[ "$inc" == "$h" ]] && { echo archive; return; }; done
  echo "${inc%%/*}"
}
allowed_for() {
  local from=$1
  [[ "$from" == archive ]] && { echo "archive platform"; return; }
  echo "${allowed[$from]:-}"
}

declare -A counts=()
bad=0
while IFS= read -r -d '' file; do
  from=$(module_of "$file")
  [[ -n "${allowed[$from]:-}" || "$from" == archive ]] || {
    echo "unknown module folder: ${file#"$root"/}" >&2
    bad=1
    continue
  }
  while IFS= read -r inc; do
    to=$(target_of "$inc")
    counts["$from -> $to"]=$(( ${counts["$from -> $to"]:-0} + 1 ))
    ok=0
    for a in $(allowed_for "$from"); do
      [[ "$a" == "$to" ]] && ok=1
      # Presentation and the shell stand on the archive reader as well.
      [[ "$to" == archive && ( "$a" == presentation || "$a" == shell ) ]] && ok=1
    done
    if [[ $ok == 0 ]]; then
      echo "upward include: ${file#"$root"/} includes \"$inc\" ($from may not include $to)" >&2
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
