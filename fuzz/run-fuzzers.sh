#!/usr/bin/env bash
# Builds the fuzz targets with clang, ASan and UBSan, and runs each for a number of executions.
#   fuzz/run-fuzzers.sh [RUNS]      (default 1000000)
#   QP_FUZZ_SECONDS  stop each target after this many seconds even before RUNS (default: no limit)
set -euo pipefail
runs=${1:-1000000}
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-fuzz"
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -DQP_FUZZ=ON -DQP_SANITIZE=ON \
  -DQP_BUILD_TESTS=OFF -DQP_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
status=0
for source in "$top"/fuzz/fuzz_*.cpp; do
  name=$(basename "$source" .cpp)
  cmake --build "$build" -j2 --target "$name" >"$build/$name.build.log" 2>&1 || {
    tail -n 30 "$build/$name.build.log"
    exit 1
  }
  target="$build/fuzz/$name"
  corpus="$top/fuzz/corpus-$name"
  mkdir -p "$corpus"
  seeds="$top/fuzz/seeds/${name#fuzz_}"
  echo "== $name: $runs executions"
  if ! "$target" -runs="$runs" -max_total_time="${QP_FUZZ_SECONDS:-0}" -max_len=4096 -timeout=10 "$corpus" ${seeds:+$([ -d "$seeds" ] && echo "$seeds")} \
      2>"$build/$name.log"; then
    tail -n 40 "$build/$name.log"
    status=1
  fi
  grep -E '^#[0-9]+.*DONE' "$build/$name.log" || tail -n 3 "$build/$name.log"
done
exit $status
