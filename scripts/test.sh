#!/usr/bin/env bash
# The one test command: installs what is missing, builds both configurations
# and runs every test — native, under Wine on a virtual display, under the
# sanitizers, and short fuzz runs.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh || exit 1

passed=0
failed=0
stage() {  # stage NAME COMMAND...
  echo "=== $1"
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "=== stage failed: $*"
  fi
}

native() {
  cmake --preset native >/dev/null &&
    cmake --build --preset native -j2 &&
    ctest --test-dir build/native -j2 --output-on-failure
}

win32() {
  cmake --preset win32 >/dev/null &&
    cmake --build --preset win32 -j2 &&
    (source scripts/wine-env.sh && wine_prepare &&
      scripts/with-display.sh ctest --test-dir build/win32 --output-on-failure)
}

formatting() {
  git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
}

stage "native build and tests" native
stage "Windows build and tests under Wine" win32
[ -x scripts/test-sanitize.sh ] && stage "sanitizers" scripts/test-sanitize.sh
[ -x scripts/test-fuzz.sh ] && stage "short fuzz runs" scripts/test-fuzz.sh
stage "formatting" formatting

echo "stages: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
