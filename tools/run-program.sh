#!/usr/bin/env bash
# Builds the Windows program and runs one edition of it under Wine.
# Usage: run-program.sh [zh-TW|zh-CN|hu]   (default zh-TW)
# With a display the program runs until you close it. Without one it runs
# on a virtual display for MIREL_RUN_SECONDS (default 12) seconds, saving a
# screenshot of the screen every 2 seconds into build/windows/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
edition=${1:-zh-TW}

tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
exe=$PWD/build/windows/bin/$edition/Mirel.exe
# Under Wine there is no real mouse: use the virtual one, with its state
# kept in the build tree (as a path the Windows program can open).
state=$PWD/build/windows/virtual-mouse.state
export MIREL_VIRTUAL_MOUSE=${MIREL_VIRTUAL_MOUSE-Z:${state//\//\\}}
[ -f "$exe" ] || { echo "No such edition: $edition" >&2; exit 2; }

if [ -n "${DISPLAY:-}" ]; then
  exec tools/with-wine.sh build/windows /usr/lib/wine/wine64 "$exe"
fi

shots=$PWD/build/windows/screenshots
mkdir -p "$shots"
seconds=${MIREL_RUN_SECONDS:-12}
tools/with-wine.sh build/windows bash -c '
  /usr/lib/wine/wine64 "$1" & program=$!
  for ((i = 1; i * 2 <= $2; i++)); do
    sleep 2
    import -display "$DISPLAY" -window root "$3/$4-$i.png"
  done
  kill $program 2>/dev/null || true
' run "$exe" "$seconds" "$shots" "$edition"
echo "Screenshots: $shots"
