#!/usr/bin/env bash
# Builds the native tests with AddressSanitizer and UndefinedBehaviorSanitizer
# (halting on the first report) and runs them, together with a replay of
# every fuzzing seed and saved finding through both harnesses.
# Usage (from anywhere): scripts/test-sanitize.sh [CTEST-ARGS...]
set -uo pipefail
cd "$(dirname "$0")/.."

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}

if ! { cmake --preset sanitize >/dev/null && cmake --build --preset sanitize -j2 >/dev/null; }; then
  echo "sanitize: the build failed; rerun: cmake --build --preset sanitize" >&2
  exit 1
fi
# Prints ctest's own summary line ("100% tests passed, 0 tests failed out of N").
ctest --test-dir build/sanitize -j2 --output-on-failure "$@"
