#!/bin/bash
# The conformance run in one command: installs what it needs (wine64, Xvfb, xdotool, the zh_CN and
# en_US locales), builds the x86_64 program and the state reader, and runs every scenario.
# Arguments go to run.py: --exe PATH checks another build, -k WORD runs the matching scenarios.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/setup.sh"
exec python3 "$here/run.py" "$@"
