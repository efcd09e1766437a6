# Sourced by the scripts that build: a heading and a time for each stage, and quiet
# configuring that still shows what matters.

BRENVIK_STAGE="" BRENVIK_STAGE_START=$SECONDS BRENVIK_STAGE_TIMES=()

# stage TITLE: ends the stage before (its time is kept) and starts the next.
stage() {
  stage_end
  BRENVIK_STAGE=$1 BRENVIK_STAGE_START=$SECONDS
  echo "== $1 =="
}

stage_end() {
  [ -n "$BRENVIK_STAGE" ] || return 0
  BRENVIK_STAGE_TIMES+=("$(printf '%4d s  %s' $((SECONDS - BRENVIK_STAGE_START)) "$BRENVIK_STAGE")")
  BRENVIK_STAGE=""
}

# Prints each stage's time and the whole.
stages_done() {
  stage_end
  echo "== stage times =="
  printf '%s\n' "${BRENVIK_STAGE_TIMES[@]}"
  printf '%4d s  in all\n' "$SECONDS"
}

# configure PRESET [CMAKE ARGS...]: configures a build, printing one line for it and
# whatever is not routine (warnings, the tests left out); errors go to stderr as ever.
configure() {
  echo "Configuring the $1 build"
  local log status=0
  log=$(mktemp)
  cmake --preset "$@" >"$log" || status=$?
  grep -v -e '^-- ' -e '^$' -e '^Preset CMake variables:' -e '^  [A-Za-z_]*[:=]' "$log" | sed 's/^/  /' || true
  grep -e 'left out' "$log" | sed 's/^-- /  /' || true
  rm -f "$log"
  return $status
}
