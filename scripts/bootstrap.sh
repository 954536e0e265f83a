#!/bin/bash
# Installs what the build and the tests need from Debian's packages (only what is missing),
# then configures both builds and creates the Wine prefix. Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make ccache g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
          wine wine64 xvfb xauth googletest fonts-dejavu-core fonts-liberation)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "bootstrap: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

for arch in x86_64 i686; do
  if [ ! -f "build/$arch/CMakeCache.txt" ]; then
    cmake -S . -B "build/$arch" -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-$arch.cmake" -DCMAKE_BUILD_TYPE=Release
  fi
done

# The 64-bit prefix is made once; its first start takes a while.
echo "bootstrap: Wine prefix"
scripts/make-wineprefix.sh "$PWD/build/x86_64/wineprefix" win64
