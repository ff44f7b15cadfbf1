#!/bin/sh
# Builds and runs the benchmarks (medians of 5 repetitions): the engine's
# Draw beside its bare orbit, a fill and a QPainter baseline; F3 to the
# repainted view; the history and favourites commands on large stores.
#   scripts/bench.sh [draw|view|stores] [Google Benchmark arguments...]
# e.g. scripts/bench.sh draw --benchmark_filter=Draw/0_0
set -eu
cd "$(dirname "$0")/.."
which="all"
case "${1:-}" in draw|view|stores) which="$1"; shift ;; esac
./scripts/build.sh build
export QT_QPA_PLATFORM=offscreen
run() {
  bin="$1"; shift
  [ -x "$bin" ] || return 0
  "$bin" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_display_aggregates_only=true "$@"
}
[ "$which" = all ] || [ "$which" = draw ] && run build/bench/draw_bench "$@"
[ "$which" = all ] || [ "$which" = view ] && run build/bench/app/view_draw_bench "$@"
[ "$which" = all ] || [ "$which" = stores ] && run build/bench/stores/stores_bench "$@"
exit 0
