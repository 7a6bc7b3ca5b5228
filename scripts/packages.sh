# Installs the Debian packages the build and the tests need (sourced by the
# other scripts). Does nothing when they are all there already.
PACKAGES="cmake ninja-build g++ pkg-config ccache qt6-base-dev libgtest-dev
  fonts-ipafont-gothic fonts-ipafont-mincho poppler-utils g++-mingw-w64-x86-64
  python3 libxlsxwriter-dev python3-openpyxl dpkg-dev desktop-file-utils libz-mingw-w64-dev"

# Extra packages may be named; APT_OPTIONS goes to apt-get install.
install_packages() {
  missing=""
  for p in $PACKAGES "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
  done
  [ -z "$missing" ] && return 0
  echo "installing:$missing"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q ${APT_OPTIONS:-} $missing
}

build() {
  cmake -S "$ROOT" -B "$ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$ROOT/build"
}
