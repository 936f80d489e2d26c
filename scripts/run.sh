#!/usr/bin/env bash
# Builds the workbench and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

JOBS=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$JOBS"
if [ -x build/bin/kelvaro ]; then
  exec build/bin/kelvaro "$@"
fi
exec build/bin/kelvaro-cli verifica build/bin/schemixwebsite/*.txt
