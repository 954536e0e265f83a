#!/bin/bash
# Builds and runs every benchmark under Wine; each prints its ratios against a same-run reference.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --build build/x86_64 -j "$(nproc)"
cd build/x86_64/bin
for exe in bench_*.exe; do
  echo "== $exe"
  ../../../scripts/with-display.sh ../wine-run.sh "./$exe"
done
