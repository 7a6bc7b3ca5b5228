#!/bin/sh
# Builds everything and runs every test (the Qt ones on the offscreen platform).
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/packages.sh"
install_packages
build
cd "$ROOT/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 -LE wine
"$ROOT/scripts/windows.sh"
