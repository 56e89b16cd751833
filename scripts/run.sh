#!/usr/bin/env bash
# Installs what is missing, builds the desktop program and starts it. With no
# file named it opens the sample game, its first year already imported; a
# game file named on the command line is opened instead.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

bash scripts/deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs" --target kestrane sample-game
# Files named relative to where the script was started stay found after the
# change of folder below.
args=()
files=0
value_next=0
for arg in "$@"; do
  if [ "$value_next" -eq 1 ]; then
    args+=("$arg"); value_next=0; continue
  fi
  case "$arg" in
    -screenshot) args+=("$arg"); value_next=1 ;;
    -*) args+=("$arg") ;;
    /*) args+=("$arg"); files=$((files + 1)) ;;
    *) if [ -e "$OLDPWD/$arg" ]; then args+=("$OLDPWD/$arg"); else args+=("$arg"); fi; files=$((files + 1)) ;;
  esac
done
if [ "$files" -eq 0 ]; then
  args+=("$root/build/data/kestrel-1901.kes")
fi
# Start in the data folder, so File New offers Maps/Standard.map at once.
cd data
exec ../build/src/app/kestrane "${args[@]}"
