#!/usr/bin/env bash
# Makes the expected outputs of the five search programs on the larger sample collections
# by running the programs built on the literal level-by-level path search (the reference),
# from a Release build:  tests/data/cyclesearch/make_golden.sh build-rel
# Each case folder holds input.txt (which records of which test collection the input is),
# what the program printed (stdout.txt) and the files it left besides its input.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-build-rel}/bin" && pwd)
graphs="$here/../graphs"

# Records first..last (counted from 1) of a collection of four-line records.
records() {
  awk -v first="$2" -v last="$3" 'NF { r++ } NF && r > 4 * (first - 1) && r <= 4 * last' "$1"
}

# program input-name case-name source-file record-ranges
cases=(
  "cyclesearch1 s26_c4.c snarks_26 snarks_26.c 1-280"
  "cyclesearch2 s30_c4.c snarks_30_first200 snarks_30_first200.c 1-200"
  "cyclesearch3 s28_c4.c snarks_28_slices snarks_28.c 1-300,1101-1200"
  "cyclesearch2x s30_26251.c snarks_30_first4 snarks_30_first200.c 1-4"
  "cyclesearch3x s30_26251.c snarks_30_first20 snarks_30_first200.c 1-20"
)
for c in "${cases[@]}"; do
  read -r program input name source ranges <<<"$c"
  out="$here/golden/$program-$name"
  rm -rf "$out"
  mkdir -p "$out"
  for range in ${ranges//,/ }; do
    records "$graphs/$source" "${range%-*}" "${range#*-}" >> "$out/$input"
  done
  (cd "$out" && "$bin/${program}_literal" > stdout.txt)
  rm "$out/$input"
  printf '%s %s\n' "$source" "$ranges" > "$out/input.txt"
  echo "$program on $name: $(tail -n 2 "$out"/protokol*.txt | head -n 1)"
done
