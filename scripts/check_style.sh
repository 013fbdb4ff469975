#!/usr/bin/env bash
# Checks that the tree is formatted as .clang-format says and that
# clang-tidy's checks (.clang-tidy) find nothing, on every core. clazy's Qt
# connection checks run in the sanitizer build (scripts/check_sanitizers.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
cores=$(nproc)

# Plain assignments, so that a failing git stops the script instead of
# leaving nothing to check.
sources=$(git ls-files '*.cpp' '*.h')
[ -n "$sources" ]

# shellcheck disable=SC2086 # the paths have no blanks
clang-format --dry-run --Werror $sources
echo "formatting: clean"

# Our sources never include a source file (a unity build's own files do,
# which is why clang-tidy's check for it is off there).
if git grep -nE '^\s*#\s*include\s*["<][^">]*\.(c|cc|cpp|cxx)[">]' -- '*.cpp' '*.h' >&2; then
  echo "a source file is included above; include its header instead" >&2
  exit 1
fi

# clang-tidy reads the sources in unity batches, several sources to one
# translation unit: Qt's and GoogleTest's headers, which take most of its
# time, are then read once per batch instead of once per source. Its own
# configuration needs only the generated moc files, not a build.
# (clang cannot read GCC's precompiled headers, so those are off here.)
style=build/style
cmake -S . -B "$style" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DCMAKE_UNITY_BUILD=ON -DPLENWICK_PRECOMPILE_HEADERS=OFF >/dev/null
# shellcheck disable=SC2046 # target names have no blanks
ninja -C "$style" $(ninja -C "$style" -t targets all | sed -n 's/^\([A-Za-z0-9_]*_autogen\):.*/\1/p' | sort -u) >/dev/null
# The unity files live in the style folder: they get the checks of the tree
# (tests/.clang-tidy for the tests) without the one about including sources.
printf 'InheritParentConfig: true\nChecks: -bugprone-suspicious-include\n' >"$style/.clang-tidy"
mkdir -p "$style/tests"
cp tests/.clang-tidy "$style/tests/.clang-tidy"

run-clang-tidy-14 -p "$style" -j "$cores" -quiet "$(pwd)/$style/.*/Unity/unity_[0-9]+_cxx\.cxx$" \
  >"$style/clang-tidy.log" 2>&1 || {
  grep -E 'error:|warning:' "$style/clang-tidy.log" >&2
  exit 1
}
echo "clang-tidy: clean"
