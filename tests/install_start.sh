#!/usr/bin/env bash
# cmake --install into a temporary prefix, then the installed start: the layout of the
# installed files (programs, data, the English catalogue, icons in the hicolor layout, the
# desktop entry, which desktop-file-validate must pass, and the software-centre entry, which
# appstreamcli validate must pass), and the game started twice from the installed files under
# the headless backend, with the per-user game folder in a temporary home. The settings land in
# that folder and are there at the second start; an old installation's links are pointed at
# this one and the user's own files are kept; and once in English.
#   install_start.sh BUILD_DIR WORK_DIR
# Ends with 77 (skipped) when everything else passed but desktop-file-validate or appstreamcli
# is not there.
set -uo pipefail
build=$(cd "$1" && pwd)
work=$2
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
prefix=$work/prefix
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log" >&2
  echo "FAIL: cmake --install" >&2
  exit 1
fi

# --- The layout.
for program in bin/vexo-world-cup libexec/feldo/feldo libexec/feldo/lumar; do
  [ -x "$prefix/$program" ] || fail "$program is not installed as a program"
done
for file in GDAT.DAT ODAT.DAT kick.wav WHISTLE.wav KANSEI1.wav KANSEI4.wav PSMAT006.wav; do
  cmp -s "$prefix/share/feldo/$file" "$build/game/$file" || fail "share/feldo/$file is not the built one"
done
catalogue=share/locale/en/LC_MESSAGES/vexo-world-cup.mo
cmp -s "$prefix/$catalogue" "$build/game/locale/en/LC_MESSAGES/vexo-world-cup.mo" ||
  fail "$catalogue is not the built one"
# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'; }
for size in 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/feldo.png
  if [ ! -f "$icon" ]; then
    fail "no icon at ${size}x${size}"
    continue
  fi
  [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "the ${size}px icon is not a PNG"
  [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "the ${size}px icon is $(png_size "$icon")"
done
entry=$prefix/share/applications/vexo-world-cup.desktop
validated=1
if [ ! -f "$entry" ]; then
  fail "no desktop entry"
else
  grep -qx "Exec=\"$prefix/bin/vexo-world-cup\"" "$entry" || fail "the entry's Exec: $(grep ^Exec "$entry")"
  grep -qx 'Icon=feldo' "$entry" || fail "the entry's icon is not feldo"
  if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$entry" >&2 || fail "desktop-file-validate"
  else
    validated=0
  fi
fi
metainfo=$prefix/share/metainfo/io.github.vexo.vexo_world_cup.metainfo.xml
if [ ! -f "$metainfo" ]; then
  fail "no software-centre entry (share/metainfo)"
elif command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net "$metainfo" >&2 || fail "appstreamcli validate"
else
  validated=0
fi

# --- The start from the installed files.
start=$prefix/bin/vexo-world-cup
home=$work/home
mkdir -p "$home" "$work/elsewhere/scripts"
data_before=$(ls -l "$prefix/share/feldo" "$prefix/libexec/feldo")

# The first start: the folder is made, the pictures are found through the links, and the
# sound is turned off in the start-up menu's dialog (written to SEL_.DAT at the end).
cat >"$work/elsewhere/scripts/first.script" <<'SCRIPT'
wait-dialog SinkiBox 1000
expect-value archiveError 0
expect-value cachedPictures 396
press 247
wait-dialog SetSoundDlg 500
press 248
expect-value soundOff 1
press 1
expect-dialog SinkiBox
close
SCRIPT
# A relative script path is taken from where the start was given.
(cd "$work/elsewhere" && env -u XDG_DATA_HOME HOME="$home" "$start" --game --headless --seed 1 \
  --script scripts/first.script) >"$work/first.out" 2>&1 || fail "the first start: $(tail -3 "$work/first.out")"
folder=$home/.local/share/feldo
[ -d "$folder" ] || fail "no game folder under the home's .local/share"
for name in feldo lumar GDAT.DAT ODAT.DAT kick.wav; do
  [ -L "$folder/$name" ] || fail "$name is not linked into the game folder"
done
[ "$(od -An -tx1 "$folder/SEL_.DAT" 2>/dev/null | tr -d ' ')" = 0301 ] ||
  fail "SEL_.DAT in the game folder is not LEVEL 3, sound off"
[ "$(ls -l "$prefix/share/feldo" "$prefix/libexec/feldo")" = "$data_before" ] ||
  fail "the start wrote into the installed files"

# The second start, after an "older installation": one link points elsewhere, one to a file
# that is no more. The user's save stays as it is; the sound switch of the first start holds.
ln -sfn /nonexistent/old/GDAT.DAT "$folder/GDAT.DAT"
ln -sfn /nonexistent/old/OLD.DAT "$folder/OLD.DAT"
printf 'mine' >"$folder/VEXOSOC.\$\$\$"
cat >"$work/second.script" <<'SCRIPT'
wait-dialog SinkiBox 1000
expect-value archiveError 0
expect-value soundOff 1
press 247
wait-dialog SetSoundDlg 500
press 248
expect-value soundOff 0
press 1
close
SCRIPT
env -u XDG_DATA_HOME HOME="$home" "$start" --game --headless --seed 1 --script "$work/second.script" \
  >"$work/second.out" 2>&1 || fail "the second start: $(tail -3 "$work/second.out")"
[ "$(readlink "$folder/GDAT.DAT")" = "$prefix/share/feldo/GDAT.DAT" ] ||
  fail "the old GDAT.DAT link was not pointed at this installation"
[ ! -e "$folder/OLD.DAT" ] && [ ! -L "$folder/OLD.DAT" ] || fail "the dangling OLD.DAT link is still there"
[ "$(cat "$folder/VEXOSOC.\$\$\$")" = mine ] || fail "the user's save was touched"
[ "$(od -An -tx1 "$folder/SEL_.DAT" | tr -d ' ')" = 0300 ] || fail "SEL_.DAT after the second start"

# In English: the game folder holds no catalogue, the installed one is found from the programs'
# own folder.
printf 'wait-dialog SinkiBox 1000\nexpect-title Football\nclose\n' >"$work/english.script"
env -u XDG_DATA_HOME HOME="$home" "$start" --game --lang en --headless --seed 1 \
  --script "$work/english.script" >"$work/english.out" 2>&1 ||
  fail "the installed game in English: $(tail -3 "$work/english.out")"

# An absolute XDG_DATA_HOME holds the folder; a relative one is ignored.
XDG_DATA_HOME=$work/xdg HOME="$home" "$start" --game --headless --script "$work/elsewhere/scripts/first.script" \
  >/dev/null 2>&1
[ -f "$work/xdg/feldo/SEL_.DAT" ] || fail "XDG_DATA_HOME was not used"
(cd "$work" && XDG_DATA_HOME=relative HOME="$home" "$start" --game --version >/dev/null 2>&1) ||
  fail "a relative XDG_DATA_HOME stops the start"
[ ! -e "$work/relative" ] || fail "a relative XDG_DATA_HOME was used"

# Without --game the launcher is started; --help says where the folder is.
out=$(HOME="$home" XDG_DATA_HOME= "$start" --version 2>&1)
[[ $out == "lumar (Vexo World Cup) "* ]] || fail "the start without --game: $out"
out=$(HOME="$home" XDG_DATA_HOME= "$start" --help 2>&1)
grep -qF "$folder" <<<"$out" || fail "--help does not name the game folder"
grep -q '^Usage: lumar ' <<<"$out" || fail "--help does not show the launcher's options"

# A game folder that cannot be made: one line on standard error and exit 1, nothing started.
printf 'a file' >"$work/not-a-folder"
out=$(XDG_DATA_HOME="$work/not-a-folder" "$start" --game --headless --script "$work/second.script" 2>&1)
code=$?
[ $code -eq 1 ] || fail "an unusable game folder ends with $code"
[[ $out == "vexo-world-cup: cannot make or write the game folder "* ]] || fail "its message: $out"

if [ $failures -gt 0 ]; then
  echo "$failures failures" >&2
  exit 1
fi
if [ $validated -eq 0 ]; then
  echo "desktop-file-validate or appstreamcli is not installed (Debian: desktop-file-utils, appstream):" \
    "the entries were not validated" >&2
  exit 77
fi
echo "install and installed start: all passed"
