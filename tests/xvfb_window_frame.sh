#!/usr/bin/env bash
# The game's window under Xvfb asks the window manager for a fixed size and a frame without a
# maximise button: its size hints hold the minimum at the maximum, and its Motif hints take
# the maximise function and button away (and nothing else), also after full screen and back.
#   xvfb_window_frame.sh GAME_DIR WORK_DIR    (exit 77, skipped, without Xvfb, xdotool or xprop)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game_dir=$1 work=$2
for tool in Xvfb xdotool xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (./test.sh installs xvfb, xdotool and x11-utils)"
    exit 77
  fi
done
rm -rf "$work"
mkdir -p "$work"
cp -a "$game_dir"/. "$work"/
cd "$work"
source "$here/xvfb_support.sh"
start_xvfb 250 299
game=
finish() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap finish EXIT

rm -f ready; mkfifo ready
SDL_AUDIODRIVER=dummy PLATFORM_READY_FD=3 ./feldo 3>ready >game.log 2>&1 &
game=$!
timeout 20 head -c1 ready >/dev/null || { echo "the game did not become ready"; cat game.log; exit 1; }
window=$(timeout 10 xdotool search --sync --pid "$game" | head -n1)
[ -n "$window" ] || { echo "no window of the game"; exit 1; }

check() {
  local when=$1 hints motif
  hints=$(xprop -id "$window" WM_NORMAL_HINTS)
  local min max
  min=$(sed -n 's/.*minimum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$hints")
  max=$(sed -n 's/.*maximum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$hints")
  if [ -z "$min" ] || [ "$min" != "$max" ]; then
    echo "$when: the window's size is not fixed: $hints"; exit 1
  fi
  # Flags: functions and decorations given; functions: all but maximise; decorations: all but
  # the maximise button.
  motif=$(xprop -id "$window" _MOTIF_WM_HINTS)
  if ! grep -q '= 0x3, 0x11, 0x41,' <<<"$motif"; then
    echo "$when: the frame may offer a maximise button: $motif"; exit 1
  fi
}
check "at the start"
xdotool key --window "$window" F11
sleep 0.5
xdotool key --window "$window" F11
sleep 0.5
kill -0 "$game" 2>/dev/null || { echo "the game ended"; cat game.log; exit 1; }
check "after full screen and back"
echo "a fixed window without a maximise button"
