#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Each test is built and run once. The plain build makes the programs, their
# data, the benchmarks and the few tests that cannot run under the sanitizers
# (they compare pixels of a screenshot with the toolkit's own rendering);
# every other test is built and run on the sanitizer build below.
cmake --build build -j"$jobs" --target kestrane kestrane-cli manpages sample-game kestrane-bench \
  kestrane_app_SmokeGameTest
export QT_QPA_PLATFORM=offscreen
plain_only='^AppSmokeScreenshot$'
ctest --test-dir build --output-on-failure --timeout 600 -j"$jobs" -R "$plain_only"

# Every other test (the core's, the command line's and the desktop program's,
# which run on Qt's offscreen platform), built with AddressSanitizer and
# UndefinedBehaviorSanitizer: any finding stops the test that made it, so the
# run fails. The leak checker skips only the toolkit's and font libraries'
# own start-up allocations, listed by library in scripts/lsan-suppressions.txt.
# Built at -O1, as AddressSanitizer advises, with line tables only: every
# report still names its files and lines, and the build takes a third less.
# LLVM's linker links the fifty-odd test programs in a quarter of the time.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DKESTRANE_BUILD_BENCH=OFF -DKESTRANE_SANITIZE=ON
cmake --build build-asan -j"$jobs"
QT_QPA_PLATFORM=offscreen \
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan-suppressions.txt:print_suppressions=0" \
  ctest --test-dir build-asan --output-on-failure --timeout 600 -j"$jobs" -E "$plain_only"

# Every libFuzzer target from its generated seeds, four minutes shared among
# them; any crash, leak, timeout or sanitizer report fails.
bash scripts/fuzz.sh
