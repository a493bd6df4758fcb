#!/usr/bin/env bash
# Draws the desktop window on the sample drawing into docs/: the in-place
# editor open on an MText with its formatting toolbar and ruler
# (docs/desktop.png), and the paragraph dialog that the toolbar's line
# spacing menu opens with "More..." (docs/paragraph-dialog.png). Under a
# real X server (Xvfb, package xvfb) when xvfb-run is there, else on Qt's
# offscreen platform. Usage: scripts/desktop-screenshot.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" -j2 --target cadtext cadtext_text_commands

shot() {
  local out=$1
  shift
  local run=("$build/app/cadtext" gui samples/demo.dxf --pick 8F -c MTextEdit "$@" --screenshot "$out")
  if command -v xvfb-run >/dev/null 2>&1; then
    xvfb-run -a -s "-screen 0 1280x900x24" "${run[@]}"
  else
    QT_QPA_PLATFORM=offscreen "${run[@]}"
  fi
}

# The line spacing button's menu (1048): "1.5x" (14802), then "More..." (14806).
shot docs/desktop.png
shot docs/paragraph-dialog.png --toolbar 1048:14802 --toolbar 1048:14806
