#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
# GNU parallel (for the test of scripts/run-parts.sh) is installed when it is missing and
# the machine allows it; without it that test is skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v parallel >/dev/null 2>&1 && [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
  (apt-get update -qq && apt-get install -y -qq parallel >/dev/null) || echo "could not install GNU parallel"
fi
build=${BUILD_DIR:-build-test}
cmake -S . -B "$build" -DSANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && ctest -j"$(nproc)" --output-on-failure)
