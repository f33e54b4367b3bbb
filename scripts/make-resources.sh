#!/usr/bin/env bash
# Remakes what resources/ holds: draws the pictures and synthesises the
# sounds, and builds the opening book from the master games when
# ../shared/data is present. With --preview DIR it also renders the board
# with the pieces, the sheets and the toolbar icons into PNG files in DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir="${MORLAN_BUILD_DIR:-build}"
games="${MORLAN_SHARED_DATA:-../shared/data}/ccpd-master-games.pgn.gz"
cmake -S . -B "$dir" -G Ninja >/dev/null
cmake --build "$dir" --target morlan-make-resources morlan-make-book
QT_QPA_PLATFORM=offscreen "$dir/tools/morlan-make-resources" resources
if [ -f "$games" ]; then
  "$dir/tools/morlan-make-book" "$games" resources/book.dat.z
else
  echo "No $games: the opening book is left as it is."
fi
if [ "${1:-}" = "--preview" ]; then
  mkdir -p "$2"
  cmake --build "$dir" --target morlan-preview
  QT_QPA_PLATFORM=offscreen "$dir/tools/morlan-preview" "$2"
fi
