#!/usr/bin/env bash
# Builds the Debian package (kestrane_VERSION_ARCH.deb in the repository's
# folder) from a clean checkout of the current commit, so nothing of a
# working build or uncommitted change ends up in it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

# Below the repository (ignored by git), where the compiler cache can help.
work=$(mktemp -d "$root/build-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
git -C "$root" worktree add --detach "$work/src" HEAD >/dev/null
trap 'git -C "$root" worktree remove --force "$work/src" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$work/src" -B "$work/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DKESTRANE_BUILD_TESTS=OFF -DKESTRANE_BUILD_BENCH=OFF
cmake --build "$work/build" -j"$jobs"
(cd "$work/build" && cpack -G DEB)
cp "$work"/build/kestrane_*.deb "$root"/
ls -l "$root"/kestrane_*.deb
