#!/usr/bin/env bash
# The command line of both programs: --help and --version print to standard output and end
# with 0 before any window opens; an unknown option or a bad value gives one line of error
# and the usage on standard error, and exit code 2.
#   program_options.sh GAME_DIR
set -uo pipefail
game_dir=$1
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for program in feldo lumar; do
  binary=$game_dir/$program
  # No display and no headless backend: only the option handling can answer.
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$binary" --help 2>/dev/null)
  code=$?
  [ $code -eq 0 ] || fail "$program --help exits with $code"
  [[ $out == "Usage: $program "* ]] || fail "$program --help does not start with its usage: $out"
  for option in --scale --headless --script --seed --help --version; do
    grep -q -- "^  $option" <<<"$out" || fail "$program --help does not list $option"
  done

  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$binary" --version 2>/dev/null)
  code=$?
  [ $code -eq 0 ] || fail "$program --version exits with $code"
  [[ $out =~ ^$program\ \(Vexo\ World\ Cup\)\ [0-9]+\.[0-9]+\.[0-9]+$ ]] ||
    fail "$program --version prints \"$out\""

  for bad in "--frobnicate" "-x" "--scale 0" "--seed nine" "--script"; do
    # shellcheck disable=SC2086
    err=$("$binary" --headless $bad 2>&1 >/dev/null)
    code=$?
    [ $code -eq 2 ] || fail "$program $bad exits with $code, not 2"
    first=$(head -n 1 <<<"$err")
    [[ $first == "$program: "* ]] || fail "$program $bad: the first line is \"$first\""
    [ "$(sed -n 2p <<<"$err")" == "Usage: $program [OPTION]... [FOLDER]" ] ||
      fail "$program $bad: no usage after the error line"
  done
  err=$("$binary" --headless --frobnicate 2>&1 >/dev/null)
  grep -q -- '--frobnicate' <<<"$(head -n 1 <<<"$err")" ||
    fail "$program: the error does not name the unknown option"
done
exit $((failures > 0))
