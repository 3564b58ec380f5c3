#!/usr/bin/env bash
# tavrin-extract against wrestool (icoutils), the same job in the same run:
# every icon group of a module written as .ico files.
# usage: bench/compare_wrestool.sh [BUILD_DIR]   (default build/native)
set -euo pipefail
build=${1:-build/native}
tool=$build/tools/tavrin-extract
runs=5
modules=("$build/bench-fixtures/bench.dll")
shell32=/usr/lib/i386-linux-gnu/wine/i386-windows/shell32.dll
[ -f "$shell32" ] && modules+=("$shell32")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

best_of() {  # best_of COMMAND...: the fastest of $runs runs, in seconds
  local best=""
  for _ in $(seq $runs); do
    rm -rf "$work/out" && mkdir "$work/out"
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    best=$(echo "$start $end ${best:-999}" | awk '{d = $2 - $1; print (d < $3 ? d : $3)}')
  done
  echo "$best"
}

printf '%-28s %6s %8s %12s %12s %7s\n' module groups MB tavrin-extract wrestool ratio
for module in "${modules[@]}"; do
  ours=$(best_of "$tool" "$module" "$work/out")
  groups=$(ls "$work/out" | wc -l)
  theirs=$(best_of wrestool -x -t 14 -o "$work/out" "$module")
  size=$(stat -c %s "$module" | awk '{printf "%.1f", $1 / 1e6}')
  awk -v m="$(basename "$module")" -v g="$groups" -v s="$size" -v a="$ours" -v b="$theirs" \
    'BEGIN { printf "%-28s %6d %8s %10.1f ms %10.1f ms %6.1fx\n", m, g, s, a * 1000, b * 1000, b / a }'
done
