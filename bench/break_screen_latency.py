#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""break_screen_latency.py QUORVANTEL [RUNS]

How long a break asked for takes to cover the screen: from the request on the session bus to
the first break window mapped, for RUNS (default 10) ten-second timed breaks of one running
Quorvantel. Prints every figure and the median. Run it in a private desktop:
    tests/support/private-desktop.sh python3 bench/break_screen_latency.py \\
        build/dev/src/app/quorvantel
"""

import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from e2e_session import WARM_SETTINGS, Session  # noqa: E402

BREAK_TITLE = "Quorvantel Break"


def break_window_shown():
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{BREAK_TITLE}$"],
                          capture_output=True).returncode == 0


def main():
    binary = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    figures = []
    with tempfile.TemporaryDirectory(prefix="qv-bench-") as root:
        session = Session(binary, root)
        try:
            session.write_settings(dict(WARM_SETTINGS, **{"settings.honorDurationSeconds": "10"}))
            session.launch([])
            session.wait_until_running()
            for _ in range(runs):
                asked = time.monotonic()
                session.call("StartBreakNow")
                session.wait_for("break window", break_window_shown, 30)
                figures.append((time.monotonic() - asked) * 1000)
                print(f"covered after {figures[-1]:.0f} ms", flush=True)
                session.wait_for("released break", lambda: not break_window_shown(), 60)
                # The next break starts from the idle state a real one would start from.
                time.sleep(3)
        finally:
            session.close()
    print(f"median of {runs}: {statistics.median(figures):.0f} ms", flush=True)


if __name__ == "__main__":
    main()
