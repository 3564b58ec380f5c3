#!/usr/bin/env bash
# Builds the native configuration and makes the Debian package of
# tavrin-extract from it; prints the package's path.
#   sudo apt install ./build/native/tavrin-extract_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh
nice -n 10 cmake --preset native >/dev/null
nice -n 10 cmake --build --preset native -j2 --target tavrin-extract tavrin-extract-man
(cd build/native && cpack >cpack.log 2>&1) || { cat build/native/cpack.log >&2; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/native/CMakeCache.txt)
deb=build/native/tavrin-extract_${version}_$(dpkg --print-architecture).deb
test -f "$deb"
echo "$deb"
