#!/bin/bash
# Runs a command with an X display: the current one, or a 24-bit Xvfb screen when there is none.
if [ -n "${DISPLAY:-}" ]; then
  exec "$@"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
