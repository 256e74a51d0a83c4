#!/usr/bin/env bash
# Builds both Windows programs (presets win32 and win64), checks the files
# themselves, and checks that a second clean build in another directory gives
# the same bytes. The programs end up in build/win32/lanxiu.exe (the product)
# and build/win64/lanxiu.exe.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

scripts/build-libjpeg-mingw.sh

declare -A machine=([win32]=i386 [win64]=amd64)
size_limit=$((200 * 1024))
failed=0
echo "== the file checks catch a faulty exe"
python3 tests/exe/test_check_exe.py || failed=1
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j2
  exe="build/$preset/lanxiu.exe"
  size="$(stat -c %s "$exe")"
  echo "== $preset: $exe, $size bytes"
  python3 tests/exe/check_exe.py "$exe" "${machine[$preset]}" || failed=1
  # The product is the 32-bit exe. A library part compiled with exceptions
  # (see platform/mingw/lean_runtime.cpp) brings the whole exception runtime back:
  # it shows here first.
  if [[ "$preset" == win32 ]]; then
    if ((size < size_limit)); then
      echo "ok   under $size_limit bytes"
    else
      echo "FAIL $size bytes, not under $size_limit"
      failed=1
    fi
  fi

  again="$(mktemp -d)"
  cmake --preset "$preset" -B "$again" >/dev/null
  cmake --build "$again" -j2 >/dev/null
  if cmp -s "$exe" "$again/lanxiu.exe"; then
    echo "ok   reproducible: a clean build in $again gives the same bytes"
  else
    echo "FAIL reproducible: $exe and $again/lanxiu.exe differ"
    failed=1
  fi
  rm -rf "$again"
done
exit "$failed"
