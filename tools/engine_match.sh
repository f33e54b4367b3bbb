#!/usr/bin/env bash
# The desktop program against an outside engine under a virtual display
# (Xvfb), and the program's own memory and processor use while that engine
# analyses.
#   tools/engine_match.sh match [ENGINE] [--engine-red] [--clock 60+1]  # one whole game at 2 s a move or under a clock
#   tools/engine_match.sh analyse [ENGINE] [SECONDS]      # ps of the program every 5 s
# ENGINE defaults to /usr/games/fairy-stockfish.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${MORLAN_BUILD_DIR:-build}"
cmake --build "$dir" --target morlan-engine-match >/dev/null
tool="$(realpath "$dir/shell/morlan-engine-match")"
mode="${1:-match}"
engine="${2:-/usr/games/fairy-stockfish}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
if [ "$mode" = match ]; then
    start=$(date +%s)
    xvfb-run -a -s "-screen 0 800x700x24" "$tool" match "$engine" "${@:3}"
    echo "wall time $(( $(date +%s) - start )) s"
    exit 0
fi
seconds="${3:-60}"
xvfb-run -a -s "-screen 0 800x700x24" "$tool" analyse "$engine" "$seconds" > out.txt &
runner=$!
pid=""
for _ in $(seq 100); do
    pid=$(sed -n 's/^pid //p' out.txt 2>/dev/null || true)
    [ -n "$pid" ] && break
    sleep 0.1
done
[ -n "$pid" ] || { echo "the program did not start"; wait "$runner"; exit 1; }
echo "program pid $pid; every 5 s: elapsed, cpu% (since start), rss KiB, threads"
# Processor ticks (user + system) of a process.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
sleep 5
first=$(ticks "$pid"); first_at=$(date +%s.%N); last=$first; last_at=$first_at
while kill -0 "$pid" 2>/dev/null; do
    ps -o etimes=,pcpu=,rss=,nlwp= -p "$pid" || true
    engine_pid=$(pgrep -P "$pid" || true)
    [ -n "$engine_pid" ] && ps -o comm=,pcpu=,rss= -p "$engine_pid" | sed 's/^/    engine: /' || true
    now=$(ticks "$pid"); [ "$now" != 0 ] && { last=$now; last_at=$(date +%s.%N); }
    sleep 5
done
wait "$runner"
cat out.txt
awk -v t="$((last - first))" -v a="$first_at" -v b="$last_at" -v hz="$(getconf CLK_TCK)" \
    'BEGIN { printf "the program used %.2f%% of one core from 5 s on (%d ticks in %.0f s)\n", 100 * t / hz / (b - a), t, b - a }'
