#!/usr/bin/env bash
# Runs one headless script against a fresh copy of the game folder.
#   run_script.sh GAME_DIR WORK_DIR SCRIPT
# The script's first line may name the program: "# program: lumar" (default feldo) and
# "# args: ..." adds arguments.
set -euo pipefail
game_dir=$1 work=$2 script=$3
rm -rf "$work"
mkdir -p "$work"
cp -a "$game_dir"/. "$work"/
program=$(sed -n 's/^# program: *//p' "$script" | head -n1)
args=$(sed -n 's/^# args: *//p' "$script" | head -n1)
cd "$work"
# shellcheck disable=SC2086
status=0
"./${program:-feldo}" --headless --seed 1 --script "$script" $args || status=$?
# The script's screenshots are kept beside the other pictures, in build/visual/<script>/.
if compgen -G "*.png" >/dev/null; then
  visual="$work/../../visual/$(basename "$script" .script)"
  mkdir -p "$visual"
  cp -- *.png "$visual"/
fi
exit $status
