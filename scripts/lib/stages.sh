# Sourced by the test command: a heading and a time for each stage.

BRENVIK_STAGE="" BRENVIK_STAGE_START=$SECONDS BRENVIK_STAGE_TIMES=()

# stage TITLE: ends the stage before (its time is kept) and starts the next. The
# heading, "== TITLE ==", is what lib/quiet.sh names while the stage is quiet.
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
