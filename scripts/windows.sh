#!/bin/sh
# The Windows stage of the tests: Tavrin.exe and the four placing programs
# (cross-built with mingw-w64 by the build) run under Wine, in one prefix set
# up here with a virtual desktop on an Xvfb display of its own, a printer for
# PDF files, and the IPA fonts for the system's Japanese texts.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/packages.sh"
APT_OPTIONS=--no-install-recommends install_packages wine64 xvfb fonts-wine ghostscript
cmake --build "$ROOT/build" --target windows_zip tavrin_windows_tests

# Debian's wine64 keeps its launcher beside its libraries, off the PATH.
WINE=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEPREFIX="$ROOT/build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# An Xvfb display of its own: Xvfb picks a free number and says which.
number=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" 2>/dev/null &
xvfb=$!
trap '"$WINESERVER" -k 2>/dev/null || true; kill $xvfb; rm -f "$number"' EXIT
while [ ! -s "$number" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$number")"

if [ ! -f "$WINEPREFIX/.tavrin-ready" ]; then
  "$WINE" wineboot --init
  drivers="$WINEPREFIX/drive_c/windows/system32/spool/drivers/x64/3"
  mkdir -p "$drivers"
  cp "$ROOT/tests/windows/printer.ppd" "$drivers/tavrin.ppd"
  "$WINE" regedit /S "$(echo "Z:$ROOT/tests/windows/prefix.reg" | tr / '\\')"
  "$WINESERVER" -w
  touch "$WINEPREFIX/.tavrin-ready"
fi
cd "$ROOT/build"
TAVRIN_WINE_REQUIRED=1 ctest --output-on-failure -j2 -L wine
