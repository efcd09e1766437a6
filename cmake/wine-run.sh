#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest: the loader and a prefix of the build's
# own (created on first use), quiet, without the Mono and Gecko prompts, on a
# virtual display when none is set.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${BRENVIK_WINE_BUILD:-$PWD}
# ctest runs each test from its build folder; the prefix lives at the build root.
while [ ! -f "$build/CMakeCache.txt" ] && [ "$build" != / ]; do build=$(dirname "$build"); done
. "$here/wine-env.sh"
brenvik_wine_env "$build"
"$here/wine-prefix.sh" "$WINEPREFIX"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$WINELOADER" "$@"
fi
exec "$WINELOADER" "$@"
