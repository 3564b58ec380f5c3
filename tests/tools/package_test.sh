#!/usr/bin/env bash
# The Debian package and `cmake --install`: exactly the tool and its man
# page, dependencies the package names, and a tool that runs from the
# unpacked package. Nothing is installed into the system.
# usage: package_test.sh BUILD_DIR VERSION FIXTURE_DIR
set -u
build=$1
version=$2
fixtures=$3
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

expected_files="usr/bin/tavrin-extract
usr/share/man/man1/tavrin-extract.1.gz"

# cmake --install: the same two files under any prefix.
cmake --install "$build" --prefix "$work/prefix/usr" >/dev/null
check "install: only the tool and the man page" \
  test "$(cd "$work/prefix" && find . -type f | sed 's|^\./||' | sort)" = "$expected_files"

# The package, made into a folder of this test's own.
(cd "$build" && cpack -B "$work/pkg" >"$work/cpack.log" 2>&1)
check "cpack: succeeds" test $? -eq 0
deb=$work/pkg/tavrin-extract_${version}_$(dpkg --print-architecture).deb
check "cpack: $(basename "$deb")" test -f "$deb"
[ -f "$deb" ] || { cat "$work/cpack.log"; echo "package: $passed passed, $failed failed"; exit 1; }

contents=$(dpkg-deb --contents "$deb")
check "contents: only the tool and the man page" \
  test "$(awk '$1 !~ /^d/ {sub(/^\.\//, "", $6); print $6}' <<<"$contents" | sort)" = "$expected_files"
check "contents: the tool is executable" \
  grep -q '^-rwxr-xr-x root/root .* \./usr/bin/tavrin-extract$' <<<"$contents"
field() { dpkg-deb --field "$deb" "$1"; }
check "control: package name" test "$(field Package)" = tavrin-extract
check "control: version" test "$(field Version)" = "$version"
check "control: maintainer" test "$(field Maintainer)" = "The Tavrin project"
check "control: description" test -n "$(field Description)"
check "control: depends on the C library" grep -q 'libc6 (>=' <<<"$(field Depends)"
check "control: depends on the C++ library" grep -q 'libstdc++6 (>=' <<<"$(field Depends)"
# Every dependency is satisfied here, so `apt install ./the.deb` needs nothing.
for dep in $(field Depends | tr ',' '\n' | sed 's/(.*//; s/ //g'); do
  check "control: $dep is installed" \
    grep -q 'install ok installed' <(dpkg-query -W -f='${Status}' "$dep" 2>/dev/null)
done

# Unpacked, the tool runs and writes what the built one writes.
dpkg -x "$deb" "$work/root"
tool=$work/root/usr/bin/tavrin-extract
"$tool" --help >"$work/help" 2>&1
check "unpacked: --help exits 0" test $? -eq 0
check "unpacked: --help prints the usage" grep -qi usage "$work/help"
"$tool" "$fixtures/sample.dll" "$work/ours" >/dev/null 2>&1
check "unpacked: writes sample.dll's groups" test $? -eq 0
"$build/tools/tavrin-extract" "$fixtures/sample.dll" "$work/built" >/dev/null 2>&1
check "unpacked: three icons" test "$(ls "$work/ours" | tr '\n' ' ')" = "1.ico 2.ico 3.ico "
check "unpacked: the same bytes as the built tool" diff -r "$work/built" "$work/ours"

page=$work/root/usr/share/man/man1/tavrin-extract.1.gz
MANWIDTH=80 man --warnings -l "$page" >"$work/man.txt" 2>"$work/man.err"
check "man page: renders" test $? -eq 0
check "man page: no warnings" test ! -s "$work/man.err"
check "man page: names the tool" grep -q '^NAME' "$work/man.txt"
cat "$work/man.err"

echo "package: $passed passed, $failed failed"
test $failed -eq 0
