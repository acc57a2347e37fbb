#!/usr/bin/env bash
# Creates the build tree's Wine prefix once (about 13 s), with the CJK font
# mapped so that Chinese and Hungarian texts render. Safe to call from
# several processes at once: the first creates, the others wait.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh" "$1"

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$WINEPREFIX/.mirel-ready" ] && exit 0

rm -rf "$WINEPREFIX"
"$WINE64" wineboot -i >/dev/null 2>&1
"$WINE64" regedit /S "Z:${here//\//\\}\\wine-fonts.reg" >/dev/null 2>&1
"$WINESERVER" -w
touch "$WINEPREFIX/.mirel-ready"
