#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test. With --sanitize it also builds the address and
# undefined-behaviour sanitizer preset and runs the unit tests under it, then the thread
# sanitizer preset and the tests labelled "unit-threaded" (camera, capture, time) under that.
# Qt and GLib are not built with the thread sanitizer, so their own calls are left out of its
# view (ignore_noninstrumented_modules, set in the preset); work our code hands between threads
# travels through a std::mutex (WorkInbox), so the sanitizer still sees every hand-over.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
sanitize=0
[ "${1:-}" = "--sanitize" ] && sanitize=1
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh dev
bash scripts/run-ctest.sh build/dev
if [ "$sanitize" = 1 ]; then
    # Unit tests only: none of them runs in a desktop, so none is ever retried.
    bash scripts/build.sh asan
    ctest --preset asan -j"$(nproc)"
    bash scripts/build.sh tsan
    ctest --preset tsan -j"$(nproc)"
fi
