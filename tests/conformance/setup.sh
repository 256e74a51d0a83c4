#!/bin/bash
# Gets the machine ready for the conformance run: the Debian packages of the `windows` set (wine64,
# Xvfb, xdotool, the mingw-w64 compilers, locales) and the two locales whose ANSI code pages the
# scenarios run under, zh_CN.UTF-8 (936) and en_US.UTF-8 (1252).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
"$root/scripts/deps.sh" windows

sudo=""
[[ "$(id -u)" -eq 0 ]] || sudo=sudo
generate=0
for name in zh_CN.UTF-8 en_US.UTF-8; do
  locale -a | grep -qix "${name/UTF-8/utf8}" && continue
  grep -qx "$name UTF-8" /etc/locale.gen ||
    $sudo sed -i "s/^# *$name UTF-8/$name UTF-8/" /etc/locale.gen
  grep -qx "$name UTF-8" /etc/locale.gen || echo "$name UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
  generate=1
done
((generate == 0)) || $sudo locale-gen >/dev/null
