#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# bench-app.sh startup [RUNS] | idle [SECONDS]: the whole application's benchmarks (start-up
# to the tray item, and idling in the tray), in a private desktop whose StatusNotifierWatcher
# is the benchmark itself, so nothing of the machine's own desktop is measured or touched.
# Everything runs at a real-time priority where that is allowed, so that other work on a
# shared machine disturbs the figures less; the load average is printed beside them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
case "${1:-}" in
    startup) bench=quorvantel-bench-startup ;;
    idle) bench=quorvantel-bench-app-idle ;;
    *) echo "usage: $0 startup [RUNS] | idle [SECONDS]" >&2; exit 2 ;;
esac
shift
priority=()
chrt -f 5 true 2>/dev/null && priority=(chrt -f 5)
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
status=0
"${priority[@]}" "$root/tests/support/private-desktop.sh" "$root/build/dev/bench/$bench" "$@" ||
    status=$?
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
exit $status
