#!/usr/bin/env bash
# Draws the desktop window on the sample drawing, with the in-place editor
# open on an MText, into docs/desktop.png. Under Xvfb when xvfb-run is
# there, else on Qt's offscreen platform. Usage: scripts/desktop-screenshot.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" -j2 --target cadtext cadtext_text_commands
run=("$build/app/cadtext" gui samples/demo.dxf --pick 8F -c MTextEdit --screenshot docs/desktop.png)
if command -v xvfb-run >/dev/null 2>&1; then
  xvfb-run -a -s "-screen 0 1280x900x24" "${run[@]}"
else
  QT_QPA_PLATFORM=offscreen "${run[@]}"
fi
