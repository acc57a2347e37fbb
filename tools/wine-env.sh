# Sourced by the Wine scripts: the environment every Wine run of the project
# uses. $1 is the build tree that holds the prefix.
export WINEARCH=win64
export WINEPREFIX="${WINEPREFIX:-$1/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko install prompts, no menu entries written into $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
