#!/usr/bin/env bash
# Lists the library lines one test program executes, one "file:line" per line, sorted.
# Comparing two listings shows what a change to the tests stopped (or started) reaching:
#
#   scripts/coverage.sh vellmark_kernel_tests > /tmp/before.txt
#   ... edit tests ...
#   scripts/coverage.sh vellmark_kernel_tests > /tmp/after.txt
#   comm -23 /tmp/before.txt /tmp/after.txt      # lines no test reaches any more
#
# Extra arguments go to the test program (e.g. --gtest_filter=...). The build lives in
# $VELLMARK_COVERAGE_DIR (default build-cov), a Debug build with gcc's --coverage.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/buildcache.sh
program=${1:?usage: scripts/coverage.sh TEST_PROGRAM [test arguments]}
shift
dir=${VELLMARK_COVERAGE_DIR:-build-cov}

if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELLMARK_BUILD_BENCH=OFF \
        -DCMAKE_C_FLAGS=--coverage -DCMAKE_CXX_FLAGS=--coverage \
        -DCMAKE_EXE_LINKER_FLAGS=--coverage -DCMAKE_SHARED_LINKER_FLAGS=--coverage >&2
fi
cmake --build "$dir" -j2 --target "$program" >&2
find "$dir" -name '*.gcda' -delete
(cd "$dir/tests" && "./$program" --gtest_brief=1 "$@" >&2) || echo "coverage.sh: $program failed" >&2

# gcov's JSON form names each source and its lines with execution counts.
# Templates and inline functions count where they are instantiated: in the tests' objects too.
find "$dir" -name '*.gcda' -print0 |
    xargs -0 -r gcov --json-format --stdout 2>/dev/null |
    python3 -c '
import json, os, sys
root = os.getcwd()
seen = set()
for text in sys.stdin:
    text = text.strip()
    if not text:
        continue
    for entry in json.loads(text)["files"]:
        name = os.path.relpath(os.path.join(root, "'"$dir"'", entry["file"]), root)
        if not name.startswith("vellmark/"):
            continue
        for line in entry["lines"]:
            if line["count"] > 0:
                seen.add("%s:%d" % (name, line["line_number"]))
print("\n".join(sorted(seen)))
'
