# Sourced by the release and the installer check: the one way an installer is made
# (release/brenvik.nsi), so that the check tries the bytes the release ships.
#   release_readme VERSION            README.txt for that version, with CR LF line ends
#   make_installer ARCH VERSION PROGRAM OUTFILE
#                                     the installer of Brenvik.exe PROGRAM for ARCH
#                                     (x86 or x64), written to OUTFILE

# Plain text with CR LF line ends, as Windows' editors expect.
release_readme() {
  sed -e "s/@VERSION@/$1/g" -e 's/$/\r/' "$(dirname "${BASH_SOURCE[0]}")/../../release/README.txt.in"
}

make_installer() {
  local arch=$1 version=$2 program=$3 outfile=$4 files major minor
  local tree
  tree=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  major=${version%%.*} minor=${version#*.}
  files=$(mktemp -d)
  cp "$program" "$files/Brenvik.exe"
  release_readme "$version" >"$files/README.txt"
  cp "$tree/app/resources/brenvik.ico" "$files/"
  # makensis stores no file time (SetDateSave off) and its stubs carry the time
  # Debian built them: the same inputs give the same bytes.
  makensis -V2 -NOCD -DARCH="$arch" -DVERSION="$version" \
    -DVERSION_FIELDS="$((10#$major)).$((10#$minor)).0.0" -DFILES="$files" \
    -DOUTFILE="$(realpath -m "$outfile")" "$tree/release/brenvik.nsi" >/dev/null
  rm -rf "$files"
}
