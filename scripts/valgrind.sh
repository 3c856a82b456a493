#!/usr/bin/env bash
# The end-to-end tests with every program run under valgrind (memcheck, full leak check):
# a plain RelWithDebInfo build (valgrind and the sanitizers do not mix), then the fault
# matrix and the small program tests of each suite, not the long runs or the differential
# comparisons. A memory error or leak makes valgrind end the program with status 99, which
# fails the test. Each suite runs in as many gtest shards as there are cores.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-valgrind}
command -v valgrind >/dev/null || { echo "valgrind is not installed (apt-get install valgrind)"; exit 1; }

cmake -S . -B "$build" -DSANITIZE=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fault_tests tools_tests pairsearch_tests cyclesearch_tests >/dev/null

export E2E_WRAPPER="valgrind --error-exitcode=99 --leak-check=full --quiet"
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
shards=$(nproc)
passed=0
failed=0

# run_suite SUITE FILTER: the tests of FILTER in SUITE, sharded.
run_suite() {
  local suite=$1 filter=$2 pids=() i
  for ((i = 0; i < shards; ++i)); do
    GTEST_TOTAL_SHARDS=$shards GTEST_SHARD_INDEX=$i \
      "$build/bin/$suite" --gtest_filter="$filter" --gtest_brief=1 >"$logs/$suite.$i" 2>&1 &
    pids+=($!)
  done
  for i in "${!pids[@]}"; do
    local log="$logs/$suite.$i" ok=0 bad=0
    wait "${pids[$i]}" || bad=1
    ok=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\./\1/p' "$log")
    [ "$bad" -eq 0 ] || bad=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) tests\?, listed below:/\1/p' "$log")
    if [ "${bad:-1}" != 0 ]; then
      echo "---- $suite, shard $i:"
      cat "$log"
    fi
    passed=$((passed + ${ok:-0}))
    failed=$((failed + ${bad:-1}))
  done
}

run_suite fault_tests 'AllPrograms/FaultMatrix.*'
run_suite tools_tests '*'
run_suite pairsearch_tests 'Pairsearch*:Pairsearchx*:*EmptyInput*:*MissingInput*:*BadRecordTest*'
run_suite cyclesearch_tests 'EveryChoiceSearch*:OneForkSearch*:TwoForkSearch*:ReducedGraphTooLarge*:*UnfoundList*:*EmptyInput*:*MissingInput*'

echo "valgrind: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
