#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# run_ctest_test.sh RUN_CTEST: runs scripts/run-ctest.sh on small projects of its own whose
# tests fail once and then pass, and checks that only a test labelled desktop is retried, that
# the retry is named in the summary, and that CI's strict mode fails on a skipped test.
set -uo pipefail
run_ctest=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Each test fails the first time it runs in a run and passes from then on.
cat >"$work/flaky.sh" <<'SCRIPT'
[ -e "$STATE/$1" ] && exit 0
touch "$STATE/$1"
exit 1
SCRIPT

run() { # run STRICT TEST...: a project of these tests (desktop, unit, skipped), run once
    local strict=$1 name
    shift
    rm -rf "$work/project" "$work/build" "$work/state"
    mkdir -p "$work/project" "$work/state"
    {
        echo "cmake_minimum_required(VERSION 3.25)"
        echo "project(RetryCheck NONE)"
        echo "enable_testing()"
        for name in "$@"; do
            case $name in
                skipped) echo "add_test(NAME $name COMMAND sh -c \"exit 77\")"
                         echo "set_tests_properties($name PROPERTIES SKIP_RETURN_CODE 77)" ;;
                *) echo "add_test(NAME $name COMMAND sh $work/flaky.sh $name)"
                   echo "set_tests_properties($name PROPERTIES ENVIRONMENT STATE=$work/state)" ;;
            esac
            [ "$name" != desktop ] ||
                echo "set_tests_properties($name PROPERTIES LABELS integration-desktop)"
        done
    } >"$work/project/CMakeLists.txt"
    cmake -S "$work/project" -B "$work/build" >/dev/null || fail "cannot configure"
    output=$(QV_NO_SKIPPED_TESTS=$strict bash "$run_ctest" "$work/build" 2>&1)
    status=$?
}

run 0 desktop unit skipped
[ "$status" != 0 ] || fail "a test failing at its first run passed the run"
grep -q '^retried: desktop (try 2 of 3): passed$' <<<"$output" ||
    fail "the desktop test's retry is not named in the summary"
grep -q '^retried: unit' <<<"$output" && fail "a test outside a desktop was retried"
grep -q ' - skipped (Skipped)$' <<<"$output" || fail "the skipped test is not listed"

run 0 desktop skipped
[ "$status" = 0 ] || fail "a desktop test that passed at its second try failed the run"

run 1 desktop skipped
[ "$status" != 0 ] || fail "a skipped test passed the run in CI's strict mode"

if [ "$failures" -gt 0 ]; then
    echo "$output"
    echo "$failures check(s) failed"
    exit 1
fi
echo "run-ctest.sh: all checks passed"
