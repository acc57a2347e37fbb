#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when some
# are missing, so a second run costs a dpkg query and nothing more.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libbenchmark-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine64 libxrender1 libxcomposite1 libxi6 libxrandr2 libxfixes3
  libxcursor1 libxinerama1 xvfb xauth imagemagick xcompmgr
  fonts-wqy-microhei python3-pil nsis
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq \
  --no-install-recommends "${missing[@]}"
