#!/usr/bin/env bash
# Makes the release twice, here and from a copy of the tree in another folder (another
# time zone and umask, later), and fails unless both give the same bytes: the zips,
# SHA256SUMS and each Brenvik.exe. Builds only the programs that are packaged.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/package.sh

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
# The tree as it stands, committed or not.
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do
    if [ -e "$file" ]; then printf '%s\0' "$file"; fi
  done | xargs -0 cp --parents -t "$copy"
echo "Again, from $copy:"
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}  # the copy has no git history
(cd "$copy" && umask 077 && SOURCE_DATE_EPOCH=$epoch TZ=Asia/Kathmandu scripts/package.sh)

same=true
for file in build/dist/* build/windows/bin/Brenvik.exe build/windows64/bin/Brenvik.exe; do
  cmp "$file" "$copy/$file" || same=false
done
$same || { echo "The release differs between the two folders" >&2; exit 1; }
echo "The release is byte for byte the same from both folders"
