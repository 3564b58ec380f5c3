#!/usr/bin/env bash
# One press of Extract against its floor, as a Windows program under Wine,
# on the large generated module and on Wine's 32-bit shell32.dll.
# usage: bench/press_under_wine.sh   (after scripts/setup.sh; the build is
# the one this host runs, or TAVRIN_WINDOWS_BUILD's)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
build=build/$TAVRIN_WINDOWS_BUILD
cmake --preset "$TAVRIN_WINDOWS_BUILD" >/dev/null
cmake --build --preset "$TAVRIN_WINDOWS_BUILD" -j2 --target tavrin_press_bench >/dev/null
wine_prepare
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
modules=("Z:$PWD/$build/bench-fixtures/bench.dll")
shell32=/usr/lib/i386-linux-gnu/wine/i386-windows/shell32.dll
[ -f "$shell32" ] && modules+=("Z:$shell32")
"$tavrin_wine" "$build/bench/tavrin_press_bench.exe" "Z:$work" "${modules[@]}"
