#!/usr/bin/env bash
# Fails, naming the files, when a tracked C++ file differs from what clang-format
# makes of it with .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
differ=()
count=0
while IFS= read -r -d '' file; do
  count=$((count + 1))
  clang-format --style=file "$file" | cmp -s - "$file" || differ+=("$file")
done < <(git ls-files -z '*.cpp' '*.h')
if [ ${#differ[@]} -gt 0 ]; then
  echo "These files differ from .clang-format's layout (clang-format -i FILE mends them):"
  printf '  %s\n' "${differ[@]}"
  exit 1
fi
echo "All $count C++ files follow .clang-format"
