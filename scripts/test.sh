#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
# GNU parallel and rsync (for the tests of scripts/run-parts.sh) are installed when they
# are missing and the machine allows it; without them those tests are skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
missing=""
for tool in parallel rsync; do command -v $tool >/dev/null 2>&1 || missing="$missing $tool"; done
if [ -n "$missing" ] && [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
  (apt-get update -qq && apt-get install -y -qq $missing >/dev/null) || echo "could not install$missing"
fi
build=${BUILD_DIR:-build-test}
cmake -S . -B "$build" -DSANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && ctest -j"$(nproc)" --output-on-failure)
