# Sourced by every command that builds: the one way a command configures and builds a
# preset's build (the test, run, fuzz and benchmark commands, the release, the size
# check).

. "$(dirname "${BASH_SOURCE[0]}")/configure.sh"
. "$(dirname "${BASH_SOURCE[0]}")/cores.sh"

# build_program [OPTIONS] PRESET [TARGET...]: builds those targets of the preset's
# build, or with none what the preset builds (everything; the fuzz preset, its fuzz
# targets). The build is configured first only where it was never configured: a
# configured build reconfigures itself when it must, and the test command's Wine
# tests may be running from it.
#   --configure  configures it first all the same (the commands that build all of a
#                build and then test or run it, before any test runs from it)
#   -B DIR       the build in DIR instead of the preset's own folder
#   --say LINE   prints LINE once the build is configured, before it builds
#   --quiet      leaves the build's progress out; its errors still show
build_program() {
  local quiet=false always=false dir="" say=""
  while :; do
    case $1 in
      --quiet) quiet=true; shift ;;
      --configure) always=true; shift ;;
      -B) dir=$2; shift 2 ;;
      --say) say=$2; shift 2 ;;
      *) break ;;
    esac
  done
  local preset=$1
  shift
  local configure_args=("$preset") build=(cmake --build --preset "$preset")
  if [ -n "$dir" ]; then configure_args+=(-B "$dir") build=(cmake --build "$dir"); fi
  if $always || [ ! -f "${dir:-build/$preset}/CMakeCache.txt" ]; then configure "${configure_args[@]}"; fi
  [ -z "$say" ] || echo "$say"
  [ $# -eq 0 ] || build+=(--target "$@")
  if $quiet; then
    "${build[@]}" >/dev/null
  else
    "${build[@]}"
  fi
}
