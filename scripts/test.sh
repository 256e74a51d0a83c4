#!/usr/bin/env bash
# The README's test command: builds everything and runs every test.
#  1. the native build on our own layer (ASan and UBSan) and its tests;
#  2. both Windows programs, the checks on the files and their reproducibility;
#  3. the conformance suite: the Windows program under wine64, driven from outside.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh build test windows

echo "== native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native -j2
ctest --preset native -j2

echo "== Windows programs"
scripts/build-windows.sh

echo "== conformance under wine64"
tests/conformance/run.sh
