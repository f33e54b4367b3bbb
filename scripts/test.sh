#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd "${MORLAN_BUILD_DIR:-build}"
ctest --output-on-failure -j"$(nproc)"
