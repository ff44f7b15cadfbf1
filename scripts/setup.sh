#!/bin/sh
# Installs what building and testing LumoraFree needs on Debian 12, skipping
# what is already there. Uses sudo only when not run as root.
set -eu

PACKAGES="build-essential cmake git pkg-config ninja-build
qt6-base-dev qt6-base-dev-tools libqt6gui6 qt6-image-formats-plugins qt6-translations-l10n qt6-qpa-plugins libgl1-mesa-dev
libgtest-dev libgmock-dev googletest libbenchmark-dev
xvfb xauth x11-utils fonts-noto-cjk
clang libclang-rt-14-dev"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

if [ -n "$missing" ]; then
  if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
  echo "Installing:$missing"
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  # shellcheck disable=SC2086
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi
