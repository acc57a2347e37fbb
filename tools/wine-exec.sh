#!/usr/bin/env bash
# CTest's emulator for the Windows build: runs one Windows program under
# wine64 in the build tree's prefix. Usage: wine-exec.sh <build-dir> <exe> [args]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1; shift
source "$here/wine-env.sh" "$build"
[ -f "$WINEPREFIX/.mirel-ready" ] || "$here/wine-prefix.sh" "$build"
exec "$WINE64" "$@"
