#!/usr/bin/env bash
# Installs, on Debian 12, what Brenvik needs, skipping what is there:
#   scripts/install-deps.sh run    building Brenvik.exe and running it under Wine
#   scripts/install-deps.sh test   that, and what the test command adds
# It prints each package it installs and why. 32-bit Wine (the i386 architecture and
# wine32) only where this machine runs 32-bit programs and BRENVIK_WINDOWS_BUILDS, when
# set, names the i686 build. A command that has checked
# the test set exports BRENVIK_DEPS_CHECKED=test, so the scripts it runs skip the check.
set -euo pipefail
here=$(dirname "$0")
set_name=${1:-}
case $set_name in
  run | test) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
[ "${BRENVIK_DEPS_CHECKED:-}" = test ] || [ "${BRENVIK_DEPS_CHECKED:-}" = "$set_name" ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
updated=false
# A mirror caught mid-sync fails one index for a while: try again, then go on with the
# indexes that did come (an install that still lacks a package fails by itself).
apt_update() {
  local try
  for try in 1 2 3; do
    "${sudo_cmd[@]}" apt-get update -q && return 0
    echo "apt-get update failed (try $try of 3)" >&2
    sleep $((try * 10))
  done
  echo "apt-get update: going on with the indexes it fetched" >&2
}
apt_install() {
  $updated || apt_update
  updated=true
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "$@"
}

# The probe for 32-bit programs assembles one.
command -v as >/dev/null && command -v ld >/dev/null || apt_install binutils
with_32bit=false
. "$here/lib/windows-builds.sh"
choose_windows_builds --before-install
[[ " $WINDOWS_BUILDS " == *" windows "* ]] && with_32bit=true

# package<TAB>why, one a line.
wanted() {
  local playable=g++-mingw-w64-x86-64
  $with_32bit && playable=g++-mingw-w64-i686
  printf '%s\t%s\n' \
    cmake 'configures the builds' \
    make 'runs the builds' \
    binutils 'the probe for 32-bit programs; objdump' \
    "$playable" "compiles the Windows build that runs here" \
    wine64 'runs the 64-bit Windows build (/usr/lib/wine/wine64)' \
    wine "Wine's common files" \
    fonts-wine "the fonts Wine draws the windows with" \
    xvfb 'the virtual display the programs run on' \
    imagemagick "the demo's screenshot (import)"
  $with_32bit && printf '%s\t%s\n' wine32 'runs the i686 Windows build (/usr/lib/wine/wine)'
  [ "$set_name" = test ] || return 0
  printf '%s\t%s\n' \
    g++-mingw-w64-i686 'compiles the i686 build (the release has both)' \
    g++-mingw-w64-x86-64 'compiles the x86_64 build (the release has both)' \
    g++ 'the host build: the tests against the simulation' \
    googletest "the tests' framework, built with each build's compiler" \
    clang 'the fuzz targets (libFuzzer)' \
    libclang-rt-14-dev "libFuzzer and the sanitizers' runtime for clang" \
    libbenchmark-dev 'the host benchmarks' \
    clang-format 'checks the layout of every C++ file' \
    zip 'the release zips' \
    nsis 'the release installers (makensis)' \
    x11-utils "the installer check sees Brenvik's tray icon leave (xwininfo)" \
    jq 'the manifest check reads the Scoop manifest'
}

missing=() reasons=()
while IFS=$'\t' read -r package why; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' &&
    [[ " ${missing[*]} " != *" $package "* ]]; then
    missing+=("$package")
    reasons+=("$(printf '  %-22s %s' "$package" "$why")")
  fi
done < <(wanted)
if [ ${#missing[@]} -eq 0 ]; then
  echo "The packages for '$set_name' are installed"
  exit 0
fi

echo "Installing the packages for '$set_name':"
printf '%s\n' "${reasons[@]}"
if $with_32bit && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  updated=false
fi
# A mirror that lacks a consistent i386 index can't give 32-bit Wine: the rest is
# installed all the same, and the commands then run the x86_64 build alone, saying why.
if ! apt_install "${missing[@]}"; then
  $with_32bit || exit 1
  without32=()
  for package in "${missing[@]}"; do [ "$package" = wine32 ] || without32+=("$package"); done
  echo "Installing with 32-bit Wine failed: installing the rest, for the x86_64 build alone" >&2
  [ ${#without32[@]} -eq 0 ] || apt_install "${without32[@]}"
fi
