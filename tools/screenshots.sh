#!/usr/bin/env bash
# Starts the desktop program under a virtual display (Xvfb), plays a few
# moves and a computer-against-computer game to its end, and saves
# screenshots into the folder given (default build/screenshots).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/xvfb_shots.sh morlan-tour "${1:-${MORLAN_BUILD_DIR:-build}/screenshots}" 640x640
