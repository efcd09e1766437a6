# Sourced by the scripts that build: a heading and a time for each stage, quiet
# configuring that still shows what matters, and temporary files inside the checkout.

BRENVIK_STAGE="" BRENVIK_STAGE_START=$SECONDS BRENVIK_STAGE_TIMES=()

# Temporary files, the compilers' included, stay in the checkout like everything else.
export TMPDIR=$PWD/build/tmp
mkdir -p "$TMPDIR"

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

# say_while_quiet: from here on, standard output passes through a reader that adds a
# line whenever 10 s go by without one, naming the stage still at work, so that a long
# compile or test never looks like a hang.
say_while_quiet() {
  exec > >(quiet_reader)
}

quiet_reader() {
  local line stage="" since=$SECONDS status
  while :; do
    IFS= read -r -t 10 line && status=0 || status=$?
    # A line cut by the wait is printed as it stands; the rest follows on the next.
    if [ $status -eq 0 ] || [ -n "$line" ]; then printf '%s\n' "$line"; fi
    if [ $status -eq 0 ]; then
      case $line in '== '*' ==') stage=${line#== } stage=${stage% ==} ;; esac
      since=$SECONDS
    elif [ $status -gt 128 ]; then
      printf '   ... still at "%s", %d s since the last line\n' "${stage:-the start}" $((SECONDS - since))
    else
      return 0
    fi
  done
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
