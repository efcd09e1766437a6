# Sourced by the run, test and benchmark scripts: a virtual X display and a Wine
# session on it, for one Windows build.
. "$(dirname "${BASH_SOURCE[0]}")/../cmake/wine-env.sh"

# start_build_session BUILD_DIR PREFIX: the build's Wine environment with the prefix
# PREFIX, on a virtual display of its own, with the prefix's server and services
# running until the script exits.
start_build_session() {
  WINEPREFIX=$2
  brenvik_wine_env "$1"
  start_virtual_display
  start_wine_session
}

# Sets DISPLAY to a virtual display of its own and stops it (and the Wine prefix's
# processes) when the script exits.
start_virtual_display() {
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  BRENVIK_XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$fdfile")"
  rm -f "$fdfile"
  trap 'stop_virtual_display' EXIT
}

stop_virtual_display() {
  [ -n "${WINEPREFIX:-}" ] && WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true
  [ -n "${BRENVIK_XVFB_PID:-}" ] && kill "$BRENVIK_XVFB_PID" 2>/dev/null || true
}

# Creates $WINEPREFIX if needed and starts its server and services for the whole
# session, detached from this script's output. Otherwise the first program of each
# test would start them, and a test runner waiting for its output to close would
# wait out the server's linger after every test.
start_wine_session() {
  cmake/wine-prefix.sh "$WINEPREFIX"
  wineserver -p </dev/null >/dev/null 2>&1
  "$WINELOADER" cmd /c exit </dev/null >/dev/null 2>&1
}
