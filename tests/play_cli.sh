#!/bin/sh
# Runs the program itself on a fresh drive with a play script, then checks
# the files the panel left: the command-line road a user automates with.
set -eu
tavrin="$1"
script="$2"
drive=$(mktemp -d)
trap 'rm -rf "$drive"' EXIT
"$tavrin" --drive "$drive" --play "$script"
iconv -f CP932 -t UTF-8 "$drive/jww/作図.bat" | grep -q '【一般両エルボ】配置位置を指示してください。'
test "$(cat "$drive/Tavrin/set/Command.ini")" = "$(printf '4\r')"
# A script that fails makes the program fail.
printf 'press ありません\n' > "$drive/bad.play"
if "$tavrin" --drive "$drive" --play "$drive/bad.play" >/dev/null; then exit 1; fi
echo ok
