#!/usr/bin/env bash
# Builds a static libjpeg for each Windows target from Debian's libjpeg-turbo
# source package, so the exe carries its own decoder and needs no DLL beside it.
# Result: build/third_party/<triple>/{include,lib/libjpeg.a}, which the toolchain
# files in cmake/ search. A target that is already built is skipped.
#
# Usage: scripts/build-libjpeg-mingw.sh [triple...]   (default: both triples)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
third_party="$root/build/third_party"
triples=("$@")
((${#triples[@]})) || triples=(i686-w64-mingw32 x86_64-w64-mingw32)

# Only the decoder's library: no TurboJPEG API, no DLL, and no SIMD (it needs
# an assembler and makes the exe bigger; the banner is decoded once).
cmake_options=(
  -Wno-dev
  -DCMAKE_BUILD_TYPE=MinSizeRel
  -DENABLE_SHARED=OFF
  -DENABLE_STATIC=ON
  -DWITH_TURBOJPEG=OFF
  -DWITH_SIMD=OFF
  -DWITH_ARITH_ENC=OFF
  -DWITH_ARITH_DEC=OFF
)
# Separate sections let the program's linker drop what decoding does not use.
# The C runtime's own printf and scanf (msvcrt.dll) instead of the static
# replacements that would add tens of kilobytes, and no JPEGMEM variable read.
c_flags="-Os -ffunction-sections -fdata-sections -D__USE_MINGW_ANSI_STDIO=0 -DNO_GETENV"
# 32-bit C code needs no unwind tables (C++ exceptions never cross libjpeg, and
# longjmp there walks the SEH chain, not tables); on 64-bit longjmp unwinds
# through them, so they stay.
declare -A triple_c_flags=([i686-w64-mingw32]="-fno-asynchronous-unwind-tables")
stamp_text="${cmake_options[*]} $c_flags"

is_built() {
  local prefix="$third_party/$1"
  [[ -f "$prefix/lib/libjpeg.a" && -f "$prefix/.stamp" ]] &&
    [[ "$(cat "$prefix/.stamp")" == "$stamp_text ${triple_c_flags[$1]:-}" ]]
}

need_build=()
for triple in "${triples[@]}"; do
  is_built "$triple" || need_build+=("$triple")
done
((${#need_build[@]})) || exit 0

sudo=""
[[ "$(id -u)" -eq 0 ]] || sudo=sudo

# apt-get source needs a deb-src line: derive one from the enabled deb sources.
ensure_deb_src() {
  if grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    return
  fi
  if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      $sudo tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
  else
    grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      $sudo tee /etc/apt/sources.list.d/debian-src.list >/dev/null
  fi
  $sudo apt-get update -qq
}

fetch_source() {
  local src_parent="$third_party/src"
  local dir
  dir="$(find "$src_parent" -maxdepth 1 -type d -name 'libjpeg-turbo-*' 2>/dev/null | head -n1)"
  if [[ -z "$dir" ]]; then
    ensure_deb_src
    mkdir -p "$src_parent"
    (cd "$src_parent" && apt-get source -qq libjpeg-turbo >/dev/null)
    dir="$(find "$src_parent" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)"
  fi
  echo "$dir"
}

build_one() {
  local triple="$1" src="$2"
  local work="$third_party/build-$triple" prefix="$third_party/$triple"
  rm -rf "$work" "$prefix"
  mkdir -p "$work"
  cmake -S "$src" -B "$work" "${cmake_options[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$triple.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DCMAKE_C_FLAGS_MINSIZEREL="$c_flags ${triple_c_flags[$triple]:-} -DNDEBUG -ffile-prefix-map=$src=libjpeg" \
    >"$work.log"
  cmake --build "$work" --target jpeg-static -j2 >>"$work.log"
  mkdir -p "$prefix/include" "$prefix/lib"
  cp "$work/libjpeg.a" "$prefix/lib/libjpeg.a"
  cp "$work/jconfig.h" "$src/jpeglib.h" "$src/jmorecfg.h" "$src/jerror.h" "$prefix/include/"
  echo "$stamp_text ${triple_c_flags[$triple]:-}" >"$prefix/.stamp"
  echo "libjpeg for $triple: $prefix"
}

src="$(fetch_source)"
for triple in "${need_build[@]}"; do
  build_one "$triple" "$src"
done
