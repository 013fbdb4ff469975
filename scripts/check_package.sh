#!/usr/bin/env bash
# Builds the Debian package, installs it as a person would, checks its desktop
# metadata, starts the installed program from its menu entry's command under a
# virtual display, and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

cmake --preset release >/dev/null
cmake --build --preset release --target plenwick
(cd build/release && rm -f plenwick_*.deb && cpack -G DEB >/dev/null)
package=$(ls build/release/plenwick_*.deb)
echo "package: $package ($(dpkg-deb -f "$package" Installed-Size) KiB installed)"

export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get install -y -qq "./$package" >/dev/null
trap '"${as_root[@]}" apt-get remove -y -qq plenwick >/dev/null' EXIT

desktop-file-validate /usr/share/applications/org.plenwick.Plenwick.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.plenwick.Plenwick.metainfo.xml
test -f /usr/share/icons/hicolor/scalable/apps/org.plenwick.Plenwick.svg

# Start the menu entry's command from an unrelated folder; it must still be
# running after a few seconds.
command=$(sed -n 's/^Exec=//p' /usr/share/applications/org.plenwick.Plenwick.desktop)
status=0
(cd /tmp && HOME=$(mktemp -d) xvfb-run -a timeout 8 $command >/dev/null 2>&1) || status=$?
if [ "$status" -ne 124 ]; then
  echo "the installed program stopped with status $status instead of running" >&2
  exit 1
fi
echo "the installed program started from its menu entry"
