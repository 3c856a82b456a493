#!/usr/bin/env bash
# Builds the tool chain and runs it on the bundled sample collections in a fresh scratch
# folder, the way a study runs it: the dominating-cycle searches, the verifier, the 2DBP
# search over parts of a result file with the two mergers, the selection of the graphs
# without 2DBP, the 2DBP search over every fork choice, and the splitter. Each step runs
# in a folder of its own (the programs use fixed file names) with the files it reads
# copied from the steps before. Prints where the results are and a short summary.
#
#   scripts/demo.sh            (DEMO_DIR=folder to choose the scratch folder)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}

cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
bin=$build/bin

work=${DEMO_DIR:-$(mktemp -d "${TMPDIR:-/tmp}/domcycles-demo.XXXXXX")}
mkdir -p "$work"
work=$(cd "$work" && pwd)
samples=$top/samples

# step NAME PROGRAM FILE...: runs PROGRAM in $work/NAME holding copies of FILE...; its
# console lines go to console.txt there.
step() {
  local name=$1 program=$2
  shift 2
  mkdir -p "$work/$name"
  for file in "$@"; do cp "$file" "$work/$name/"; done
  (cd "$work/$name" && "$bin/$program" > console.txt)
}

# copy FROM TO: a file of an earlier step under the name the next program reads.
copy() { mkdir -p "$(dirname "$2")"; cp "$1" "$2"; }

# The count line's first number of a protocol, and its second.
found() { grep '^Bolo najdenych' "$1" | tr -d '\r' | awk '{print $3}'; }
unfound() { grep '^Bolo najdenych' "$1" | tr -d '\r' | awk '{print $NF}'; }
records() { grep -c '' "$1" | awk '{print int($1 / 7)}'; }

echo "Running the tool chain on the samples in $work"

# 1. The dominating-cycle searches.
step 01-cyclesearch1 cyclesearch1 "$samples/s26_c4.c"
step 02-cyclesearch3 cyclesearch3 "$samples/s28_c4.c"
step 03-cyclesearch2 cyclesearch2 "$samples/s30_c4.c"
step 04-cyclesearch2x cyclesearch2x "$samples/s30_26251.c"
step 05-cyclesearch3x cyclesearch3x "$samples/s30_26251.c"

# 2. The verifier on every cycle the all-choices searches wrote (it reads s30_26251_dom.c).
copy "$work/04-cyclesearch2x/s30_26251_dom.c" "$work/06-cyclecheck-2x/s30_26251_dom.c"
step 06-cyclecheck-2x cyclecheck
copy "$work/05-cyclesearch3x/s30_26251_dom.c" "$work/07-cyclecheck-3x/s30_26251_dom.c"
step 07-cyclecheck-3x cyclecheck
for search in 01-cyclesearch1/s26_c4_dom.c 02-cyclesearch3/s28_c4_dom.c 03-cyclesearch2/s30_c4_dom.c; do
  name=08-cyclecheck-$(basename "$(dirname "$search")" | cut -d- -f2)
  copy "$work/$search" "$work/$name/s30_26251_dom.c"
  step "$name" cyclecheck
done

# 3. The 2DBP search over three parts of the two-fork result file, as a run on several
#    machines would do it, and the two mergers on what the parts wrote.
dom=$work/03-cyclesearch2/s30_c4_dom.c
total=$(records "$dom")
per_part=$(( (total + 2) / 3 ))
for i in 1 2 3; do
  mkdir -p "$work/09-pairsearch-part$i"
  first=$(( (i - 1) * per_part * 7 + 1 ))
  last=$(( i * per_part * 7 ))
  sed -n "${first},${last}p" "$dom" > "$work/09-pairsearch-part$i/s30_c4_dom_vyb.c"
  step "09-pairsearch-part$i" pairsearch
  copy "$work/09-pairsearch-part$i/protokol_vyb.txt" "$work/10-logmerge/protokol_$i.txt"
  copy "$work/09-pairsearch-part$i/s30_c4_2dbp_vyb.c" "$work/11-pairmerge/s28_c4_2dbp_$i.c"
done
step 10-logmerge logmerge
step 11-pairmerge pairmerge

# 4. The selection of the graphs whose cycle has no 2DBP (the merged protocol lists them),
#    and the 2DBP search over the selection.
copy "$work/10-logmerge/protokol.txt" "$work/12-graphpick/protokol.txt"
copy "$dom" "$work/12-graphpick/s30_c4_dom.c"
step 12-graphpick graphpick
step 13-pairsearch pairsearch "$work/12-graphpick/s30_c4_dom_vyb.c"

# 5. The 2DBP search over every two-fork cycle of the all-choices graphs, numbered by
#    position.
step 14-pairsearchx pairsearchx "$work/04-cyclesearch2x/s30_26251_dom.c"

# 6. The splitter: 29 parts of fixed record counts (parts past the input hold empty lines).
step 15-graphsplit graphsplit "$dom"

echo
echo "Summary"
for s in 01-cyclesearch1:s26_c4.c 02-cyclesearch3:s28_c4.c 03-cyclesearch2:s30_c4.c; do
  d=${s%%:*}
  printf '  %-14s %3d graphs searched, %4d with a cycle, %3d without\n' "${d#*-}" \
    "$(grep -c '' "$work/$d/${s#*:}" | awk '{print int($1 / 4)}')" \
    "$(found "$work/$d/protokol.txt")" "$(unfound "$work/$d/protokol.txt")"
done
for d in 04-cyclesearch2x 05-cyclesearch3x; do
  printf '  %-14s %3d graphs searched, %4d cycles over all fork choices, %d graphs without\n' \
    "${d#*-}" "$(grep -c '' "$samples/s30_26251.c" | awk '{print int($1 / 4)}')" \
    "$(found "$work/$d/protokol_26251.txt")" "$(unfound "$work/$d/protokol_26251.txt")"
done
printf '  %-14s %3d records in 3 parts: %d with 2DBP, %d without (merged protocol 10-logmerge/protokol.txt)\n' \
  pairsearch "$total" "$(found "$work/10-logmerge/protokol.txt")" "$(unfound "$work/10-logmerge/protokol.txt")"
printf '  %-14s %3d records without 2DBP selected, pairsearch on them: %d with 2DBP\n' \
  graphpick "$(records "$work/12-graphpick/s30_c4_dom_vyb.c")" "$(found "$work/13-pairsearch/protokol_vyb.txt")"
printf '  %-14s %3d cycles: %d with 2DBP, %d without\n' pairsearchx \
  "$(records "$work/04-cyclesearch2x/s30_26251_dom.c")" \
  "$(found "$work/14-pairsearchx/protokol_26251.txt")" "$(unfound "$work/14-pairsearchx/protokol_26251.txt")"
verdict="every cycle is a dominating cycle"
for report in "$work"/0[678]-cyclecheck-*/protokol.txt; do
  if ! grep -q '^Vsetky grafy maju platne dominujuce kruznice\.' "$report"; then
    verdict="FAILED: see $report"
  fi
done
printf '  %-14s %s (%s)\n' cyclecheck "$verdict" \
  "$(head -n 1 "$work/06-cyclecheck-2x/protokol.txt" | tr -d '\r')"
echo
echo "Results: $work (one folder per step: its inputs, the files it wrote, console.txt)"
