#!/bin/bash
# Builds both architectures and runs the test suite under Wine, then installs the x86_64 build to a
# temporary prefix and builds and runs examples/host against it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
jobs=$(nproc)

cmake --build build/i686 -j "$jobs"
cmake --build build/x86_64 -j "$jobs"

run_suite() {  # $1 = build folder
  local dir=$1
  export WINEPREFIX="$PWD/$dir/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  local rc=0
  # One server for the whole run, so executables start fast; Wine's background services are started
  # first, on the same display and with no output attached: started by the first test they would
  # inherit ctest's output pipe and keep that test "running" until its time-out.
  scripts/with-display.sh bash -c 'wineserver -p 2>/dev/null || true
                                   wine cmd.exe /c exit </dev/null >/dev/null 2>&1
                                   ctest --test-dir "$0" --output-on-failure -j 1 || exit $?
                                   exec scripts/check-install.sh "$0"' "$dir" || rc=$?
  wineserver -k 2>/dev/null || true
  return $rc
}

rc=0
if [ -d /usr/lib/i386-linux-gnu/wine ] || dpkg-query -W -f='${Status}' wine32 2>/dev/null | grep -q "install ok installed"; then
  echo "== i686 tests"
  run_suite build/i686 || rc=$?
else
  echo "== i686: built; its tests need wine32, which is not installed"
fi
echo "== x86_64 tests"
run_suite build/x86_64 || rc=$?
exit $rc
