#!/usr/bin/env bash
# Installs what is missing, builds Plenwick and starts it, with the sample
# web server (web/) answering on the program's built-in address.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target plenwick
source scripts/web_server.sh
plenwick_serve_web
build/release/src/app/plenwick "$@"
