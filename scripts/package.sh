#!/usr/bin/env bash
# Builds the Debian package morlan_VERSION_amd64.deb into build-package/
# (or $MORLAN_PACKAGE_DIR): an optimised build with Debian's hardening flags,
# the programs in /usr/games, without the tests; then `cpack -G DEB`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --package
dir="${MORLAN_PACKAGE_DIR:-build-package}"
hardening="-D_FORTIFY_SOURCE=2 -fstack-protector-strong"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORLAN_BUILD_TESTS=OFF \
  -DMORLAN_PROGRAM_DIR=games "-DCMAKE_C_FLAGS=$hardening" "-DCMAKE_CXX_FLAGS=$hardening" \
  "-DCMAKE_EXE_LINKER_FLAGS=-Wl,-z,relro,-z,now" >/dev/null
cmake --build "$dir" -j"$(nproc)"
rm -f "$dir"/morlan_*_*.deb
(cd "$dir" && cpack -G DEB >cpack.log 2>&1) || { cat "$dir/cpack.log"; exit 1; }
ls "$dir"/morlan_*_*.deb
