# Sourced by the run and test scripts: a virtual X display for Wine when none is set.
# start_virtual_display sets DISPLAY and arranges for the server to stop on exit.
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
