#!/bin/bash
# Builds and opens the gallery. Without a display it renders every page to out/gallery/ instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --build build/x86_64 -j "$(nproc)" --target gallery
export WINEPREFIX="$PWD/build/x86_64/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -n "${DISPLAY:-}" ] && [ -z "${OSTREL_SHOTS:-}" ]; then
  exec wine build/x86_64/bin/gallery.exe
fi
mkdir -p out/gallery
scripts/with-display.sh wine build/x86_64/bin/gallery.exe --shots out/gallery
echo "gallery screenshots written to $PWD/out/gallery (open index.html)"
