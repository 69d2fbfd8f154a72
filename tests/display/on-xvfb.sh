#!/usr/bin/env bash
# Runs a command on a display of its own: a fresh Xvfb server, the xcb platform. The server
# picks a free display number and stops when the command ends.
set -euo pipefail
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" \
    >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -f "$number_file"' EXIT
for _ in $(seq 100); do
    [ -s "$number_file" ] && break
    kill -0 "$server" 2>/dev/null || { echo "on-xvfb.sh: Xvfb did not start" >&2; exit 1; }
    sleep 0.05
done
[ -s "$number_file" ] || { echo "on-xvfb.sh: Xvfb gave no display" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$number_file")"
export QT_QPA_PLATFORM=xcb
# In the sanitizer build: the desktop libraries' own leftovers are not the program's leaks.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
"$@"
