#!/usr/bin/env bash
# Redraws the pictures and sounds into resources/ and, with --preview DIR,
# renders the board with the pieces and the toolbar icons into PNG files.
# The opening book (resources/book.dat.z) is made by morlan-make-book.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir="${MORLAN_BUILD_DIR:-build}"
cmake -S . -B "$dir" -G Ninja >/dev/null
cmake --build "$dir" --target morlan-make-resources
QT_QPA_PLATFORM=offscreen "$dir/tools/morlan-make-resources" resources
if [ "${1:-}" = "--preview" ]; then
  mkdir -p "$2"
  cmake --build "$dir" --target morlan-preview
  QT_QPA_PLATFORM=offscreen "$dir/tools/morlan-preview" "$2"
fi
