#!/bin/sh
# Sets up the machine, builds LumoraFree and starts it.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh build
if [ -x build/app/lumorafree ]; then
  exec build/app/lumorafree "$@"
fi
# Without the window: draw the first default figure with the command-line tool.
build/cli/lumora-cli defaults 0 0 > build/diamond.lmfig
build/cli/lumora-cli render build/diamond.lmfig -o build/diamond.png --size 1000
echo "Wrote build/diamond.png"
