#!/usr/bin/env bash
# Runs Tavrin. Until the window exists this shows the engine at work: it
# extracts the icons of a sample module with tavrin-extract and lists them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native -j2 --target tavrin-extract tavrin_fixtures
out=build/run
rm -rf "$out"
build/native/tools/tavrin-extract build/native/fixtures/sample.dll "$out"
ls -l "$out"
