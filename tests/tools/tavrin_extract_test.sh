#!/usr/bin/env bash
# tavrin-extract: what it writes, what it prints, and its exit codes.
# usage: tavrin_extract_test.sh TOOL FIXTURE_DIR
set -u
tool=$1
fixtures=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

check() {  # check DESCRIPTION CONDITION...
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $what"
  fi
}

# Every group, past a hundred, into a folder that does not exist yet.
"$tool" "$fixtures/many_groups.dll" "$work/many/deep" >"$work/out" 2>"$work/err"
check "many groups: exit 0" test $? -eq 0
check "many groups: one line per file" test "$(wc -l <"$work/out")" -eq 120
check "many groups: 120 files" test "$(ls "$work/many/deep" | wc -l)" -eq 120
check "many groups: 120.ico exists" test -f "$work/many/deep/120.ico"
check "many groups: files are valid icons" icotool -l "$work/many/deep/1.ico" "$work/many/deep/120.ico"
check "many groups: nothing on stderr" test ! -s "$work/err"

# Into the current folder by default; a damaged group is reported and skipped.
mkdir "$work/here"
(cd "$work/here" && "$tool" "$fixtures/groups32.dll") >"$work/out" 2>"$work/err"
check "default folder: exit 0" test $? -eq 0
check "default folder: six files" test "$(ls "$work/here" | tr '\n' ' ')" = "1.ico 2.ico 3.ico 4.ico 5.ico 7.ico "
check "default folder: the missing group is named" grep -q "group 6" "$work/err"

# An icon file gives one file, the same as a second extraction of it.
"$tool" "$fixtures/three_images.ico" "$work/ico" >"$work/out" 2>&1
check "ico: exit 0" test $? -eq 0
check "ico: one file" test "$(ls "$work/ico")" = "1.ico"
"$tool" "$work/ico/1.ico" "$work/ico2" >/dev/null 2>&1
check "ico: normalising is idempotent" cmp -s "$work/ico/1.ico" "$work/ico2/1.ico"

# Nothing to write: exit 1, one line on stderr, no folder made.
printf 'plain text' >"$work/text.exe"
printf 'plain text' >"$work/text.ico"
: >"$work/empty.dll"
cp "$fixtures/sample.dll" "$work/sample.txt"
while IFS='|' read -r source reason; do
  "$tool" "$source" "$work/never" >"$work/out" 2>"$work/err"
  status=$?
  check "$source: exit 1" test $status -eq 1
  check "$source: says '$reason'" grep -q ": $reason\$" "$work/err"
  check "$source: one line" test "$(wc -l <"$work/err")" -eq 1
  check "$source: no folder" test ! -e "$work/never"
done <<LIST
$work/sample.txt|not an exe, dll, icl or ico file
$work/absent.dll|cannot be read
$work|not an exe, dll, icl or ico file
$work/text.exe|not a module
$work/empty.dll|not a module
$work/text.ico|not an icon file
$fixtures/nogroups.dll|no icon groups
LIST

# A folder that cannot be made.
printf 'x' >"$work/afile"
"$tool" "$fixtures/sample.dll" "$work/afile/sub" >/dev/null 2>"$work/err"
check "folder under a file: exit 1" test $? -eq 1

# Bad arguments: exit 2 with the usage.
for args in "" "a b c" "''"; do
  eval "\"$tool\" $args" >/dev/null 2>"$work/err"
  check "arguments [$args]: exit 2" test $? -eq 2
  check "arguments [$args]: usage" grep -q "^usage: tavrin-extract SOURCE \[DIR\]" "$work/err"
done
"$tool" --help >"$work/out"
check "--help: exit 0 with usage on stdout" grep -q "^usage:" "$work/out"

echo "tavrin-extract: $passed passed, $failed failed"
test $failed -eq 0
