#!/usr/bin/env bash
# Builds the Debian package kelvaro_VERSION_ARCH.deb with CPack from the build in BUILD (default
# build/), into BUILD/pacchetto/, then shows its control data and lintian's findings. Fails when
# lintian reports an error. Usage: bash scripts/package.sh [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
bash scripts/setup.sh

JOBS=$(nproc 2>/dev/null || echo 2)
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD" -j "$JOBS" --target kelvaro_installabile

USCITA="$PWD/$BUILD/pacchetto"
rm -rf "$USCITA"
(cd "$BUILD" && cpack -G DEB -B "$USCITA" >/dev/null)
deb=$(ls "$USCITA"/kelvaro_*.deb)
echo "pacchetto: $deb"
dpkg-deb --info "$deb"
# lintian fails on errors; warnings and notes are shown but do not stop the build.
lintian --info --display-level ">=warning" --fail-on error "$deb"
echo "lintian: nessun errore"
