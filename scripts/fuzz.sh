#!/usr/bin/env bash
# Builds the libFuzzer programs with clang (ASan+UBSan) in build-fuzz and
# runs one target for the given number of seconds, starting from the
# committed seeds (tests/fuzz/corpus/TARGET) and the corpus kept from
# earlier runs (build-fuzz/corpus/TARGET). Inputs that break something are
# written to build-fuzz/artifacts/TARGET/; copy them to
# tests/fuzz/regressions/TARGET/ once fixed, so the normal tests replay them.
#   scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]
#   TARGET: sav settings txt fen uci book pgn xqf paste
# Needs clang and libclang-rt-14-dev: scripts/install-deps.sh --fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 2 ]; then
  echo "usage: $0 TARGET SECONDS [libFuzzer options...]" >&2
  exit 2
fi
target=$1 seconds=$2
shift 2
case "$target" in
  sav|settings|txt|fen|uci|book|pgn|xqf|paste) ;;
  *) echo "unknown target $target (sav settings txt fen uci book pgn xqf paste)" >&2; exit 2 ;;
esac

dir=build-fuzz
mkdir -p "$dir"
# Two runs may start together: one builds at a time.
(
  flock 9
  if [ ! -f "$dir/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DMORLAN_SANITIZE=fuzz -DMORLAN_BUILD_SHELL=OFF >/dev/null
  fi
  cmake --build "$dir" -j2 --target "fuzz_$target"
) 9>"$dir/.build-lock"

corpus=$dir/corpus/$target
artifacts=$dir/artifacts/$target
mkdir -p "$corpus" "$artifacts"
export ASAN_OPTIONS="detect_leaks=1 ${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="halt_on_error=1 print_stacktrace=1 ${UBSAN_OPTIONS:-}"
max_len=4096
[ "$target" = sav ] || [ "$target" = book ] || [ "$target" = xqf ] && max_len=16384
exec "$dir/tests/fuzz/fuzz_$target" "$corpus" "tests/fuzz/corpus/$target" \
  -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len="$max_len" \
  -artifact_prefix="$artifacts/" -print_final_stats=1 "$@"
