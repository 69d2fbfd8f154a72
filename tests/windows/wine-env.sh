# The Wine settings of the Windows tests, sourced by the scripts here: a prefix of their
# own (never the user's), no debug chatter, no prompts to install Mono or Gecko.
# With TESMARIK_WINE_RUSSIAN=1 the prefix is one of its own as a Russian Windows has it:
# Russian regional settings and a user named "Иван" (Wine takes both from the locale and
# the user name it starts under; the locale is compiled once into the cache).
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tesmarik
if [ -n "${TESMARIK_WINE_RUSSIAN:-}" ]; then
    export WINEPREFIX=${TESMARIK_WINEPREFIX:-$cache/wine-tests-ru}
    if [ ! -d "$cache/locales/ru_RU.UTF-8" ]; then
        mkdir -p "$cache/locales"
        compiled=$(mktemp -d "$cache/locales/.ru_RU-XXXXXX")
        localedef -i ru_RU -f UTF-8 "$compiled/ru_RU.UTF-8"
        mv -T "$compiled/ru_RU.UTF-8" "$cache/locales/ru_RU.UTF-8" 2>/dev/null || true
        rm -rf "$compiled"
    fi
    # For the programs started from here; the shell itself, which cannot load a locale
    # from LOCPATH, keeps its own (and would warn).
    export LOCPATH=$cache/locales USER=Иван
    { export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8; } 2>/dev/null
else
    export WINEPREFIX=${TESMARIK_WINEPREFIX:-$cache/wine-tests}
fi
export WINEDEBUG=${WINEDEBUG:--all}
# winemenubuilder would copy Start-menu entries and shortcuts into the Linux desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
