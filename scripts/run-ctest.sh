#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# run-ctest.sh BUILD_DIR [CTEST ARGS...]: runs the tests of a build. A test fails the run on
# its first failure, except one whose label says desktop (integration-desktop: it runs in a
# private X server with a window manager, or a headless compositor, and can lose a race
# against those programs on a loaded machine): that one gets up to two
# more tries, and each try is named in the summary so a flaky one shows rather than hides.
# With QV_NO_SKIPPED_TESTS=1 (CI) a skipped test fails the run too: on a machine set up from
# scripts/packages/ every program and library a test looks for must be there.
set -uo pipefail
build=$1
shift
failed_list="$build/Testing/Temporary/LastTestsFailed.log"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

failed_names() { [ -s "$failed_list" ] && cut -d: -f2- "$failed_list"; }
run() { ctest --test-dir "$build" --output-on-failure "$@" | tee -a "$log"; }

status=0
run -j"$(nproc)" -LE desktop "$@" || status=1
rm -f "$failed_list"
desktop_status=0
run -j"$(nproc)" -L desktop "$@" || desktop_status=1
retried=()
for attempt in 2 3; do
    [ "$desktop_status" = 0 ] && break
    before=$(failed_names)
    [ -n "$before" ] || break
    desktop_status=0
    run --rerun-failed -L desktop "$@" || desktop_status=1
    after=$(failed_names)
    while IFS= read -r name; do
        if [ "$desktop_status" = 0 ] || ! grep -qxF "$name" <<<"$after"; then
            retried+=("retried: $name (try $attempt of 3): passed")
        else
            retried+=("retried: $name (try $attempt of 3): failed")
        fi
    done <<<"$before"
done
[ "$desktop_status" = 0 ] || status=1

echo
echo "== tests: summary"
if [ "${#retried[@]}" -gt 0 ]; then printf '%s\n' "${retried[@]}"; else echo "no test was retried"; fi
skipped=$(grep -E '^\s+[0-9]+ - .* \(Skipped\)$' "$log" | sort -u)
if [ -n "$skipped" ]; then
    echo "skipped:"
    echo "$skipped"
    if [ "${QV_NO_SKIPPED_TESTS:-0}" = 1 ]; then
        echo "a test skipped although scripts/packages/ should have provided what it needs"
        status=1
    fi
fi
exit $status
