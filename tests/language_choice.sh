#!/usr/bin/env bash
# The interface's language as a player chooses it, told by the window's title at the start-up
# menu ("サッカー" or "Football"): Japanese for the defaults; English for a locale whose
# language is English (LANG, or LANGUAGE under the C locale too); --lang over the locale for one
# run, not written down; the GAME menu's switch at once, remembered in FELDO.CFG and in force
# at the next start over the locale, and back; without the catalogue, Japanese and a note.
#   language_choice.sh GAME_DIR WORK_DIR
set -uo pipefail
game_dir=$1 work=$2
# The game, its pictures (without them a message box would open) and its catalogue.
rm -rf "$work"
mkdir -p "$work/locale"
cp -a "$game_dir/feldo" "$game_dir/GDAT.DAT" "$work"/
cp -a "$game_dir/locale/." "$work/locale/"
cd "$work"
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# start TITLE [ENVIRONMENT...] [-- OPTION...]: the game shows TITLE at the start-up menu.
start() {
  local title=$1
  shift
  local -a environment=() options=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do
    environment+=("$1")
    shift
  done
  [ $# -gt 0 ] && shift
  options=("$@")
  printf 'wait-dialog SinkiBox 1000\nexpect-title %s\nclose\n' "$title" >start.script
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 "${environment[@]}" \
    ./feldo --headless --seed 1 --script start.script "${options[@]}" >start.out 2>&1 ||
    fail "with ${environment[*]} ${options[*]}: $(tail -1 start.out)"
}
# switch TITLE: the GAME menu's switch, with the start-up menu left, shows TITLE at once.
switch() {
  printf 'wait-dialog SinkiBox 1000\nkey Escape 10\nexpect-dialog none\nmenu 249\nexpect-title %s\nclose\n' \
    "$1" >switch.script
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C.UTF-8 \
    ./feldo --headless --seed 1 --script switch.script >switch.out 2>&1 ||
    fail "the switch to $1: $(tail -1 switch.out)"
}
remembered() {
  [ "$(grep '^language=' FELDO.CFG 2>/dev/null)" = "language=$1" ] ||
    fail "FELDO.CFG should remember $1: $(cat FELDO.CFG 2>/dev/null || echo '(none)')"
}

start サッカー
start Football LANG=en_US.UTF-8
start Football LANG=C LANGUAGE=en
start サッカー LANG=en_US.UTF-8 LANGUAGE=ja:en
start サッカー LANG=en_US.UTF-8 -- --lang ja
start Football -- --lang en
[ -e FELDO.CFG ] && fail "--lang wrote FELDO.CFG"

switch Football
remembered en
start Football
start サッカー -- --lang ja
remembered en
switch サッカー
remembered ja
start サッカー LANG=en_US.UTF-8

# Without the catalogue: Japanese, a note on standard error, and the switch changes nothing.
rm -rf locale
start サッカー -- --lang en
grep -q "cannot be read; the game shows its Japanese texts" start.out ||
  fail "no note of the missing catalogue: $(cat start.out)"
switch サッカー
remembered ja

exit $((failures > 0))
