#!/usr/bin/env bash
# Installs what is missing, builds Morlan and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
dir="${MORLAN_BUILD_DIR:-build}"
if [ -x "$dir/shell/morlan" ]; then
  exec "$dir/shell/morlan" "$@"
fi
echo "Morlan engine: type 'd' to see the board, 'go perft 3', 'quit' to leave."
exec "$dir/engine/morlan-engine"
