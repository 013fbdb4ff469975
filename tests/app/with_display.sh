#!/usr/bin/env bash
# Runs a test program on a virtual display of its own, so that its windows
# are X windows drawn with OpenGL as on a desktop. The display server picks a
# free display itself: programs run side by side never share one.
set -euo pipefail
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; rm -f "$fifo"' EXIT
read -r display <"$fifo"
status=0
DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$@" || status=$?
exit "$status"
