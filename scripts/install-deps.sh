#!/usr/bin/env bash
# Installs the Debian 12 packages Morlan needs to build, run and test,
# only those that are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  zlib1g-dev libgtest-dev
  qt6-base-dev qt6-multimedia-dev libgl-dev
  fonts-noto-cjk
  # Qt's own texts (dialog buttons, file dialogs) in Chinese.
  qt6-translations-l10n
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

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
