#!/bin/sh
# A stand-in player for the match runner's tests (UCI or UCCI). Its first argument is the
# score it reports with every move (centipawns, its own view); the others
# are a whole game's line, and in a position after k moves it answers the
# line's move k+1 (whichever side it plays), with an info line. A word of
# the line may instead be:
#   crash    the program ends in the middle of the search
#   hang     no answer, not even to "stop"
#   illegal  an answer that is no legal move
# Past the line's end it repeats the last word. With MATCH_ENGINE_LOG set,
# every start of the program appends "start" to that file, and every
# "go" line it reads.
score=$1
shift
[ -n "$MATCH_ENGINE_LOG" ] && echo start >> "$MATCH_ENGINE_LOG"
line_words="$*"
played=0
while IFS= read -r line; do
    case $line in
    uci) echo "id name Scripted"; echo "uciok" ;;
    ucci) echo "id name Scripted"; echo "ucciok" ;;
    isready) echo "readyok" ;;
    position*)
        moves=${line#*moves}
        [ "$moves" = "$line" ] && moves=""
        set -- $moves
        played=$# ;;
    go*)
        [ -n "$MATCH_ENGINE_LOG" ] && echo "$line" >> "$MATCH_ENGINE_LOG"
        set -- $line_words
        k=0
        answer=$1
        for word in "$@"; do
            answer=$word
            [ $k -eq $played ] && break
            k=$((k + 1))
        done
        case $answer in
        crash) exit 3 ;;
        hang) ;;
        illegal) echo "bestmove a0a5" ;;
        *) echo "info depth 3 score cp $score time 1 pv $answer"; echo "bestmove $answer" ;;
        esac ;;
    quit) exit 0 ;;
    esac
done
