#!/bin/bash
# Runs a command with an X display: the current one, or a 24-bit Xvfb screen when there is none.
if [ -n "${DISPLAY:-}" ]; then
  exec "$@"
fi
# A Wine server still running for this prefix was started without this screen (for example by the
# build's generators) and its desktop can make no windows here: it is ended first.
if [ -n "${WINEPREFIX:-}" ]; then
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
