#!/usr/bin/env bash
# Installs what Brenvik's builds and tests need on Debian 12, skipping what is there.
set -euo pipefail

packages=(cmake g++ make googletest g++-mingw-w64-i686 wine wine32 fonts-wine xvfb xauth xdotool imagemagick x11-utils
          clang libclang-rt-14-dev libbenchmark-dev)  # fuzzing (libFuzzer) and benchmarks

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
