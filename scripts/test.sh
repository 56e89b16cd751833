#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 600 -j"$jobs"

# The core's tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer:
# any finding stops the test that made it, so the run fails.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKESTRANE_BUILD_APP=OFF -DKESTRANE_BUILD_BENCH=OFF -DKESTRANE_SANITIZE=ON
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure --timeout 600 -j"$jobs"

# Every libFuzzer target for a minute from its generated seeds (about five
# minutes with the build); any crash, leak, timeout or sanitizer report fails.
FUZZ_SECONDS="${FUZZ_SECONDS:-60}" bash scripts/fuzz.sh
