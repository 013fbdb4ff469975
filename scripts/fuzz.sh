#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a while (default 60 s),
# starting from the committed seeds. New inputs stay in build/fuzz/corpus;
# an input that breaks a target is kept as build/fuzz/crash-*.
# usage: bash scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_money_text fuzz_payoff_run fuzz_card_file fuzz_offer_file
for target in money_text payoff_run card_file offer_file; do
  corpus=build/fuzz/corpus/$target
  log=build/fuzz/$target.log
  mkdir -p "$corpus"
  echo "== fuzz_$target for ${seconds}s"
  status=0
  build/fuzz/tests/fuzz/fuzz_$target "$corpus" tests/fuzz/corpus/$target \
    -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix=build/fuzz/ >"$log" 2>&1 || status=$?
  grep -E 'stat::number_of_executed_units|stat::average_exec_per_sec' "$log" || true
  if [ "$status" -ne 0 ]; then
    echo "fuzz_$target found a fault:" >&2
    tail -40 "$log" >&2
    exit 1
  fi
done
