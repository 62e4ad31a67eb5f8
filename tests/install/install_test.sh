#!/usr/bin/env bash
# Installs a build tree into a temporary prefix and checks the installed layout:
# program, desktop entry, icons and AppStream metainfo.
#
# Usage: install_test.sh <build-dir> [cmake-command]
set -u

build_dir=${1:?usage: install_test.sh <build-dir> [cmake-command]}
cmake_cmd=${2:-cmake}
app_id=io.github.kobalin.Kobalin

prefix=$(mktemp -d "${TMPDIR:-/tmp}/kobalin-install.XXXXXX") || exit 1
trap 'rm -rf "$prefix"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Prints "<width> <height>" read from the IHDR chunk of a PNG file.
png_size() {
    local b
    read -r -a b < <(od -An -tu1 -j12 -N12 -v "$1")
    # bytes: "IHDR" (73 72 68 82), width (4 bytes, big endian), height (4 bytes)
    if [[ ${#b[@]} -ne 12 || "${b[0]} ${b[1]} ${b[2]} ${b[3]}" != "73 72 68 82" ]]; then
        echo "not-a-png"
        return
    fi
    echo "$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7])) $(((b[8] << 24) | (b[9] << 16) | (b[10] << 8) | b[11]))"
}

check_png() {
    local file=$1 size=$2
    if [[ ! -f $file ]]; then
        fail "icon missing: $file"
        return
    fi
    local magic
    magic=$(od -An -tx1 -N8 "$file" | tr -d ' \n')
    [[ $magic == 89504e470d0a1a0a ]] || fail "not a PNG file: $file"
    local got
    got=$(png_size "$file")
    [[ $got == "$size $size" ]] || fail "$file is '$got', expected ${size}x${size}"
}

if ! log=$("$cmake_cmd" --install "$build_dir" --prefix "$prefix" 2>&1); then
    echo "$log" >&2
    echo "FAIL: cmake --install $build_dir failed" >&2
    exit 1
fi

bin=$prefix/bin/kobalin
[[ -f $bin && -x $bin ]] || fail "program missing or not executable: bin/kobalin"

desktop=$prefix/share/applications/$app_id.desktop
if [[ ! -f $desktop ]]; then
    fail "desktop entry missing: share/applications/$app_id.desktop"
elif ! command -v desktop-file-validate >/dev/null; then
    fail "desktop-file-validate not found (install desktop-file-utils)"
elif ! desktop-file-validate "$desktop"; then
    fail "desktop entry does not validate: $desktop"
else
    grep -qx 'Exec=kobalin' "$desktop" || fail "desktop entry does not run 'kobalin'"
    grep -qx 'Icon=kobalin' "$desktop" || fail "desktop entry does not use icon 'kobalin'"
fi

check_png "$prefix/share/icons/hicolor/32x32/apps/kobalin.png" 32
check_png "$prefix/share/icons/hicolor/256x256/apps/kobalin.png" 256

svg=$prefix/share/icons/hicolor/scalable/apps/kobalin.svg
if [[ ! -s $svg ]]; then
    fail "scalable icon missing: share/icons/hicolor/scalable/apps/kobalin.svg"
elif ! grep -q '<svg' "$svg"; then
    fail "scalable icon is not an SVG image: $svg"
fi

metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
if [[ ! -f $metainfo ]]; then
    fail "metainfo missing: share/metainfo/$app_id.metainfo.xml"
elif ! command -v appstreamcli >/dev/null; then
    fail "appstreamcli not found (install appstream)"
elif ! appstreamcli validate --no-net "$metainfo"; then
    fail "metainfo does not validate: $metainfo"
fi

if ((failures > 0)); then
    echo "install layout: $failures check(s) failed" >&2
    exit 1
fi
echo "install layout: all checks passed"
