#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# bench-tray-idle.sh [SECONDS]: runs the tray idle benchmark in a private desktop with an
# XEmbed tray host (trayer), so nothing of the machine's own desktop is measured or touched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bench="$root/build/dev/bench/quorvantel-bench-tray-idle"
exec "$root/tests/support/private-desktop.sh" bash -c '
    trayer --edge top --align right --height 24 --widthtype request --transparent false &
    tray=$!
    sleep 1
    "$0" "$@"; status=$?
    kill $tray
    exit $status' "$bench" "$@"
