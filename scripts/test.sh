#!/usr/bin/env bash
# Builds and runs every test. With --sanitize: a clang build under
# AddressSanitizer and UndefinedBehaviorSanitizer over the system allocator.
# With --thread: a clang build under ThreadSanitizer of the thread and lock tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
source scripts/buildcache.sh
jobs=$(nproc)
case "${1:-}" in
  --sanitize)
    dir=build-asan
    cmake -S . -B $dir -G Ninja "${launcher[@]}" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
      -DVELLMARK_SANITIZE=address,undefined -DVELLMARK_ALLOCATOR=system -DVELLMARK_BUILD_BENCH=OFF >/dev/null
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    label=();;
  --thread)
    dir=build-tsan
    cmake -S . -B $dir -G Ninja "${launcher[@]}" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
      -DVELLMARK_SANITIZE=thread -DVELLMARK_ALLOCATOR=system -DVELLMARK_BUILD_BENCH=OFF >/dev/null
    export TSAN_OPTIONS=halt_on_error=1
    label=(-R "^(bCThread|bCCriticalSection|bCMultiRead|bCEvent|bCMessageAdmin|bCSpyAdmin)");;
  *)
    dir=build
    cmake -S . -B $dir -G Ninja "${launcher[@]}" >/dev/null
    label=();;
esac
cmake --build $dir -j "$jobs"
ctest --test-dir $dir -j "$jobs" --output-on-failure "${label[@]}"
