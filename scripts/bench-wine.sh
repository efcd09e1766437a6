#!/usr/bin/env bash
# Benchmarks under Wine: the unchanged tick and the publishing tick of Form1 on the
# real forms runtime, each against the bare Windows calls it makes, and Brenvik.exe's
# size, imports, start-up time and peak memory against a minimal windowed program.
# Figures only; not part of the test command.
#
#   scripts/bench-wine.sh [PRESET [BUILD_DIR]]
# PRESET is windows (i686) or windows64 (x86_64); by default the first build this
# machine runs (scripts/lib/windows-builds.sh). BUILD_DIR defaults to the preset's own.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/build-program.sh
. scripts/lib/windows-builds.sh
choose_windows_builds
preset=${1:-${WINDOWS_BUILDS%% *}}
build=$(realpath -m "${2:-build/$preset}")
echo "Build: $preset ($build)"

build_program --configure -B "$build" --say "Building Brenvik.exe and the benchmarks ($preset)" \
  "$preset" Brenvik winamp_standin minimal_window \
  wine_unchanged_tick_bench wine_publication_bench wine_startup_bench

# From here on, this shell and all it starts (the display, the Wine server, the
# programs) run on one CPU. Most of what is measured are round trips to the Wine
# server; on one CPU each costs a switch (about 8 us here), across two CPUs a
# wake-up of the other one (about 40 us on this virtual machine, and it varies).
taskset -p -c 0 $$ >/dev/null

. scripts/lib/wine.sh
wine_start_build "$build"

bin=$build/bin
echo "Program files (bytes) and the DLLs they import:"
for program in Brenvik.exe minimal_window.exe; do
  imports=$(objdump -p "$bin/$program" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')
  printf '  %-20s %8d  %s\n' "$program" "$(stat -c %s "$bin/$program")" "$imports"
done
echo
# The programs print with CR LF line ends.
for bench in wine_unchanged_tick_bench wine_publication_bench wine_startup_bench; do
  "$WINELOADER" "$bin/$bench.exe" | tr -d '\r'
  echo
done
