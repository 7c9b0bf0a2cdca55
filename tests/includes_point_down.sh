#!/usr/bin/env bash
# The include check passes on the source tree, and fails on a copy of it in which the match
# includes the drawing, the base includes the shell, or the archive reader or the launcher
# includes the game's drawing.
set -euo pipefail
source_dir=$1
scratch=$2
check="$source_dir/tools/check_includes.sh"

"$check" "$source_dir/src" > /dev/null

for plant in "match/match_frame.cpp:presentation/pitch_drawing.h" \
             "base/view_layout.h:shell/main_window.h" \
             "archive/graphics_archive.cpp:presentation/bitmap_store.h" \
             "launcher/launcher_state.cpp:presentation/pitch_drawing.h"; do
  file=${plant%%:*}
  header=${plant#*:}
  rm -rf "$scratch"
  mkdir -p "$scratch"
  cp -r "$source_dir/src" "$scratch/src"
  printf '#include "%s"\n' "$header" >> "$scratch/src/$file"
  if "$check" "$scratch/src" > /dev/null 2>&1; then
    echo "the check let $file include $header" >&2
    exit 1
  fi
done
echo "upward includes are caught"
