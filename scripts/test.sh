#!/usr/bin/env bash
# Installs what is missing, builds Plenwick and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release
cmake --build --preset release
# The tests are independent of each other (own folders, own servers on free ports).
ctest --preset release --parallel "$(nproc)"
