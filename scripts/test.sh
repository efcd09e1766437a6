#!/usr/bin/env bash
# Runs every test: the layout of the C++ files, each Windows build this machine can run
# under Wine, the host build (simulation) plain and under sanitizers, the fuzz targets'
# fixed runs, the release, made twice (the second time as a Windows developer would
# build it, with no GoogleTest) and compared, and the programs' size and imports. Ends
# with each stage's time.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/quiet.sh
. scripts/lib/stages.sh
. scripts/lib/build-program.sh
say_while_quiet
scripts/install-deps.sh test
export BRENVIK_DEPS_CHECKED=test

# start_wine_tests PRESET: the build's tests under Wine, in the background, on a display
# and with a Wine server of their own (they click at the tray icon and must not meet a
# real desktop); each build's prefix, server and display are its own, so the two
# builds' tests run side by side. finish_wine_tests prints each one's output, in turn,
# and fails when any failed.
wine_tests_pids=() wine_tests_presets=() wine_tests_starts=()
start_wine_tests() {
  echo "The $1 build's tests run under Wine alongside what follows; their output comes when they end"
  (
    . scripts/lib/wine.sh
    wine_start_build "$PWD/build/$1"
    ctest --preset "$1"
  ) >"build/$1/wine-tests.log" 2>&1 &
  wine_tests_pids+=($!) wine_tests_presets+=("$1") wine_tests_starts+=($SECONDS)
}
finish_wine_tests() {
  local i status=0
  stage_end
  for i in "${!wine_tests_pids[@]}"; do
    echo "== the ${wine_tests_presets[i]} build's tests under Wine =="
    tail -n +1 -f --pid="${wine_tests_pids[i]}" "build/${wine_tests_presets[i]}/wine-tests.log"
    wait "${wine_tests_pids[i]}" || status=1
    BRENVIK_STAGE_TIMES+=("$(printf '%4d s  %s' $((SECONDS - wine_tests_starts[i])) \
      "Windows build ${wine_tests_presets[i]}, tests under Wine (while the stages after it ran)")")
  done
  wine_tests_pids=()
  return $status
}
trap 'for pid in "${wine_tests_pids[@]}"; do kill "$pid" 2>/dev/null || true; done' EXIT

stage "C++ files against .clang-format"
scripts/check-format.sh

# The Windows builds first: their tests under Wine wait on Wine more than they compute,
# so each build's run while the next build and then the host stages compile.
. scripts/lib/windows-builds.sh
choose_windows_builds
echo "Windows builds under Wine: $WINDOWS_BUILDS ($WINDOWS_BUILDS_WHY)"
for preset in $WINDOWS_BUILDS; do
  stage "Windows build $preset"
  build_program --configure "$preset"
  start_wine_tests "$preset"
done

stage "host build (simulation)"
build_program --configure host
ctest --preset host

stage "host build under AddressSanitizer and UndefinedBehaviorSanitizer"
build_program --configure host-sanitize
ctest --preset host-sanitize

stage "fuzz targets: each corpus replayed, then a fixed number of seeded inputs"
scripts/fuzz.sh replay

stage "release: made twice, in two folders, and compared"
scripts/release-reproduces.sh

stage "Brenvik.exe of both builds within its budget: 160 KB i686, 135 KB x86_64"
scripts/check-program-size.sh

stage "Brenvik.exe of both builds imports only what XP SP3 (i686) and XP x64 (x86_64) export"
scripts/check-imports.sh
finish_wine_tests

stages_done
