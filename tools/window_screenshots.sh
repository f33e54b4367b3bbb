#!/usr/bin/env bash
# Opens every tool window and dialog of the desktop program beside the board
# under a virtual display (Xvfb) and saves screenshots into the folder given
# (default build/window-screenshots).
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${MORLAN_BUILD_DIR:-build}"
out="$(realpath -m "${1:-$dir/window-screenshots}")"
cmake --build "$dir" --target morlan-window-shots >/dev/null
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
shots="$(realpath "$dir/shell/morlan-window-shots")"
cd "$work"
xvfb-run -a -s "-screen 0 1100x800x24" "$shots" "$out"
