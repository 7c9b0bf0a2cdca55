#!/usr/bin/env bash
# The launcher in a real SDL window under Xvfb: its window shows the title show (its pixels
# change as the title is spelt out), then the game's window appears and the launcher ends.
#   xvfb_launcher.sh GAME_DIR WORK_DIR        (exit 77, skipped, without Xvfb, xdotool or xwd)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game_dir=$1 work=$2
for tool in Xvfb xdotool xwd; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (./test.sh installs xvfb, xdotool and x11-apps)"
    exit 77
  fi
done
rm -rf "$work"
mkdir -p "$work"
cp -a "$game_dir"/. "$work"/
cd "$work"
source "$here/xvfb_support.sh"
start_xvfb 200 249
game_pid=
finish() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap finish EXIT
export SDL_AUDIODRIVER=dummy

./lumar >lumar.log 2>&1 &
launcher=$!
show=$(timeout 10 xdotool search --sync --onlyvisible --pid "$launcher" | head -n1 || true)
[ -n "$show" ] || { echo "no launcher window"; exit 1; }
pictures=()
for _ in 1 2 3 4 5 6; do
  pictures+=("$(xwd -silent -id "$show" 2>/dev/null | md5sum | cut -d' ' -f1)")
  sleep 0.1
done
different=$(printf '%s\n' "${pictures[@]}" | sort -u | wc -l)
# The game, started by the launcher, shows its window; then the launcher ends on its own.
game_pid=
for _ in $(seq 150); do
  game_pid=$(pgrep -n -f "^feldo $PWD/?$" || true)  # the launcher starts it detached
  [ -n "$game_pid" ] && break
  sleep 0.1
done
[ -n "$game_pid" ] || { echo "the launcher did not start the game"; cat lumar.log; exit 1; }
game=$(timeout 15 xdotool search --sync --onlyvisible --pid "$game_pid" | head -n1 || true)
[ -n "$game" ] || { echo "the game's window did not appear"; cat lumar.log; exit 1; }
for _ in $(seq 100); do kill -0 "$launcher" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$launcher" 2>/dev/null; then echo "the launcher did not end"; exit 1; fi
wait "$launcher" || { echo "the launcher failed"; cat lumar.log; exit 1; }
[ "$different" -ge 2 ] || { echo "the show did not move ($different pictures)"; exit 1; }
echo "title show ($different different pictures), then the game's window; the launcher ended"
