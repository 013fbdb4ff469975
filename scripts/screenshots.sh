#!/usr/bin/env bash
# Renders the splash window and every screen under Xvfb into a folder, with
# the sample web server answering for the banner and the offers.
# usage: bash scripts/screenshots.sh [folder] [--dark]   (default: build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build/screenshots}
shift || true

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target plenwick_screenshots
source scripts/web_server.sh
plenwick_serve_web
xvfb-run -a -s "-screen 0 1280x800x24" build/release/tools/screenshots/plenwick_screenshots --server "$PLENWICK_WEB_URL" "$@" "$folder"
