#!/usr/bin/env bash
# Installs what is missing, builds the desktop program and starts it on the bundled standard board.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs" --target kestrane
# Start in the data folder, so File New offers Maps/Standard.map at once.
cd data
exec ../build/src/app/kestrane "$@"
