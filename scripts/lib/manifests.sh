# Sourced by the release: the package managers' manifests for a release folder that
# holds the zips, the installers and SHA256SUMS.
#   write_manifests VERSION DIST
# winget (a version, a default-locale and an installer manifest, both installers) and
# Scoop (brenvik.json, both zips) find the downloads at BRENVIK_RELEASE_URL: one folder
# that holds every version's downloads and the latest SHA256SUMS. The default is a
# placeholder, to be replaced where the release is published.
BRENVIK_RELEASE_URL=${BRENVIK_RELEASE_URL:-https://brenvik.example/download}
BRENVIK_WINGET_ID=Brenvik.Brenvik
BRENVIK_WINGET_SCHEMA=1.6.0

# sha256_of DIST FILE: FILE's hash as SHA256SUMS lists it.
sha256_of() {
  awk -v file="$2" '$2 == file || $2 == "*" file { print $1; found = 1 } END { exit !found }' \
    "$1/SHA256SUMS"
}

write_manifests() {
  local version=$1 dist=$2 url=$BRENVIK_RELEASE_URL id=$BRENVIK_WINGET_ID
  local description='Shows the song Winamp is playing as your Yahoo! Messenger status.'
  # PackageVersion is quoted: YAML would read 1.00 as the number 1.
  cat >"$dist/$id.yaml" <<YAML
PackageIdentifier: $id
PackageVersion: "$version"
DefaultLocale: en-US
ManifestType: version
ManifestVersion: $BRENVIK_WINGET_SCHEMA
YAML
  cat >"$dist/$id.locale.en-US.yaml" <<YAML
PackageIdentifier: $id
PackageVersion: "$version"
PackageLocale: en-US
Publisher: Brenvik
PackageName: Brenvik
License: Freeware
ShortDescription: $description
ManifestType: defaultLocale
ManifestVersion: $BRENVIK_WINGET_SCHEMA
YAML
  # The installers are NSIS's; /S is silent, and the entry they write is "Brenvik".
  cat >"$dist/$id.installer.yaml" <<YAML
PackageIdentifier: $id
PackageVersion: "$version"
InstallerType: nullsoft
Scope: user
InstallModes:
  - interactive
  - silent
  - silentWithProgress
InstallerSwitches:
  Silent: /S
  SilentWithProgress: /S
UpgradeBehavior: install
ProductCode: Brenvik
Installers:
  - Architecture: x86
    InstallerUrl: $url/Brenvik-$version-x86-setup.exe
    InstallerSha256: $(sha256_of "$dist" "Brenvik-$version-x86-setup.exe")
  - Architecture: x64
    InstallerUrl: $url/Brenvik-$version-x64-setup.exe
    InstallerSha256: $(sha256_of "$dist" "Brenvik-$version-x64-setup.exe")
ManifestType: installer
ManifestVersion: $BRENVIK_WINGET_SCHEMA
YAML
  # checkver finds the latest version in the published SHA256SUMS, and autoupdate takes
  # each zip's hash from it.
  cat >"$dist/brenvik.json" <<JSON
{
    "version": "$version",
    "description": "$description",
    "homepage": "$url",
    "license": "Freeware",
    "architecture": {
        "64bit": {
            "url": "$url/Brenvik-$version-x64.zip",
            "hash": "$(sha256_of "$dist" "Brenvik-$version-x64.zip")"
        },
        "32bit": {
            "url": "$url/Brenvik-$version-x86.zip",
            "hash": "$(sha256_of "$dist" "Brenvik-$version-x86.zip")"
        }
    },
    "bin": "Brenvik.exe",
    "shortcuts": [["Brenvik.exe", "Brenvik"]],
    "checkver": {
        "url": "$url/SHA256SUMS",
        "regex": "Brenvik-([\\\\d.]+)-x64\\\\.zip"
    },
    "autoupdate": {
        "architecture": {
            "64bit": { "url": "$url/Brenvik-\$version-x64.zip" },
            "32bit": { "url": "$url/Brenvik-\$version-x86.zip" }
        },
        "hash": { "url": "\$baseurl/SHA256SUMS" }
    }
}
JSON
}
