# Brenvik's one way to run a Windows build's programs under Wine: which loader, which
# prefix (one per build, in the build folder), which virtual display. Sourced by the
# commands, and by lib/wine-run.sh, which ctest runs (the builds' emulator,
# cmake/mingw-common.cmake):
#   wine_use_build BUILD_DIR   the build's Wine environment (WINELOADER, WINEPREFIX, ...)
#   wine_make_prefix           creates $WINEPREFIX once; concurrent callers wait; the
#                              DLLs it shares with the other builds' prefixes stored once
#   wine_start_display         a virtual X display of its own, stopped on exit
#   wine_start_build BUILD_DIR  all three, with the prefix's server running until exit
#   wine_set_dpi DPI           the prefix's logical dots per inch, for programs started later
#   wine_window_manager absent|present  who draws the window frames
#   wine_run_here [--dpi DPI] PROGRAM [ARGS...]  a program of the build that holds the
#                              current folder, as ctest runs it

# wine_use_build BUILD_DIR: the environment every Wine program of that build runs in.
# WINELOADER names the loader itself, 32- or 64-bit as the build is: Debian's `wine`
# wrapper takes the 32-bit loader whenever it is installed, even on a kernel that
# can't run it, and Wine starts child processes with $WINELOADER. No Mono or Gecko
# prompt, and no menu builder: it would write menus and file associations into $HOME.
wine_use_build() {
  local build=$1 arch
  arch=$(sed -n 's/^BRENVIK_WINE_ARCH:INTERNAL=//p' "$build/CMakeCache.txt" 2>/dev/null)
  case $arch in
    win32) export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine ;;
    win64) export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 ;;
    *) echo "$build is not a configured Windows build" >&2; return 1 ;;
  esac
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINEPREFIX=$build/wineprefix
  # Wine's server keeps its socket in a folder under $TMPDIR: in the build, like the prefix.
  export TMPDIR=$build/wine-tmp
  mkdir -p "$TMPDIR"
}

# The wineserver beside the loader, of the same Wine.
wine_server() {
  "$(dirname "$WINELOADER")/wineserver" "$@"
}

wine_make_prefix() {
  [ -f "$WINEPREFIX/.brenvik-ready" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [ -f "$WINEPREFIX/.brenvik-ready" ] && exit 0
    echo "Making the Wine prefix $WINEPREFIX (once per build, 15 to 30 s)" >&2
    local start=$SECONDS
    "$WINELOADER" wineboot -i >/dev/null 2>&1
    wine_server -w
    # Where no window manager runs, Wine draws the caption buttons from Marlett, which
    # it finds in the prefix's fonts.
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    touch "$WINEPREFIX/.brenvik-ready"
    echo "Wine prefix made in $((SECONDS - start)) s" >&2
    wine_share_dlls
  ) 9>"$WINEPREFIX.lock"
}

# Each prefix holds its own copy of Wine's DLLs, some 600 MB for each architecture: a
# 64-bit prefix on a machine that runs 32-bit programs too holds both, as the 32-bit
# prefix holds the 32-bit ones. Copies that another build's prefix in this checkout
# holds too become one file. Wine replaces the copies only with its own newer ones,
# the same for every prefix.
wine_share_dlls() {
  local dirs=() dir
  for dir in "$(dirname "$(dirname "$WINEPREFIX")")"/*/wineprefix/drive_c/windows/{system32,syswow64}; do
    [ -d "$dir" ] && dirs+=("$dir")
  done
  if [ ${#dirs[@]} -gt 1 ]; then
    hardlink --content --respect-name --quiet "${dirs[@]}"
  fi
}

# Sets DISPLAY to a virtual display of its own, stopped (with the prefix's server)
# when the shell exits.
wine_start_display() {
  wine_open_display
  trap 'wine_server -k 2>/dev/null || true; wine_close_display' EXIT
}

wine_open_display() {
  local fdfile
  fdfile=$(mktemp)
  # Programs reach it through Linux's abstract socket alone, so it puts no socket or
  # lock file in /tmp.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -nolisten unix 3>"$fdfile" >/dev/null 2>&1 &
  BRENVIK_XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$fdfile")"
  rm -f "$fdfile"
}

wine_close_display() {
  [ -z "${BRENVIK_XVFB_PID:-}" ] || kill "$BRENVIK_XVFB_PID" 2>/dev/null || true
}

# wine_start_build BUILD_DIR: the build's environment and prefix on a display of its
# own, with the prefix's server and services started until the shell exits, detached
# from this shell's output. Otherwise the first program of each test would start them,
# and a test runner waiting for its output to close would wait out the server's
# linger after every test.
wine_start_build() {
  wine_use_build "$1"
  wine_make_prefix
  wine_start_display
  wine_server -p </dev/null >/dev/null 2>&1
  "$WINELOADER" cmd /c exit </dev/null >/dev/null 2>&1
  wine_window_manager absent
}

# wine_window_manager absent|present: with none (the virtual display) Wine draws the
# window frames itself; with one, it leaves them to it.
wine_window_manager() {
  local key='HKCU\Software\Wine\X11 Driver'
  if [ "$1" = absent ]; then
    "$WINELOADER" reg add "$key" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  else
    "$WINELOADER" reg delete "$key" /v Managed /f >/dev/null 2>&1 || true
  fi
}

# The registry has to say it before a program starts; 96 is Windows' default.
wine_set_dpi() {
  local hex
  hex=$(printf '0x%x' "$1")
  "$WINELOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$hex" /f >/dev/null
  "$WINELOADER" reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
    /v LogPixels /t REG_DWORD /d "$hex" /f >/dev/null
}

# The build folder that holds the current folder (ctest runs each test from a folder
# of its build).
wine_enclosing_build() {
  local build=$PWD
  while [ ! -f "$build/CMakeCache.txt" ] && [ "$build" != / ]; do build=$(dirname "$build"); done
  echo "$build"
}

# wine_run_here [--dpi DPI] PROGRAM [ARGS...]: runs a program of the build that holds
# the current folder, on the display that wine_start_build started or, with none, on a
# display of its own, stopped when the shell exits. With --dpi, at DPI dots per inch:
# the prefix is the build's, so its dots per inch go back to 96 when the shell exits,
# and ctest runs these tests alone (RUN_SERIAL).
wine_run_here() {
  local dpi=
  if [ "$1" = --dpi ]; then dpi=$2; shift 2; fi
  wine_use_build "$(wine_enclosing_build)"
  wine_make_prefix
  [ -n "${DISPLAY:-}" ] || wine_open_display
  if [ -n "$dpi" ]; then
    trap 'wine_set_dpi 96; wine_close_display' EXIT
    wine_set_dpi "$dpi"
  else
    trap 'wine_close_display' EXIT
  fi
  "$WINELOADER" "$@"
}
