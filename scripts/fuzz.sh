#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for the given number of seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
scripts/deps.sh
source scripts/buildcache.sh
dir=build-fuzz
cmake -S . -B $dir -G Ninja "${launcher[@]}" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DVELLMARK_SANITIZE=address,undefined -DVELLMARK_ALLOCATOR=system -DVELLMARK_BUILD_FUZZ=ON \
  -DVELLMARK_BUILD_TESTS=OFF -DVELLMARK_BUILD_BENCH=OFF -DVELLMARK_BUILD_TOOLS=OFF >/dev/null
cmake --build $dir
shopt -s nullglob
for target in $dir/fuzz/*_fuzz; do
  name=$(basename "$target")
  corpus=$dir/corpus/$name
  mkdir -p "$corpus"
  seeds=fuzz/seeds/$name
  echo "fuzzing $name for ${seconds}s"
  ASAN_OPTIONS=detect_leaks=1 "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=512 \
    "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) 2>&1 | tail -n 3
done
