#!/usr/bin/env bash
# check-package.sh PACKAGE_BUILD_DIR: makes the Debian package as
# scripts/package.sh does (into that folder), unpacks it into a scratch root and runs its programs from there, then runs
# lintian (no errors allowed), desktop-file-validate and appstreamcli on it.
# Exit 77 (skipped) when the packaging tools are not installed.
set -euo pipefail
build="$(realpath -m "${1:?usage: check-package.sh PACKAGE_BUILD_DIR}")"
for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (scripts/install-deps.sh --package)"
    exit 77
  fi
done
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

echo "== scripts/package.sh"
deb="$(MORLAN_PACKAGE_DIR="$build" "$(dirname "$0")/package.sh" | tail -n 1)"
echo "$deb"
dpkg-deb --field "$deb"

echo "== unpacked"
root="$scratch/root"
dpkg-deb -x "$deb" "$root"
(cd "$root" && find . -type f | sort)
for f in usr/games/morlan usr/games/morlan-engine usr/games/morlan-records usr/games/morlan-review \
         usr/share/applications/io.github.morlan.Morlan.desktop \
         usr/share/metainfo/io.github.morlan.Morlan.metainfo.xml \
         usr/share/icons/hicolor/48x48/apps/morlan.png \
         usr/share/icons/hicolor/scalable/apps/morlan.svg \
         usr/share/man/man6/morlan.6.gz usr/share/man/man6/morlan-engine.6.gz \
         usr/share/man/man6/morlan-records.6.gz usr/share/man/man6/morlan-review.6.gz \
         usr/games/morlan-db usr/share/man/man6/morlan-db.6.gz usr/lib/morlan/libmorlan-audio.so \
         usr/share/doc/morlan/copyright usr/share/doc/morlan/changelog.gz; do
  [ -f "$root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done

echo "== installed programs"
"$root/usr/games/morlan" --version
"$root/usr/games/morlan" --help | grep -q -- --user-folder
"$root/usr/games/morlan-engine" --help | grep -q usage
bench="$(printf 'bench 3\nquit\n' | "$root/usr/games/morlan-engine")"
echo "$bench" | grep 'Nodes searched'
printf 'go perft 3\nquit\n' | "$root/usr/games/morlan-engine" | grep -qx 'Nodes searched: 79666'
cat >"$scratch/game.pgn" <<'PGN'
[Game "Chinese Chess"]
[Red "甲"]
[Black "乙"]
[Result "*"]

1. 炮二平五 马８进７ 2. 马二进三 车９平８ *
PGN
"$root/usr/games/morlan-records" "$scratch/game.pgn" | tee "$scratch/records.log"
grep -qx '1 games, 1 read whole' "$scratch/records.log"
"$root/usr/games/morlan-review" --depth 2 "$scratch/game.pgn" | tail -n 3

echo "== validators"
desktop-file-validate "$root/usr/share/applications/io.github.morlan.Morlan.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.morlan.Morlan.metainfo.xml"
lintian --fail-on error --no-tag-display-limit "$deb"
echo "package check passed"
