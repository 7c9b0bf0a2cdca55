#!/usr/bin/env bash
# The level and the sound switch survive a restart: a first run turns the sound off and
# closes; SEL_.DAT then holds level 3 and sound off, and a second run starts with them.
#   settings_restart.sh GAME_DIR WORK_DIR
set -euo pipefail
game_dir=$1 work=$2
rm -rf "$work"
mkdir -p "$work"
cp -a "$game_dir"/. "$work"/
cd "$work"
rm -f SEL_.DAT
printf 'expect-value soundOff 0\nexpect-value level 3\nmenu 8\nadvance 50\nclose\n' >first.script
./feldo --headless --seed 1 --script first.script
[ "$(od -An -tu1 SEL_.DAT | tr -s ' ')" = " 3 1" ] || { echo "SEL_.DAT holds: $(od -An -tu1 SEL_.DAT)"; exit 1; }
printf 'expect-value soundOff 1\nexpect-value level 3\nclose\n' >second.script
./feldo --headless --seed 1 --script second.script
