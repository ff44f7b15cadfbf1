#!/bin/sh
# Sets up the machine, builds everything and runs every test.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
