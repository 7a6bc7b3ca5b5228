#!/bin/sh
# Fetches and unpacks the source of a Debian package into a folder, with
# apt's own client and a private source list, so that the machine's apt
# set-up is left as it is:  debian-source.sh PACKAGE DEST
# Used to build libxlsxwriter for the Windows programs, where Debian ships
# no mingw build of it.
set -eu
package="$1"
dest="$2"
[ -f "$dest/CMakeLists.txt" ] && exit 0
work="$dest.apt"
mkdir -p "$work/lists/partial" "$work/cache/archives/partial" "$work/src"
# The Debian release of this machine, from the same mirror as its packages.
. /etc/os-release
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian $VERSION_CODENAME main" \
  > "$work/sources.list"
apt() {
  apt-get -q -o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null \
    -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache" -o APT::Sandbox::User=root "$@"
}
apt update >/dev/null
(cd "$work/src" && apt source "$package" >/dev/null)
rm -rf "$dest"
mv "$(find "$work/src" -mindepth 1 -maxdepth 1 -type d | head -n 1)" "$dest"
rm -rf "$work"
