#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time over its seed corpus.
# Inputs that once crashed are kept in tests/fuzz/regressioni/<target>/ and replayed first.
# Memory is bounded: a target whose memory grows past RSS_MB, or that asks for more than
# MALLOC_MB at once, fails the run (the inputs are a few KB; nothing needs more).
# Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDI=${1:-10}
RSS_MB=512
MALLOC_MB=256
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKELVARO_FUZZ=ON -DKELVARO_UI=OFF -DKELVARO_TESTS=OFF -DKELVARO_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc 2>/dev/null || echo 2)" >/dev/null
esito=0
for bersaglio in build-fuzz/bin/fuzz_*; do
  nome=$(basename "$bersaglio"); nome=${nome#fuzz_}
  seme=tests/fuzz/corpus/$nome
  regressioni=tests/fuzz/regressioni/$nome
  lavoro=$(mktemp -d)
  mkdir -p "$regressioni"
  if [ -n "$(ls -A "$regressioni" 2>/dev/null)" ]; then
    "$bersaglio" -rss_limit_mb=$RSS_MB -malloc_limit_mb=$MALLOC_MB "$regressioni"/* >/dev/null 2>&1 || { echo "fuzz $nome: una regressione fallisce"; esito=1; }
  fi
  if "$bersaglio" -max_total_time="$SECONDI" -timeout=10 -rss_limit_mb=$RSS_MB -malloc_limit_mb=$MALLOC_MB -artifact_prefix="$lavoro/" \
       "$lavoro" "$seme" > "$lavoro.log" 2>&1; then
    echo "fuzz $nome: $(grep -o 'Done [0-9]* runs' "$lavoro.log" | tail -1)"
  else
    echo "fuzz $nome: FALLITO"; tail -30 "$lavoro.log"; esito=1
    cp "$lavoro"/crash-* "$lavoro"/timeout-* "$lavoro"/oom-* "$regressioni"/ 2>/dev/null || true
  fi
  rm -rf "$lavoro" "$lavoro.log"
done
exit $esito
