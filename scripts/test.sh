#!/usr/bin/env bash
# Runs every test: the host build (simulation) and the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

echo "== host build (simulation) =="
cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host

echo "== host build under AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake --preset host-sanitize >/dev/null
cmake --build --preset host-sanitize
ctest --preset host-sanitize

echo "== fuzz targets, each from its seed corpus =="
scripts/fuzz.sh

echo "== Windows build, tests under Wine =="
cmake --preset windows >/dev/null
cmake --build --preset windows
. scripts/wine-session.sh
export WINEPREFIX=$PWD/build/windows/wineprefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Always a display of its own: the tests click at the tray icon and must not meet a real desktop.
start_virtual_display
start_wine_session
ctest --preset windows
