#!/usr/bin/env bash
# Builds the fuzz targets (the fuzz preset: clang, libFuzzer, AddressSanitizer and UB
# sanitizer) and runs each from its seed corpus in fuzz/corpus/<name>/, two at a time:
#   scripts/fuzz.sh           explores: each target for BRENVIK_FUZZ_SECONDS (60) from a
#                             random seed; inputs that reach new code are kept in
#                             build/fuzz/run/<name>/corpus (copy the good ones to fuzz/corpus/)
#   scripts/fuzz.sh replay    the test command's: every corpus input, then a fixed number
#                             (BRENVIK_FUZZ_RUNS, 20000) of inputs from a fixed seed, so the
#                             same tree gives the same result
# The corpus is copied to build/fuzz/run/ first, so the runs never write into the
# repository. Fails when a target crashes or breaks one of its rules; the input that
# did it is kept under build/fuzz/run/<name>/ and named in the output.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/build-program.sh
mode=${1:-explore}
case $mode in
  explore) runner=() limit=(-max_total_time="${BRENVIK_FUZZ_SECONDS:-60}") ;;
  # The same inputs every time: a fixed seed and count; no address randomisation and no
  # compared values fed back into the mutations, since those include pointers, which
  # move with the address layout.
  replay) runner=(setarch -R) limit=(-runs="${BRENVIK_FUZZ_RUNS:-20000}" -seed=1 -use_cmp=0) ;;
  *) echo "usage: $0 [replay]" >&2; exit 2 ;;
esac

build_program --configure fuzz

run_target() {
  local name=$1 dir=build/fuzz/run/$1
  rm -rf "$dir"
  mkdir -p "$dir/corpus"
  cp fuzz/corpus/"$name"/* "$dir/corpus/"
  echo "fuzz_$name: $(ls "$dir/corpus" | wc -l) corpus inputs, then ${limit[*]}"
  if "${runner[@]}" build/fuzz/bin/fuzz_"$name" "${limit[@]}" -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$dir/" "$dir/corpus" >"$dir/log" 2>&1; then
    echo "fuzz_$name: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$dir/log"), no crash"
  else
    echo "fuzz_$name: FAILED, input kept as $(ls "$dir"/crash-* "$dir"/timeout-* "$dir"/oom-* 2>/dev/null | head -1)"
    tail -n 30 "$dir/log"
    return 1
  fi
}

# The targets, as fuzz/CMakeLists.txt lists them for the build, two at a time: the next
# starts as soon as one ends.
mapfile -t targets <build/fuzz/fuzz-targets.txt
failed=0 running=0
for name in "${targets[@]}"; do
  if [ $running -eq 2 ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  run_target "$name" &
  running=$((running + 1))
done
for ((; running > 0; running--)); do wait -n || failed=1; done
exit $failed
