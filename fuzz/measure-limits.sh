#!/usr/bin/env bash
# Times one press of Extract (indices 1 to 100) on each stress input, in an
# optimised build without sanitizers, and reports wall time and peak memory.
# Usage: fuzz/measure-limits.sh [INPUT...]   (from the repository root)
set -euo pipefail

build=build/limits
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIN_FUZZ=ON \
      -DTAVRIN_TESTS=OFF -DTAVRIN_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target tavrin_extract_press >/dev/null

inputs=("$@")
if [ ${#inputs[@]} -eq 0 ]; then
  python3 fuzz/make_stress_inputs.py "$build/stress-inputs"
  inputs=("$build"/stress-inputs/*)
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
printf '%-42s %10s %10s %12s  %s\n' input size seconds peak-MiB result
for input in "${inputs[@]}"; do
  rm -f "$out"/*.ico
  log=$(mktemp)
  /usr/bin/time -v "$build/fuzz/tavrin_extract_press" "$input" "$out" >"$log.out" 2>"$log"
  seconds=$(sed -n 's/.*Elapsed (wall clock) time.*: //p' "$log")
  peak=$(( $(sed -n 's/.*Maximum resident set size (kbytes): //p' "$log") / 1024 ))
  largest=$(find "$out" -name '*.ico' -printf '%s\n' | sort -n | tail -1)
  printf '%-42s %10s %10s %12s  %s, largest file %s bytes\n' "$(basename "$input")" \
    "$(stat -c %s "$input")" "$seconds" "$peak" "$(cat "$log.out")" "${largest:-0}"
  rm -f "$log" "$log.out"
done
