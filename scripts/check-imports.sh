#!/usr/bin/env bash
# Fails unless every function Brenvik.exe of both Windows builds imports is exported by
# the oldest Windows the build runs on: Windows XP SP3 (NT 5.1) for i686, XP x64 /
# Server 2003 (NT 5.2) for x86_64, as the lists in tools/windows-exports/ give them.
# Names the missing functions, any DLL with no list and any import by ordinal.
# Builds the program (that target only) where it isn't up to date.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/build-program.sh
declare -A triple=([windows]=i686-w64-mingw32 [windows64]=x86_64-w64-mingw32)
declare -A oldest=([windows]=nt5.1-x86 [windows64]=nt5.2-x64)
status=0
for preset in windows windows64; do
  build_program --quiet "$preset" Brenvik
  program=build/$preset/bin/Brenvik.exe
  lists=tools/windows-exports/${oldest[$preset]}
  # One "dll function" line per import; "dll #ordinal" for one imported by ordinal. The
  # delay-load directory isn't listed by objdump: a program with one needs a review.
  imports=$("${triple[$preset]}-objdump" -p "$program" | awk '
    /^Entry d / && $4 !~ /^0+$/ { print "(delay-load) directory" }
    /^\tDLL Name: / { dll = tolower($3); next }
    dll != "" && /^$/ { dll = ""; next }
    dll != "" && /^\t[0-9a-f]+\t/ {
      if (NF >= 3 && $3 != "<none>") print dll, $3; else print dll, "#" $2
    }')
  if [ -z "$imports" ]; then
    echo "$program: no imports read (objdump's layout changed?)" >&2
    status=1
    continue
  fi
  missing=$(while read -r dll function; do
    if [ "$dll" = "(delay-load)" ]; then
      echo "  delay-loaded imports, which this check doesn't read (review them)"
    elif [ ! -f "$lists/$dll.txt" ]; then
      echo "  $dll: no list of its exports (review it, then add its list)"
    elif [[ $function == "#"* ]]; then
      echo "  $dll: ordinal ${function#\#} (review it)"
    elif ! grep -qxF -- "$function" "$lists/$dll.txt"; then
      echo "  $dll: $function"
    fi
  done <<<"$imports" | sort -u)
  if [ -z "$missing" ]; then
    echo "$program: all $(wc -l <<<"$imports") imports are on ${oldest[$preset]}"
  else
    echo "$program imports what ${oldest[$preset]} lacks:" >&2
    echo "$missing" >&2
    status=1
  fi
done
exit $status
