#!/usr/bin/env bash
# Checks the package managers' manifests that scripts/package.sh made in build/dist
# (or DIST): each has the fields its format requires, names VERSION's version, and
# every download it names is listed in SHA256SUMS with the hash it gives, and
# SHA256SUMS matches the files.
#   scripts/check-manifests.sh [DIST]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
dist=${1:-build/dist}
version=$(head -n 1 VERSION)
id=Brenvik.Brenvik
status=0
fail() {
  echo "$1: $2" >&2
  status=1
}

(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || fail SHA256SUMS "does not match the files"
# hash_checks FILE URL HASH: the download URL names is in SHA256SUMS with HASH.
hash_checks() {
  local listed
  listed=$(awk -v file="${2##*/}" '$2 == file { print $1 }' "$dist/SHA256SUMS")
  [ -n "$listed" ] || fail "$1" "$2 is not in SHA256SUMS"
  [ "${listed,,}" = "${3,,}" ] || fail "$1" "the hash of ${2##*/} is not SHA256SUMS's"
}

# winget: a top-level YAML field's value, quotes kept.
yaml_field() { sed -n "s/^$2: *//p" "$dist/$1" | tr -d '\r'; }
# The fields each manifest type requires (winget's 1.6 schemas).
for manifest in "$id.yaml:version:DefaultLocale" \
  "$id.locale.en-US.yaml:defaultLocale:PackageLocale Publisher PackageName License ShortDescription" \
  "$id.installer.yaml:installer:Installers"; do
  IFS=: read -r file type fields <<<"$manifest"
  [ -f "$dist/$file" ] || { fail "$file" "missing"; continue; }
  for field in PackageIdentifier PackageVersion ManifestType ManifestVersion $fields; do
    [ -n "$(yaml_field "$file" "$field")$(grep -x "$field:" "$dist/$file")" ] ||
      fail "$file" "no $field"
  done
  [ "$(yaml_field "$file" PackageIdentifier)" = "$id" ] || fail "$file" "not $id"
  # Quoted, or YAML reads 1.00 as the number 1.
  [ "$(yaml_field "$file" PackageVersion)" = "\"$version\"" ] || fail "$file" "PackageVersion is not \"$version\""
  [ "$(yaml_field "$file" ManifestType)" = "$type" ] || fail "$file" "ManifestType is not $type"
done
installer=$dist/$id.installer.yaml
if [ -f "$installer" ]; then
  [ "$(yaml_field "$id.installer.yaml" InstallerType)" = nullsoft ] || fail "$installer" "InstallerType is not nullsoft"
  [ "$(yaml_field "$id.installer.yaml" Scope)" = user ] || fail "$installer" "Scope is not user"
  grep -q '^  Silent: /S$' "$installer" || fail "$installer" "no silent switch"
  # Each installer: its architecture, its URL and its hash, one line each.
  arches=$(awk '
    /^  - Architecture:/ { if (arch) print arch, url, hash; arch = $3; url = hash = "" }
    /^    InstallerUrl:/ { url = $2 }
    /^    InstallerSha256:/ { hash = $2 }
    END { if (arch) print arch, url, hash }' "$installer")
  [ "$(cut -d' ' -f1 <<<"$arches" | sort | xargs)" = "x64 x86" ] || fail "$installer" "not one installer for each of x86 and x64"
  while read -r arch url hash; do
    [ "${url##*/}" = "Brenvik-$version-$arch-setup.exe" ] || fail "$installer" "the $arch installer is $url"
    hash_checks "$installer" "$url" "$hash"
  done <<<"$arches"
fi

# Scoop: valid JSON with the fields its schema requires, and the zips' URLs and hashes.
scoop=$dist/brenvik.json
if ! jq -e . "$scoop" >/dev/null; then
  fail "$scoop" "missing, or not JSON"
else
  for field in version homepage license bin shortcuts checkver autoupdate; do
    jq -e "has(\"$field\")" "$scoop" >/dev/null || fail "$scoop" "no $field"
  done
  [ "$(jq -r .version "$scoop")" = "$version" ] || fail "$scoop" "version is not $version"
  for arch in 64bit:x64 32bit:x86; do
    url=$(jq -r ".architecture[\"${arch%:*}\"].url // empty" "$scoop")
    [ "${url##*/}" = "Brenvik-$version-${arch#*:}.zip" ] || fail "$scoop" "the ${arch%:*} download is '$url'"
    hash_checks "$scoop" "$url" "$(jq -r ".architecture[\"${arch%:*}\"].hash // empty" "$scoop")"
  done
  [ "$(jq -r '.checkver.url' "$scoop")" = "${url%/*}/SHA256SUMS" ] || fail "$scoop" "checkver does not read SHA256SUMS"
  jq -e '.autoupdate.hash.url | endswith("/SHA256SUMS")' "$scoop" >/dev/null || fail "$scoop" "autoupdate does not read SHA256SUMS"
  # checkver's pattern takes this version from SHA256SUMS, as it will a later one.
  found=$(REGEX=$(jq -r .checkver.regex "$scoop") perl -ne 'if (/$ENV{REGEX}/) { print $1; exit }' "$dist/SHA256SUMS")
  [ "$found" = "$version" ] || fail "$scoop" "checkver finds '$found' in SHA256SUMS, not $version"
fi
[ $status -eq 0 ] && echo "The winget and Scoop manifests have their fields and SHA256SUMS's hashes"
exit $status
