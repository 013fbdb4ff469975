#!/usr/bin/env bash
# Checks that the tree is formatted as .clang-format says and that
# clang-tidy's checks (.clang-tidy) find nothing, on every core. Uses the
# release build (and builds it if needed: the sources include generated moc
# files). clazy's Qt connection checks run in the sanitizer build
# (scripts/check_sanitizers.sh).
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

[ -f build/release/build.ninja ] || cmake --preset release >/dev/null
cmake --build --preset release >/dev/null

# clang-tidy gets the build's commands with two changes. The precompiled
# headers are GCC's, which clang cannot read, so they are left out (and each
# source is checked for including everything it uses). A source compiled
# into several programs (the GUI tests' main) is checked once, not once per
# program.
mkdir -p build/release/style
python3 - build/release/compile_commands.json build/release/style/compile_commands.json <<'END'
import json, re, sys
seen, kept = set(), []
for entry in json.load(open(sys.argv[1])):
    if entry["file"].endswith(".hxx.cxx") or entry["file"] in seen:
        continue
    seen.add(entry["file"])
    entry["command"] = re.sub(r" -Winvalid-pch -include \S*/cmake_pch\.hxx", "", entry["command"])
    kept.append(entry)
json.dump(kept, open(sys.argv[2], "w"), indent=1)
END

# tests/.clang-tidy keeps the analyzer's depth in tests within bounds.
run-clang-tidy-14 -p build/release/style -j "$cores" -quiet "$(pwd)/(src|tests|bench|tools)/.*\.cpp$" \
  >build/release/style/clang-tidy.log 2>&1 || {
  grep -E 'error:|warning:' build/release/style/clang-tidy.log >&2
  exit 1
}
echo "clang-tidy: clean"
