#!/usr/bin/env bash
# The Debian package, made by CPack from the build's install rules: its control fields, its
# dependencies against the libraries the programs link, its file list and that it has no
# maintainer scripts; then installed with dpkg into a throw-away root (the dependencies checked
# against this system's packages), the installed menu entry and software-centre entry
# validated, the game started headless by the entry's command with the game folder in a
# temporary home (once in English, from the packaged catalogue), and the package removed:
# nothing of it is left and the player's game folder is as it was.
#   package_deb.sh BUILD_DIR WORK_DIR VERSION
# Ends with 77 (skipped) when a program it needs is missing, naming the Debian packages to
# install.
set -uo pipefail
build=$(cd "$1" && pwd)
work=$2
version=$3
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

missing=()
need() { # PROGRAM DEBIAN-PACKAGE
  command -v "$1" >/dev/null 2>&1 || missing+=("$2")
}
need cpack cmake
need dpkg dpkg
need dpkg-deb dpkg
need dpkg-shlibdeps dpkg-dev
need objdump binutils
need appstreamcli appstream
need desktop-file-validate desktop-file-utils
if [ ${#missing[@]} -gt 0 ]; then
  echo "skipped: the package test needs the Debian packages $(printf '%s\n' "${missing[@]}" | sort -u | tr '\n' ' ')" >&2
  exit 77
fi

# --- The package.
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack" >&2
  exit 1
fi
arch=$(dpkg --print-architecture)
deb=$work/cpack/vexo-world-cup_${version}_${arch}.deb
if [ ! -f "$deb" ]; then
  echo "FAIL: no $(basename "$deb"); cpack wrote: $(ls "$work/cpack")" >&2
  exit 1
fi
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vexo-world-cup ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"

# --- The file list: exactly these files, owned by root; the programs executable.
dpkg-deb -c "$deb" >"$work/contents"
files=$(awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' "$work/contents" | sort)
expected=$(sort <<'LIST'
/usr/bin/vexo-world-cup
/usr/libexec/feldo/feldo
/usr/libexec/feldo/lumar
/usr/share/feldo/GDAT.DAT
/usr/share/feldo/ODAT.DAT
/usr/share/feldo/kick.wav
/usr/share/feldo/WHISTLE.wav
/usr/share/feldo/KANSEI1.wav
/usr/share/feldo/KANSEI4.wav
/usr/share/feldo/PSMAT006.wav
/usr/share/locale/en/LC_MESSAGES/vexo-world-cup.mo
/usr/share/applications/vexo-world-cup.desktop
/usr/share/icons/hicolor/32x32/apps/feldo.png
/usr/share/icons/hicolor/48x48/apps/feldo.png
/usr/share/icons/hicolor/64x64/apps/feldo.png
/usr/share/icons/hicolor/128x128/apps/feldo.png
/usr/share/icons/hicolor/256x256/apps/feldo.png
/usr/share/metainfo/io.github.vexo.vexo_world_cup.metainfo.xml
LIST
)
[ "$files" = "$expected" ] || fail "the file list differs from the expected one:
$(diff <(echo "$expected") <(echo "$files") | grep '^[<>]')"
awk '$2 != "root/root" { print $6 }' "$work/contents" | grep . >&2 && fail "entries not owned by root/root"
for program in /usr/bin/vexo-world-cup /usr/libexec/feldo/feldo /usr/libexec/feldo/lumar; do
  grep -q "^-rwxr-xr-x .* \.$program\$" "$work/contents" || fail "$program is not a program (rwxr-xr-x)"
done
# No maintainer scripts: installing and removing run nothing, so no user's folder is touched.
dpkg-deb -e "$deb" "$work/control"
[ "$(ls "$work/control" | sort | tr '\n' ' ')" = "control md5sums " ] ||
  fail "the control part holds more than control and md5sums: $(ls "$work/control" | tr "\n" " ")"

# --- Depends: the packages of the libraries the programs link, and the Japanese font.
depends=$(field Depends)
# Its package names, one a line (every alternative, without versions).
depends_names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/[[:space:]]//g' | grep -v '^$' | sort -u)
dpkg-deb -x "$deb" "$work/unpacked"
needed=$(for program in feldo lumar; do
  objdump -p "$work/unpacked/usr/libexec/feldo/$program" | awk '$1 == "NEEDED" { print $2 }'
done | sort -u)
[ -n "$needed" ] || fail "the programs link no library (objdump -p found no NEEDED entry)"
owners=
for library in $needed; do
  # The packages of this system that hold the library, without their architecture.
  holders=$(dpkg-query -S "*/$library" 2>/dev/null | grep -v '^diversion' | sed 's/: .*//' | tr ',' '\n' |
    sed 's/^ *//; s/:.*//' | sort -u)
  if [ -z "$holders" ]; then
    fail "no package of this system holds $library"
  elif ! grep -qxF -f <(echo "$holders") <<<"$depends_names"; then
    fail "Depends names none of the packages holding $library ($(echo $holders)): $depends"
  fi
  owners+=$holders$'\n'
done
grep -qx fonts-ipafont-gothic <<<"$depends_names" || fail "Depends does not name fonts-ipafont-gothic: $depends"
for name in $depends_names; do
  case $name in
    fonts-ipafont-gothic | fonts-japanese-gothic) ;;
    *) grep -qxF "$name" <<<"$owners" || fail "Depends names $name, which holds none of the linked libraries" ;;
  esac
done

# --- Installed into a throw-away root. Its package database holds this system's entries of the
# packages named in Depends, so dpkg checks the dependencies against the versions installed
# here; the libraries and the font themselves are this system's.
root=$work/root
admin=$root/var/lib/dpkg
mkdir -p "$admin/info" "$admin/updates"
: >"$admin/status"
for name in $depends_names; do
  dpkg-query -W -f='${Status}\n' "$name" 2>/dev/null | grep -q ' installed$' || continue
  dpkg-query --status "$name" >>"$admin/status"
  echo >>"$admin/status"
  for package in $(dpkg-query -W -f='${binary:Package}\n' "$name"); do
    : >"$admin/info/$package.list"
  done
done
dpkg_root() { dpkg --root="$root" --force-not-root --log=/dev/null "$@"; }

# The player's game folder from an earlier start: a save, a screenshot, links of ours.
home=$work/home
folder=$home/.local/share/feldo
mkdir -p "$folder"
printf 'mine' >"$folder/VEXOSOC.\$\$\$"
printf 'a picture' >"$folder/screenshot-0001.png"
ln -s /usr/share/feldo/GDAT.DAT "$folder/GDAT.DAT"
folder_state() { (cd "$folder" && find . -printf '%p %y %l %s\n' | sort && find . -type f -exec md5sum {} + | sort); }
before=$(folder_state)

if ! HOME=$home dpkg_root -i "$deb" >"$work/install.log" 2>&1; then
  cat "$work/install.log" >&2
  fail "dpkg -i into the throw-away root"
fi
[ "$(folder_state)" = "$before" ] || fail "installing touched the player's game folder"
for file in $expected; do
  [ -e "$root$file" ] || fail "$file was not installed"
done

# --- The installed menu entry and software-centre entry.
entry=$root/usr/share/applications/vexo-world-cup.desktop
desktop-file-validate "$entry" >&2 || fail "desktop-file-validate"
grep -qx 'Exec="/usr/bin/vexo-world-cup"' "$entry" || fail "the entry's Exec: $(grep ^Exec "$entry")"
grep -q '^Name\[ja\]=.' "$entry" || fail "the entry has no Japanese name"
grep -qx 'Categories=Game;SportsGame;' "$entry" || fail "the entry's categories: $(grep ^Categories "$entry")"
metainfo=$root/usr/share/metainfo/io.github.vexo.vexo_world_cup.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
  fail "appstreamcli validate: $(cat "$work/appstream.log")"
grep -qF '<id>io.github.vexo.vexo_world_cup</id>' "$metainfo" || fail "the metainfo's id is not its file's name"
# The installed tree as a software centre reads it: the entry the metainfo launches is there.
appstreamcli validate-tree --no-net "$root" >"$work/appstream-tree.log" 2>&1 ||
  fail "appstreamcli validate-tree: $(cat "$work/appstream-tree.log")"
for tag in name summary; do
  grep -q "<$tag xml:lang=\"ja\">." "$metainfo" || fail "the metainfo has no Japanese $tag"
done
# Every screenshot named is a picture of the build's screenshots folder, of the size given.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'; }
shots=$(grep -o '<image [^>]*>[^<]*</image>' "$metainfo")
[ -n "$shots" ] || fail "the metainfo names no screenshot"
while read -r shot; do
  [ -n "$shot" ] || continue
  picture=$build/screenshots/$(sed 's|</image>||; s|.*/||' <<<"$shot")
  size=$(sed -n 's/.*width="\([0-9]*\)" height="\([0-9]*\)".*/\1x\2/p' <<<"$shot")
  if [ ! -f "$picture" ]; then
    fail "no screenshot $picture"
  elif [ "$(png_size "$picture")" != "$size" ]; then
    fail "$(basename "$picture") is $(png_size "$picture"), the metainfo says $size"
  fi
done <<<"$shots"

# --- The game started by the entry's command (its /usr taken in the throw-away root), headless.
start=$root$(sed -n 's/^Exec="\(.*\)"$/\1/p' "$entry")
cat >"$work/start.script" <<'SCRIPT'
wait-dialog SinkiBox 1000
expect-value archiveError 0
expect-value cachedPictures 396
close
SCRIPT
env -u XDG_DATA_HOME HOME="$home" "$start" --game --headless --seed 1 --script "$work/start.script" \
  >"$work/start.out" 2>&1 || fail "the installed game: $(tail -3 "$work/start.out")"
grep -q 'font not found' "$work/start.out" && fail "the installed game found no Japanese font"
[ "$(readlink "$folder/GDAT.DAT")" = "$root/usr/share/feldo/GDAT.DAT" ] ||
  fail "the start did not link the installed GDAT.DAT into the game folder"
[ "$(cat "$folder/VEXOSOC.\$\$\$")" = mine ] || fail "the start touched the player's save"
# In English: the programs find the installed catalogue from their own folder.
printf 'wait-dialog SinkiBox 1000\nexpect-title Football\nclose\n' >"$work/english.script"
env -u XDG_DATA_HOME HOME="$home" "$start" --game --lang en --headless --seed 1 \
  --script "$work/english.script" >"$work/english.out" 2>&1 ||
  fail "the installed game in English: $(tail -3 "$work/english.out")"
out=$(env -u XDG_DATA_HOME HOME="$home" "$start" --version 2>&1)
[ "$out" = "lumar (Vexo World Cup) $version" ] || fail "the installed launcher's version: $out"

# --- Removed: nothing of the package is left, the game folder stays as the game left it.
before=$(folder_state)
if ! HOME=$home dpkg_root -r vexo-world-cup >"$work/remove.log" 2>&1; then
  cat "$work/remove.log" >&2
  fail "dpkg -r"
fi
left=$(find "$root" -mindepth 1 -not -path "$admin" -not -path "$admin/*" \
  -not -path "$root/var" -not -path "$root/var/lib")
[ -z "$left" ] || fail "left after the removal: $left"
[ "$(folder_state)" = "$before" ] || fail "removing touched the player's game folder"

if [ $failures -gt 0 ]; then
  echo "$failures failures" >&2
  exit 1
fi
echo "Debian package $(basename "$deb"): all passed"
