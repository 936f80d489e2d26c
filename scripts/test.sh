#!/usr/bin/env bash
# Builds everything and runs every test. This is the project's one test command.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

JOBS=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$JOBS"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS")
