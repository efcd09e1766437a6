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

# wine_tests PRESET: the build's tests under Wine, on a display and with a Wine server of
# their own (they click at the tray icon and must not meet a real desktop); each
# build's prefix, server and display are its own, so the two builds' tests run side by
# side.
wine_tests() (
  . scripts/lib/wine.sh
  wine_start_build "$PWD/build/$1"
  ctest --preset "$1"
)
trap 'for pid in "${BRENVIK_ALONGSIDE_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done' EXIT

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
  alongside "the $preset build's tests under Wine" "build/$preset/wine-tests.log" wine_tests "$preset"
done
# The installers under Wine wait on Wine too.
alongside "installers under Wine: installed, upgraded while Brenvik runs, uninstalled" \
  build/installer-check.log scripts/check-installer.sh
# The release builds Brenvik.exe three more times, with the configures and links that
# keep a core idle between compiles: at a lower priority it takes that core, and the
# rest of the time only what the stages below leave.
alongside "release: made twice, in two folders, and compared" build/release.log \
  nice -n 10 scripts/release-reproduces.sh

stage "host build (simulation)"
build_program --configure host
ctest --preset host

stage "host build under AddressSanitizer and UndefinedBehaviorSanitizer"
build_program --configure host-sanitize
ctest --preset host-sanitize

stage "fuzz targets: each corpus replayed, then a fixed number of seeded inputs"
scripts/fuzz.sh replay

status=0
alongside_done || status=1

stage "release: the winget and Scoop manifests against SHA256SUMS"
scripts/check-manifests.sh

# After the release, which builds the i686 program where the tests under Wine didn't.
stage "Brenvik.exe of both builds within its budget: 162 KB i686, 135 KB x86_64"
scripts/check-program-size.sh

stage "Brenvik.exe of both builds imports only what XP SP3 (i686) and XP x64 (x86_64) export"
scripts/check-imports.sh

stages_done
exit $status
