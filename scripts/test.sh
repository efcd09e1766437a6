#!/usr/bin/env bash
# Runs every test: the layout of the C++ files, the host build (simulation) plain and
# under sanitizers, the fuzz targets' fixed runs, each Windows build this machine can
# run under Wine, and the release, made twice (the second time as a Windows developer
# would build it, with no GoogleTest) and compared. Ends with each stage's time.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/stages.sh
scripts/install-deps.sh test
export BRENVIK_DEPS_CHECKED=test

stage "C++ files against .clang-format"
scripts/check-format.sh

stage "host build (simulation)"
configure host
cmake --build --preset host
ctest --preset host

stage "host build under AddressSanitizer and UndefinedBehaviorSanitizer"
configure host-sanitize
cmake --build --preset host-sanitize
ctest --preset host-sanitize

stage "fuzz targets: each corpus replayed, then a fixed number of seeded inputs"
scripts/fuzz.sh replay

. scripts/windows-builds.sh
choose_windows_builds
echo "Windows builds under Wine: $WINDOWS_BUILDS ($WINDOWS_BUILDS_WHY)"
for preset in $WINDOWS_BUILDS; do
  stage "Windows build $preset, tests under Wine"
  configure "$preset"
  cmake --build --preset "$preset"
  # A subshell each: its display and Wine session end with it. Always a display of
  # its own: the tests click at the tray icon and must not meet a real desktop.
  (
    . scripts/wine.sh
    wine_start_session "$PWD/build/$preset"
    ctest --preset "$preset"
  )
done

stage "release: made twice, in two folders, and compared"
scripts/release-reproduces.sh

stages_done
