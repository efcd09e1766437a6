#!/usr/bin/env bash
# Makes the release from the windows (i686) and windows64 (x86_64) builds, in
# build/dist: Brenvik-<version>-x86.zip and Brenvik-<version>-x64.zip, each holding
# Brenvik.exe and README.txt, the per-user installers Brenvik-<version>-x86-setup.exe
# and Brenvik-<version>-x64-setup.exe (release/brenvik.nsi), SHA256SUMS for the four,
# and the winget and Scoop manifests made from them (scripts/lib/manifests.sh). The
# version is VERSION's.
#
# The same sources give the same bytes in any folder, on any machine, at any time:
# the programs carry no link time and no path (cmake/reproducible.cmake), and the
# zip entries have a fixed order, fixed modes and the commit's time
# (SOURCE_DATE_EPOCH, taken from git when not set).
# A script rather than CPack: the two programs come from two build folders with two
# toolchains, so CPack would take a run per build and a step for the checksums anyway,
# and here each entry's order, time and mode is set where it can be seen.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/tmpdir.sh
. scripts/lib/build-program.sh
. scripts/lib/installer.sh
. scripts/lib/manifests.sh
scripts/install-deps.sh test
version=$(head -n 1 VERSION)
# Only the zip entries take the commit's time. The programs are built without it, like
# every other build, so the program packaged is the one the tests ran.
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
unset SOURCE_DATE_EPOCH
# Zip entries hold local times: in UTC, the machine's time zone doesn't show.
export TZ=UTC
dist=build/dist
rm -rf "$dist"
mkdir -p "$dist"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

for build in windows:x86 windows64:x64; do
  preset=${build%:*} arch=${build#*:}
  echo "Building Brenvik.exe ($preset)"
  build_program "$preset" Brenvik
  program=build/$preset/bin/Brenvik.exe
  # A released program carries no debug information and no symbol table.
  if objdump -h "$program" | grep -q '\.debug' || objdump -t "$program" | grep -q '^\['; then
    echo "$program holds debug information or symbols" >&2
    exit 1
  fi
  files=$stage/$arch
  mkdir "$files"
  cp "$program" "$files/Brenvik.exe"
  release_readme "$version" >"$files/README.txt"
  chmod 644 "$files"/*
  touch -d "@$epoch" "$files"/*
  # -X: no owner ids and no extra time fields; -D: no folder entries.
  (cd "$files" && zip -q -X -D "$OLDPWD/$dist/Brenvik-$version-$arch.zip" Brenvik.exe README.txt)
  make_installer "$arch" "$version" "$program" "$dist/Brenvik-$version-$arch-setup.exe"
done
(cd "$dist" && sha256sum Brenvik-"$version"-{x86,x64}.zip Brenvik-"$version"-{x86,x64}-setup.exe >SHA256SUMS)
write_manifests "$version" "$dist"
for file in "$dist"/*; do
  printf '%-46s %8d bytes\n' "$file" "$(stat -c %s "$file")"
done
cat "$dist/SHA256SUMS"
