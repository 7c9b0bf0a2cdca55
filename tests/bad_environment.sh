#!/usr/bin/env bash
# The two programs in a bad environment, one case per row of docs/bad-environment.md: damaged
# copies of the game folder's own files (made here from the generated ones with truncate, dd
# and printf), a folder that cannot be written, no font, no sound device, no display. Each
# case runs the real program, headless where it can, and checks what the player is shown, how
# the program ends (never a crash or a hang: every run ends with the script) and that no file
# is lost or left half written.
#   bad_environment.sh GAME_DIR WORK_DIR CAMPAIGN_SEEDS
# CAMPAIGN_SEEDS is the folder of campaigns saved by the game itself (tools/fuzz/corpus/campaign).
set -uo pipefail
shopt -s lastpipe  # the cases pipe their scripts into run, which must count failures here
game_dir=$(cd "$1" && pwd) work=$2 seeds=$(cd "$3" && pwd)
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
failures=0
cases=0
fail() {
  echo "FAIL [$current]: $*" >&2
  failures=$((failures + 1))
}

# A fresh copy of the game folder for the case; the case runs inside it.
fresh() {
  current=$1
  cases=$((cases + 1))
  folder=$work/$1
  mkdir -p "$folder"
  cp -a "$game_dir"/. "$folder"/
  cd "$folder" || exit 1
}

# Runs a program headless against the script on standard input; the exit code is kept in
# $status, standard error in err.txt. A run that hangs is ended (and fails) after 300 s.
run() {
  local program=$1
  shift
  cat >case.script
  status=0
  timeout 300 "./$program" --headless --seed 1 --script case.script "$@" 2>err.txt || status=$?
  if [ "$status" -ne 0 ]; then
    fail "$program ended with $status: $(head -c 400 err.txt)"
  fi
}

# A byte pattern written over the file at an offset, in place.
patch_bytes() { # FILE OFFSET PRINTF-BYTES
  printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

# The end of a game from the qualifying menu: its exit button, and OK to the question.
quit_from_qualifying_menu() {
  printf 'wait-dialog SinkiBox3 500\npress 13\nwait-dialog messagebox 500\n'
  printf 'expect-message 現在進行中のゲームを中止して終了しますか?\npress 1\n'
}

# --- GDAT.DAT: the data file error once at start-up, then a whole friendly without pictures.

# The data file error as the game shows it, then the way to a friendly against Italy, the
# whole match, its result, and the end through the qualifying menu's exit button.
friendly_after_data_error() { # ARCHIVE-ERROR
  cat <<SCRIPT
wait-dialog messagebox 1000
expect-caption エラー No. 00
expect-message データファイル エラー
expect-value archiveError $1
press 1
wait-dialog SinkiBox 1000
press 9
wait-dialog SelChikuDlg 500
press 206
wait-dialog SelTeamDlg 500
select 16 2
press 1
press 1
wait-dialog DispSchedule1Dlg 500
press 1
wait-dialog SinkiBox3 500
press 224
wait-dialog SelTestMatchDlg 500
select 16 0
press 1
expect-dialog none
expect-value half 1
wait-dialog MessBox2 500000
expect-value half 0
press 1
SCRIPT
  quit_from_qualifying_menu
}

gdat_case() { # NAME ARCHIVE-ERROR DAMAGE-COMMAND...
  local name=$1 code=$2
  shift 2
  fresh "gdat-$name"
  "$@"
  friendly_after_data_error "$code" | run feldo
}

size=$(stat -c %s "$game_dir/GDAT.DAT")
table_end=$((2 + 4 * 588))
gdat_case missing -1 rm GDAT.DAT
gdat_case empty 2 truncate -s 0 GDAT.DAT
gdat_case cut-in-the-count 2 truncate -s 1 GDAT.DAT
gdat_case cut-in-the-size-table 2 truncate -s $((table_end / 2)) GDAT.DAT
gdat_case cut-in-a-picture 2 truncate -s $((size / 2)) GDAT.DAT
gdat_case cut-one-byte-short 2 truncate -s $((size - 1)) GDAT.DAT
gdat_case count-one-more 2 patch_bytes GDAT.DAT 0 '\002\115' # 589
gdat_case count-one-less 2 patch_bytes GDAT.DAT 0 '\002\113' # 587
# The first entry is the world map, read only when the region is chosen: its header claims
# 127 header bytes and an enormous width.
gdat_case bogus-picture-header 2 patch_bytes GDAT.DAT "$table_end" '\177\000\000\000\377\377\377\177'

# Names that stand for no regular file: read without blocking, and taken as a damaged file.
make_fifo() { rm -rf "$1" && mkfifo "$1"; }
make_device() { rm -rf "$1" && ln -s /dev/zero "$1"; }
make_folder() { rm -rf "$1" && mkdir "$1"; }
gdat_case fifo 2 make_fifo GDAT.DAT
gdat_case device 2 make_device GDAT.DAT

# --- ODAT.DAT: the launcher's show in black where pictures are missing, and the game started.

# The launcher's game is a stand-in that notes its start and reports ready.
stand_in_game() {
  rm -f feldo
  printf '#!/bin/sh\necho "$1" > started\nprintf R >&"$PLATFORM_READY_FD"\n' >feldo
  chmod +x feldo
}

lumar_case() { # NAME ARCHIVE-ERROR PICTURES DAMAGE-COMMAND...
  local name=$1 code=$2 pictures=$3
  shift 3
  fresh "$name"
  stand_in_game
  "$@"
  printf 'expect-value archiveError %s\nexpect-value pictures %s\nadvance 1300\n' \
    "$code" "$pictures" | run lumar
  [ -f started ] || fail "the launcher did not start the game"
}
odat_case() { # NAME ARCHIVE-ERROR PICTURES DAMAGE-COMMAND...
  lumar_case "odat-$1" "${@:2}"
}

odat_size=$(stat -c %s "$game_dir/ODAT.DAT")
first_odat=$(od -An -tu1 -j2 -N4 "$game_dir/ODAT.DAT" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
odat_case missing -1 0 rm ODAT.DAT
odat_case cut-in-the-count 2 0 truncate -s 1 ODAT.DAT
odat_case cut-in-the-size-table 2 0 truncate -s 10 ODAT.DAT
odat_case cut-in-the-second-picture 2 1 truncate -s $((18 + first_odat + 100)) ODAT.DAT
odat_case cut-one-byte-short 2 3 truncate -s $((odat_size - 1)) ODAT.DAT
odat_case count-one-more 2 0 patch_bytes ODAT.DAT 0 '\000\005'
odat_case count-one-less 2 0 patch_bytes ODAT.DAT 0 '\000\003'
odat_case bogus-picture-header 2 3 patch_bytes ODAT.DAT 18 '\177\000\000\000\377\377\377\177'
odat_case fifo 2 0 make_fifo ODAT.DAT
odat_case device 2 0 make_device ODAT.DAT
# The launcher's other files: the sound switch and the cheer it plays at once.
lumar_case lumar-sel-fifo 0 4 make_fifo SEL_.DAT
lumar_case lumar-sound-fifo 0 4 make_fifo KANSEI1.wav

# --- SEL_.DAT: a damaged file reads as the defaults (or its good byte), and the game writes
# two good bytes back at its end.

sel_case() { # NAME BYTES(printf) LEVEL SOUND-OFF WRITTEN-BACK
  fresh "sel-$1"
  printf "$2" >SEL_.DAT
  printf 'expect-value level %s\nexpect-value soundOff %s\nwait-dialog SinkiBox 1000\nclose\n' \
    "$3" "$4" | run feldo
  local back
  back=$(od -An -tu1 SEL_.DAT | tr -s ' ')
  [ "$back" = "$5" ] || fail "SEL_.DAT holds \"$back\" after the run, not \"$5\""
  ! compgen -G "SEL_.DAT*.tmp" >/dev/null || fail "a temporary file of SEL_.DAT was left behind"
}
sel_case empty '' 3 0 " 3 0"
sel_case short '\001' 3 0 " 3 0"
sel_case long '\001\001\007' 1 1 " 1 1"
sel_case out-of-range '\310\011' 3 0 " 3 0"
# A FIFO or a device in its place reads as the defaults and is replaced by a good file at the
# end; a folder reads the same and stays (no file can take its place).
for kind in fifo device folder; do
  fresh "sel-$kind"
  "make_$kind" SEL_.DAT
  printf 'expect-value level 3\nexpect-value soundOff 0\nwait-dialog SinkiBox 1000\nclose\n' | run feldo
  if [ "$kind" = folder ]; then
    [ -d SEL_.DAT ] || fail "the folder SEL_.DAT is gone"
  else
    [ -f SEL_.DAT ] && [ ! -L SEL_.DAT ] || fail "SEL_.DAT is no regular file after the run"
    [ "$(od -An -tu1 SEL_.DAT | tr -s ' ')" = " 3 0" ] || fail "SEL_.DAT holds the wrong bytes"
  fi
  ! compgen -G "SEL_.DAT*.tmp" >/dev/null || fail "a temporary file of SEL_.DAT was left behind"
done

# --- VEXOSOC.$$$: a refused load says so and changes nothing, file included.

# The load from the start-up menu, refused with TEXT, and back to the start-up menu.
refused_load() { # TEXT
  cat <<SCRIPT | run feldo
wait-dialog SinkiBox 1000
press 10
wait-dialog messagebox 500
expect-caption サッカー
expect-message $1
press 1
wait-dialog SinkiBox 500
expect-value phase 0
press 13
SCRIPT
}

load_case() { # NAME SEED(or "") TEXT
  fresh "campaign-$1"
  [ -z "$2" ] || cp "$2" 'VEXOSOC.$$$'
  [ -z "$2" ] || cp 'VEXOSOC.$$$' before.bin
  refused_load "$3"
  if [ -n "$2" ]; then
    cmp -s before.bin 'VEXOSOC.$$$' || fail "the refused file was changed"
  fi
}
head -c 1000 "$seeds/qualifying-asia" >"$work/cut-short.bin"
# Asia's qualifying has five rounds (0 to 4): a round index of 5 is past its end.
cp "$seeds/qualifying-asia" "$work/round-past-the-league.bin"
patch_bytes "$work/round-past-the-league.bin" 2 '\005'
load_case missing "" "セーブデータがありません"
load_case cut-short "$work/cut-short.bin" "セーブデータを読み込めませんでした"
load_case one-byte-long "$seeds/one-byte-long" "セーブデータを読み込めませんでした"
load_case phase-out-of-range "$seeds/phase-out-of-range" "セーブデータを読み込めませんでした"
load_case round-past-the-league "$work/round-past-the-league.bin" "セーブデータを読み込めませんでした"
for kind in fifo device folder; do
  fresh "campaign-$kind"
  "make_$kind" 'VEXOSOC.$$$'
  refused_load "セーブデータを読み込めませんでした"
done

# --- Another game saving in the same folder: it holds the folder's lock (here flock(1) on the
# folder, the lock the game takes) for longer than a save waits. The save says so and changes
# nothing; once the folder is free the same save goes through (a new file is renamed into
# place).
fresh another-game-saving
cp "$seeds/qualifying-asia" 'VEXOSOC.$$$'
cp 'VEXOSOC.$$$' before.bin
inode=$(stat -c %i 'VEXOSOC.$$$')
save_from_qualifying_menu() {
  printf 'wait-dialog SinkiBox 1000\npress 10\nwait-dialog SinkiBox3 1000\npress 3\n'
  printf 'wait-dialog messagebox 500\nexpect-caption ゲームのセーブ\npress 1\n'
}
# (The holder is the background shell itself, which becomes the sleep: ending it frees the lock.)
(exec 9<. && flock -n 9 && echo >held && exec sleep 120) &
holder=$!
for _ in $(seq 600); do [ -e held ] && break; sleep 0.1; done
[ -e held ] || fail "the folder's lock could not be taken for the test"
{
  save_from_qualifying_menu
  printf 'wait-dialog messagebox 500\nexpect-caption サッカー\n'
  printf 'expect-message ほかのゲームがセーブ中です。\\n少し待ってからセーブし直してください\n'
  printf 'press 1\n'
  quit_from_qualifying_menu
} | run feldo
[ "$(stat -c %i 'VEXOSOC.$$$')" = "$inode" ] && cmp -s before.bin 'VEXOSOC.$$$' ||
  fail "the save went through while the other game held the folder"
kill "$holder" 2>/dev/null
wait "$holder" 2>/dev/null
{
  save_from_qualifying_menu
  quit_from_qualifying_menu
} | run feldo
[ "$(stat -c %i 'VEXOSOC.$$$')" != "$inode" ] || fail "the save did not go through once the folder was free"
cmp -s before.bin 'VEXOSOC.$$$' || fail "the save did not write the campaign it loaded"
! compgen -G "*.tmp" >/dev/null || fail "a temporary file was left behind"

# --- A game folder that cannot be written: the save says so, the old save and the settings
# stay as they were. As root a read-only bind mount of the folder (in a mount namespace of
# its own); otherwise the folder loses its write permission.
fresh read-only-folder
cp "$seeds/qualifying-asia" 'VEXOSOC.$$$'
printf '\001\001' >SEL_.DAT
cp 'VEXOSOC.$$$' before.bin
# (The saved campaign's level is not SEL_.DAT's: the load says so first.)
cat >case.script <<'SCRIPT'
wait-dialog SinkiBox 1000
press 10
wait-dialog messagebox 1000
expect-caption ゲームのロード
expect-message 対戦相手の強さが LEVEL 3(初級) になりました
press 1
wait-dialog SinkiBox3 1000
expect-value phase 2
press 3
wait-dialog messagebox 500
expect-caption ゲームのセーブ
press 1
wait-dialog messagebox 500
expect-caption Coud not open MOT file
expect-message サッカー
press 1
wait-dialog SinkiBox3 500
press 247
wait-dialog SetSoundDlg 500
press 248
press 1
SCRIPT
quit_from_qualifying_menu >>case.script
status=0
if [ "$(id -u)" -ne 0 ]; then
  chmod a-w .
  ./feldo --headless --seed 1 --script case.script 2>err.txt || status=$?
  chmod u+w .
elif unshare -m sh -c 'mount --bind "$1" "$1"' sh "$PWD" 2>/dev/null; then
  unshare -m sh -c 'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" &&
    cd "$1" && exec ./feldo --headless --seed 1 --script case.script' sh "$PWD" 2>err.txt ||
    status=$?
else
  echo "read-only-folder: skipped (root without a mount namespace of its own)"
  status=skip
fi
if [ "$status" != skip ]; then
  [ "$status" -eq 0 ] || fail "feldo ended with $status: $(head -c 400 err.txt)"
  cmp -s before.bin 'VEXOSOC.$$$' || fail "the old save was changed"
  [ "$(od -An -tu1 SEL_.DAT | tr -s ' ')" = " 1 1" ] || fail "SEL_.DAT was changed"
  ! compgen -G "*.tmp" >/dev/null || fail "a temporary file was left behind"
fi

# --- No font: a warning on standard error, and the game plays on without text.
font_case() { # NAME FONT-FILE
  fresh "font-$1"
  friendly_after_data_error 0 | sed '1,5d' | FELDO_FONT=$2 run feldo
  grep -q "^warning: FELDO_FONT=$2 cannot be read as a font$" err.txt ||
    fail "no warning about the font: $(cat err.txt)"
  grep -q "^warning: Japanese font not found (install fonts-ipafont-gothic); text will not be drawn$" \
    err.txt || fail "no warning that text will not be drawn"
}
font_case missing "$work/no-such-font.ttf"
font_case not-a-font "$game_dir/kick.wav"

# --- No sound device: one line on standard error, and the show and the start go on. The
# launcher plays its cheer at once, so it opens the device; SDL's invisible video driver
# stands in for a display.
fresh no-sound-device
stand_in_game
status=0
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=no-such-driver timeout 60 ./lumar 2>err.txt || status=$?
[ "$status" -eq 0 ] || fail "lumar ended with $status"
[ -f started ] || fail "the launcher did not start the game"
[ "$(cat err.txt)" = "No sound device could be opened: the game runs without sound." ] ||
  fail "standard error holds: $(cat err.txt)"

# --- A script that is no file: one line on standard error and exit code 3, before anything
# runs (a folder once ran nothing and ended with 0; a device was read without end).
for script in . /dev/zero; do
  fresh "script-$([ "$script" = . ] && echo folder || echo device)"
  status=0
  timeout 60 ./feldo --headless --script "$script" 2>err.txt || status=$?
  [ "$status" -eq 3 ] || fail "feldo --script $script ended with $status, not 3"
  [ "$(cat err.txt)" = "$script: cannot read the script (it is no regular file)" ] ||
    fail "standard error holds: $(cat err.txt)"
done

# --- No display and no --headless: one line on standard error, exit code 1.
for program in feldo lumar; do
  fresh "no-display-$program"
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 60 "./$program" 2>err.txt ||
    status=$?
  [ "$status" -eq 1 ] || fail "$program ended with $status, not 1"
  [ "$(cat err.txt)" = "$program: no display available (set DISPLAY or use --headless)" ] ||
    fail "standard error holds: $(cat err.txt)"
done

echo "$cases cases, $failures failures"
exit $((failures > 0))
