#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""whole_break_cpu.py TESTDATA_DIR RUNS QUORVANTEL [QUORVANTEL ...]

The processor time of whole camera breaks counted from a recorded clip, everything a break
costs included: the application's own time and that of the helper processes it started and
reaped (the camera's, the break screen's). Builds take turns, RUNS breaks each, so a change in
the machine's load falls on all of them alike. Prints each break and each build's median, in
seconds of processor time and in percent of one core over the break. Run it in a private
desktop:
    tests/support/private-desktop.sh python3 bench/whole_break_cpu.py ../shared/testdata 3 \\
        OLD/src/app/quorvantel build/dev/src/app/quorvantel
"""

import os
import statistics
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from e2e_session import clip_or_skip, warm_camera_app  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    """The process's own processor time and that of its children it has reaped."""
    with open(f"/proc/{pid}/stat") as file:
        fields = file.read().rsplit(")", 1)[1].split()
    # utime, stime, cutime, cstime: fields 14-17 of stat, 12-15 after the name.
    return sum(int(value) for value in fields[11:15]) / TICKS


def one_break(binary, clip):
    with warm_camera_app(binary, clip) as (session, app):
        time.sleep(2)
        before, began = cpu_seconds(app.pid), time.monotonic()
        session.call("StartBreakNow")
        session.wait_for("released break", session.released, 150)
        # The helpers are reaped within two seconds of the release.
        time.sleep(3)
        return cpu_seconds(app.pid) - before, time.monotonic() - began


def main():
    testdata, runs, binaries = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    clip = clip_or_skip(testdata)
    results = {binary: [] for binary in binaries}
    for _ in range(runs):
        for binary in binaries:
            cpu, wall = one_break(binary, clip)
            results[binary].append((cpu, wall))
            print(f"{binary}: {cpu:.2f} s of processor time over {wall:.1f} s "
                  f"({100 * cpu / wall:.1f} % of a core)", flush=True)
    for binary, figures in results.items():
        cpu = statistics.median(figure[0] for figure in figures)
        share = statistics.median(100 * figure[0] / figure[1] for figure in figures)
        print(f"median {binary}: {cpu:.2f} s, {share:.1f} % of a core", flush=True)


if __name__ == "__main__":
    main()
