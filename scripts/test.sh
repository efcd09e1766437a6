#!/usr/bin/env bash
# Runs every test: the host build (simulation), each Windows build this machine
# can run under Wine, and the release's reproducibility.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

echo "== C++ files against .clang-format =="
scripts/check-format.sh

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

. scripts/windows-builds.sh
choose_windows_builds
echo "== Windows builds under Wine: $WINDOWS_BUILDS ($WINDOWS_BUILDS_WHY) =="
for preset in $WINDOWS_BUILDS; do
  echo "== Windows build $preset, tests under Wine =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  # A subshell each: its display and Wine session end with it.
  # Always a display of its own: the tests click at the tray icon and must not meet a real desktop.
  (
    . scripts/wine-session.sh
    start_build_session "$PWD/build/$preset" "$PWD/build/$preset/wineprefix"
    ctest --preset "$preset"
  )
done
echo "== Windows builds tested under Wine: $WINDOWS_BUILDS =="

echo "== Brenvik.exe of both builds under 200 KB =="; scripts/check-program-size.sh

echo "== release: made twice, in two folders, and compared =="
scripts/release-reproduces.sh
