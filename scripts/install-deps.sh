#!/usr/bin/env bash
# Installs the Debian packages that are missing for building (build), or for
# building and running every test and benchmark (test).
set -euo pipefail

build_packages=(g++ cmake ninja-build pkg-config qt6-base-dev libwayland-dev qt6-translations-l10n fonts-liberation2)
test_packages=(xvfb xdotool xclip x11-utils libx11-dev libxdamage-dev dbus valgrind
               desktop-file-utils appstream lintian dpkg-dev file
               sway wayvnc wtype wl-clipboard qt6-wayland jq at-spi2-core python3-pyatspi)

case "${1:-build}" in
build) wanted=("${build_packages[@]}") ;;
test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
*) echo "usage: $0 [build|test]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    --no-install-recommends "${missing[@]}"
