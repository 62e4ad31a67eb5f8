#!/usr/bin/env bash
# Builds Kobalin (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh build
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-release --target kobalin
exec build-release/app/kobalin
