#!/usr/bin/env bash
# Makes the Wine prefix of the Windows tests once: a Windows 10 of its own, with the
# window's fonts (Arial, Tahoma, MS Sans Serif) mapped to metric-compatible ones, so that
# texts are laid out as a Windows desktop lays them out: copies of the Liberation fonts,
# each face with a name of its own (prefix_fonts.py). Prints the prefix.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
fonts=$WINEPREFIX/drive_c/windows/Fonts
ready() { [ -f "$WINEPREFIX/.tesmarik-ready" ] && [ -f "$fonts/MetricfontSans-Regular.ttf" ]; }
# The user's documents are a folder of the prefix's own: Wine links them to the home
# folder of the machine, into which no test may write.
own_documents() {
    local documents
    for documents in "$WINEPREFIX"/drive_c/users/*/Documents; do
        if [ -L "$documents" ]; then
            rm -f "$documents"
            mkdir -p "$documents"
        fi
    done
}
if ready; then
    own_documents
    echo "$WINEPREFIX"
    exit 0
fi
mkdir -p "$(dirname "$WINEPREFIX")"
# One maker at a time: tests started in parallel wait for the first.
exec 9>"$WINEPREFIX.lock"
flock 9
if ! ready; then
    # Without a display, wineboot must not try to open one.
    DISPLAY= wine wineboot -i >/dev/null 2>&1
    python3 "$here/prefix_fonts.py" "$fonts"
    DISPLAY= wine reg import "$here/fonts.reg" >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tesmarik-ready"
fi
own_documents
echo "$WINEPREFIX"
