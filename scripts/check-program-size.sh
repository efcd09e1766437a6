#!/usr/bin/env bash
# Fails unless Brenvik.exe of both Windows builds, i686 and x86_64, is under 200 KB.
# Builds the program (that target only) where it isn't up to date; both builds
# compile on every machine, whether or not it runs 32-bit programs.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/build-program.sh
limit=$((200 * 1024))
status=0
for preset in windows windows64; do
  build_program --quiet "$preset" Brenvik
  program=build/$preset/bin/Brenvik.exe
  bytes=$(stat -c %s "$program")
  if [ "$bytes" -lt "$limit" ]; then
    echo "$program: $bytes bytes, under $limit"
  else
    echo "$program: $bytes bytes, not under $limit" >&2
    status=1
  fi
done
exit $status
