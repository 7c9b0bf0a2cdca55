#!/usr/bin/env bash
# The command line of both programs: --help and --version print to standard output and end
# with 0 before any window opens; an unknown option or a bad value gives one line of error
# and the usage on standard error, and exit code 2. The launcher's FOLDER argument is in its
# usage and a folder it cannot start the game in gets one line and exit code 2; the game takes
# no argument of its own and its usage names none.
#   program_options.sh GAME_DIR
set -uo pipefail
game_dir=$1
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

usage_line() { # PROGRAM
  if [ "$1" = lumar ]; then
    echo "Usage: lumar [OPTION]... [FOLDER]"
  else
    echo "Usage: feldo [OPTION]..."
  fi
}

for program in feldo lumar; do
  binary=$game_dir/$program
  # No display and no headless backend: only the option handling can answer.
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$binary" --help 2>/dev/null)
  code=$?
  [ $code -eq 0 ] || fail "$program --help exits with $code"
  [ "$(head -n 1 <<<"$out")" == "$(usage_line "$program")" ] ||
    fail "$program --help does not start with its usage: $out"
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
    [ "$(sed -n 2p <<<"$err")" == "$(usage_line "$program")" ] ||
      fail "$program $bad: no usage after the error line"
  done
  err=$("$binary" --headless --frobnicate 2>&1 >/dev/null)
  grep -q -- '--frobnicate' <<<"$(head -n 1 <<<"$err")" ||
    fail "$program: the error does not name the unknown option"
done

# The launcher's folder: explained in its help; one that cannot be entered is said at once.
out=$("$game_dir/lumar" --help 2>/dev/null)
grep -q -- "^  FOLDER " <<<"$out" || fail "lumar --help does not explain FOLDER"
grep -q -- "FOLDER" <<<"$("$game_dir/feldo" --help 2>/dev/null)" &&
  fail "feldo --help names a FOLDER it does not take"
scratch=$(mktemp -d)
touch "$scratch/a-file"
for folder in "$scratch/nowhere" "$scratch/a-file"; do
  err=$(timeout 60 "$game_dir/lumar" --headless "$folder" 2>&1 >/dev/null)
  code=$?
  [ $code -eq 2 ] || fail "lumar $folder exits with $code, not 2"
  [ "$err" == "lumar: cannot start the game in $folder: no folder that can be entered" ] ||
    fail "lumar $folder says: $err"
done
# The game's own option: listed, and it turns smooth motion off for the run without writing
# the choice down.
grep -q -- "^  --classic-motion" <<<"$("$game_dir/feldo" --help 2>/dev/null)" ||
  fail "feldo --help does not list --classic-motion"
cp "$game_dir"/GDAT.DAT "$scratch"/
printf 'expect-value smoothMotion 0\n' >"$scratch/classic.script"
printf 'expect-value smoothMotion 1\n' >"$scratch/smooth.script"
(cd "$scratch" && timeout 60 "$game_dir/feldo" --headless --classic-motion --script classic.script) ||
  fail "feldo --classic-motion does not turn smooth motion off"
(cd "$scratch" && timeout 60 "$game_dir/feldo" --headless --script smooth.script) ||
  fail "smooth motion is not on by default, or --classic-motion was remembered"
[ -e "$scratch/FELDO.CFG" ] && fail "--classic-motion wrote the preferences file"
# Both programs take --lang with the two languages, and refuse any other.
for program in feldo lumar; do
  grep -q -- "^  --lang en|ja" <<<"$("$game_dir/$program" --help 2>/dev/null)" ||
    fail "$program --help does not list --lang"
  err=$("$game_dir/$program" --headless --lang fr 2>&1 >/dev/null)
  code=$?
  [ $code -eq 2 ] || fail "$program --lang fr exits with $code, not 2"
  grep -qF -- '--lang wants one of en, ja, not "fr"' <<<"$err" || fail "$program --lang fr says: $err"
done
rm -rf "$scratch"
exit $((failures > 0))
