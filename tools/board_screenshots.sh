#!/usr/bin/env bash
# The main window at the board sizes 100%, 150% and 250%, and at 100% on a
# screen with two pixels to the window's pixel (QT_SCALE_FACTOR=2), under a
# virtual display (Xvfb): screenshots into the folder given (default
# build/board-screenshots).
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${MORLAN_BUILD_DIR:-build}"
out="$(realpath -m "${1:-$dir/board-screenshots}")"
cmake --build "$dir" --target morlan-board-shots >/dev/null
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
shots="$(realpath "$dir/shell/morlan-board-shots")"
cd "$work"
xvfb-run -a -s "-screen 0 1700x1400x24" "$shots" "$out" 0 2 4
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 1700x1400x24" "$shots" "$out" 0
