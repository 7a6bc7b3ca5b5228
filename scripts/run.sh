#!/bin/sh
# Sets everything up and starts the command panel on the default drive
# (created with the shipped data on first start). Extra arguments go to the
# program, for example --drive DIR.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/packages.sh"
install_packages
build
exec "$ROOT/build/app/tavrin" "$@"
