#!/usr/bin/env bash
# Every user-visible output of the commands on every corpus text, checked
# against the recorded checksums: a change that alters any byte of them shows
# here. `--record` writes the checksums anew after an intended change.
#   corpus_outputs.sh KELVO CORPUS_DIR SUMS_FILE [--record]
set -euo pipefail
kelvo=$(realpath "$1") corpus=$2 sums=$3 mode=${4:-check}
if [ ! -d "$corpus" ]; then
  if [ -n "${CI:-}" ]; then echo "corpus folder $corpus missing" >&2; exit 1; fi
  echo "corpus folder $corpus missing: skipped"; exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export KELVO_HOME="$work/home"
out="$work/out"; mkdir -p "$out"
for f in "$corpus"/*.txt; do
  b=$(basename "$f" .txt)
  for c in parse sentences tokens translate; do
    "$kelvo" $c "$f" > "$out/$b.$c" 2> "$out/$b.$c.err" || echo "status $?" >> "$out/$b.$c.err"
  done
  "$kelvo" translate --joint "$f" > "$out/$b.joint" 2>&1 || echo "status $?" >> "$out/$b.joint"
  # These name the file in each line: read from its folder, the name is the
  # same wherever the corpus is.
  (cd "$corpus" && "$kelvo" spell "$b.txt") > "$out/$b.spell" 2>&1 || echo "status $?" >> "$out/$b.spell"
  (cd "$corpus" && "$kelvo" search --forms sum "$b.txt") > "$out/$b.forms" 2>&1 ||
    echo "status $?" >> "$out/$b.forms"
  for fm in json conllu; do
    "$kelvo" analyze --format $fm "$f" > "$out/$b.$fm" 2>&1 || echo "status $?" >> "$out/$b.$fm"
    "$kelvo" analyze --lines --format $fm "$f" > "$out/$b.lines.$fm" 2>&1 || echo "status $?" >> "$out/$b.lines.$fm"
  done
done
cd "$out"
if [ "$mode" = --record ]; then
  sha256sum * > "$sums"
  echo "recorded $(wc -l < "$sums") checksums in $sums"
else
  sha256sum --quiet -c "$sums"
  echo "$(wc -l < "$sums") outputs identical"
fi
