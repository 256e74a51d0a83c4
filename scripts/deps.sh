#!/usr/bin/env bash
# Installs the Debian packages of one or more named sets, and nothing when
# they are all there already, so the README's commands stay quick on a second
# run. Usage: scripts/deps.sh build [run] [test] [windows]
set -euo pipefail

declare -A SETS=(
  [build]="build-essential cmake pkg-config libfreetype-dev libfontconfig1-dev libpng-dev libjpeg-dev fonts-wqy-zenhei"
  [run]="libsdl2-dev"
  [test]="libgtest-dev libsdl2-dev python3 xvfb xauth xdotool x11-utils imagemagick"
  [windows]="g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64 dpkg-dev wine64 locales python3 xvfb xauth xdotool"
)

wanted=()
for set in "$@"; do
  [[ -n "${SETS[$set]:-}" ]] || { echo "deps.sh: unknown set '$set'" >&2; exit 2; }
  read -r -a pkgs <<<"${SETS[$set]}"
  wanted+=("${pkgs[@]}")
done

missing=()
for pkg in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
((${#missing[@]} == 0)) && exit 0

sudo=""
[[ "$(id -u)" -eq 0 ]] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
