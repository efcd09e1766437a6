# Sourced by the scripts that run a Windows build's programs under Wine.

# brenvik_wine_env BUILD_DIR: the environment every Wine program of that build runs
# in. WINELOADER names the loader itself, 32- or 64-bit as the build is: Debian's
# `wine` wrapper takes the 32-bit loader whenever it is installed, even on a kernel
# that can't run it, and Wine starts child processes with $WINELOADER. The prefix is
# BUILD_DIR/wineprefix unless WINEPREFIX names another.
brenvik_wine_env() {
  local build=$1 arch
  arch=$(sed -n 's/^BRENVIK_WINE_ARCH:INTERNAL=//p' "$build/CMakeCache.txt" 2>/dev/null)
  case $arch in
    win32) export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine ;;
    win64) export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64 ;;
    *) echo "$build is not a configured Windows build" >&2; return 1 ;;
  esac
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
}
