#!/usr/bin/env bash
# The main window at the board sizes 100%, 150% and 250%, and at 100% on a
# screen with two pixels to the window's pixel (QT_SCALE_FACTOR=2), under a
# virtual display (Xvfb): screenshots into the folder given (default
# build/board-screenshots).
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-${MORLAN_BUILD_DIR:-build}/board-screenshots}"
tools/xvfb_shots.sh morlan-board-shots "$out" 1700x1400 0 2 4
QT_SCALE_FACTOR=2 tools/xvfb_shots.sh morlan-board-shots "$out" 1700x1400 0
