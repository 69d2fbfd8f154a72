#!/usr/bin/env bash
# The installer under Wine, as the seller's users run it, in a prefix of its own: an older
# version installed silently, the new one over it through its own pages (each page's texts
# read back and photographed), the program started from the last page and from the
# desktop shortcut, the same version run again (it asks, and is left alone), then the
# uninstall through the uninstaller's own pages. After it the prefix holds what it held
# before: its files, the Start menu, and the keys under Software of HKLM and HKCU (Wine's
# own aside), a price file of the user's included.
#   tests/windows/installer.sh INSTALLER.exe [OLDER-INSTALLER.exe [SCREENSHOTS]]
# (needs a display: run under xvfb-run). OLDER-INSTALLER is the same program packed as an
# older version.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
installer=$(realpath "$1")
older=${2:+$(realpath "$2")}
shots=${3:-}
source "$here/wine-env.sh"
# A copy of the test prefix, so that nothing installed here stays for the other tests.
base=$("$here/wine-prefix.sh")
work=$(mktemp -d /tmp/tesmarik-install-XXXXXX)
WINEPREFIX=$work/prefix
export WINEPREFIX
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
cp -a "$base/." "$WINEPREFIX/"
rm -f "$WINEPREFIX/.tesmarik-ready"
[ -n "$shots" ] && mkdir -p "$shots"
# The windows' texts as a Windows program reads them.
x86_64-w64-mingw32-gcc-posix -municode -O2 -o "$work/window_texts.exe" "$here/window_texts.c"

failures=0
passed=true  # whether the last check held
check() {  # check WHAT COMMAND...
    local what=$1
    shift
    if "$@"; then
        echo "ok   $what"
        passed=true
    else
        echo "FAIL $what"
        failures=$((failures + 1))
        passed=false
    fi
}
# Waits until Wine's programs have ended; a window still open after a minute is a failure,
# and is closed.
settle() {
    if ! timeout 60 wineserver -w; then
        echo "FAIL a window stayed open:"
        texts
        failures=$((failures + 1))
        wineserver -k 2>/dev/null || true
        wineserver -w
    fi
}

texts() { wine "$work/window_texts.exe" list 2>/dev/null | tr -d '\r'; }
# Waits until a window holds a control with the text (a fixed string); its texts are then
# in $work/page.txt, and added to all the texts the installer showed.
wait_for() {
    local text=$1
    for _ in $(seq 120); do
        texts >"$work/page.txt"
        if grep -qF -- "$text" "$work/page.txt"; then
            cat "$work/page.txt" >>"$work/shown.txt"
            return 0
        fi
        sleep 0.5
    done
    echo "no window shows \"$text\"; the windows:"
    cat "$work/page.txt"
    return 1
}
click() {  # click WINDOW-TITLE CAPTION
    check "\"$2\" clicked" wine "$work/window_texts.exe" click "$1" "$2"
}
shot() {
    [ -n "$shots" ] || return 0
    sleep 0.5
    import -window root "$shots/$1.png"
}
# The program's window, as the X server shows it.
program_window_shown() {
    for _ in $(seq 120); do
        if xdotool search --onlyvisible --name 'универсальный трубный калькулятор' >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.5
    done
    return 1
}
installed_version() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesmarik' \
        /v DisplayVersion 2>/dev/null | tr -d '\r' | awk '/DisplayVersion/ { print $3 }'
}

# What a prefix holds: its files (not Wine's temporary ones), then the keys under Software
# of HKLM and HKCU as the registry files hold them (Wine writes them when its server ends),
# Wine's own aside: its settings, and the network cards it lists anew as it starts.
snapshot() {
    wineserver -w
    (cd "$WINEPREFIX/drive_c" && find . \( -path './windows/temp' -o -path './users/*/Temp' \
        -o -path './users/*/AppData/Local/Temp' -o -path './windows/Installer' \) -prune \
        -o -print | sort)
    for hive in system user; do
        sed -n 's/^\[\(Software\\\\[^]]*\)\].*/'"$hive"' \1/p' "$WINEPREFIX/$hive.reg" |
            grep -v -e '\\\\Wine\\\\' -e 'NetworkCards' |
            sort
    done
}
start_menu() { find "$WINEPREFIX/drive_c" -path '*Start Menu*' | sort; }

# The user's price file, which no installer or uninstaller may touch.
price_file=$(find "$WINEPREFIX/drive_c/users" -maxdepth 3 -path '*/AppData/Local' -print -quit)/tesmarik/1.csv
mkdir -p "$(dirname "$price_file")"
printf 'the user\r\n' >"$price_file"
price_kept() { [ "$(cat "$price_file" 2>/dev/null)" = $'the user\r' ]; }

start_menu >"$work/menu-before.txt"
snapshot >"$work/before.txt"
version=$(sed -n 's/.*tesmarik-\([0-9.]*\)-win64-setup.exe$/\1/p' <<<"$installer")
title="Установка Тесмарик"

# An older version, installed silently.
if [ -n "$older" ]; then
    wine "$older" /S
    settle
    old_version=$(installed_version)
    check "the older version $old_version is installed" test -n "$old_version" -a "$old_version" != "$version"
fi

# The new version through its pages: over an older one it asks nothing and begins with
# its welcome. A page that does not come ends the walk.
install_through_pages() {
    check "the installer opens on its welcome page" wait_for "Вас приветствует мастер установки Тесмарик"
    $passed || return 0
    check "the window is titled \"$title\", without a trailing blank" grep -qxF "window	$title" "$work/page.txt"
    check "no question about the installed copy" \
        bash -c '! grep -q "уже установлен\|already installed" "$1"' _ "$work/page.txt"
    shot installer-1-welcome
    click "$title" "Далее >"
    check "the terms of use follow" wait_for "Условия использования программы «Тесмарик» $version"
    check "no generic licence of CPack" bash -c '! grep -qi "cpack\|No license provided" "$1"' _ "$work/page.txt"
    check "the terms list the licences with their files" grep -qF 'licenses\Qt\LGPL-3.txt' "$work/page.txt"
    $passed || return 0
    check "the branding line names the program and its version" \
        grep -qP "^  Static\tТесмарик $version ?$" "$work/page.txt"
    shot installer-2-terms
    click "$title" "Принимаю"
    check "the folder page" wait_for "Выбор папки установки"
    $passed || return 0
    shot installer-3-folder
    click "$title" "Далее >"
    check "the Start-menu page" wait_for 'Папка в меню "Пуск"'
    $passed || return 0
    shot installer-4-start-menu
    click "$title" "Установить"
    check "the last page offers to start the program" wait_for "Запустить Тесмарик"
    $passed || return 0
    shot installer-5-finish
    click "$title" "Готово"
    check "\"Готово\" starts the program" program_window_shown
}
wine "$installer" >/dev/null 2>&1 &
install_through_pages
wineserver -k 2>/dev/null || true
settle
check "the new version replaced the older one" test "$(installed_version)" = "$version"
check "the user's price file stays" price_kept

program_files=$WINEPREFIX/drive_c/Program\ Files/Tesmarik
desktop_link=$(find "$WINEPREFIX/drive_c/users" -name 'Тесмарик.lnk' -path '*Desktop*' | head -n 1)
menu_link=$(find "$WINEPREFIX/drive_c" -name 'Тесмарик.lnk' -path '*Start Menu*' | head -n 1)
check "the program is installed into Program Files" test -f "$program_files/tesmarik.exe"
check "the download module and libcurl lie beside it" \
    test -f "$program_files/tesmarik-download.dll" -a -f "$program_files/libcurl.dll"
check "Qt's platform plugin and Russian texts are installed" \
    test -f "$program_files/platforms/qwindows.dll" -a -f "$program_files/translations/qtbase_ru.qm"
check "the licences are installed" test -f "$program_files/licenses/Qt/LGPL-3.txt"
check "one uninstaller, the new one" \
    test "$(find "$program_files" -maxdepth 1 -iname 'uninstall*.exe' 2>/dev/null | wc -l)" = 1
check "a desktop shortcut Тесмарик" test -n "$desktop_link"
check "a Start-menu entry Тесмарик" test -n "$menu_link"
check "the uninstaller is listed among the installed programs" \
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesmarik' /v UninstallString >/dev/null

# The same version again: it asks in its own words, and "Отмена" leaves everything as it is.
wine "$installer" >/dev/null 2>&1 &
check "the same version asks whether to reinstall" wait_for "Тесмарик $version уже установлен"
if $passed; then
    check "with the installer's own buttons \"Установить\" and \"Отмена\"" \
        grep -qzP "Button\t&Установить\n  Button\tОтмена" "$work/page.txt"
    shot installer-6-reinstall
    click "$title" "Отмена"
fi
settle
check "\"Отмена\" leaves it installed" test -f "$program_files/tesmarik.exe" -a "$(installed_version)" = "$version"
# Silently the same version is reinstalled without a question.
wine "$installer" /S
settle
check "a silent run reinstalls it" test -f "$program_files/tesmarik.exe" -a "$(installed_version)" = "$version"

# Started as a user starts it: through the desktop shortcut.
if [ -n "$desktop_link" ]; then
    wine start /unix "$desktop_link" &
    check "the shortcut starts the program's window" program_window_shown
    wineserver -k || true
    wait || true
fi

# The uninstall through the uninstaller's own pages.
uninstall_through_pages() {
    local untitle="Удаление Тесмарик"
    check "the uninstaller asks to confirm" wait_for "Нажмите кнопку \"Удалить\""
    $passed || return 0
    check "it is titled \"$untitle\", without a trailing blank" grep -qxF "window	$untitle" "$work/page.txt"
    $passed || return 0
    shot uninstaller-1-confirm
    click "$untitle" "Удалить"
    check "and removes the program" wait_for "Тесмарик удалён с компьютера"
    $passed || return 0
    check "still titled \"$untitle\"" grep -qxF "window	$untitle" "$work/page.txt"
    shot uninstaller-2-done
    click "$untitle" "Готово"
}
uninstaller=$(find "$program_files" -maxdepth 1 -iname 'uninstall*.exe' 2>/dev/null | head -n 1 || true)
check "the uninstaller is there" test -n "$uninstaller"
if [ -n "$uninstaller" ]; then
    wine "$uninstaller" >/dev/null 2>&1 &
    uninstall_through_pages
    # The uninstaller copies itself away and runs from there; wait until it is done.
    for _ in $(seq 60); do
        [ -e "$program_files" ] || break
        sleep 0.5
    done
    settle
fi

# Every text of the installer's and the uninstaller's windows is Russian: no Latin word
# but the names of keys (PageUp, PageDown); the folder's name, and the terms' and the folder
# field's texts aside.
grep -v -P '^  (Edit|RichEdit20W)\t' "$work/shown.txt" | cut -f 2- |
    sed 's/^(disabled) //; s/PageUp\|PageDown//g; s/C:\\Program Files\\Tesmarik//g' | grep -P '[A-Za-z]{2,}' >"$work/latin.txt" || true
if [ -s "$work/latin.txt" ]; then sed 's/^/not Russian: /' "$work/latin.txt"; fi
check "every text shown is Russian" test ! -s "$work/latin.txt"

check "the user's price file stays after the uninstall" price_kept
start_menu >"$work/menu-after.txt"
snapshot >"$work/after.txt"
check "the Start menu holds what it held before" diff "$work/menu-before.txt" "$work/menu-after.txt"
# Nothing may differ (the price file, the user's, was there before).
if diff "$work/before.txt" "$work/after.txt" >"$work/diff.txt"; then
    check "the uninstall leaves the prefix's files and registry keys as they were" true
else
    cat "$work/diff.txt"
    check "the uninstall leaves the prefix's files and registry keys as they were" false
fi
echo "$failures failed"
[ "$failures" -eq 0 ]
