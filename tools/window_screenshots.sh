#!/usr/bin/env bash
# Opens every tool window and dialog of the desktop program beside the board
# under a virtual display (Xvfb) and saves screenshots into the folder given
# (default build/window-screenshots).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/xvfb_shots.sh morlan-window-shots "${1:-${MORLAN_BUILD_DIR:-build}/window-screenshots}" 1100x800
