#!/usr/bin/env bash
# Builds the Debian package with no web server built in, installs it as a person
# would, checks its desktop metadata and that it carries the banner browser
# module, starts the installed program from its menu entry's command under a
# virtual display (with no server, and so no browser), and removes the package
# again.
set -euo pipefail

# A window of the program (class "Plenwick") that is an ordinary window, not
# the splash, and is shown.
main_window_shown() {
  local id
  for id in $(xwininfo -root -tree | awk '/\("plenwick" "Plenwick"\)/ { print $1 }'); do
    if xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q '_NET_WM_WINDOW_TYPE_NORMAL' &&
      xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'; then
      return 0
    fi
  done
  return 1
}

if [ "${1:-}" = --start ]; then # under the virtual display: start "$2"
  # shellcheck disable=SC2086 # the menu entry's command, split as a launcher would
  $2 >/dev/null 2>&1 &
  program=$!
  waited=0
  until main_window_shown; do
    if ! kill -0 "$program" 2>/dev/null; then
      status=0
      wait "$program" || status=$?
      echo "the installed program stopped with status $status before showing its main window" >&2
      exit 1
    fi
    if [ "$waited" -ge 300 ]; then
      echo "the installed program showed no main window within 30 s" >&2
      kill "$program"
      exit 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  # The offers are asked for about a second after start: still running after that.
  sleep 2
  if ! kill -0 "$program" 2>/dev/null; then
    status=0
    wait "$program" || status=$?
    echo "the installed program stopped with status $status after showing its main window" >&2
    exit 1
  fi
  # With no server no browser starts: no process of its own, no browser library.
  if pgrep -P "$program" >/dev/null || grep -q libQt6WebEngine "/proc/$program/maps"; then
    echo "the installed program started a browser with no server to show a banner page from" >&2
    kill "$program"
    exit 1
  fi
  kill "$program"
  exit 0
fi

cd "$(dirname "$0")/.."

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

# The package is built with no web server: an installed program fetches
# nothing until the person names a server with --server.
cmake --preset package >/dev/null
cmake --build --preset package --target plenwick
(cd build/package && rm -f plenwick_*.deb && cpack -G DEB >/dev/null)
package=$(ls build/package/plenwick_*.deb)
echo "package: $package ($(dpkg-deb -f "$package" Installed-Size) KiB installed)"

export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get install -y -qq "./$package" >/dev/null
trap '"${as_root[@]}" apt-get remove -y -qq plenwick >/dev/null' EXIT

desktop-file-validate /usr/share/applications/org.plenwick.Plenwick.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.plenwick.Plenwick.metainfo.xml
test -f /usr/share/icons/hicolor/scalable/apps/org.plenwick.Plenwick.svg
if ! dpkg -L plenwick | grep -q '/plenwick/libplenwick_banner_browser\.so$'; then
  echo "the package lacks the banner browser module" >&2
  exit 1
fi
if ! QT_QPA_PLATFORM=offscreen plenwick --help 2>/dev/null | tr -s ' \n' ' ' | grep -q 'until then: none'; then
  echo "the installed program has a web server built in; the package must have none" >&2
  exit 1
fi

# Start the menu entry's command from an unrelated folder under a virtual
# display (this script again, with --start), wait for the main window, and
# check that the program is still running a moment later.
command=$(sed -n 's/^Exec=//p' /usr/share/applications/org.plenwick.Plenwick.desktop)
script=$(pwd)/scripts/check_package.sh
(cd /tmp && HOME=$(mktemp -d) xvfb-run -a bash "$script" --start "$command")
echo "the installed program started from its menu entry and showed its main window, with no browser"
