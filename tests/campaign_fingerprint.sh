#!/usr/bin/env bash
# The fixed set of seeded campaigns plays and saves exactly as the recorded fingerprint says
# (tools/soak/campaign_fingerprint.cpp): a change that leaves the rules alone keeps every line.
#   campaign_fingerprint.sh GAME_DIR WORK_DIR PROGRAM EXPECTED
set -euo pipefail
game_dir=$1 work=$2 program=$3 expected=$4
rm -rf "$work"
mkdir -p "$work"
cp "$game_dir"/GDAT.DAT "$game_dir"/*.wav "$work"/
cd "$work"
"$program" > fingerprint.txt
if ! diff -u "$expected" fingerprint.txt; then
  echo "The seeded campaigns no longer play or save as recorded (see the diff above)." >&2
  exit 1
fi
