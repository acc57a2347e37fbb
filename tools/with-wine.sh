#!/usr/bin/env bash
# Runs a command inside a Wine session for a build tree: the prefix exists,
# a display is there (Xvfb with a compositor when none is), and a persistent
# wineserver keeps each Windows test's start at a fraction of a second. When
# the command ends the wineserver, Xvfb and the compositor end with it.
# Usage: with-wine.sh <build-dir> <command> [args...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd); shift

if [ -z "${DISPLAY:-}" ]; then
  MIREL_OWN_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$@"
fi

source "$here/wine-env.sh" "$build"
"$here/wine-prefix.sh" "$build"

pids=()
cleanup() {
  "$WINESERVER" -k 2>/dev/null || true
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
}
trap cleanup EXIT

# Translucent windows and shadows show only with a compositing manager.
# Started only on our own virtual display, never on a user's desktop.
if [ -n "${MIREL_OWN_DISPLAY:-}" ] && command -v xcompmgr >/dev/null; then
  xcompmgr >/dev/null 2>&1 & pids+=($!)
fi
"$WINESERVER" -p </dev/null >/dev/null 2>&1
# Start Wine's own background processes (services, explorer, device
# drivers) now, away from the command's output: started by the first test
# instead, they would inherit its output pipe and CTest would wait for them.
"$WINE64" cmd /c exit </dev/null >/dev/null 2>&1
"$@"
