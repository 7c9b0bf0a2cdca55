#!/usr/bin/env bash
# Measures what a player feels of the game in a real window, with the headless backend beside
# it as the baseline of the same run:
#   - start to first paint (the program's ready pipe),
#   - resident memory in the start-up menu and at the end of a match,
#   - CPU use in the menu and during a match (% of one core, from /proc/PID/stat),
#   - pictures presented a second during the match (the window's own count,
#     PLATFORM_PRESENT_COUNT_FILE), with smooth motion (the default) and with --classic-motion.
#
#   tools/measure_window.sh [--seconds N] [--scale K] [--game DIR] [--runs R]
#
# The real window runs under a private Xvfb. The match is a friendly reached with the mouse
# through xdotool along tools/friendly_path.script; the headless baseline plays the same way
# from that script, under its virtual clock (its CPU figure is CPU time per second of play). Start-to-paint figures are the median
# of R runs (default 5). Needs Xvfb and xdotool (./test.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
scale=1
runs=5
game=build/game
while [ "$#" -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --scale) scale=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --game) game=$2; shift 2 ;;
    *) echo "usage: $0 [--seconds N] [--scale K] [--runs R] [--game DIR]" >&2; exit 2 ;;
  esac
done
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb xdotool)" >&2; exit 1; }
done
[ -x "$game/feldo" ] || { echo "$game/feldo is not built" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp -a "$game"/. "$work"/
clk=$(getconf CLK_TCK)

# A display number nobody uses.
display=
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
# A screen the window fits on at the scale asked for. -noreset: a desktop's X server keeps
# running when a program ends; Xvfb would otherwise reset itself each time its last client
# leaves, and the next start would wait for the reset (30-40 ms on this kind of machine).
Xvfb "$display" -screen 0 "$(( 900 * scale + 200 ))x$(( 620 * scale + 200 ))x24" -nolisten tcp \
  -noreset >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# CPU of process $1 over $2 seconds, in % of one core (one decimal).
cpu_percent() {
  local before after
  before=$(cpu_ticks "$1"); sleep "$2"; after=$(cpu_ticks "$1")
  awk -v t=$(( after - before )) -v hz="$clk" -v s="$2" 'BEGIN { printf "%.1f", 100 * t / hz / s }'
}

# Starts the game in the real window with its ready pipe on fd 3; sets program_pid and prints
# the milliseconds from start to the first paint.
start_window() {
  rm -f "$work/ready"; mkfifo "$work/ready"
  local t0; t0=$(now_ms)
  (cd "$work" && DISPLAY=$display SDL_AUDIODRIVER=dummy PLATFORM_READY_FD=3 \
    PLATFORM_PRESENT_COUNT_FILE="$work/presents" \
    exec ./feldo --scale "$scale" "${motion_option[@]}" 3>"$work/ready" >/dev/null 2>&1) &
  program_pid=$!
  head -c1 "$work/ready" >/dev/null
  echo $(( $(now_ms) - t0 ))
}
stop_window() {
  kill "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# The headless baseline: the same program under the virtual clock, driven by a script. Prints
# "START_MS RSS_KIB CPU_PERCENT": start to first paint, the peak resident memory, and the CPU
# used per second of virtual time (what the game's own work costs, with no display at all).
run_headless() {
  local script=$1 virtual_ms=$2
  rm -f "$work/ready"; mkfifo "$work/ready"
  local t0; t0=$(now_ms)
  (cd "$work" && PLATFORM_READY_FD=3 exec /usr/bin/time -f '%U %S %M' -o "$work/time.txt" \
    ./feldo --headless --seed 1 --script "$script" 3>"$work/ready" >/dev/null 2>&1) &
  local pid=$!
  head -c1 "$work/ready" >/dev/null
  local start=$(( $(now_ms) - t0 ))
  wait "$pid" || true
  read -r user sys rss < "$work/time.txt"
  awk -v s="$start" -v u="$user" -v y="$sys" -v r="$rss" -v v="$virtual_ms" \
    'BEGIN { printf "%d %d %.1f", s, r, 100 * (u + y) * 1000 / v }'
}

report() {
  printf '%-9s start-to-paint %4s ms  menu: %6s KiB, CPU %5s %%  match: %6s KiB, CPU %5s %%, %5s pictures/s\n' "$@"
}
# The window's count of presented pictures and its clock: "COUNT MS".
presents_now() { cat "$work/presents" 2>/dev/null || echo "0 0"; }

measure_headless() {
  printf 'advance 5000\nclose\n' > "$work/menu.script"
  local starts=() line
  for _ in $(seq "$runs"); do
    line=$(run_headless "$work/menu.script" 5000); starts+=("${line%% *}")
  done
  local start; start=$(printf '%s\n' "${starts[@]}" | median)
  read -r _ menu_rss menu_cpu <<< "$line"
  # The friendly, with SECONDS of play after the kick-off (the user's player idle).
  { cat tools/friendly_path.script; printf 'advance %d\nclose\nwait-dialog messagebox 2000\npress 1\n' \
      "$(( seconds * 1000 ))"; } > "$work/match.script"
  local match_rss match_cpu
  read -r _ match_rss match_cpu <<< "$(run_headless "$work/match.script" "$(( seconds * 1000 ))")"
  report headless "$start" "$menu_rss" "$menu_cpu" "$match_rss" "$match_cpu" -
}

# The window, with the motion of "${motion_option[@]}" (label $1).
measure_window() {
  local label=$1 starts=() t
  for _ in $(seq "$runs"); do
    # A moment between starts, for the X server to clean up after the program before.
    t=$(start_window); starts+=("$t"); stop_window; sleep 0.5
  done
  local start; start=$(printf '%s\n' "${starts[@]}" | median)
  start_window >/dev/null
  sleep 1
  local menu_rss; menu_rss=$(rss_kib "$program_pid")
  local menu_cpu; menu_cpu=$(cpu_percent "$program_pid" 5)
  local wid; wid=$(DISPLAY=$display xdotool search --sync --pid "$program_pid" | head -n1)
  local click x y
  for click in "${clicks[@]}"; do
    read -r x y <<< "$click"
    sleep 0.5
    DISPLAY=$display xdotool mousemove --window "$wid" "$x" "$y" click 1
  done
  local match_cpu match_rss before after
  sleep 7  # past the loading of the pairing's pictures, the entrance and the kick-off caption
  before=$(presents_now)
  match_cpu=$(cpu_percent "$program_pid" "$seconds")
  after=$(presents_now)
  match_rss=$(rss_kib "$program_pid")
  stop_window
  local fps
  fps=$(awk -v b="$before" -v a="$after" 'BEGIN { split(b, x, " "); split(a, y, " ");
    if (y[2] > x[2]) printf "%.1f", 1000 * (y[1] - x[1]) / (y[2] - x[2]); else print "?" }')
  report "$label" "$start" "$menu_rss" "$menu_cpu" "$match_rss" "$match_cpu" "$fps"
}

# Where the clicks of the way to the friendly land in the window at this scale: the headless
# game walks the same way and prints each control's place in frame pixels.
{ cat tools/friendly_path.script; printf 'close\nwait-dialog messagebox 2000\npress 1\n'; } > "$work/path.script"
(cd "$work" && ./feldo --headless --seed 1 --script path.script > path.txt 2>&1) || true
mapfile -t clicks < <(sed -n 's/^control .* at \([0-9]*\) \([0-9]*\)$/\1 \2/p' "$work/path.txt" |
  awk -v k="$scale" '{ print $1 * k + int(k / 2), $2 * k + int(k / 2) }')
[ "${#clicks[@]}" -gt 0 ] || { echo "the headless walk to the friendly failed" >&2; exit 1; }

echo "scale $scale, menu CPU over 5 s, match CPU over $seconds s"
echo "start-to-paint: median of $runs runs"
measure_headless
motion_option=()
measure_window smooth
motion_option=(--classic-motion)
measure_window classic
