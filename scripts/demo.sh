#!/usr/bin/env bash
# Builds the library, the tools and the example module, then runs the example.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
source scripts/buildcache.sh
cmake -S . -B build -G Ninja "${launcher[@]}" -DVELLMARK_BUILD_TESTS=OFF -DVELLMARK_BUILD_BENCH=OFF >/dev/null
cmake --build build
./build/examples/vellmark_demo
echo
./build/tools/vellmark-version
