#!/usr/bin/env bash
# Installs what is missing, builds kestrane-bench in Release and runs it; every argument goes to
# the benchmark program (--benchmark_filter=REGEX, --benchmark_repetitions=N, ...).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
# The app libraries stay on: the map benchmarks draw with the shared QPainter code.
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKESTRANE_BUILD_TESTS=OFF
cmake --build build-bench -j"$jobs" --target kestrane-bench
exec build-bench/bench/kestrane-bench "$@"
