#!/usr/bin/env bash
# Builds everything in the "asan" preset (clang with the address and
# undefined-behaviour sanitizers, and clazy's Qt connection checks as a
# compiler plugin), fails on any clazy finding, and runs every test.
# clazy reports while it compiles: a source that is not rebuilt is not
# checked again, so CI always starts from an empty build folder.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset asan >/dev/null
# The screenshot tool is built too, so that clazy sees every source of ours
# (the fuzzers excepted: they have their own clang build).
cmake --build --preset asan --target all plenwick_screenshots 2>&1 | tee build/asan/build.log
if grep -E '\[-Wclazy-' build/asan/build.log >&2; then
  echo "clazy: the Qt connections above need mending" >&2
  exit 1
fi
echo "Qt connections: clean"

# The tests are independent of each other (own folders, own servers on free ports).
ctest --preset asan --parallel "$(nproc)"
