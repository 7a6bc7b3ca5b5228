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

# clang with its runtime libraries (AddressSanitizer, UBSan, libFuzzer).
SANITIZER_PACKAGES="clang libclang-rt-dev"

build_sanitized() {
  CC=clang CXX=clang++ cmake -S "$ROOT" -B "$ROOT/build/sanitize" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DTAVRIN_SANITIZE=ON -DTAVRIN_WINDOWS=OFF >/dev/null
  cmake --build "$ROOT/build/sanitize"
}

# Any sanitizer report ends the process with an error; leaks are reported.
sanitizer_environment() {
  export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:check_initialization_order=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0"
}
