# Sourced by the scripts that start Plenwick: serves web/ on the built-in
# address (127.0.0.1:8765) for as long as the calling script runs, unless
# something already answers there.
plenwick_serve_web() {
  local port=8765
  if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
    return 0
  fi
  python3 -m http.server "$port" --bind 127.0.0.1 --directory web >/dev/null 2>&1 &
  local server=$!
  trap "kill $server 2>/dev/null" EXIT
  # Give it a moment to listen before the program asks.
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && return 0
    sleep 0.2
  done
}
