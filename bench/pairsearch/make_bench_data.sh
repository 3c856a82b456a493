#!/usr/bin/env bash
# Regenerates the benchmark data in data/:
#   s30_c4_dom_3000.c  the first 3000 snarks of s30_c4.g6 (30 vertices), each with the
#                      dominating cycle of fewest fork centres (all have one of 29
#                      vertices, so 14 items) found by make_cycle_records.py
#   no_pair.c          for N = 10..15 items, the first graph without a pair among 40
#                      random graphs of random_cycle_graphs.py (seed N, ceil(N/2) forks)
# usage: make_bench_data.sh <path of s30_c4.g6> <program folder with pairsearch>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
snarks=${1:?path of s30_c4.g6}
bin=$(cd "${2:?program folder}" && pwd)

head -3000 "$snarks" |
  python3 "$here/../../tests/pairsearch/make_cycle_records.py" --forks 1 2 3 --fewest \
    > "$here/data/s30_c4_dom_3000.c"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: > "$here/data/no_pair.c"
for N in 10 11 12 13 14 15; do
  forks=$(( (N + 1) / 2 ))
  python3 "$here/random_cycle_graphs.py" "$N" $((N - forks)) "$forks" 40 > "$work/s30_c4_dom_vyb.c"
  (cd "$work" && "$bin/pairsearch" > /dev/null)
  first=$(head -1 "$work/protokol_vyb.txt" | cut -d' ' -f1 | tr -d '\r')
  # The record, renumbered by its N.
  awk -v r="$first" -v N="$N" 'BEGIN { RS = "\r\n"; ORS = "\r\n" }
       NR == (r - 1) * 7 + 1 { print N; next }
       NR > (r - 1) * 7 && NR <= r * 7' "$work/s30_c4_dom_vyb.c" >> "$here/data/no_pair.c"
done
