#!/usr/bin/env bash
# Builds everything and runs every test: native, native with sanitizers,
# and the Windows build under Wine. Installs missing Debian packages first.
# Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

step() { printf '\n=== %s ===\n' "$*"; }

for preset in native asan; do
  step "$preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  step "$preset: test"
  ctest --preset "$preset"
done

step "windows: build"
cmake --preset windows >/dev/null
cmake --build --preset windows
step "windows: test under Wine"
tools/with-wine.sh build/windows ctest --preset windows

step "fuzz: build"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
step "fuzz: short run of every target"
tools/run-fuzzers.sh 5
