#!/usr/bin/env bash
# Makes the release twice and fails unless both give the same bytes (the zips,
# SHA256SUMS and each Brenvik.exe): here, from the builds the tests ran, and from a
# copy of the tree in another folder, with another time zone and umask, later, and
# with no GoogleTest on the machine, as a Windows developer builds it (the README's
# "Building on Windows"): that build must leave the tests out and still make
# Brenvik.exe, the same one. Builds only the programs that are packaged.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/tmpdir.sh
scripts/package.sh

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
# The tree as it stands, committed or not.
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do
    if [ -e "$file" ]; then printf '%s\0' "$file"; fi
  done | xargs -0 cp --parents -t "$copy"
echo "Again, from $copy, with no GoogleTest:"
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}  # the copy has no git history
# GoogleTest's sources hidden under an empty folder, for this command alone (a mount
# namespace of its own; a user namespace too where this isn't root).
namespace=(unshare --mount)
[ "$(id -u)" -eq 0 ] || namespace=(unshare --mount --map-root-user)
googletest=/usr/src/googletest
"${namespace[@]}" bash -c '
  set -euo pipefail
  [ ! -d "$1" ] || mount -t tmpfs -o size=1m none "$1"
  cd "$2" && umask 077 && SOURCE_DATE_EPOCH=$3 TZ=Asia/Kathmandu scripts/package.sh
' hidden "$googletest" "$copy" "$epoch"
if [ -n "$(find "$copy/build" -name CTestTestfile.cmake)" ]; then
  echo "The build with no GoogleTest configured tests all the same" >&2
  exit 1
fi

same=true
for file in build/dist/* build/windows/bin/Brenvik.exe build/windows64/bin/Brenvik.exe; do
  cmp "$file" "$copy/$file" || same=false
done
$same || { echo "The release differs between the two folders" >&2; exit 1; }
echo "The release is byte for byte the same from both folders; the second left the tests out"
