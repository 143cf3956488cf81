#!/usr/bin/env bash
# Sets up, builds and runs every test. With --sanitize it also builds the address and
# undefined-behaviour sanitizer preset and runs the unit tests under it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
sanitize=0
[ "${1:-}" = "--sanitize" ] && sanitize=1
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh dev
ctest --preset dev -j"$(nproc)"
if [ "$sanitize" = 1 ]; then
    bash scripts/build.sh asan
    ctest --preset asan -j"$(nproc)"
fi
