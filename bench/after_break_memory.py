#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""after_break_memory.py QUORVANTEL TESTDATA_DIR [SECONDS]

The application's resident memory idling in the tray before and after one whole break, as the
idle benchmark measures it before any break: a real squat clip is the camera, a second launch
asks for the break, the squats release it. The break loads what no idle phase does (the media
stack, the camera, the pose model), so this shows what of it stays. Each figure is taken
SECONDS (default 100, past the sounds' release) after the phase began; with QV_BENCH_SNAPSHOTS=DIR each phase's memory map
is kept there for scripts/compare-smaps.py. Run it in a private desktop:
    tests/support/private-desktop.sh python3 bench/after_break_memory.py \\
        build/dev/src/app/quorvantel ../shared/testdata
"""

import os
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from e2e_session import clip_or_skip, warm_camera_app  # noqa: E402


def memory(pid):
    """Resident, and of it private (anonymous), memory in MB, as /proc tells them."""
    figures = {}
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            name, _, value = line.partition(":")
            if name in ("VmRSS", "RssAnon"):
                figures[name] = int(value.split()[0]) / 1024
    return figures["VmRSS"], figures["RssAnon"]


def keep_snapshot(key, pid):
    """With QV_BENCH_SNAPSHOTS set, keeps the phase's smaps for scripts/compare-smaps.py."""
    folder = os.environ.get("QV_BENCH_SNAPSHOTS")
    if not folder:
        return
    os.makedirs(folder, exist_ok=True)
    with open(f"/proc/{pid}/smaps") as smaps, \
            open(os.path.join(folder, key + ".smaps"), "w") as copy:
        copy.write(smaps.read())
    names = sorted(open(f"/proc/{pid}/task/{task}/comm").read().strip()
                   for task in os.listdir(f"/proc/{pid}/task"))
    print("  threads:", " ".join(names), flush=True)


def report(phase, key, pid, seconds):
    time.sleep(seconds)
    resident, private = memory(pid)
    print(f"{phase:34} resident {resident:.1f} MB (private {private:.1f} MB)", flush=True)
    keep_snapshot(key, pid)


def main():
    binary, testdata = sys.argv[1], sys.argv[2]
    seconds = int(sys.argv[3]) if len(sys.argv) > 3 else 100
    clip = clip_or_skip(testdata)
    with warm_camera_app(binary, clip) as (session, app):
        report("idle, just started", "start", app.pid, seconds)
        code, text = session.command("--start-break-now")
        if code != 0:
            sys.exit(f"--start-break-now failed: {text}")
        session.wait_for("released break", session.released, 150)
        report("idle, one break after", "after-break", app.pid, seconds)
        print("breaks:", session.stats(), flush=True)


if __name__ == "__main__":
    main()
