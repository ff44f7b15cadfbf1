#!/bin/sh
# Sets up the machine, builds everything and runs every test: the plain build
# (benchmarks built, not run), the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short bounded run of every fuzz target.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

# No debug information in the test builds: it doubles the compile time and
# the tests do not need it (the sanitizer build keeps line tables for its
# reports).
./scripts/build.sh build "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG"
ctest --test-dir build --output-on-failure -j "$jobs"

./scripts/build.sh build-asan -DLUMORA_SANITIZE=ON -DLUMORA_BENCH=OFF "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG"
ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:strict_string_checks=1" \
LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE long

./scripts/fuzz.sh "${LUMORA_FUZZ_SECONDS:-30}"
