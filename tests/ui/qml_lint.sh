#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# qml_lint.sh CMAKE BUILD_DIR: lints every QML module of the build (Qt's all_qmllint target,
# with the settings of the committed .qmllint.ini) and fails on any warning: a binding to a
# property that does not exist, or of the wrong type, fails here instead of showing a blank.
set -uo pipefail
cmake=$1
build=$2
# Every module, even after one fails, so the count is the whole count.
output=$("$cmake" --build "$build" --target all_qmllint -- -k 0 2>&1)
status=$?
warnings=$(grep -c '^Warning:' <<<"$output")
if [ "$status" -ne 0 ] || [ "$warnings" -ne 0 ]; then
    grep -v '^\[[0-9]*/[0-9]*\]' <<<"$output"
    echo "qmllint: $warnings warnings"
    exit 1
fi
echo "qmllint: no warnings"
