#!/usr/bin/env bash
# Runs each libFuzzer harness (clang, ASan and UBSan, halting on the first
# report) for a while and fails on any crash, sanitizer report, hang or
# runaway allocation. The input that failed is left in build/fuzz/findings/.
#
# Usage (from anywhere): scripts/test-fuzz.sh [SECONDS [HARNESS...]]
#   SECONDS per harness, 60 by default; HARNESS is module or ico, both by
#   default. TAVRIN_FUZZ_RUNS=N ends a harness after N runs if that comes
#   first. The corpus each run grows is kept in build/fuzz/corpus/.
#
# A long run, one low-priority process per harness, ten million runs each:
#   export TAVRIN_FUZZ_RUNS=10000000
#   nice -n 15 scripts/test-fuzz.sh 86400 module > fuzz-module.log 2>&1 &
#   nice -n 15 scripts/test-fuzz.sh 86400 ico > fuzz-ico.log 2>&1 &
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=(module ico)

if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is missing; run scripts/setup.sh" >&2
  exit 1
fi

build=build/fuzz
targets=()
for h in "${harnesses[@]}"; do targets+=("tavrin_${h}_fuzzer"); done
if ! { cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j2 --target "${targets[@]}" >/dev/null; }; then
  echo "fuzz: the harnesses did not build" >&2
  exit 1
fi

# The PE corpus where the build's cache says it is (TAVRIN_CORPUS_DIR).
pe_corpus=$(sed -n 's/^TAVRIN_CORPUS_DIR:PATH=//p' "$build/CMakeCache.txt" 2>/dev/null)
pe_corpus=${pe_corpus:-../shared/corpus/corkami-pe}

# Seeds: the hand-made ones, every saved finding, the hand-made PE corpus
# when present, and the fixtures of any other build of this tree.
gather() {
  local harness=$1 into=$2
  mkdir -p "$into"
  local patterns=('*.ico')
  [ "$harness" = module ] && patterns=('*.dll' '*.exe' '*.icl')
  for dir in build/*/fixtures; do
    [ -d "$dir" ] || continue
    for p in "${patterns[@]}"; do
      find "$dir" -maxdepth 1 -name "$p" -exec cp -t "$into" {} + 2>/dev/null
    done
  done
  if [ "$harness" = module ] && [ -d "$pe_corpus" ]; then
    find "$pe_corpus" -type f -exec cp -t "$into" {} +
  fi
}

passed=0
failed=0
for h in "${harnesses[@]}"; do
  case $h in
    module) max_len=16384 ;;
    ico) max_len=16384 ;;
    *) echo "fuzz: no harness named $h" >&2; failed=$((failed + 1)); continue ;;
  esac
  corpus=$build/corpus/$h
  gathered=$build/gathered/$h
  findings=$build/findings
  log=$build/logs/$h-$(date +%Y%m%d-%H%M%S).log
  rm -rf "$gathered"
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  gather "$h" "$gathered"
  # The timeout is wall-clock and generous: the machine may be loaded. A
  # single allocation above 128 MB from inputs of at most 16 KiB can only
  # come from a size taken from the input unchecked.
  inputs=("$corpus")
  for dir in fuzz/seeds/"$h" tests/hardening/fixtures/"$h" "$gathered"; do
    [ -d "$dir" ] && inputs+=("$dir")
  done
  "$build/fuzz/tavrin_${h}_fuzzer" "${inputs[@]}" \
    -dict=fuzz/"$h".dict -max_len=$max_len -max_total_time="$seconds" -timeout=30 \
    -rss_limit_mb=2048 -malloc_limit_mb=128 -print_final_stats=1 -runs="${TAVRIN_FUZZ_RUNS:--1}" \
    -artifact_prefix="$findings/$h-" >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ $status -eq 0 ]; then
    passed=$((passed + 1))
    echo "fuzz: $h: ${runs:-0} runs, nothing found"
  else
    failed=$((failed + 1))
    echo "fuzz: $h: FAILED after ${runs:-?} runs; see $log"
    grep -E '^(==[0-9]+==ERROR|SUMMARY|artifact_prefix)' "$log" | head -5
  fi
done

echo "fuzz: $passed passed, $failed failed"
[ $failed -eq 0 ]
