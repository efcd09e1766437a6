# Sourced by the test, run and benchmark commands: which Windows builds this machine
# can run under Wine.
#   windows (i686, the shipping build) needs 32-bit Wine, so a kernel that runs
#   32-bit programs; windows64 (x86_64) runs everywhere.
# BRENVIK_WINDOWS_BUILDS names them instead (e.g. "windows64", to prove the 64-bit-only
# path on a machine that runs both).

# Sets WINDOWS_BUILDS (the presets, shipping build first) and WINDOWS_BUILDS_WHY. With
# --before-install, what the machine can run once 32-bit Wine is installed.
choose_windows_builds() {
  if [ -n "${BRENVIK_WINDOWS_BUILDS:-}" ]; then
    WINDOWS_BUILDS=$BRENVIK_WINDOWS_BUILDS
    WINDOWS_BUILDS_WHY="named by BRENVIK_WINDOWS_BUILDS"
  elif ! "$(dirname "${BASH_SOURCE[0]}")/runs-32bit-programs.sh"; then
    WINDOWS_BUILDS="windows64"
    WINDOWS_BUILDS_WHY="this machine's kernel runs no 32-bit program, so 32-bit Wine can't run"
  elif [ "${1:-}" != --before-install ] && [ ! -x /usr/lib/wine/wine ]; then
    WINDOWS_BUILDS="windows64"
    WINDOWS_BUILDS_WHY="32-bit Wine (wine32) could not be installed: the i686 build is left out"
  else
    WINDOWS_BUILDS="windows windows64"
    WINDOWS_BUILDS_WHY="this machine runs 32-bit and 64-bit programs"
  fi
}
