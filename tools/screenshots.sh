#!/usr/bin/env bash
# Starts the desktop program under a virtual display (Xvfb), plays a few
# moves and a computer-against-computer game to its end, and saves
# screenshots into the folder given (default build/screenshots).
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${MORLAN_BUILD_DIR:-build}"
out="$(realpath -m "${1:-$dir/screenshots}")"
cmake --build "$dir" --target morlan-tour >/dev/null
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
tour="$(realpath "$dir/shell/morlan-tour")"
cd "$work"
xvfb-run -a -s "-screen 0 640x640x24" "$tour" "$out"
