# Sourced by lib/build-program.sh, the one way the commands configure a build.

. "$(dirname "${BASH_SOURCE[0]}")/tmpdir.sh"

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
