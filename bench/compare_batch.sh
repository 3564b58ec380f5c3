#!/usr/bin/env bash
# tavrin-extract against wrestool (icoutils) on one large batch: every icon
# group of every DLL and EXE of Wine's 32- and 64-bit install, written as
# .ico files. Reports the best wall time of a few runs, the .ico files
# written and the peak resident memory of each.
#
# usage: bench/compare_batch.sh [BUILD_DIR]   (default build/native)
#   TAVRIN_BATCH=dirs   tavrin-extract -q -r -o OUT DIR... in one process
#                       (the default)
#   TAVRIN_BATCH=loop   one `tavrin-extract FILE OUT/<k>` per file, for a
#                       tool without the batch form
#   TAVRIN_BENCH_RUNS   runs per tool, the best kept (default 3)
set -euo pipefail
build=${1:-build/native}
tool=$build/tools/tavrin-extract
mode=${TAVRIN_BATCH:-dirs}
runs=${TAVRIN_BENCH_RUNS:-3}

roots=()
for dir in /usr/lib/i386-linux-gnu/wine /usr/lib/x86_64-linux-gnu/wine; do
  [ -d "$dir" ] && roots+=("$dir")
done
[ ${#roots[@]} -gt 0 ] || { echo "compare_batch: Wine is not installed" >&2; exit 1; }
[ -x "$tool" ] || { echo "compare_batch: no $tool; build it first" >&2; exit 1; }
command -v wrestool >/dev/null || { echo "compare_batch: no wrestool (icoutils)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "compare_batch: no /usr/bin/time (package time)" >&2; exit 1; }
case $mode in
  dirs | loop) ;;
  *) echo "compare_batch: TAVRIN_BATCH must be dirs or loop, not '$mode'" >&2; exit 2 ;;
esac

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files=$work/files
find "${roots[@]}" -type f \( -iname '*.dll' -o -iname '*.exe' \) -print0 | sort -z >"$files"
file_count=$(tr -cd '\0' <"$files" | wc -c)

# The batch form gets the folders themselves: its -r must find the same files.
ours_dirs() {
  local status=0
  "$tool" -q -r -o "$1" "${roots[@]}" >/dev/null 2>"$work/ours.err" || status=$?
  # 3: some sources had nothing to give, which Wine's modules often do.
  [ $status -eq 0 ] || [ $status -eq 3 ]
}
ours_loop() {
  local k=0 file
  while IFS= read -r -d '' file; do
    k=$((k + 1))
    "$tool" "$file" "$1/$k" >/dev/null 2>&1 || true
  done <"$files"
}
# One wrestool per folder: it names its files after the source file, and the
# 32- and 64-bit folders hold files of the same names.
theirs() {
  local k=0 dir
  while IFS= read -r dir; do
    k=$((k + 1))
    mkdir -p "$1/$k"
    find "$dir" -maxdepth 1 -type f \( -iname '*.dll' -o -iname '*.exe' \) -print0 |
      xargs -0 wrestool -x -t 14 -o "$1/$k" >/dev/null 2>&1 || true
  done < <(tr '\0' '\n' <"$files" | xargs -d '\n' -n1 dirname | sort -u)
}
export -f ours_dirs ours_loop theirs
export tool files work
roots_text=${roots[*]}
export roots_text

# measure NAME FUNCTION: "seconds kilobytes icons" of the best of $runs runs,
# the memory the largest of any run.
measure() {
  local name=$1 function=$2 best="" peak=0 icons=0
  for _ in $(seq "$runs"); do
    rm -rf "$work/out" && mkdir "$work/out"
    if ! /usr/bin/time -v -o "$work/time" \
      bash -c 'roots=($roots_text); '"$function"' "$1"' _ "$work/out"; then
      echo "compare_batch: $name failed" >&2
      cat "$work/ours.err" >&2 2>/dev/null || true
      [ "$function" = ours_dirs ] &&
        echo "compare_batch: without the batch form, run with TAVRIN_BATCH=loop" >&2
      return 1
    fi
    local wall rss
    wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {
      n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s }' "$work/time")
    rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time")
    best=$(awk -v a="$wall" -v b="${best:-1e9}" 'BEGIN {print (a < b ? a : b)}')
    [ "$rss" -gt "$peak" ] && peak=$rss
    icons=$(find "$work/out" -type f -iname '*.ico' | wc -l)
  done
  echo "$best $peak $icons"
}

ours=$(measure tavrin-extract "ours_$mode")
theirs=$(measure wrestool theirs)
read -r ours_s ours_kb ours_icons <<<"$ours"
read -r theirs_s theirs_kb theirs_icons <<<"$theirs"

echo "$file_count DLL and EXE files under ${roots[*]}; best of $runs runs; tavrin-extract: $mode"
printf '%-16s %10s %10s %14s\n' tool "wall s" ".ico files" "peak RSS MB"
awk -v s="$ours_s" -v k="$ours_kb" -v n="$ours_icons" \
  'BEGIN {printf "%-16s %10.2f %10d %14.1f\n", "tavrin-extract", s, n, k / 1024}'
awk -v s="$theirs_s" -v k="$theirs_kb" -v n="$theirs_icons" \
  'BEGIN {printf "%-16s %10.2f %10d %14.1f\n", "wrestool", s, n, k / 1024}'
awk -v a="$ours_s" -v b="$theirs_s" -v c="$ours_kb" -v d="$theirs_kb" \
  'BEGIN {printf "wrestool / tavrin-extract: time %.2fx, peak memory %.2fx\n",
          b / (a > 0 ? a : 0.005), d / c}'
