#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a while (default 60 s),
# starting from the committed inputs, as many side by side as there are cores.
# Every tests/fuzz/fuzz_NAME.cpp is a target fuzz_NAME with its starting inputs in
# tests/fuzz/corpus/NAME. New inputs stay in build/fuzz/corpus; an input that
# breaks a target is kept as build/fuzz/crash-*.
# usage: bash scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
side_by_side=${FUZZ_JOBS:-$(nproc)}

names=()
for source in tests/fuzz/fuzz_*.cpp; do
  name=${source#tests/fuzz/fuzz_}
  names+=("${name%.cpp}")
done

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${names[@]/#/fuzz_}"

# Each fuzzer gets a core of its own for the whole time, so running them side
# by side shortens the wait without fuzzing any of them less.
fuzz() {
  local name=$1 corpus=build/fuzz/corpus/$1 starts=() status=0
  mkdir -p "$corpus"
  [ -d "tests/fuzz/corpus/$name" ] && starts=("tests/fuzz/corpus/$name")
  build/fuzz/tests/fuzz/fuzz_"$name" "$corpus" "${starts[@]}" -max_total_time="$seconds" \
    -print_final_stats=1 -artifact_prefix=build/fuzz/ >"build/fuzz/$name.log" 2>&1 || status=$?
  echo "$status" >"build/fuzz/$name.status"
}

echo "fuzzing ${names[*]} for ${seconds}s each, $side_by_side at a time"
for name in "${names[@]}"; do
  rm -f "build/fuzz/$name.status"
  while [ "$(jobs -rp | wc -l)" -ge "$side_by_side" ]; do
    wait -n || true
  done
  fuzz "$name" &
done
wait

failed=0
for name in "${names[@]}"; do
  echo "== fuzz_$name"
  grep -E 'stat::number_of_executed_units|stat::average_exec_per_sec' "build/fuzz/$name.log" || true
  if [ "$(cat "build/fuzz/$name.status" 2>/dev/null || echo missing)" != 0 ]; then
    echo "fuzz_$name found a fault:" >&2
    tail -40 "build/fuzz/$name.log" >&2
    failed=1
  fi
done
exit "$failed"
