# Sourced by the scripts that start Plenwick: serves web/ on a free port that
# the system picks, and sets PLENWICK_WEB_URL to its address. Nothing already
# listening anywhere is trusted: the port is the server's own.
#
# The server is tied to the calling script's process: it gets SIGTERM when
# that process ends, however it ends (normally, SIGTERM, Ctrl+C, even
# SIGKILL). A script that runs the program with exec hands that tie on to the
# program, so the server then ends with the program.
plenwick_serve_web() {
  local log
  log=$(mktemp)
  PLENWICK_PARENT=$$ python3 -u -c '
import ctypes, os, runpy, signal, sys
ctypes.CDLL(None).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG
if os.getppid() != int(os.environ["PLENWICK_PARENT"]):
    sys.exit(0)  # the script was gone before the tie was made
sys.argv = ["http.server", "0", "--bind", "127.0.0.1", "--directory", "web"]
runpy.run_module("http.server", run_name="__main__")
' >"$log" 2>/dev/null &
  local port=""
  for _ in $(seq 50); do
    port=$(sed -n 's/^Serving HTTP on [0-9.]* port \([0-9]*\).*/\1/p' "$log")
    [ -n "$port" ] && break
    sleep 0.1
  done
  rm -f "$log"
  if [ -z "$port" ]; then
    echo "The sample web server did not start." >&2
    return 1
  fi
  PLENWICK_WEB_URL="http://127.0.0.1:$port"
  # It listens already; make sure it answers with our files.
  for _ in $(seq 50); do
    plenwick_web_answers "$port" && return 0
    sleep 0.1
  done
  echo "The sample web server at $PLENWICK_WEB_URL does not answer." >&2
  return 1
}

plenwick_web_answers() {
  (
    exec 3<>"/dev/tcp/127.0.0.1/$1"
    printf 'HEAD /app/newCCOffers.txt HTTP/1.0\r\n\r\n' >&3
    read -r _ status _ <&3
    [ "$status" = 200 ]
  ) 2>/dev/null
}
