#!/usr/bin/env bash
# Configures and builds the game into build/ and lays out the installation in build/game/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build -j "$jobs"
cmake --build build --target game
