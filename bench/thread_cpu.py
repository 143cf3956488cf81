#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""thread_cpu.py OUT COMMAND...

Runs COMMAND and writes to OUT, as one line: its user and system time and wall time in
seconds (the same as /usr/bin/time -f '%U %S %e'), then the processor time of GStreamer's
streaming threads alone. Those are the threads that read and demultiplex a video file (GStreamer
names them "element:pad"); a camera delivers its frames without them, so that share is the
file standing in for the camera, paid alike by every build. Their time is sampled from /proc
every few milliseconds, so the last few milliseconds of a thread that ends may be missed.
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from e2e_session import proc_stat  # noqa: E402


def streaming_seconds(pid, seen):
    """Adds the current processor time of each streaming thread of pid to seen."""
    ticks = os.sysconf("SC_CLK_TCK")
    try:
        tids = os.listdir(f"/proc/{pid}/task")
    except OSError:
        return
    for tid in tids:
        stat = proc_stat(f"/proc/{pid}/task/{tid}/stat")
        if stat and ":" in stat[0]:
            # utime and stime, the 14th and 15th fields of stat.
            seen[tid] = (int(stat[1][11]) + int(stat[1][12])) / ticks


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    out, command = sys.argv[1], sys.argv[2:]
    started = time.monotonic()
    child = subprocess.Popen(command)
    seen = {}
    while True:
        pid, status, usage = os.wait4(child.pid, os.WNOHANG)
        if pid == child.pid:
            break
        streaming_seconds(child.pid, seen)
        time.sleep(0.005)
    wall = time.monotonic() - started
    with open(out, "w") as f:
        f.write(f"{usage.ru_utime:.3f} {usage.ru_stime:.3f} {wall:.3f} {sum(seen.values()):.3f}\n")
    sys.exit(os.waitstatus_to_exitcode(status))


if __name__ == "__main__":
    main()
