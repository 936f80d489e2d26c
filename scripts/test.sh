#!/usr/bin/env bash
# Builds everything and runs every test: the main build (core, windows, site in the browser),
# the installed program and its package, the core tests again under address and
# undefined-behaviour sanitizers, and a bounded fuzz run of every reader. This is the project's
# one test command.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

JOBS=$(nproc 2>/dev/null || echo 2)

echo "== build e test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$JOBS"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS")

echo "== installazione e pacchetto"
bash scripts/verifica_installazione.sh build

echo "== test del nucleo con i sanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVARO_SANITIZE=ON \
  -DKELVARO_UI=OFF -DKELVARO_BENCH=OFF >/dev/null
cmake --build build-asan -j "$JOBS" --target kelvaro_tests kelvaro-cli kelvaro_risorse
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure -j "$JOBS" -E '^(browser|ui_|aiutino_modulo)')

echo "== fuzzing"
bash scripts/fuzz.sh 10
