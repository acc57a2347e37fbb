#!/usr/bin/env bash
# Runs the skin gallery and the main form's window test under Wine and
# keeps small PNGs of what they showed for the README.
# Usage: gallery-screenshots.sh <windows build dir> <MirelGallery.exe> <output dir>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1 gallery=$2 out=$3
work="$build/gallery-run"
rm -rf "$work" && mkdir -p "$work" "$out"
(cd "$work" && "$here/with-wine.sh" "$build" "$here/wine-exec.sh" "$build" "$gallery")
shots="$work/artifacts"
# The main frame as the program shows it: its window test runs the real
# program against a virtual mouse and keeps the settings page.
"$here/with-wine.sh" "$build" ctest --test-dir "$build" -R main_form_window_test >/dev/null
convert "$build/artifacts/settings-page-group-modes.bmp" -resize 50% "$out/main-frame.png"
convert "$shots/frame-151.bmp" "$shots/frame-153.bmp" -resize 60% +append "$out/small-pages.png"
convert "$shots/box-648.bmp" "$shots/box-339.bmp" "$shots/box-344.bmp" -resize 60% +append \
  "$out/message-boxes.png"
convert "$shots/controls.bmp" -resize 75% "$out/controls.png"
