#!/usr/bin/env bash
# Checks that the tree is formatted as .clang-format says, that clang-tidy's
# checks (.clang-tidy) find nothing, and that every Qt connection is sound
# (clazy's connect checks). Needs a configured release build.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"
echo "formatting: clean"

cmake --preset release >/dev/null
cmake --build --preset release >/dev/null   # generates the moc files the sources include
run-clang-tidy-14 -p build/release -quiet "$(pwd)/(src|tests|bench)/.*\.cpp$" >build/release/clang-tidy.log 2>&1 || {
  grep -E 'error:|warning:' build/release/clang-tidy.log >&2
  exit 1
}
echo "clang-tidy: clean"

connect_checks=connect-non-signal,connect-not-normalized,connect-by-name,old-style-connect,lambda-in-connect,overloaded-signal,incorrect-emit,connect-3arg-lambda,lambda-unique-connection
findings=0
for source in $(git ls-files 'src/*.cpp' 'tests/*.cpp' 'bench/*.cpp' | grep -v '^tests/fuzz/'); do
  if clazy-standalone -p build/release --checks="$connect_checks" "$source" 2>&1 | grep -E 'warning:|error:'; then
    findings=1
  fi
done
[ "$findings" -eq 0 ] || exit 1
echo "Qt connections: clean"
