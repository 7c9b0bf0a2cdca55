#!/bin/sh
# The template of the message catalogues: every text of src/ marked for translation, that is
# the argument of Translate(...) or TranslateLater(...), extracted by xgettext (GNU gettext).
#   make_pot.sh SOURCE_DIR OUTPUT.pot          the template (cmake --build build --target pot)
#   make_pot.sh SOURCE_DIR OUTPUT.pot --every  every string literal of the same files, marked or
#                                              not (the catalogue check looks there for Japanese
#                                              texts that were not marked)
# The locations name the files from SOURCE_DIR (src/shell/commands.cpp:83).
set -eu
source_dir=$1
output=$2
case "${3:-}" in
  --every) keywords=--extract-all ;;
  '') keywords="--keyword= --keyword=Translate --keyword=TranslateLater" ;;
  *) echo "usage: make_pot.sh SOURCE_DIR OUTPUT.pot [--every]" >&2; exit 2 ;;
esac
case "$output" in
  /*) ;;
  *) output=$(pwd)/$output ;;
esac
cd "$source_dir"
list=$(mktemp)
trap 'rm -f "$list"' EXIT
find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort >"$list"
# shellcheck disable=SC2086
xgettext --from-code=UTF-8 --language=C++ $keywords --no-wrap --sort-by-file \
  --package-name="Vexo World Cup" --msgid-bugs-address="the Vexo World Cup developers" --add-comments=Translators: \
  --files-from="$list" --output="$output"
