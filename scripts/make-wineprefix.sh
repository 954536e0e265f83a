#!/bin/sh
# Creates a Wine prefix for running the build's executables: make-wineprefix.sh PREFIX win64|win32
# Windows are left unmanaged, so hiding a top-level window does not wait for a window manager that
# a bare X server does not have.
set -e
prefix=$1
arch=${2:-win64}
[ -f "$prefix/system.reg" ] && exit 0
export WINEPREFIX="$prefix" WINEARCH="$arch" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
