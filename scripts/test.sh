#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every
# test; then the end-to-end tests once more with every program under valgrind, and the
# static analysis (cppcheck, clang-tidy). Tools missing on the machine (GNU parallel and
# rsync for the tests of scripts/run-parts.sh, valgrind, cppcheck, clang-tidy) are
# installed when the machine allows it (root with apt-get).
#
#   scripts/test.sh            QUICK=1 scripts/test.sh: the test suite only
set -euo pipefail
cd "$(dirname "$0")/.."

missing=""
for tool in parallel rsync valgrind cppcheck clang-tidy; do
  command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
if [ -n "$missing" ] && [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
  echo "installing$missing"
  (apt-get update -qq && apt-get install -y -qq $missing >/dev/null) || echo "could not install$missing"
fi

build=${BUILD_DIR:-build-test}
cmake -S . -B "$build" -DSANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && ctest -j"$(nproc)" --output-on-failure)

if [ -z "${QUICK:-}" ]; then
  bash scripts/valgrind.sh
  bash scripts/static-analysis.sh
fi
