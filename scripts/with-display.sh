#!/usr/bin/env bash
# Runs a command on a virtual X display started for it and stopped afterwards. With $DISPLAY
# already set (and VOCORIX_XVFB unset) the command runs on that display.
set -euo pipefail

if [ -n "${DISPLAY:-}" ] && [ -z "${VOCORIX_XVFB:-}" ]; then
    exec "$@"
fi

fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r -t 30 display_number <"$fifo"
export DISPLAY=":$display_number"
"$@"
