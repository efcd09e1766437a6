#!/usr/bin/env bash
# Builds the fuzz targets (the fuzz preset: clang, libFuzzer, AddressSanitizer and
# UB sanitizer) and runs each for a while from its seed corpus in fuzz/corpus/<name>/,
# two at a time. The corpus is copied to build/fuzz/run/ first, so the runs never
# write into the repository. Fails when a target crashes or breaks one of its rules;
# the input that did it is kept under build/fuzz/run/<name>/ and named in the output.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${BRENVIK_FUZZ_SECONDS:-20}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

run_target() {
  local name=$1 dir=build/fuzz/run/$1
  rm -rf "$dir"
  mkdir -p "$dir/corpus"
  cp fuzz/corpus/"$name"/* "$dir/corpus/"
  if build/fuzz/bin/fuzz_"$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$dir/" "$dir/corpus" >"$dir/log" 2>&1; then
    echo "fuzz_$name: $(grep -o 'Done [0-9]* runs' "$dir/log"), no crash"
  else
    echo "fuzz_$name: FAILED, input kept as $(ls "$dir"/crash-* "$dir"/timeout-* "$dir"/oom-* 2>/dev/null | head -1)"
    tail -n 30 "$dir/log"
    return 1
  fi
}

targets=(key_path refresh_interval title_capture tip_field tray_mouse registry_sequence)
failed=0
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  pids=()
  for name in "${targets[@]:i:2}"; do
    run_target "$name" &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
done
exit $failed
