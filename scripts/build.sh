#!/usr/bin/env bash
# Configures and builds Morlan into build/ (or $MORLAN_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${MORLAN_BUILD_DIR:-build}"
launcher=()
# A machine with ccache rebuilds from its cache (a fresh clone included).
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
