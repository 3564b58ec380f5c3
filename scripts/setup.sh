#!/usr/bin/env bash
# Installs what building and testing Tavrin needs on Debian 12, then nothing
# more. Safe to run again: only missing packages are installed.
set -euo pipefail

packages=(
  cmake g++ ninja-build googletest libgtest-dev libbenchmark-dev
  mingw-w64 g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine32 wine64 fonts-wine xvfb x11-utils xdotool imagemagick
  fonts-wqy-microhei icoutils clang libclang-rt-14-dev clang-format python3
  libcli11-dev nlohmann-json3-dev zlib1g-dev libpng-dev libz-mingw-w64-dev
  man-db groff-base dpkg-dev time
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
  missing+=(wine32)
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
