#!/bin/sh
# Builds the fuzz targets with clang and runs each for a bounded time:
#   scripts/fuzz.sh [SECONDS]   (default 30; the test command runs it so)
# A longer run of one target: build-fuzz/fuzz/fuzz_document_line -max_total_time=600 fuzz/corpus/document_line
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-30}"
CC=clang CXX=clang++ ./scripts/build.sh build-fuzz -DLUMORA_GUI=OFF -DLUMORA_BENCH=OFF -DLUMORA_FUZZ=ON \
  -DLUMORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG"
for target in build-fuzz/fuzz/fuzz_* build-fuzz/fuzz/stores/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target" | sed 's/^fuzz_//')
  seeds="fuzz/corpus/$name"
  work="build-fuzz/corpus/$name"
  mkdir -p "$work"
  [ -d "$seeds" ] && cp -n "$seeds"/* "$work"/ 2>/dev/null || true
  echo "fuzzing $name for ${seconds}s"
  log="build-fuzz/$name.log"
  if ! "$target" -max_total_time="$seconds" -print_final_stats=1 -max_len=65536 -artifact_prefix="build-fuzz/$name-" \
      "$work" >"$log" 2>&1; then
    echo "fuzzing $name found a fault:"
    grep -E 'ERROR|invariant|SUMMARY|Test unit written' "$log" || tail -n 30 "$log"
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$log" || true
done
