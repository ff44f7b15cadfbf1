#!/bin/sh
# Builds and runs the benchmarks (medians of 5 repetitions). Extra arguments go to
# Google Benchmark, e.g. --benchmark_filter=Draw/0_0.
set -eu
cd "$(dirname "$0")/.."
./scripts/build.sh build
export QT_QPA_PLATFORM=offscreen
build/bench/draw_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_display_aggregates_only=true "$@"
