#!/bin/sh
# The whole project and its tests built with AddressSanitizer and UBSan
# (clang, in build/sanitize), and every test run there: any report, leaks
# included, fails the run. The same tree holds the fuzz targets (fuzz.sh).
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$ROOT/scripts/packages.sh"
install_packages $SANITIZER_PACKAGES
build_sanitized
cd "$ROOT/build/sanitize"
sanitizer_environment
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
