#!/usr/bin/env bash
# Builds Tavrin and starts it under Wine. With a display it simply starts the
# program. Without one it starts it on a virtual display, drops the sample
# module on it, presses Extract, lists the icons written and saves a picture
# of the window.
#
# The program runs from build/run/, so the icons land there. The build is
# the one this host executes (see scripts/wine-env.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/wine-env.sh
build=build/$TAVRIN_WINDOWS_BUILD

has_display() { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }

targets=(tavrin)
has_display || targets+=(tavrin_demo_driver tavrin_fixtures)
cmake --preset "$TAVRIN_WINDOWS_BUILD" >/dev/null
cmake --build --preset "$TAVRIN_WINDOWS_BUILD" -j "$(nproc)" --target "${targets[@]}"
wine_prepare

run=build/run
mkdir -p "$run"
cp "$build/shell/tavrin.exe" "$run/"

# Wine knows the Chinese captions' font by another name.
"$tavrin_wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v SimSun /d 'WenQuanYi Micro Hei' /f \
  >/dev/null 2>&1 || true

if has_display; then
  exec "$tavrin_wine" "$run/tavrin.exe"
fi

# No display: a virtual one has no window manager, so Wine draws the frame.
"$tavrin_wine" reg add 'HKCU\Software\Wine\AppDefaults\tavrin.exe\X11 Driver' /v Managed /d N /f \
  >/dev/null 2>&1 || true
# Let the Wine session started without a display end, so that the next one
# starts on the virtual display.
wineserver -w
rm -f "$run"/*.ico
picture=build/run/tavrin.png
demo() {
  "$tavrin_wine" "$run/tavrin.exe" &
  local tavrin=$!
  local status=0
  "$tavrin_wine" "$build/tests/shell/tavrin_demo_driver.exe" \
    "Z:$PWD/$build/fixtures/sample.dll" "Z:$PWD/$picture" || status=$?
  kill "$tavrin" 2>/dev/null || true
  wait "$tavrin" 2>/dev/null || true
  return "$status"
}
export -f demo
export run picture build tavrin_wine
scripts/with-display.sh bash -c demo
echo "Icons written by Tavrin into $run:"
ls -l "$run"/*.ico
echo "Picture of the window: $picture"
