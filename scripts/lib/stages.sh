# Sourced by the test command: a heading and a time for each stage, and the stages that
# run in the background alongside the others.

BRENVIK_STAGE="" BRENVIK_STAGE_START=$SECONDS BRENVIK_STAGE_TIMES=()
BRENVIK_ALONGSIDE_PIDS=() BRENVIK_ALONGSIDE_TITLES=() BRENVIK_ALONGSIDE_LOGS=()

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

# alongside TITLE LOG COMMAND...: a stage run in the background while the stages after
# it run, its output kept in LOG and its own time in LOG.seconds.
alongside() {
  local title=$1 log=$2
  shift 2
  echo "$title: runs alongside what follows; its output comes when it ends"
  (
    start=$SECONDS status=0
    "$@" || status=$?
    echo $((SECONDS - start)) >"$log.seconds"
    exit $status
  ) >"$log" 2>&1 &
  BRENVIK_ALONGSIDE_PIDS+=($!) BRENVIK_ALONGSIDE_TITLES+=("$title") BRENVIK_ALONGSIDE_LOGS+=("$log")
}

# alongside_done: ends the stage before, then prints each background stage's output in
# turn (as it comes, while it still runs) and keeps its time; fails when any failed.
alongside_done() {
  local i status=0 log
  stage_end
  for i in "${!BRENVIK_ALONGSIDE_PIDS[@]}"; do
    log=${BRENVIK_ALONGSIDE_LOGS[i]}
    echo "== ${BRENVIK_ALONGSIDE_TITLES[i]} =="
    tail -n +1 -f --pid="${BRENVIK_ALONGSIDE_PIDS[i]}" "$log"
    wait "${BRENVIK_ALONGSIDE_PIDS[i]}" || status=1
    BRENVIK_STAGE_TIMES+=("$(printf '%4d s  %s (alongside)' "$(cat "$log.seconds")" \
      "${BRENVIK_ALONGSIDE_TITLES[i]}")")
  done
  BRENVIK_ALONGSIDE_PIDS=()
  return $status
}

# Prints each stage's time and the whole.
stages_done() {
  stage_end
  echo "== stage times =="
  printf '%s\n' "${BRENVIK_STAGE_TIMES[@]}"
  printf '%4d s  in all\n' "$SECONDS"
}
