#!/usr/bin/env bash
# Creates the Wine prefix named by $1 once, for the WINEARCH and WINELOADER that
# cmake/wine-env.sh set; concurrent callers wait for the first.
set -euo pipefail
prefix=$1
[ -f "$prefix/.brenvik-ready" ] && exit 0
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.brenvik-ready" ] && exit 0
WINEPREFIX=$prefix "$WINELOADER" wineboot -i >/dev/null 2>&1
WINEPREFIX=$prefix wineserver -w
touch "$prefix/.brenvik-ready"
