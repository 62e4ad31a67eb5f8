#!/usr/bin/env bash
# What a desktop finds through the installed entry: the program Exec= names, and the icon Icon=
# names, scalable and at every installed size. Usage: desktop_finds.sh <install prefix>
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
prefix=$1
entry=$prefix/share/applications/io.github.kobalin.Kobalin.desktop
program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
icon=$(sed -n 's/^Icon=//p' "$entry")
test -x "$prefix/bin/$program" || fail "no program $program"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" || fail "no scalable icon $icon"
for folder in "$prefix"/share/icons/hicolor/*x*/apps; do
    size=$(basename "$(dirname "$folder")") # 32x32
    file "$folder/$icon.png" | grep -q "PNG image data, ${size/x/ x }," || fail "no $size icon $icon"
done
