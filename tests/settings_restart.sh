#!/usr/bin/env bash
# The level and the sound switch survive a restart: a first run chooses LEVEL 1 and turns the
# sound off in the start-up menu's dialogs and closes; SEL_.DAT then holds level 1 and sound
# off, and a second run starts with them.
#   settings_restart.sh GAME_DIR WORK_DIR
set -euo pipefail
game_dir=$1 work=$2
rm -rf "$work"
mkdir -p "$work"
cp -a "$game_dir"/. "$work"/
cd "$work"
rm -f SEL_.DAT
cat >first.script <<'SCRIPT'
expect-value soundOff 0
expect-value level 3
wait-dialog SinkiBox 1000
press 222
wait-dialog SetLevelDlg 500
press 26
press 1
wait-dialog SinkiBox 500
press 247
wait-dialog SetSoundDlg 500
press 248
press 1
expect-dialog SinkiBox
close
SCRIPT
./feldo --headless --seed 1 --script first.script
[ "$(od -An -tu1 SEL_.DAT | tr -s ' ')" = " 1 1" ] || { echo "SEL_.DAT holds: $(od -An -tu1 SEL_.DAT)"; exit 1; }
printf 'expect-value soundOff 1\nexpect-value level 1\nclose\n' >second.script
./feldo --headless --seed 1 --script second.script
