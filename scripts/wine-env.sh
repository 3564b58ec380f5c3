# Sourced by the scripts that run Windows programs. Chooses the Windows build
# this host can run, then sets up a Wine prefix of the project's own for it,
# quiet, without the Mono and Gecko installers.
#
# TAVRIN_WINDOWS_BUILD=win32|win64 forces the choice; otherwise the host is
# probed once: where it executes 32-bit programs the 32-bit build (the one
# users are pointed to) runs, elsewhere the 64-bit build under 64-bit Wine.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [ -n "${TAVRIN_WINDOWS_BUILD:-}" ]; then
  tavrin_forced=1
else
  # Wine's 32-bit loader is an i386 program: it starts only where the kernel
  # executes 32-bit code.
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    TAVRIN_WINDOWS_BUILD=win32
    echo "windows: this host runs 32-bit programs; the win32 build runs under Wine"
  else
    TAVRIN_WINDOWS_BUILD=win64
    echo "windows: this host cannot run 32-bit programs; the win64 build runs under 64-bit Wine"
  fi
fi
case $TAVRIN_WINDOWS_BUILD in
  win32)
    export WINEARCH=win32
    tavrin_wine=wine
    ;;
  win64)
    export WINEARCH=win64
    # Debian's `wine` starts the 32-bit loader whenever wine32 is installed.
    tavrin_wine=/usr/lib/wine/wine64
    export WINELOADER=$tavrin_wine
    ;;
  *)
    echo "windows: TAVRIN_WINDOWS_BUILD must be win32 or win64, not '$TAVRIN_WINDOWS_BUILD'" >&2
    return 2 2>/dev/null || exit 2
    ;;
esac
export TAVRIN_WINDOWS_BUILD
if [ -n "${tavrin_forced:-}" ]; then
  echo "windows: TAVRIN_WINDOWS_BUILD chooses the $TAVRIN_WINDOWS_BUILD build; no probe"
fi
export WINEPREFIX="${TAVRIN_WINEPREFIX:-$repo_root/build/wine-prefix-$TAVRIN_WINDOWS_BUILD}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

wine_prepare() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating the prefix $WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$tavrin_wine" wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
  # The caption buttons' glyphs come from Marlett, which a new prefix lacks.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ]; then
    mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
  fi
}
