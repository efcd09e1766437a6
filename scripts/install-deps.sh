#!/usr/bin/env bash
# Installs what Brenvik's builds and tests need on Debian 12, skipping what is there.
# 32-bit Wine (the i386 architecture and wine32) only where this machine runs 32-bit
# programs; the MinGW-w64 compilers are 64-bit programs and build both Windows builds
# on every machine.
set -euo pipefail
here=$(dirname "$0")

packages=(cmake g++ make binutils googletest g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 fonts-wine
          xvfb xauth xdotool imagemagick x11-utils clang-format zip
          clang libclang-rt-14-dev libbenchmark-dev)  # fuzzing (libFuzzer) and benchmarks

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
updated=false
apt_install() {
  $updated || "${sudo_cmd[@]}" apt-get update -q
  updated=true
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "$@"
}

# The probe for 32-bit programs assembles one.
command -v as >/dev/null && command -v ld >/dev/null || apt_install binutils
with_32bit=false
if "$here/runs-32bit-programs.sh"; then
  with_32bit=true
  packages+=(wine32)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if $with_32bit && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  updated=false
fi
apt_install "${missing[@]}"
