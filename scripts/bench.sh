#!/bin/bash
# Builds and runs every benchmark under Wine; each prints its ratios against a same-run reference.
# Ends with one table: every figure that has a target, the target, and whether it is met.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --build build/x86_64 -j "$(nproc)"
out=$(mktemp)
trap 'rm -f "$out"' EXIT
cd build/x86_64/bin
for exe in bench_*.exe; do
  echo "== $exe"
  # Windows programs end their lines with CR LF: the CR goes before anything reads the lines.
  ../../../scripts/with-display.sh ../wine-run.sh "./$exe" 2>&1 | tr -d '\r' | tee -a "$out" | grep -v '^target|' || true
done
echo
echo "== targets ($(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg))"
grep '^target|' "$out" | awk -F'|' '
  BEGIN { printf "%-66s %-10s %-10s %s\n", "figure", "measured", "target", "state"; bad = 0 }
  { printf "%-66s %-10s %-10s %s\n", $2, $3, $4, $5; if ($5 != "met") bad++ }
  END { printf "\n%d of %d targets met\n", NR - bad, NR }'
