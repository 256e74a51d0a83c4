#!/usr/bin/env bash
# Builds the program and runs it: in a real window when there is a display;
# otherwise in the layer's headless screen, where a scripted person opens the
# notification box with a click, pictures of both windows go to out/, and
# Escape closes the box and then the program.
# Usage: bash scripts/run.sh [arguments for the program]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh build run
cmake --preset native-release >/dev/null
cmake --build --preset native-release -j2 >/dev/null
program=build/native-release/lanxiu

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$program" "$@"
fi

echo "No display (\$DISPLAY and \$WAYLAND_DISPLAY are unset): running headless, pictures go to out/."
mkdir -p out
# The headless screen is 1024x768 and the main window (506x479) is centred
# on it. Its client area starts 3 pixels in from the frame and 22 down (the
# frame and the caption); the push button is at (16, 368), 160x48.
readonly screen_w=1024 screen_h=768 main_w=506 main_h=479
button_x=$(((screen_w - main_w) / 2 + 3 + 16 + 80))
button_y=$(((screen_h - main_h) / 2 + 22 + 368 + 24))
script="shot-window 澜岫内存优化器 out/main-window.png
click $button_x $button_y
shot-window 信息： out/notification.png
key ESCAPE
key ESCAPE
expect-ended"

status=0
LW_SCREEN=${screen_w}x${screen_h} LW_SCRIPT="$script" "$program" "$@" || status=$?
for picture in out/main-window.png out/notification.png; do
  [[ -s "$picture" ]] && echo "Wrote $picture"
done
echo "The program ended with exit code $status."
exit "$status"
