#!/usr/bin/env bash
# Runs Brenvik under Wine: the shipping i686 build where this machine runs 32-bit
# programs, else the x86_64 build. On a desktop (DISPLAY set) it starts the program.
# With no display it plays a demonstration on a virtual one: the stand-in player and
# messenger, Brenvik, a click on Start, each status the messenger receives, and a
# screenshot of the window (build/brenvik.png).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/build-program.sh
scripts/install-deps.sh run
. scripts/lib/windows-builds.sh
choose_windows_builds
preset=${WINDOWS_BUILDS%% *}
echo "Brenvik's $preset build ($WINDOWS_BUILDS_WHY)"
build_program --configure --say "Building Brenvik.exe, the stand-ins and brenvik_remote ($preset)" \
  "$preset" Brenvik winamp_standin messenger_standin brenvik_remote
build=$PWD/build/$preset
bin=$build/bin
. scripts/lib/wine.sh

if [ -n "${DISPLAY:-}" ]; then
  wine_use_build "$build"
  wine_make_prefix
  wine_window_manager present
  exec "$WINELOADER" "$bin/Brenvik.exe"
fi

# Every Wine process of the demo must see the virtual display, the first one included.
wine_start_build "$build"
wine=$WINELOADER

log=$PWD/build/demo-messenger.log
rm -f "$log"
"$wine" "$bin/messenger_standin.exe" --log "$("$wine" winepath -w "$log" | tr -d '\r')" --user-id demo &
"$wine" "$bin/winamp_standin.exe" --interval 4000 "Nightcall - Kavinsky" "Midnight City - M83" \
  "Digital Love - Daft Punk" "Tadow - Masego & FKJ" &
"$wine" "$bin/Brenvik.exe" &
"$wine" "$bin/brenvik_remote.exe" wait
"$wine" "$bin/brenvik_remote.exe" click Command1
echo "Clicked Start; the statuses the messenger receives:"
tail -n +1 -f "$log" | while IFS=$'\t' read -r _ invisible status; do
  echo "  5 = \"$status\"   5_DND = $invisible"
done &
printer=$!
sleep "${BRENVIK_DEMO_SECONDS:-14}"

read -r x y width height < <("$wine" "$bin/brenvik_remote.exe" rect | tr -d '\r')
import -window root -crop "${width}x${height}+${x}+${y}" build/brenvik.png
echo "Screenshot: build/brenvik.png"
"$wine" "$bin/brenvik_remote.exe" click Command2  # "Tutup Aplikasi"
sleep 1
kill "$printer" 2>/dev/null || true
