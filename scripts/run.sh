#!/usr/bin/env bash
# Installs what is missing, builds Plenwick and starts it, with the sample
# web server (web/) on a free port of its own, handed over with --server.
#
# The program takes this script's place (exec): the server is tied to this
# process (see web_server.sh), so it ends with the program, and a SIGTERM,
# Ctrl+C or SIGKILL sent to the script reaches the program itself. The
# sample server's address changes on every run, so it is remembered in
# settings of the build's own, not in the person's.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target plenwick
source scripts/web_server.sh
plenwick_serve_web
XDG_CONFIG_HOME="$PWD/build/run-settings" exec build/release/src/app/plenwick --server "$PLENWICK_WEB_URL" "$@"
