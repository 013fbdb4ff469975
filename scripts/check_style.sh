#!/usr/bin/env bash
# Checks that the tree is formatted as .clang-format says, that clang-tidy's
# checks (.clang-tidy) find nothing, and that every Qt connection is sound
# (clazy's connect checks). Uses the release build (and builds it if needed:
# the sources include generated moc files). Runs on every core.
set -euo pipefail
cd "$(dirname "$0")/.."
cores=$(nproc)

# Plain assignments, so that a failing git stops the script instead of
# leaving nothing to check.
sources=$(git ls-files '*.cpp' '*.h')
connect_sources=$(git ls-files 'src/*.cpp' 'tests/*.cpp' 'bench/*.cpp' 'tools/*.cpp' | grep -v '^tests/fuzz/')
[ -n "$sources" ] && [ -n "$connect_sources" ]

# shellcheck disable=SC2086 # the paths have no blanks
clang-format --dry-run --Werror $sources
echo "formatting: clean"

[ -f build/release/build.ninja ] || cmake --preset release >/dev/null
cmake --build --preset release >/dev/null

# The build's precompiled headers are GCC's, which clang cannot read: the
# clang tools get the same commands without them, so each source is also
# checked for including everything it uses.
mkdir -p build/release/style
sed -E 's# -Winvalid-pch -include [^ ]*/cmake_pch\.hxx##g' build/release/compile_commands.json \
  >build/release/style/compile_commands.json

# Sources of the program, benchmarks and tools get every check at full depth.
# Test sources get every check too, but the analyzer does not follow virtual
# calls there: in tests those lead into Qt and GoogleTest, where it spent
# three quarters of all clang-tidy time, and every line of a test runs under
# the address and undefined-behaviour sanitizers in CI anyway.
tidy() {
  local log=$1
  shift
  run-clang-tidy-14 -p build/release/style -j "$cores" -quiet "$@" >"$log" 2>&1 || {
    grep -E 'error:|warning:' "$log" >&2
    return 1
  }
}
tidy build/release/style/clang-tidy.log "$(pwd)/(src|bench|tools)/.*\.cpp$"
tidy build/release/style/clang-tidy-tests.log \
  -config="{InheritParentConfig: true, CheckOptions: [{key: clang-analyzer-ipa, value: inlining}]}" \
  "$(pwd)/tests/.*\.cpp$"
echo "clang-tidy: clean"

connect_checks=connect-non-signal,connect-not-normalized,connect-by-name,old-style-connect,lambda-in-connect,overloaded-signal,incorrect-emit,connect-3arg-lambda,lambda-unique-connection
status=0
echo "$connect_sources" |
  xargs -P "$cores" -n 1 clazy-standalone -p build/release/style --checks="$connect_checks" \
    >build/release/style/clazy.log 2>&1 || status=$?
if grep -E 'warning:|error:' build/release/style/clazy.log || [ "$status" -ne 0 ]; then
  tail -20 build/release/style/clazy.log >&2
  exit 1
fi
echo "Qt connections: clean"
