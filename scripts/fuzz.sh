#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, makes their seed corpora and runs
# the targets one after another within FUZZ_TOTAL_SECONDS (240 by default,
# shared evenly, at least 15 s each; FUZZ_SECONDS gives every target a fixed
# time instead, e.g. for one new target). Fails on any crash, leak,
# timeout or sanitizer report; the input that caused it is kept below
# build-fuzz/artifacts/<target>/. Prints one summary line per target.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-fuzz
# Name a subset to run, e.g. FUZZ_TARGETS="fuzz_dib fuzz_import".
targets=(${FUZZ_TARGETS:-fuzz_archive fuzz_dib fuzz_mapfile fuzz_import fuzz_mailbox fuzz_orders})
# One budget for the whole run, so adding a target does not lengthen CI.
total=${FUZZ_TOTAL_SECONDS:-240}
seconds=${FUZZ_SECONDS:-$(( total / ${#targets[@]} > 15 ? total / ${#targets[@]} : 15 ))}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DKESTRANE_FUZZ=ON -DKESTRANE_BUILD_APP=OFF -DKESTRANE_BUILD_TESTS=OFF -DKESTRANE_BUILD_BENCH=OFF
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)" --target make_seeds "${targets[@]}"

rm -rf "$build/seeds"
"$build/fuzz/make_seeds" "$build/seeds" . ../shared/judge-samples

# Largest input per target: whole saved games and reports, a bitmap header
# with a modest pixel block (large pictures are legitimate, so memory is
# bounded by the input size rather than by the loader), a map definition, a
# mailbox of a few mails, a mail's worth of order lines.
declare -A max_len=([fuzz_archive]=65536 [fuzz_dib]=16384 [fuzz_mapfile]=16384 [fuzz_import]=32768 [fuzz_mailbox]=65536 [fuzz_orders]=4096)

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
summary=()
for target in "${targets[@]}"; do
  kind=${target#fuzz_}
  corpus="$build/corpus/$kind"
  artifacts="$build/artifacts/$target"
  rm -rf "$corpus" && mkdir -p "$corpus" "$artifacts"
  cp -r "$build/seeds/$kind/." "$corpus/"
  dict=()
  [ -f "fuzz/$kind.dict" ] && dict=(-dict="fuzz/$kind.dict")
  log="$build/artifacts/$target.log"
  status=0
  "$build/fuzz/$target" "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len="${max_len[$target]}" -print_final_stats=1 -artifact_prefix="$artifacts/" "${dict[@]}" \
    >"$log" 2>&1 || status=$?
  runs=$(grep -Eo '^Done [0-9]+ runs' "$log" | grep -Eo '[0-9]+' || true)
  if [ "$status" -ne 0 ] || grep -qE '^==[0-9]+==ERROR|runtime error:|^SUMMARY: ' "$log"; then
    failed=1
    summary+=("$target: FAILED (exit $status) after ${runs:-?} runs; log $log, input in $artifacts/")
    grep -E '^==[0-9]+==ERROR|runtime error:|^SUMMARY: |Test unit written' "$log" | head -5 >&2 || true
  else
    summary+=("$target: ${runs:-?} runs in ${seconds}s, no findings")
  fi
done
printf '%s\n' "${summary[@]}"
exit "$failed"
