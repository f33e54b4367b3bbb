#!/bin/sh
# Kills morlan-db import at random moments (kill -9) and checks after each
# kill that the database opens and that every batch it committed is whole
# (morlan-db check: every game's index entries against its moves).
#   scripts/db-kill-check.sh MORLAN-DB COLLECTION [TIMES] [MAX-SECONDS]
set -u
db_tool=$1
collection=$2
times=${3:-10}
max=${4:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
i=1
while [ "$i" -le "$times" ]; do
  db="$work/kill-$i.db"
  # A random moment: 0.5 s to MAX-SECONDS into the import.
  wait_ms=$(( 500 + $(od -An -N2 -tu2 /dev/urandom | tr -d ' ') % (max * 1000 - 500) ))
  "$db_tool" import "$db" "$collection" > /dev/null 2>&1 &
  pid=$!
  sleep "$(printf '%d.%03d' $((wait_ms / 1000)) $((wait_ms % 1000)))"
  if kill -9 "$pid" 2> /dev/null; then killed=killed; else killed="ended before"; fi
  wait "$pid" 2> /dev/null
  result=$("$db_tool" check "$db" 2>&1 | tail -1)
  status=$?
  case "$result" in
    *", whole") ;;
    *) status=1 ;;
  esac
  echo "run $i: $killed at ${wait_ms} ms: $result"
  [ "$status" -eq 0 ] || failures=$((failures + 1))
  i=$((i + 1))
done
echo "$failures of $times runs left a database that is not whole"
[ "$failures" -eq 0 ]
