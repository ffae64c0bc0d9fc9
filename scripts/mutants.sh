#!/usr/bin/env bash
# The mutation check: applies each mutant of tests/mutants.txt in a scratch copy
# of the tree, rebuilds, runs the test program of the mutated folder and says
# whether a test failed (killed), none did (survived) or the mutant did not build.
#
#   scripts/mutants.sh [--working-tree] [--match TEXT] [--timeout SECONDS] [--list FILE]
#
# --working-tree  mutate a copy of the current tree, uncommitted work included
#                 (default: a git worktree of HEAD); the checkout itself is never changed
# --match TEXT    only the mutants whose line contains TEXT
# --timeout S     time limit of one test run (default 300); a run that hits it counts as killed
# --list FILE     another list (default tests/mutants.txt)
#
# The scratch copies, each with its build inside, live in $VELLMARK_MUTANTS_DIR
# (default /tmp/vellmark-mutants) and are kept, so later runs rebuild incrementally.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)

mode=head
match=""
limit=300
list=tests/mutants.txt
while [ $# -gt 0 ]; do
  case "$1" in
    --working-tree) mode=tree;;
    --match) match=$2; shift;;
    --timeout) limit=$2; shift;;
    --list) list=$2; shift;;
    *) echo "usage: $0 [--working-tree] [--match TEXT] [--timeout SECONDS] [--list FILE]" >&2; exit 2;;
  esac
  shift
done
list=$(realpath "$list")
scripts/deps.sh

root=${VELLMARK_MUTANTS_DIR:-/tmp/vellmark-mutants}
src=$root/$mode
# Inside the copy, at the depth of a checkout's own build folder, so that the
# compiler cache serves the copy from the checkout's builds.
build=$src/build
mkdir -p "$root"

# Brings the scratch copy up to date, touching only files whose bytes differ so
# that the build stays incremental.
sync_head() {
  if [ ! -e "$src/.git" ]; then
    rm -rf "$src"
    git worktree add -q --detach "$src" HEAD
  else
    git -C "$src" checkout -q --detach --force "$(git rev-parse HEAD)"
    git -C "$src" clean -q -fd
  fi
}
sync_tree() {
  mkdir -p "$src"
  git ls-files -co --exclude-standard -z | while IFS= read -r -d '' f; do
    [ -f "$f" ] || continue
    if ! cmp -s "$f" "$src/$f"; then
      mkdir -p "$src/$(dirname "$f")"
      cp "$f" "$src/$f" # a fresh time stamp: an older one would leave a stale build
    fi
  done
}
restore() {
  if [ "$mode" = head ]; then git -C "$src" checkout -q -- "$1"; else cp "$top/$1" "$src/$1"; fi
}

if [ "$mode" = head ]; then sync_head; else sync_tree; fi

source scripts/buildcache.sh
export CCACHE_BASEDIR="$src"
# Test programs need no relink when only the library changed.
cmake -S "$src" -B "$build" -G Ninja -DVELLMARK_BUILD_BENCH=OFF -DCMAKE_LINK_DEPENDS_NO_SHARED=ON \
  "${launcher[@]}" >/dev/null

# The test program that judges a mutant of the given file.
program_of() {
  case "$1" in
    tools/*) echo vellmark_tools_tests;;
    *) echo "vellmark_$(echo "$1" | cut -d/ -f2)_tests";;
  esac
}
# Only the programs this list needs are built, then and after each mutant.
targets=$(grep -v -E '^\s*(#|$)' "$list" | { [ -n "$match" ] && grep -F -- "$match" || cat; } |
  sed 's/ | .*//' | while read -r f; do program_of "$f"; done | sort -u)
echo "building the unmutated tree in $build:" $targets
# shellcheck disable=SC2086
cmake --build "$build" -j "$(nproc)" --target $targets >/dev/null

# Replaces the single occurrence of a fragment; exit 3 when it is missing or not unique.
apply() {
  python3 - "$1" "$2" "$3" <<'PY'
import sys
path, frag, repl = sys.argv[1:4]
text = open(path, encoding="utf-8").read()
n = text.count(frag)
if n != 1:
    print(f"fragment found {n} times", file=sys.stderr)
    sys.exit(3)
open(path, "w", encoding="utf-8").write(text.replace(frag, repl))
PY
}

killed=0; survived=0; broken=0; total=0
survivors=()
start=$(date +%s)
while IFS= read -r -u 3 line || [ -n "$line" ]; do
  case "$line" in ''|'#'*) continue;; esac
  [ -n "$match" ] && [[ "$line" != *"$match"* ]] && continue
  file=${line%% | *}
  rest=${line#* | }
  frag=${rest%% => *}
  repl=${rest#* => }
  if [ "$file" = "$line" ] || [ "$frag" = "$rest" ]; then
    echo "bad line: $line"; broken=$((broken + 1)); continue
  fi
  total=$((total + 1))
  target=$(program_of "$file")
  program=$build/tests/$target
  if ! apply "$src/$file" "$frag" "$repl" 2>/dev/null; then
    echo "did not apply   $line"; broken=$((broken + 1)); continue
  fi
  if ! cmake --build "$build" -j "$(nproc)" --target "$target" >/dev/null 2>&1; then
    verdict="did not compile"; broken=$((broken + 1))
  elif (cd "$build/tests" && timeout "$limit" "$program" --gtest_brief=1 --gtest_fail_fast </dev/null >/dev/null 2>&1); then
    verdict="survived"; survived=$((survived + 1)); survivors+=("$line")
  else
    verdict="killed"; killed=$((killed + 1))
  fi
  printf '%-15s %s\n' "$verdict" "$line"
  restore "$file"
done 3< "$list"

# shellcheck disable=SC2086
cmake --build "$build" -j "$(nproc)" --target $targets >/dev/null 2>&1 || true
echo "$total mutants: $killed killed, $survived survived, $broken did not compile or apply ($(( $(date +%s) - start ))s)"
for s in "${survivors[@]}"; do echo "  survived: $s"; done
[ "$broken" -eq 0 ]
