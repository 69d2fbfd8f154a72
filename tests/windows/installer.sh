#!/usr/bin/env bash
# The installer under Wine, as the seller's users run it: a silent install (/S) into a
# prefix of its own, the program started through the desktop shortcut it made, then a
# silent uninstall, after which the prefix holds what it held before (the price file
# aside, which is the user's, and Wine's own logs and caches).
#   tests/windows/installer.sh INSTALLER.exe     (needs a display: run under xvfb-run)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
installer=$(realpath "$1")
source "$here/wine-env.sh"
# A copy of the test prefix, so that nothing installed here stays for the other tests.
base=$("$here/wine-prefix.sh")
WINEPREFIX=$(mktemp -d /tmp/tesmarik-install-XXXXXX)
export WINEPREFIX
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
cp -a "$base/." "$WINEPREFIX/"
rm -f "$WINEPREFIX/.tesmarik-ready"

failures=0
check() {  # check WHAT COMMAND...
    local what=$1
    shift
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

# What a prefix holds: its files (not Wine's temporary ones) and its registry keys.
snapshot() {
    (cd "$WINEPREFIX/drive_c" && find . \( -path './windows/temp' -o -path './users/*/Temp' \
        -o -path './users/*/AppData/Local/Temp' -o -path './windows/Installer' \) -prune \
        -o -print | sort)
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null \
        | tr -d '\r' | sort
}

wineserver -w
snapshot >"$WINEPREFIX/../before-$$.txt"

wine "$installer" /S
wineserver -w
program_files=$WINEPREFIX/drive_c/Program\ Files/Tesmarik
desktop_link=$(find "$WINEPREFIX/drive_c/users" -name 'Тесмарик.lnk' -path '*Desktop*' | head -n 1)
menu_link=$(find "$WINEPREFIX/drive_c" -name 'Тесмарик.lnk' -path '*Start Menu*' | head -n 1)
check "the program is installed into Program Files" test -f "$program_files/tesmarik.exe"
check "the download module and libcurl lie beside it" \
    test -f "$program_files/tesmarik-download.dll" -a -f "$program_files/libcurl.dll"
check "Qt's platform plugin and Russian texts are installed" \
    test -f "$program_files/platforms/qwindows.dll" -a -f "$program_files/translations/qtbase_ru.qm"
check "the licences are installed" test -f "$program_files/licenses/Qt/LGPL-3.txt"
check "a desktop shortcut Тесмарик" test -n "$desktop_link"
check "a Start-menu entry Тесмарик" test -n "$menu_link"
check "the uninstaller is listed among the installed programs" \
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesmarik' /v UninstallString

# Started as a user starts it: through the desktop shortcut.
if [ -n "$desktop_link" ]; then
    wine start /unix "$desktop_link" &
    started=false
    for _ in $(seq 120); do
        if xdotool search --onlyvisible --name 'универсальный трубный калькулятор' >/dev/null 2>&1; then
            started=true
            break
        fi
        sleep 0.5
    done
    check "the shortcut starts the program's window" $started
    wineserver -k || true
    wait || true
fi

uninstaller=$(find "$program_files" -maxdepth 1 -iname 'uninstall*.exe' | head -n 1)
check "the uninstaller is there" test -n "$uninstaller"
if [ -n "$uninstaller" ]; then
    wine "$uninstaller" /S
    wineserver -w
    # The uninstaller copies itself away and runs from there; wait until it is done.
    for _ in $(seq 60); do
        [ -e "$program_files" ] || break
        sleep 0.5
        wineserver -w
    done
fi
snapshot >"$WINEPREFIX/../after-$$.txt"
# The price file is the user's own and stays; nothing else may differ.
if diff <(grep -v '/AppData/Local/tesmarik' "$WINEPREFIX/../before-$$.txt") \
        <(grep -v '/AppData/Local/tesmarik' "$WINEPREFIX/../after-$$.txt") >"$WINEPREFIX/../diff-$$.txt"; then
    check "the uninstall leaves the prefix as it was" true
else
    cat "$WINEPREFIX/../diff-$$.txt"
    check "the uninstall leaves the prefix as it was" false
fi
rm -f "$WINEPREFIX/../before-$$.txt" "$WINEPREFIX/../after-$$.txt" "$WINEPREFIX/../diff-$$.txt"
echo "$failures failed"
[ "$failures" -eq 0 ]
