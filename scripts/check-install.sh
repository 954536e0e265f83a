#!/bin/bash
# Installs a build to a temporary prefix, checks that its include tree is the public one, then
# builds examples/host against it with find_package(Ostrel) and runs it briefly (it closes itself).
# Usage: check-install.sh BUILD_DIR   (run under a display; WINEPREFIX set by the caller)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
toolchain=$(sed -n "s/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p" "$build/CMakeCache.txt")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
# Only the public trees are installed: every installed header is one of theirs, by name.
public=$(cd ostrel/include && find . -name '*.h'; cd ../../platform/afx/include && find . -name '*.h';
         cd ../../vendor/include && find . -name '*.h')
extra=$(cd "$work/prefix/include" && find . -name '*.h' | sort | comm -23 - <(echo "$public" | sort))
if [ -n "$extra" ]; then
  echo "check-install: headers outside the public include tree were installed: $extra" >&2
  exit 1
fi

cmake -S examples/host -B "$work/host" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DCMAKE_PREFIX_PATH="$work/prefix" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/host" -j "$(nproc)" >/dev/null
(cd "$work/host" && timeout 120 wine ./example_host.exe --auto-close 1500)
echo "check-install: installed package and examples/host OK ($(basename "$toolchain" .cmake))"
