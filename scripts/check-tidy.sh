#!/usr/bin/env bash
# Runs clang-tidy with the committed .clang-tidy over every source file of src/ and fails on
# any finding. Needs a configured build folder with compile_commands.json (default: build-tidy,
# configured here when missing).
#   QP_TIDY_BUILD_DIR  build folder to take the compilation database from
#   QP_TIDY_SCOPE      a regular expression of the files to check (default: all of src/)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${QP_TIDY_BUILD_DIR:-$top/build-tidy}
if [ ! -f "$build/compile_commands.json" ]; then
  cmake -S "$top" -B "$build" -DQP_BUILD_TESTS=OFF -DQP_BUILD_BENCH=OFF >/dev/null
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
run-clang-tidy-14 -p "$build" -j "$(nproc)" -quiet "${QP_TIDY_SCOPE:-$top/src/}" >"$log" 2>&1 || true
if grep -E '(warning|error): ' "$log" | grep -v 'warnings generated' >/dev/null; then
  grep -E -A3 '(warning|error): ' "$log" | grep -v 'warnings generated'
  echo "clang-tidy found problems (above)." >&2
  exit 1
fi
echo "clang-tidy: no findings in ${QP_TIDY_SCOPE:-src/}"
