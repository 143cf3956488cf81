#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang (libFuzzer, address and undefined-behaviour sanitizers)
# and runs each one for a bounded time. Fails on a crash, a hang, a leak or a sanitizer report;
# the input that caused it is left in build/fuzz/artifacts/. No single allocation may exceed
# 512 MB: a damaged input must be refused, not met with an allocation it chose.
#   scripts/fuzz.sh [seconds per target, default 60]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
build="$root/build/fuzz"

cmake -S "$root/tests/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2

mkdir -p "$build/artifacts"
for target in stats_loader_fuzzer model_loader_fuzzer camera_frame_fuzzer \
    camera_helper_message_fuzzer break_screen_messages_fuzzer wav_sound_fuzzer; do
    seeds="$root/tests/fuzz/corpus/${target%_fuzzer}"
    corpus="$build/corpus/${target%_fuzzer}"
    mkdir -p "$corpus"
    dictionary=()
    [ -f "$root/tests/fuzz/${target%_fuzzer}.dict" ] &&
        dictionary=(-dict="$root/tests/fuzz/${target%_fuzzer}.dict")
    echo "fuzz: running $target for ${seconds}s"
    "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 \
        -max_len=65536 -print_final_stats=1 "${dictionary[@]}" -artifact_prefix="$build/artifacts/$target-" \
        "$corpus" "$seeds"
done
