#!/bin/bash
# Installs what the conformance run needs on a Debian machine: wine64 to run the x86_64 build,
# Xvfb and xdotool for a screen and real X input, the mingw-w64 compiler for the inspector, and
# the two locales whose ANSI code pages the suite runs under (936 and 1252).
set -euo pipefail

packages=(wine64 xvfb xdotool locales g++-mingw-w64-x86-64)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

wanted_locales=(zh_CN.UTF-8 en_US.UTF-8)
regenerate=0
for name in "${wanted_locales[@]}"; do
  short=$(echo "$name" | sed 's/UTF-8/utf8/')
  locale -a | grep -qx "$short" && continue
  sed -i "s/^# *\($name UTF-8\)/\1/" /etc/locale.gen
  grep -qx "$name UTF-8" /etc/locale.gen || echo "$name UTF-8" >>/etc/locale.gen
  regenerate=1
done
if ((regenerate)); then locale-gen >/dev/null; fi
