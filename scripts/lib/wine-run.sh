#!/usr/bin/env bash
# Runs a program of a Windows build under Wine, from a folder of that build: ctest's
# way in (the builds' emulator, cmake/mingw-common.cmake, and the tests at another DPI).
#   scripts/lib/wine-run.sh PROGRAM [ARGS...]
#   scripts/lib/wine-run.sh --dpi DPI PROGRAM [ARGS...]   with the prefix at DPI dots per inch
# With no display, the program gets one of its own, stopped when it ends.
set -euo pipefail
if [ $# -eq 0 ] || { [ "$1" = --dpi ] && [ $# -lt 3 ]; }; then
  echo "usage: $0 [--dpi DPI] PROGRAM [ARGS...]" >&2
  exit 2
fi
. "$(dirname "$0")/wine.sh"
wine_run_here "$@"
