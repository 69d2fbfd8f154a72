# The Wine settings of the Windows tests, sourced by the scripts here: a prefix of their
# own (never the user's), no debug chatter, no prompts to install Mono or Gecko.
export WINEPREFIX=${TESMARIK_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/tesmarik/wine-tests}
export WINEDEBUG=${WINEDEBUG:--all}
# winemenubuilder would copy Start-menu entries and shortcuts into the Linux desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
