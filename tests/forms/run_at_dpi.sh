#!/usr/bin/env bash
# Runs a Windows test program in a Wine prefix of its own whose screen has the given
# logical dots per inch. The registry has to say so before the program starts.
#   run_at_dpi.sh DPI BUILD_DIR PREFIX PROGRAM [ARGS...]
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
dpi=$1 build=$2 prefix=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../cmake/wine-env.sh"
export WINEPREFIX=$prefix
brenvik_wine_env "$build"
"$here/../../cmake/wine-prefix.sh" "$prefix"
hex=$(printf '0x%x' "$dpi")
"$WINELOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$hex" /f >/dev/null
"$WINELOADER" reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
  /v LogPixels /t REG_DWORD /d "$hex" /f >/dev/null
exec "$WINELOADER" "$@"
