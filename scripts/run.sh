#!/usr/bin/env bash
# Builds Plenwick and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "Plenwick has no window yet: for now only its calculations are built and tested (bash scripts/test.sh)."
exit 1
