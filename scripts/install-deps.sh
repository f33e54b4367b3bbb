#!/usr/bin/env bash
# Installs the Debian 12 packages Morlan needs to build, run and test,
# only those that are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  zlib1g-dev libgtest-dev
  qt6-base-dev qt6-multimedia-dev libgl-dev
  # Read ahead of the first frame (shell/platform/font_warm_up).
  libfontconfig-dev
  fonts-noto-cjk
  # Qt's own texts (dialog buttons, file dialogs) in Chinese.
  qt6-translations-l10n
  # Games databases.
  libsqlite3-dev
  # The interface's translations: lupdate, lrelease and their CMake support.
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools
)
for option in "$@"; do
  case "$option" in
    --test) packages+=(fairy-stockfish xvfb lintian desktop-file-utils appstream) ;;
    # scripts/package.sh: the Debian package and its checks.
    --package) packages+=(dpkg-dev lintian desktop-file-utils appstream) ;;
    # scripts/fuzz.sh builds its libFuzzer programs with clang.
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
  esac
done

# The Node oracle (fairy-stockfish's rules as a library) needs node and npm;
# a machine that already has them from elsewhere keeps its own.
wants_node=0
for option in "$@"; do [ "$option" = --test ] && wants_node=1; done
if [ $wants_node -eq 1 ] && ! command -v npm >/dev/null; then
  packages+=(nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
install_oracle() {
  # tests/oracle: the npm packages the Node tests read (versions pinned in
  # its package.json); installed once into tests/oracle/node_modules.
  [ $wants_node -eq 1 ] || return 0
  local dir
  dir="$(cd "$(dirname "$0")/.." && pwd)/tests/oracle"
  [ -d "$dir/node_modules/ffish" ] && return 0
  (cd "$dir" && npm install --no-audit --no-fund --loglevel=error >/dev/null)
}
if [ ${#missing[@]} -eq 0 ]; then
  install_oracle
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

install_oracle
