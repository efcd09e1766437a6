# Sourced by the commands that build one program of a preset's build (the release,
# the size check).

. "$(dirname "${BASH_SOURCE[0]}")/configure.sh"
. "$(dirname "${BASH_SOURCE[0]}")/cores.sh"

# build_program [--quiet] PRESET TARGET: builds that target alone, configuring the
# build first only where it was never configured: a configured build reconfigures
# itself when it must, and the test command's Wine tests may be running from it.
# --quiet leaves the build's progress out; its errors still show.
build_program() {
  local quiet=false
  if [ "$1" = --quiet ]; then quiet=true; shift; fi
  [ -f "build/$1/CMakeCache.txt" ] || configure "$1"
  if $quiet; then
    cmake --build --preset "$1" --target "$2" >/dev/null
  else
    cmake --build --preset "$1" --target "$2"
  fi
}
