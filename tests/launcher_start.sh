#!/usr/bin/env bash
# The launcher program itself, headless, in a copy of the game folder whose game is a stand-in
# that writes down its folder and argument: the show runs to its end, the game is started in
# the folder with the folder as its one argument, and the launcher ends with exit code 0.
#   launcher_start.sh GAME_DIR WORK_DIR
set -euo pipefail
game_dir=$1 work=$2
rm -rf "$work"
mkdir -p "$work"
cp -a "$game_dir"/. "$work"/
cd "$work"
work=$(pwd -P)
rm -f feldo
printf '#!/bin/sh\n{ pwd; echo "$#:$1"; } > started\nprintf R >&"$PLATFORM_READY_FD"\n' > feldo
chmod +x feldo
cat > show.script <<'SCRIPT'
expect-title VEXO WORLD CUP
expect-value archiveError 0
expect-value pictures 4
advance 1
expect-sound KANSEI1.wav
advance 100
expect-value firstLetters 1
advance 960
expect-value secondLetters 16
expect-value finalCountdown 0
advance 1
expect-sound WHISTLE.wav
expect-value finalCountdown 1
advance 200
SCRIPT
./lumar --headless --script show.script
expected=$(printf '%s\n1:%s' "$work" "$work")
if [ "$(cat started)" != "$expected" ]; then
  echo "the game was started as:" >&2
  cat started >&2
  echo "expected:" >&2
  echo "$expected" >&2
  exit 1
fi
echo "the launcher started the game in $work"
