#!/usr/bin/env bash
# xvfb_shots.sh PROGRAM FOLDER SCREEN [ARGUMENT...]: what the screenshot
# scripts share. Builds the screenshot program (a target in shell/), makes
# FOLDER and runs the program on it with the arguments under a virtual
# display (Xvfb) of SCREEN (WIDTHxHEIGHT), in a fresh working folder so
# that no settings file of the user's is read or written. The environment
# passes through (QT_SCALE_FACTOR, for one). Paths are taken from the
# source tree's top.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${MORLAN_BUILD_DIR:-build}"
program="$1"
out="$(realpath -m "$2")"
screen="$3"
shift 3
cmake --build "$dir" --target "$program" >/dev/null
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
path="$(realpath "$dir/shell/$program")"
cd "$work"
xvfb-run -a -s "-screen 0 ${screen}x24" "$path" "$out" "$@"
