#!/usr/bin/env bash
# Fails unless Brenvik.exe of both Windows builds is at most its budget: 162 KB for
# i686, which every Windows runs, and 135 KB for x86_64.
# Builds the program (that target only) where it isn't up to date; both builds
# compile on every machine, whether or not it runs 32-bit programs.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/build-program.sh
declare -A limit=([windows]=$((162 * 1024)) [windows64]=$((135 * 1024)))
status=0
for preset in windows windows64; do
  build_program --quiet "$preset" Brenvik
  program=build/$preset/bin/Brenvik.exe
  bytes=$(stat -c %s "$program")
  if [ "$bytes" -le "${limit[$preset]}" ]; then
    echo "$program: $bytes bytes, within ${limit[$preset]}"
  else
    echo "$program: $bytes bytes, over ${limit[$preset]}" >&2
    status=1
  fi
done
exit $status
