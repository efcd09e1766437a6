# Sourced by the test command, so that a long compile or test never looks like a hang.

# say_while_quiet: from here on, standard output passes through a reader that adds a
# line whenever 10 s go by without one, naming the stage still at work (the last
# "== TITLE ==" heading, as lib/stages.sh prints them).
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
