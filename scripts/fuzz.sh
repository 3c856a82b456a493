#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a bounded time, two at a time.
#
#   scripts/fuzz.sh [seconds-per-target] [target...]     default: 60 s, every target
#   scripts/fuzz.sh --merge [target...]                  minimise the stored corpus
#
# A run starts from the stored corpus tests/fuzz/corpus/<target>/ and keeps what it
# finds besides in <build>/corpus/<target>/; --merge folds both into a minimal stored
# corpus. An input that makes a target fail is written to tests/fuzz/regressions/<target>/
# (commit it with the fix: the suite fuzz_regression_tests replays it). The exit status is
# 1 when any target failed.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${FUZZ_BUILD_DIR:-build-fuzz}
case $build in /*) ;; *) build=$PWD/$build ;; esac
all_targets=(graph_record cyclesearch cyclecheck cycle_record pairsearch graphpick logmerge
             graphimport)
# A legitimate search may take seconds on a 30-vertex graph; a record file larger than
# 4096 bytes only repeats what smaller ones show.
fuzz_options=(-max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1)

merge=false
if [[ ${1:-} == --merge ]]; then
  merge=true
  shift
fi
seconds=60
if [[ ${1:-} =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=("${all_targets[@]}")

cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=ON -DFUZZ=ON -DBUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

# Absolute paths: a target runs the programs in a scratch folder of its own, and a finding
# may be written while it is there.
stored=$PWD/tests/fuzz/corpus
regressions=$PWD/tests/fuzz/regressions

run_target() {
  local target=$1
  local found="$build/corpus/$target"
  mkdir -p "$found" "$stored/$target" "$regressions/$target"
  "$build/bin/fuzz_$target" "${fuzz_options[@]}" -max_total_time="$seconds" \
    -artifact_prefix="$regressions/$target/" "$found" "$stored/$target" \
    >"$build/fuzz_$target.log" 2>&1
}

merge_target() {
  local target=$1
  local merged="$build/merged/$target"
  rm -rf "$merged"
  mkdir -p "$merged" "$build/corpus/$target"
  "$build/bin/fuzz_$target" "${fuzz_options[@]}" -merge=1 "$merged" "$stored/$target" \
    "$build/corpus/$target" >"$build/merge_$target.log" 2>&1
  rm -rf "${stored:?}/$target"
  mv "$merged" "$stored/$target"
  echo "$target: $(ls "$stored/$target" | wc -l) corpus files"
}

if $merge; then
  for target in "${targets[@]}"; do merge_target "$target"; done
  exit 0
fi

# Two fuzzers at a time: the machine has two cores.
failed=()
pids=()
names=()
finish_one() {
  local i=$1
  if wait "${pids[$i]}"; then
    echo "${names[$i]}: clean for ${seconds} s ($(grep -o 'stat::number_of_executed_units: [0-9]*' "$build/fuzz_${names[$i]}.log" | grep -o '[0-9]*$') runs)"
  else
    echo "${names[$i]}: FAILED, see $build/fuzz_${names[$i]}.log and $regressions/${names[$i]}/"
    failed+=("${names[$i]}")
  fi
}
for target in "${targets[@]}"; do
  if [[ ${#pids[@]} -ge 2 ]]; then
    finish_one 0
    pids=("${pids[@]:1}")
    names=("${names[@]:1}")
  fi
  run_target "$target" &
  pids+=($!)
  names+=("$target")
done
for i in "${!pids[@]}"; do finish_one "$i"; done

if [[ ${#failed[@]} -gt 0 ]]; then
  echo "failed: ${failed[*]}"
  exit 1
fi
echo "all ${#targets[@]} targets clean"
