#!/bin/sh
# A stand-in engine for the client's tests: it answers the handshake of
# either protocol like a real engine and then misbehaves as its first
# argument says:
#   good         answers every search: an info line whose variation turns
#                illegal after two moves, then "bestmove h2e2"
#   silent       never answers the handshake
#   ucci-only    does not know "uci" (no answer); answers "ucci"
#   unknown-uci  says "Unknown command: uci"; answers "ucci"
#   crash        ends in the middle of a search
#   hang         never answers a search, not even after "stop"
#   illegal      answers with a move that is not legal
#   unreadable   answers with a move that is no move at all
#   garbage      writes lines of control characters in a search
#   flood        writes info lines without end in a search, never answers
#   endless-line writes one line that never ends
# A second argument names a file that gets every line the engine reads.
mode=$1
heard=$2
while IFS= read -r line; do
    [ -n "$heard" ] && echo "$line" >> "$heard"
    case $line in
    uci)
        case $mode in silent | ucci-only) continue ;; unknown-uci) echo "Unknown command: uci"; continue ;; esac
        echo "id name Fake Engine"
        echo "id author Tests"
        echo "option name MultiPV type spin default 1 min 1 max 5"
        echo "option name Hash type spin default 16 min 1 max 1024"
        echo "option name Clear Hash type button"
        echo "option name Style type combo default Normal var Solid var Normal var Risky"
        echo "uciok" ;;
    ucci)
        [ "$mode" = silent ] && continue
        echo "id name Fake Engine"
        echo "option usemillisec type check default false"
        echo "option hashsize type spin min 0 max 1024 default 16"
        echo "ucciok" ;;
    isready) echo "readyok" ;;
    go*)
        case $mode in
        good)
            echo "info depth 1 score cp 12 nodes 10 pv h2e2 h9g7 a0a9 h0g2"
            echo "bestmove h2e2" ;;
        crash) echo "info depth 1 score cp 0 pv h2e2"; exit 3 ;;
        hang) ;;
        illegal) echo "bestmove a0a5" ;;
        unreadable) echo "bestmove z9z9" ;;
        garbage) i=0; while [ $i -lt 60 ]; do printf '\001\002\033[31m garbage\n'; i=$((i + 1)); done ;;
        flood) while :; do echo "info depth 1 score cp 0 nodes 1 pv h2e2"; done ;;
        endless-line) while :; do printf 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx'; done ;;
        esac ;;
    quit) exit 0 ;;
    esac
done
