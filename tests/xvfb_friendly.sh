#!/usr/bin/env bash
# The game in a real SDL window under Xvfb, played with the mouse and the keyboard through
# xdotool: the start-up menu to a friendly match (new game, Asia, China, the qualifying
# schedule, the friendly button, the first opponent), a few seconds of play with the arrow and
# kick keys. The window's pixels must change while it is played and the game must stay alive;
# the window keeps a fixed size and offers no maximise button, also after full screen and back.
#   xvfb_friendly.sh GAME_DIR WORK_DIR
# The click positions come from the game itself: the same path is walked first under the
# headless backend, which prints where each control lies (print-control), so the clicks follow
# the dialog templates. Exit code 77 (skipped) when Xvfb or xdotool is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
game_dir=$1 work=$2
for tool in Xvfb xdotool xwd xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (./test.sh installs xvfb, xdotool, x11-apps and x11-utils)"
    exit 77
  fi
done
rm -rf "$work"
mkdir -p "$work"
cp -a "$game_dir"/. "$work"/
cd "$work"

# The path, as the headless game walks it (tools/friendly_path.script); each print-control
# names a click of the real run.
{
  cat "$here/../tools/friendly_path.script"
  printf 'close\nwait-dialog messagebox 2000\npress 1\n'
} > path.script
./feldo --headless --seed 1 --script path.script > path.txt 2>&1 || true
mapfile -t clicks < <(sed -n 's/^control .* at \([0-9]*\) \([0-9]*\)$/\1 \2/p' path.txt)
if [ "${#clicks[@]}" -ne 9 ]; then
  echo "the headless walk of the path failed:"; cat path.txt; exit 1
fi

source "$here/xvfb_support.sh"
start_xvfb 150 199
game=
finish() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap finish EXIT

rm -f ready; mkfifo ready
SDL_AUDIODRIVER=dummy PLATFORM_READY_FD=3 PLATFORM_PRESENT_COUNT_FILE=$work/presents \
  ./feldo 3>ready >game.log 2>&1 &
game=$!
timeout 20 head -c1 ready >/dev/null || { echo "the game did not become ready"; cat game.log; exit 1; }
window=$(timeout 10 xdotool search --sync --pid "$game" | head -n1)
[ -n "$window" ] || { echo "no window of the game"; exit 1; }

alive() { kill -0 "$game" 2>/dev/null || { echo "the game ended: $1"; cat game.log; exit 1; }; }
# A fixed window with no maximise button (also after full screen and back, at the end).
check_fixed_frame "$window" "at the start"
shot() { xwd -silent -id "$window" | md5sum | cut -d' ' -f1; }

before=$(shot)
for click in "${clicks[@]}"; do
  read -r x y <<< "$click"
  sleep 0.5   # the next dialog opens and paints
  xdotool mousemove --window "$window" "$x" "$y" click 1
  alive "after the click at $x $y"
done
sleep 1
menu=$(shot)
[ "$menu" != "$before" ] || { echo "the window did not change through the menus"; exit 1; }
title=$(xdotool getwindowname "$window")
case "$title" in
  *親善試合*) ;;
  *) echo "no friendly match started: the title is \"$title\""; exit 1 ;;
esac

# A few seconds of play: run in each direction, pass, shoot, cross. With smooth motion (the
# default) far more pictures than the rules' nine frames a second reach the window: the
# window's own count of the pictures that differed from the one before. The players' entrance
# and the fixture caption come first (about five seconds).
sleep 6
read -r presents_before ms_before < presents
shots=("$(shot)")
for key in Right Up Left Down s a space w; do
  xdotool keydown --window "$window" "$key"; sleep 0.4; xdotool keyup --window "$window" "$key"
  alive "after the key $key"
  shots+=("$(shot)")
done
read -r presents_after ms_after < presents
rate=$(( 1000 * (presents_after - presents_before) / (ms_after - ms_before + 1) ))
[ "$rate" -gt 9 ] || { echo "only $rate different pictures a second reached the window"; exit 1; }
changes=$(printf '%s\n' "${shots[@]}" | sort -u | wc -l)
[ "$changes" -ge 4 ] || { echo "the pitch hardly changed while playing ($changes pictures)"; exit 1; }
xwd -silent -id "$window" -out playing.xwd
# A key during the match, while the game's timer keeps the waits short: F12 saves a screenshot
# and says so in the title bar.
xdotool key --window "$window" F12
saved=
for _ in $(seq 50); do
  case "$(xdotool getwindowname "$window")" in Screenshot\ saved:*) saved=1; break ;; esac
  sleep 0.1
done
[ -n "$saved" ] && [ -s "$(compgen -G 'feldo-*.png' | head -n1)" ] ||
  { echo "F12 during the match saved no screenshot"; exit 1; }
cp "$(compgen -G 'feldo-*.png' | head -n1)" playing.png
xdotool key --window "$window" F11
sleep 0.5
xdotool key --window "$window" F11
sleep 0.5
alive "after full screen and back"
check_fixed_frame "$window" "after full screen and back"
alive "at the end"
echo "friendly match played in a real window: title \"$title\", $changes different pictures," \
  "$rate pictures a second"
