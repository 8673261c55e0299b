#!/usr/bin/env bash
# Installs what is missing, builds Pictavo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPICTAVO_TESTS=OFF -DPICTAVO_BENCH=OFF
cmake --build build --target Pictavo
exec ./build/Pictavo
