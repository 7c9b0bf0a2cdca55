#!/usr/bin/env bash
# The English catalogue against the code. The source strings are extracted from src/ the way
# the catalogue's template is made (tools/make_pot.sh, xgettext), and
#   - every text the code marks for translation has its English in po/en.po (not fuzzy),
#   - po/en.po holds no text the code no longer has,
#   - no Japanese text of src/ is left unmarked (it would stay Japanese in English); picture
#     names (*.BMP) are file names, not texts.
# Each text that fails is named, with where the code has it.
#   catalogue_complete.sh SOURCE_DIR WORK_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
work=$2
rm -rf "$work"
mkdir -p "$work"
export LC_ALL=C.UTF-8

"$source_dir/tools/make_pot.sh" "$source_dir" "$work/marked.pot" 2>"$work/xgettext.log"
"$source_dir/tools/make_pot.sh" "$source_dir" "$work/every.pot" --every 2>>"$work/xgettext.log"

# The entries of a .po or .pot file, one a line: the source string as written there (escapes
# kept, continuation lines joined), its state (translated, untranslated or fuzzy) and where
# the code has it. The header and obsolete entries are left out.
entries() {
  awk '
    function unquote(s) { sub(/^"/, "", s); sub(/"$/, "", s); return s }
    function flush() {
      if (seen && id != "") {
        state = fuzzy ? "fuzzy" : (str == "" ? "untranslated" : "translated")
        print id "\t" state "\t" where
      }
      seen = 0; id = ""; str = ""; where = ""; fuzzy = 0; part = ""
    }
    /^#~/ { next }
    /^$/ { flush(); next }
    /^#:/ { where = where (where == "" ? "" : " ") substr($0, 4); next }
    /^#,/ { if ($0 ~ /fuzzy/) fuzzy = 1; next }
    /^msgid / { seen = 1; part = "id"; id = unquote(substr($0, 7)); next }
    /^msgstr / { part = "str"; str = unquote(substr($0, 8)); next }
    /^"/ { if (part == "id") id = id unquote($0); else if (part == "str") str = str unquote($0); next }
    END { flush() }
  ' "$1"
}
entries "$work/marked.pot" >"$work/marked"
entries "$source_dir/po/en.po" >"$work/english"
entries "$work/every.pot" >"$work/every"

problems=0
report() {
  echo "$*" >&2
  problems=$((problems + 1))
}
[ -s "$work/marked" ] || report "no marked text found in $source_dir/src (did xgettext run? $(cat "$work/xgettext.log"))"

# Marked texts without English.
while IFS=$'\t' read -r id state where; do
  if [ "$state" = none ]; then
    report "no English for \"$id\" ($where): po/en.po has no entry"
  else
    report "no English for \"$id\" ($where): its entry in po/en.po is $state"
  fi
done < <(awk -F'\t' 'NR == FNR { state[$1] = $2; next }
  !($1 in state) { print $1 "\tnone\t" $3 } ($1 in state) && state[$1] != "translated" {
    print $1 "\t" state[$1] "\t" $3 }' "$work/english" "$work/marked")

# English for texts the code no longer has.
while IFS=$'\t' read -r id _; do
  report "po/en.po has \"$id\", which no code marks for translation"
done < <(awk -F'\t' 'NR == FNR { marked[$1] = 1; next } !($1 in marked)' "$work/marked" "$work/english")

# Japanese texts (kana or kanji) that are not marked.
while IFS=$'\t' read -r id _ where; do
  report "the Japanese text \"$id\" ($where) is not marked for translation (Translate or TranslateLater)"
done < <(grep -P '^[^\t]*[\x{3040}-\x{30FF}\x{3400}-\x{9FFF}\x{FF66}-\x{FF9F}]' "$work/every" |
  awk -F'\t' 'NR == FNR { marked[$1] = 1; next } !($1 in marked) && $1 !~ /\.[Bb][Mm][Pp]$/' \
    "$work/marked" -)

if [ $problems -gt 0 ]; then
  echo "$problems problems with the English catalogue" >&2
  exit 1
fi
echo "the English catalogue: $(wc -l <"$work/marked") texts, every one translated"
