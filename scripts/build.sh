#!/usr/bin/env bash
# Configures and builds Morlan into build/ (or $MORLAN_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${MORLAN_BUILD_DIR:-build}"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
