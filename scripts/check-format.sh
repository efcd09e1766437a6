#!/usr/bin/env bash
# Fails, naming the files, when a tracked C++ file differs from what clang-format
# makes of it with .clang-format. One clang-format for all files: started once per
# file, it took twenty times as long.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -d '' files < <(git ls-files -z '*.cpp' '*.h')
if ! report=$(clang-format --style=file --dry-run --Werror "${files[@]}" 2>&1); then
  listed=$(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/  \1/p' <<<"$report" | uniq)
  if [ -z "$listed" ]; then
    printf 'clang-format could not check the files:\n%s\n' "$report"
  else
    echo "These files differ from .clang-format's layout (clang-format -i FILE mends them):"
    echo "$listed"
  fi
  exit 1
fi
echo "All ${#files[@]} C++ files follow .clang-format"
