#!/usr/bin/env bash
# Builds the tool chain and runs it on the bundled sample collections.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
echo "built the programs in $build/bin"
