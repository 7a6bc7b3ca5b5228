#!/bin/sh
# Builds the Debian package from the build folder and checks it as a fresh
# Debian machine would get it: its control data, its file list, a valid menu
# entry, and the packaged program starting on a new drive from the data it
# brings along.
set -eu
build="$1"
script="$2"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/tavrin_*_amd64.deb)

field() { dpkg-deb -f "$deb" "$1"; }
fail() { echo "deb_package: $*"; exit 1; }
[ "$(field Package)" = tavrin ] || fail "package name $(field Package)"
[ "$(field Section)" = graphics ] || fail "section $(field Section)"
depends=$(field Depends)
for needed in fonts-ipafont-gothic fonts-ipafont-mincho xdg-utils; do
  echo "$depends" | grep -q "$needed" || fail "Depends lacks $needed: $depends"
done

dpkg-deb -c "$deb" | awk '{print $6}' > "$out/files"
for file in ./usr/bin/tavrin ./usr/share/applications/tavrin.desktop \
    ./usr/share/icons/hicolor/32x32/apps/tavrin.png ./usr/share/icons/hicolor/128x128/apps/tavrin.png \
    ./usr/share/tavrin/Tavrin/Mnl/Manual.htm ./usr/share/tavrin/Tavrin/Mnl/img/panel.png \
    ./usr/share/tavrin/Tavrin/set/Erbo.ini ./usr/share/tavrin/Tavrin/HaikanSet/SekisanSet.ini; do
  grep -qx "$file" "$out/files" || fail "missing $file"
done
# Nothing outside /usr, nothing of the build or the tests.
if grep -v '^\./usr/' "$out/files" | grep -qv '^\./$'; then fail "files outside /usr"; fi
if grep -q -e screenshots -e '\.o$' -e CMakeFiles "$out/files"; then fail "build files packaged"; fi

dpkg-deb -x "$deb" "$out/root"
# Every library package the packaged program needs is declared.
mkdir -p "$out/shlibs/debian"
printf 'Source: tavrin\n\nPackage: tavrin\nArchitecture: any\n' > "$out/shlibs/debian/control"
needs=$(cd "$out/shlibs" && dpkg-shlibdeps -O -e "$out/root/usr/bin/tavrin" 2>/dev/null | sed 's/^shlibs:Depends=//')
for library in $(echo "$needs" | tr ',' '\n' | sed 's/(.*//; s/ //g'); do
  echo "$depends" | grep -q "$library" || fail "Depends lacks $library, which the program needs: $depends"
done
[ -n "$needs" ] || fail "dpkg-shlibdeps found nothing"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$out/root/usr/share/applications/tavrin.desktop"
fi
grep -qx 'Name\[ja\]=Tavrin【配管・ダクト】' "$out/root/usr/share/applications/tavrin.desktop" || fail "no Japanese name"
grep -qx 'Categories=Graphics;Engineering;' "$out/root/usr/share/applications/tavrin.desktop" || fail "categories"

# The packaged program installs its packaged data on a new drive and runs.
mkdir "$out/drive"
"$out/root/usr/bin/tavrin" --drive "$out/drive" --play "$script" >"$out/play.log" 2>&1 || { cat "$out/play.log"; exit 1; }
[ -f "$out/drive/Tavrin/Mnl/img/panel.png" ] || fail "the manual's pictures were not installed on the drive"
echo "deb_package: ok"
