#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""signal_release.py QUORVANTEL TESTDATA_DIR [ROUNDS]

How long the break screen stays up after each signal that ends the process (SIGTERM, SIGINT,
SIGQUIT, SIGHUP), measured from the signal to the last break window leaving the X server, in
the middle of a camera break on a real clip. Run it inside tests/support/private-desktop.sh:

    tests/support/private-desktop.sh python3 bench/signal_release.py \\
        build/dev/src/app/quorvantel ../shared/testdata 3

Each line gives a signal, the milliseconds until the screen was free and how the process
ended; the slowest round per signal comes last. The aim is under 1000 ms.
"""

import os
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from e2e_session import camera_break, clip_or_skip  # noqa: E402


def break_windows(env):
    """Ids of the mapped windows named as the break screen is."""
    done = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Quorvantel Break$"],
                          env=env, capture_output=True, text=True)
    return done.stdout.split()


def one_round(binary, clip, number):
    with camera_break(binary, clip) as session:
        session.wait_for("break screen", lambda: break_windows(session.env), 60)
        time.sleep(2)  # the camera and the pose engine are busy by now
        sent = time.monotonic()
        os.kill(session.app.pid, number)
        while break_windows(session.env) and time.monotonic() - sent < 30:
            time.sleep(0.01)
        free = time.monotonic() - sent
        session.app.wait(timeout=30)
        return free * 1000, session.app.returncode


def main():
    binary, testdata = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    clip = clip_or_skip(testdata)
    worst = {}
    for _ in range(rounds):
        for number in (signal.SIGTERM, signal.SIGINT, signal.SIGQUIT, signal.SIGHUP):
            ms, code = one_round(binary, clip, number)
            name = signal.Signals(number).name
            worst[name] = max(worst.get(name, 0), ms)
            print(f"{name}: screen free after {ms:.0f} ms, exit {code}", flush=True)
    for name, ms in worst.items():
        print(f"slowest {name}: {ms:.0f} ms")


if __name__ == "__main__":
    main()
